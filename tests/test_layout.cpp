// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// The designed window as the X server shows it: positions, stacking, colours,
// fonts and keyboard order. Runs on a private X server (with_xvfb.sh).
#include "frm_config.h"
#include "language.h"
#include "recording_platform.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QXmlStreamReader>

#include <cmath>

namespace
{

// The design, in twips relative to each control's parent.
struct Placement {
    const char *name;
    int left, top, width, height;
};
constexpr Placement Design[] = {
    {"lstDisplay", 2445, 675, 1380, 315}, {"cmdExit", 3840, 90, 255, 225},
    {"picPreview", 240, 495, 1965, 1560}, {"picDisplay", 165, 135, 1635, 1230},
    {"chkMusic", 615, 2265, 1230, 195},   {"Frame2", 2340, 405, 1575, 1740},
    {"chkFlat", 120, 990, 1350, 210},     {"chkFiltering", 120, 690, 1395, 225},
    {"chkFS", 120, 1365, 1380, 330},      {"cmdQuit", 3195, 2205, 705, 360},
    {"cmdSave", 2430, 2205, 705, 360},    {"imgIcon", 195, 75, 240, 240},
    {"lblTitle", 495, 90, 1860, 225},
};
// Lines run from their first point up to, not including, their last.
constexpr Placement DesignLines[] = {{"Line3", 120, 1290, 1455 - 120, 15},
                                     {"Line2", 300, 2190, 2160 - 300, 15},
                                     {"Line1", 300, 2205, 2160 - 300, 15}};

QRect pixels(const Placement &p) { return QRect(p.left / 15, p.top / 15, p.width / 15, p.height / 15); }

QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

// A text's width as drawn at the screen's scale, in the window's pixels:
// hinting at the device's pixel size may make it wider than at scale 1.
int drawnWidth(const QWidget *widget, const QString &text)
{
    const qreal ratio = widget->devicePixelRatioF();
    QFont font = widget->font();
    if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * ratio));
    else
        font.setPointSizeF(font.pointSizeF() * ratio);
    const qreal device = QFontMetricsF(font, widget).boundingRect(text).width();
    return std::max(int(std::ceil(device / ratio)), widget->fontMetrics().boundingRect(text).width());
}

// How many rows of a picture hold ink: more than one colour.
int inkRows(const QImage &picture)
{
    int rows = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        rows += std::any_of(line, line + picture.width(), [&](QRgb pixel) { return pixel != line[0]; });
    }
    return rows;
}

// A caption on the screen has as many rows of ink in its room as its text
// drawn alone, uncut, in its font and colours at the screen's scale: fewer,
// and its top or bottom is cut off. Ideographs, kana and hangul are drawn
// from faces made for the window's size: at scale 1, on a plain background,
// each of their pixels is the ink or the background, no grey between.
void drawnWhole(const QWidget *control, const QRect &room, const QString &text, bool plain = false)
{
    const QPoint corner = control->mapToGlobal(room.topLeft());
    const QImage shown = QGuiApplication::primaryScreen()
                             ->grabWindow(0, corner.x(), corner.y(), room.width(), room.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> uses;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ++uses[shown.pixel(x, y)];
    const QRgb background = std::max_element(uses.keyValueBegin(), uses.keyValueEnd(), [](auto a, auto b) {
                                return a.second < b.second;
                            })->first;
    auto distance = [&](QRgb colour) {
        return std::abs(qRed(colour) - qRed(background)) + std::abs(qGreen(colour) - qGreen(background)) +
               std::abs(qBlue(colour) - qBlue(background));
    };
    const QList<QRgb> colours = uses.keys();
    const QRgb ink = *std::max_element(colours.begin(), colours.end(),
                                       [&](QRgb a, QRgb b) { return distance(a) < distance(b); });
    const bool eastAsian = std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.script() == QChar::Script_Han || c.script() == QChar::Script_Hangul ||
               c.script() == QChar::Script_Hiragana || c.script() == QChar::Script_Katakana;
    });
    if (plain && eastAsian && control->devicePixelRatioF() == 1)
        QVERIFY2(colours.size() == 2,
                 qPrintable(QStringLiteral("%1: %2 colours").arg(text).arg(colours.size())));

    const QFontMetrics metrics = control->fontMetrics();
    const QSize space(metrics.horizontalAdvance(text) + 2 * metrics.height(), 3 * metrics.height());
    const qreal ratio = control->devicePixelRatioF();
    QImage alone(space * ratio, QImage::Format_RGB32);
    alone.setDevicePixelRatio(ratio);
    alone.setDotsPerMeterX(qRound(control->logicalDpiX() / 0.0254));
    alone.setDotsPerMeterY(qRound(control->logicalDpiY() / 0.0254));
    alone.fill(background);
    QPainter painter(&alone);
    // Every property of the control's font, not only those set on it: the
    // picture's own font is no control's.
    QFont font = control->font();
    font.setResolveMask(QFont::AllPropertiesResolved);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(ink));
    painter.drawText(QRect(QPoint(), space), Qt::AlignCenter, text);
    painter.end();
    QVERIFY2(
        inkRows(shown) == inkRows(alone),
        qPrintable(QStringLiteral("%1: %2 rows of %3").arg(text).arg(inkRows(shown)).arg(inkRows(alone))));
}

// Every caption in the room its control gives it, drawn whole: the check
// boxes' beside their box, the buttons' inside their edge, the frame's title
// as clear of the groove's right corner as it is of the left, and the title
// on the skin.
void captionsFit(QWidget &window)
{
    for (auto *box : window.findChildren<QCheckBox *>()) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        QVERIFY2(drawnWidth(box, box->text()) <= text.width(), qPrintable(box->text()));
        drawnWhole(box, text, box->text(), true);
    }
    for (auto *button : window.findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect text = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QVERIFY2(drawnWidth(button, button->text()) <= text.width(), qPrintable(button->text()));
        // Clear of the focus mark, which runs along the edge.
        drawnWhole(button, text.adjusted(2, 2, -2, -2), button->text(), true);
    }
    auto *frame = window.findChild<QGroupBox *>(QStringLiteral("Frame2"));
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    const QRect title =
        frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    QVERIFY2(title.left() + drawnWidth(frame, frame->title() + u' ') <= frame->width() - 8,
             qPrintable(frame->title()));
    // The title's room: its width, from the frame's top down to the chooser.
    const QWidget *chooser = window.findChild<QComboBox *>(QStringLiteral("lstDisplay"));
    drawnWhole(
        frame,
        QRect(title.left(), 0, title.width(), frame->mapFrom(&window, chooser->mapTo(&window, QPoint())).y()),
        frame->title());
    auto *label = window.findChild<QLabel *>(QStringLiteral("lblTitle"));
    QVERIFY2(drawnWidth(label, label->text()) <= label->contentsRect().width(), qPrintable(label->text()));
    drawnWhole(label, label->contentsRect(), label->text());
}

// The translations a Qt Linguist file gives, by the English text; a text
// that a comment tells apart from the same words is keyed "text|comment".
QHash<QString, QString> translationsIn(const QString &tsFile)
{
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(tsFile));
    QHash<QString, QString> translations;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"comment")
            source += u'|' + xml.readElementText();
        else if (xml.name() == u"translation")
            translations.insert(source, xml.readElementText());
    }
    return translations;
}

// The box of a failed read or save, with the longest detail it can have (the
// advice on a line of its own), stays well inside the screen: its lines wrap.
void errorBoxInsideTheScreen(DialogPlatform::Message message, const QHash<QString, QString> &texts)
{
    message.detail +=
        u'\n' + texts.value(QStringLiteral(
                    "Ask whoever installed the game to let you change this file, or copy this "
                    "program and zunkel.cfg into a folder of your own and start it from there."));
    QRect box;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!shown || !shown->isVisible())
            return;
        poll.stop();
        box = shown->frameGeometry();
        shown->button(QMessageBox::Ok)->click();
    });
    poll.start(50);
    SystemPlatform().showMessage(nullptr, message);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(!box.isEmpty());
    QVERIFY2(box.width() <= screen.width() * 3 / 4, qPrintable(QString::number(box.width())));
}
} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase();
    void windowIsTheSkinCentred();
    void controlsWhereDesigned();
    void stacking();
    void coloursOnScreen();
    void fonts();
    void buttonsAndFrameOnScreen();
    void messageBoxesAndTooltipsAlike();
    void tabWalksDesignedOrder();
    void everyLanguage_data();
    void everyLanguage();

  private:
    QImage screenOfWindow();
    template <typename T = QWidget> T *control(const QString &name) { return window->findChild<T *>(name); }

    QTemporaryDir dir;
    RecordingPlatform platform;
    std::unique_ptr<frmConfig> window;
};

void TestLayout::initTestCase()
{
    Q_INIT_RESOURCE(art);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QFile file(dir.filePath(SettingsFileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n");
    file.close();
    window = std::make_unique<frmConfig>(platform, SettingsFile(file.fileName()));
    QVERIFY(window->Form_Load());
    window->showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTest::qWait(200);
}

QImage TestLayout::screenOfWindow()
{
    const QRect frame = window->geometry();
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

void TestLayout::windowIsTheSkinCentred()
{
    QCOMPARE(window->size(), QSize(280, 180));
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window->windowTitle(), QStringLiteral("Config"));
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(control("picMainSkin")->geometry(), QRect(0, 0, 280, 180));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(window->geometry().center(), screen.center());
    // The close button's corner, the spot a player aims for.
    QCOMPARE(control("cmdExit")->mapTo(window.get(), QPoint(0, 0)), QPoint(256, 6));
}

void TestLayout::controlsWhereDesigned()
{
    for (const Placement &p : Design) {
        QWidget *widget = control(p.name);
        QVERIFY2(widget, p.name);
        QCOMPARE(widget->geometry(), pixels(p));
    }
    QCOMPARE(control("picDisplay")->parentWidget(), control("picPreview"));
    QCOMPARE(control("chkFS")->parentWidget(), control("Frame2"));
    QCOMPARE(control("lblTitle")->parentWidget(), control("picMainSkin"));
    QCOMPARE(control("imgIcon")->parentWidget(), control("picMainSkin"));
    for (const Placement &p : DesignLines) {
        const QRect r = control(p.name)->geometry();
        QCOMPARE(QRect(r.left(), r.top(), r.width(), 1), QRect(p.left / 15, p.top / 15, p.width / 15, 1));
    }
}

void TestLayout::stacking()
{
    // What the window shows at a point is its topmost control there.
    auto topAt = [&](QPoint p) {
        QWidget *w = window->childAt(p);
        while (w && w->parentWidget() != window.get() && w->objectName().isEmpty())
            w = w->parentWidget();
        return w ? w->objectName() : QString();
    };
    QCOMPARE(topAt(QPoint(200, 55)), QStringLiteral("lstDisplay")); // over the frame
    for (const Placement &p : Design) {
        const QPoint centre = control(p.name)->mapTo(window.get(), control(p.name)->rect().center());
        QVERIFY2(topAt(centre) != "picMainSkin" || QByteArray(p.name) == "lblTitle" ||
                     QByteArray(p.name) == "imgIcon",
                 p.name);
    }
    QCOMPARE(topAt(QPoint(150, 172)), QStringLiteral("picMainSkin"));
}

void TestLayout::coloursOnScreen()
{
    const QImage shown = screenOfWindow();
    const QImage skin = QImage(":/art/skin.gif").convertToFormat(QImage::Format_RGB32);
    const QImage scene = QImage(":/art/preview_screen.gif").convertToFormat(QImage::Format_RGB32);
    auto at = [&](int x, int y) { return shown.pixelColor(x, y); };

    QCOMPARE(at(166, 151), rgb(0, 192, 0)); // Save's face
    QCOMPARE(at(217, 151), rgb(0, 192, 0)); // Quit's face
    QCOMPARE(at(258, 8), rgb(0, 192, 0));   // the close button's face
    QCOMPARE(at(121, 157), rgb(0, 64, 0));  // Play Music's background
    QCOMPARE(at(254, 107), rgb(0, 64, 0));  // inside the Graphics frame
    QCOMPARE(at(18, 135), rgb(0, 64, 0));   // the preview's background
    QCOMPARE(at(16 + 11 + 50, 33 + 9 + 40), scene.pixelColor(50, 40));
    QCOMPARE(at(156 + 40, 27 + 86), rgb(255, 255, 255)); // the frame's white line
    // The title's background is not painted: the skin shows beside its text.
    QCOMPARE(at(155, 13), skin.pixelColor(155, 13));
    // The window's own lines lie under the skin.
    QCOMPARE(at(60, 146), skin.pixelColor(60, 146));
    QCOMPARE(at(60, 147), skin.pixelColor(60, 147));
    // The chooser is drawn over the frame: light, not the frame's green.
    QVERIFY(at(200, 50).lightness() > 200);
}

void TestLayout::fonts()
{
    const QFontInfo title(control("lblTitle")->font());
    QCOMPARE(title.family(), QStringLiteral("DejaVu Sans Condensed"));
    QVERIFY(title.bold());
    QCOMPARE(control("lblTitle")->font().pointSizeF(), 8.25);
    QVERIFY(QFontInfo(control("cmdSave")->font()).bold());
    const QFontInfo option(control("chkFiltering")->font());
    QCOMPARE(option.family(), QStringLiteral("DejaVu Sans Condensed"));
    QVERIFY(!option.bold());
    captionsFit(*window);
}

// Raised edges, sunk while pressed and white around the focused button; the
// frame an etched groove, broken where its title crosses it.
void TestLayout::buttonsAndFrameOnScreen()
{
    const QColor lit = rgb(160, 255, 160), shaded = rgb(0, 64, 0), groove = rgb(72, 152, 72);
    // Keys go to the window under the pointer when no window manager runs.
    const QPoint over = window->mapToGlobal(QPoint(150, 172));
    QProcess::execute("xdotool", {"mousemove", QString::number(over.x()), QString::number(over.y())});
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    control("cmdSave")->setFocus();
    QTRY_VERIFY(control("cmdSave")->hasFocus());
    QTest::qWait(100);
    QImage shown = screenOfWindow();
    auto at = [&](int x, int y) { return shown.pixelColor(x, y); };
    // Quit spans (213, 147) to (259, 170), Save (162, 147) to (208, 170).
    QCOMPARE(at(213, 147), lit);
    QCOMPARE(at(259, 170), shaded);
    QCOMPARE(at(162, 147), QColor(Qt::white));
    QCOMPARE(at(208, 170), QColor(Qt::white));
    // The frame spans (156, 33) to (260, 142); the title's gap starts at 162.
    QCOMPARE(at(156, 80), groove);
    QVERIFY(at(157, 80).lightness() > groove.lightness());
    QCOMPARE(at(200, 141), groove);
    QVERIFY(at(200, 142).lightness() > groove.lightness());
    QCOMPARE(at(161, 33), groove);
    const QImage skin = QImage(":/art/skin.gif").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(at(162, 33), skin.pixelColor(162, 33));

    auto *quit = control<QPushButton>("cmdQuit");
    const QImage raised = shown.copy(214, 148, 45, 22);
    quit->setDown(true);
    QTest::qWait(100);
    shown = screenOfWindow();
    quit->setDown(false);
    QCOMPARE(at(213, 147), shaded);
    QCOMPARE(at(259, 170), lit);
    QVERIFY(shown.copy(214, 148, 45, 22) != raised); // the label moved
}

// The boxes the window opens and its tooltips show the same faces, and the
// box's button is drawn as the window's are.
void TestLayout::messageBoxesAndTooltipsAlike()
{
    QCOMPARE(QFontInfo(QToolTip::font()).family(), QStringLiteral("DejaVu Sans Condensed"));
    QImage button;
    QFont buttonFont, textFont;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        QTest::qWait(300);
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        const QPoint corner = ok->mapToGlobal(QPoint(0, 0));
        button = QGuiApplication::primaryScreen()
                     ->grabWindow(0, corner.x(), corner.y(), ok->width(), ok->height())
                     .toImage()
                     .convertToFormat(QImage::Format_RGB32);
        buttonFont = ok->font();
        textFont = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->font();
        ok->click();
    });
    poll.start(50);
    SystemPlatform().showMessage(
        window.get(), {QMessageBox::Critical, QStringLiteral("Config"), QStringLiteral("Sorry"), {}});
    QVERIFY(!button.isNull());
    QCOMPARE(button.pixelColor(button.width() - 2, 1), rgb(0, 192, 0));
    QCOMPARE(QFontInfo(buttonFont).family(), QStringLiteral("DejaVu Sans Condensed"));
    QVERIFY(QFontInfo(buttonFont).bold());
    QCOMPARE(QFontInfo(textFont).family(), QStringLiteral("DejaVu Sans Condensed"));
    QVERIFY(!QFontInfo(textFont).bold());
}

void TestLayout::tabWalksDesignedOrder()
{
    const QStringList order{"cmdSave", "cmdQuit",  "chkFS",   "chkFiltering",
                            "chkFlat", "chkMusic", "cmdExit", "lstDisplay"};
    auto focused = [] {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    };
    // Keys go to the window under the pointer when no window manager runs.
    const QPoint over = window->mapToGlobal(QPoint(150, 172));
    QProcess::execute("xdotool", {"mousemove", QString::number(over.x()), QString::number(over.y())});
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    control(order.front())->setFocus();
    QTRY_COMPARE(focused(), order.front());
    for (int step = 1; step <= order.size(); ++step) {
        QCOMPARE(QProcess::execute("xdotool", {"key", "Tab"}), 0);
        QTRY_COMPARE(focused(), order[step % order.size()]);
    }
    QCOMPARE(QProcess::execute("xdotool", {"key", "shift+Tab"}), 0);
    QTRY_COMPARE(focused(), order.back());
}

void TestLayout::everyLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : offeredLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

// In each language every text of the window, its boxes and what screen
// readers say is the one its translation gives, none left in English, and
// every caption still fits.
void TestLayout::everyLanguage()
{
    QFETCH(QString, language);
    const QHash<QString, QString> own = translationsIn(TRANSLATIONS "/zunkel_" + language + ".ts");
    const QHash<QString, QString> qt = translationsIn(QT_TRANSLATIONS "/qtbase_" + language + ".ts");
    RecordingPlatform translatedPlatform;
    useLanguage({language});
    frmConfig translated(translatedPlatform, SettingsFile(dir.filePath(SettingsFileName)));
    QVERIFY(translated.Form_Load());
    frmConfig missing(translatedPlatform, SettingsFile(dir.filePath(QStringLiteral("gone"))));
    QVERIFY(!missing.Form_Load());
    // Qt's own words: the message box's button, and what a screen reader
    // offers to do with an entry of the chooser.
    const QString ok =
        QMessageBox(QMessageBox::NoIcon, {}, {}, QMessageBox::Ok).button(QMessageBox::Ok)->text();
    QAccessibleInterface *entry =
        QAccessible::queryAccessibleInterface(translated.findChild<QComboBox *>(QStringLiteral("lstDisplay")))
            ->child(0);
    const QString press =
        entry->actionInterface()->localizedActionName(QAccessibleActionInterface::pressAction());
    useLanguage({QStringLiteral("en")});

    auto compare = [&](const QString &english, const QString &shown, const QHash<QString, QString> &texts) {
        if (!english.contains(QRegularExpression(QStringLiteral("\\w"))))
            return; // a symbol
        QVERIFY2(texts.contains(english), qPrintable("not translated: " + english));
        QCOMPARE(shown, texts.value(english));
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window.get());
    for (QWidget *english : std::as_const(widgets)) {
        if (english->objectName().isEmpty() || english->objectName().startsWith(u"qt_"))
            continue; // Qt's own parts of a control, made when first needed
        QWidget *shown =
            english == window.get() ? &translated : translated.findChild<QWidget *>(english->objectName());
        QVERIFY2(shown, qPrintable(english->objectName()));
        for (const char *property : {"text", "title", "toolTip", "accessibleDescription", "windowTitle"})
            compare(english->property(property).toString(), shown->property(property).toString(), own);
        // A caption's full name is a text of its own, told apart by a comment.
        if (const QString name = english->accessibleName();
            !own.contains(name + QStringLiteral("|accessible name")))
            compare(name, shown->accessibleName(), own);
        if (QTest::currentTestFailed())
            return;
    }
    // What screen readers say of a caption is the whole term, also where
    // the caption had to be shortened.
    for (const char *name : {"cmdSave", "chkFS", "chkFiltering", "chkFlat", "chkMusic"}) {
        QWidget *english = window->findChild<QWidget *>(QLatin1String(name));
        const QString key = english->accessibleName() + QStringLiteral("|accessible name");
        QVERIFY2(own.contains(key), name);
        const QString heard = translated.findChild<QWidget *>(QLatin1String(name))->accessibleName();
        QCOMPARE(heard, own.value(key));
        QVERIFY2(!heard.contains(QRegularExpression(QStringLiteral("\\w\\.(\\s|$)"))), qPrintable(heard));
    }
    QCOMPARE(translatedPlatform.messages.size(), size_t(1));
    compare(QStringLiteral("Error"), translatedPlatform.messages[0].title, own);
    compare(QStringLiteral("Sorry, config file not found"), translatedPlatform.messages[0].text, own);
    compare(QStringLiteral("OK"), QString(ok).remove(u'&'), qt);
    compare(QStringLiteral("Press"), press, qt);

    // The fonts are the language's while the window is in it.
    useLanguage({language});
    translated.show();
    QVERIFY(QTest::qWaitForWindowExposed(&translated));
    QTest::qWait(100);
    captionsFit(translated);
    errorBoxInsideTheScreen(translatedPlatform.messages[0], own);
    useLanguage({QStringLiteral("en")});
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"

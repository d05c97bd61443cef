// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "frm_config.h"

#include "accessibility.h"
#include "baked_art.h"
#include "file_failure.h"
#include "font_rendering.h"
#include "resolution_table.h"
#include "skin_window.h"
#include "ui_frm_config.h"
#include "window_style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QResource>
#include <QScreen>
#include <QShortcut>

#include <tuple>

// The fonts are compiled into a static library, whose resources are
// registered only on request.
static void loadFonts()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(fonts);
        for (const QString &font : {QStringLiteral(":/fonts/DejaVuSansCondensed.ttf"),
                                    QStringLiteral(":/fonts/DejaVuSansCondensed-Bold.ttf"),
                                    QStringLiteral(":/fonts/WenQuanYiZenHeiSharp.ttf"),
                                    QStringLiteral(":/fonts/BaekmukGulim.ttf")}) {
            // Read in place from the executable, without a copy on the heap.
            const QResource resource(font);
            const int id = QFontDatabase::addApplicationFontFromData(
                QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size()));
            for (const QString &family : QFontDatabase::applicationFontFamilies(id))
                renderAlikeOnEveryDesktop(family);
        }
        return true;
    }();
    Q_UNUSED(loaded);
}

namespace
{

QPixmap picture(QStringView file) { return QPixmap::fromImage(bakedArt(file).constFirst()); }
Qt::CheckState checkStateFor(QByteArrayView flag) { return isFlagSet(flag) ? Qt::Checked : Qt::Unchecked; }

// Only a checked box counts as set; a greyed one does not.
QByteArray flagFor(const QCheckBox *box) { return flagText(box->checkState() == Qt::Checked); }

} // namespace

frmConfig::frmConfig(DialogPlatform &platform, SettingsFile settingsFile, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmConfig>()), platform(platform),
      settingsFile(std::move(settingsFile))
{
    loadFonts();
    useWindowStyle();
    installAccessibility();
    // A change of window flags resolves every child's font and palette
    // again: the skin's flag is set before there are children, and setting
    // it again once skinned changes nothing.
    setWindowFlag(Qt::FramelessWindowHint);
    ui->setupUi(this);
    ui->lblTitle->setFont(captionFont());
    ui->cmdExit->setFont(symbolFont());
    // The colours of single controls, which differ from the panel's: each is
    // stated here once and holds whether the window is active or not.
    for (const auto &[control, role, colour] :
         {std::tuple<QWidget *, QPalette::ColorRole, QColor>{ui->Line1, QPalette::Window, Qt::white},
          {ui->Line3, QPalette::Window, Qt::white},
          {ui->Line2, QPalette::Window, QColor(128, 128, 128)},
          {ui->picDisplay, QPalette::Window, Qt::black},
          {ui->lblTitle, QPalette::WindowText, Qt::black}}) {
        QPalette own = control->palette();
        own.setColor(role, colour);
        control->setPalette(own);
    }
    // The chooser keeps the desktop's colours: Fusion draws its outline from
    // the window colour, which on this panel is green.
    ui->lstDisplay->setPalette(QApplication::palette(ui->lstDisplay));
    // The pictures as the designer drew them, decoded when the program was built.
    // The icon's 256 pixel picture is for Explorer's large views: a window's
    // icon is shown at most at 64 (a task switcher at 200 %), and X11 would
    // be sent every picture at every start.
    QIcon icon;
    for (const QImage &size : bakedArt(u"zunkel.ico"))
        if (size.width() <= 64)
            icon.addPixmap(QPixmap::fromImage(size));
    setWindowIcon(icon);
    ui->imgIcon->setPixmap(picture(u"zunkel.ico"));
    for (const auto &[label, file] : {std::pair(ui->picPreview, u"preview_frame.gif"),
                                      std::pair(ui->picDisplay, u"preview_screen.gif")}) {
        label->setPixmap(picture(file));
        pixelArt.emplace_back(label, label->pixmap());
    }
    for (QWidget *pressable : {static_cast<QWidget *>(ui->lblTitle), static_cast<QWidget *>(ui->picMainSkin),
                               static_cast<QWidget *>(ui->imgIcon)})
        pressable->installEventFilter(this);
    connect(ui->cmdSave, &QPushButton::clicked, this, &frmConfig::cmdSave_Click);
    connect(ui->cmdQuit, &QPushButton::clicked, this, &frmConfig::cmdQuit_Click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmConfig::cmdExit_Click);
    // Escape leaves as Quit does, saving nothing.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &frmConfig::cmdQuit_Click);
}

frmConfig::~frmConfig() = default;

bool frmConfig::Form_Load()
{
    ApplySkinAtScale();
    if (!LoadSettings())
        return false;
    // Connected only now: filling the chooser from the file is not the
    // player's choice and must not warn.
    connect(ui->lstDisplay, &QComboBox::currentTextChanged, this, &frmConfig::lstDisplay_Change);
    return true;
}

void frmConfig::ApplySkinAtScale()
{
    skinRatio = devicePixelRatio();
    useWindowFonts(skinRatio);
    ui->lblTitle->setFont(captionFont());
    ApplySkin(*this, *ui->picMainSkin, bakedArt(u"skin.gif").constFirst());
    for (const auto &[picture, art] : pixelArt)
        picture->setPixmap(scaledPixelArt(art, skinRatio));
}

void frmConfig::showCentred()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
    show();
    // The player just started the tool: keys should reach it at once.
    activateWindow();
}

bool frmConfig::LoadSettings()
{
    for (const Resolution &entry : ResolutionTable)
        ui->lstDisplay->addItem(QString::fromLatin1(entry.label));
    ui->lstDisplay->setCurrentIndex(-1);

    const ParseResult read = settingsFile.read();
    if (!read.settings) {
        failOnFile(read.error);
        return false;
    }
    settings = *read.settings;

    ui->chkFS->setCheckState(checkStateFor(settings.Fullscreen));
    ui->chkMusic->setCheckState(checkStateFor(settings.Music));
    ui->chkFiltering->setCheckState(checkStateFor(settings.Filtering));
    ui->chkFlat->setCheckState(checkStateFor(settings.RenderFlat));
    if (const std::optional<QString> label = labelForWidth(settings.Width))
        ui->lstDisplay->setCurrentIndex(ui->lstDisplay->findText(*label));
    return true;
}

void frmConfig::cmdSave_Click()
{
    settings.Fullscreen = flagFor(ui->chkFS);
    applyChosenLabel(ui->lstDisplay->currentText(), settings);
    settings.Music = flagFor(ui->chkMusic);
    settings.Filtering = flagFor(ui->chkFiltering);
    settings.RenderFlat = flagFor(ui->chkFlat);

    if (const std::optional<SettingsError> error = settingsFile.write(settings))
        failOnFile(*error);
}

void frmConfig::cmdQuit_Click() { close(); }

void frmConfig::cmdExit_Click() { platform.endProgram(0); }

void frmConfig::lstDisplay_Change(const QString &text)
{
    if (DesktopFitCheck(text, ui->chkFS->checkState(), platform.desktopHeight(*this)))
        platform.showMessage(this,
                             {QMessageBox::Critical,
                              windowTitle(),
                              tr("You chose a display size that, when windowed, will be bigger than your "
                                 "desktop. Either select a lower resolution or switch to full screen."),
                              {}});
}

bool frmConfig::event(QEvent *event)
{
    // Moved to a screen with another scale, or the screen's scale changed:
    // the shape and the pictures are made again for it, or they stay at the
    // old size. Qt 6.6 tells the second by an event of its own.
    bool scaleMayChange = event->type() == QEvent::ScreenChangeInternal;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    scaleMayChange = scaleMayChange || event->type() == QEvent::DevicePixelRatioChange;
#endif
    if (scaleMayChange && devicePixelRatio() != skinRatio)
        ApplySkinAtScale();
    return QWidget::event(event);
}

bool frmConfig::eventFilter(QObject *watched, QEvent *event)
{
    // The second press of a double click comes as a double click alone.
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return false;
    auto *press = static_cast<QMouseEvent *>(event);
    if (watched == ui->lblTitle)
        lblTitle_MouseDown(press);
    else if (watched == ui->picMainSkin)
        picMainSkin_MouseDown(press);
    // The icon sits on the skin but is no handle: its presses end here
    // instead of reaching the skin beneath.
    return true;
}

void frmConfig::lblTitle_MouseDown(QMouseEvent *event) { drag.StartWindowDrag(*ui->lblTitle, *event); }

void frmConfig::picMainSkin_MouseDown(QMouseEvent *event) { drag.StartWindowDrag(*ui->picMainSkin, *event); }

void frmConfig::failOnFile(const SettingsError &error)
{
    QString detail = tr("%1: %2", "a file and why it cannot be read or saved")
                         .arg(failedPath(settingsFile, error), error.reason);
    if (const QString advice = adviceFor(error); !advice.isEmpty())
        detail += u'\n' + advice;
    platform.showMessage(this,
                         {QMessageBox::NoIcon, tr("Error"), tr("Sorry, config file not found"), detail});
    platform.endProgram(1);
}

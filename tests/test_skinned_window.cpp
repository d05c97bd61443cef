// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// The real tool in a real window on a private X server (with_xvfb.sh), read
// back through the X server and driven with xdotool as a player would. The
// Windows program (ZUNKEL_CONFIG names a .exe) runs under Wine (with_wine.sh
// names it in WINE), and then looks as the Linux one (ZUNKEL_LINUX_CONFIG).
#include "mod_main.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWidget>

#include <optional>

#include <xcb/shape.h>
#include <xcb/xcb.h>

namespace
{

QString toolPath;
QString linuxToolPath;

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

QString xdotool(const QStringList &arguments) { return run("xdotool", arguments); }

// The tool started from a scratch folder with the sample settings beside it.
class Tool
{
  public:
    explicit Tool(const QStringList &environment = {}, const QString &path = toolPath,
                  const QString &title = QStringLiteral("Config"))
    {
        const bool windows = path.endsWith(".exe");
        const QString copy = dir.filePath(windows ? "zunkel-config.exe" : "zunkel-config");
        QFile::copy(path, copy);
        QFile settings(dir.filePath("zunkel.cfg"));
        if (settings.open(QIODevice::WriteOnly))
            settings.write("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n");
        settings.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &entry : environment)
            env.insert(entry.section('=', 0, 0), entry.section('=', 1));
        process.setProcessEnvironment(env);
        if (windows)
            process.start(qEnvironmentVariable("WINE"), {copy});
        else
            process.start(copy, {});
        process.waitForStarted();
        // Searched for again and again: a search fails at once when a window
        // it looks at goes away meanwhile, as Wine's do while it starts.
        for (QDeadlineTimer deadline(30000); window.isEmpty() && !deadline.hasExpired(); QThread::msleep(100))
            window = xdotool({"search", "--all", "--onlyvisible", "--pid",
                              QString::number(process.processId()), "--name", u'^' + title + u'$'})
                         .section('\n', 0, 0);
        if (window.isEmpty())
            qWarning("The tool's window did not appear within 30 s");
    }
    ~Tool()
    {
        process.kill();
        process.waitForFinished();
    }

    // The window as the X server shows it, in device pixels.
    QImage shown() const
    {
        const QRect frame = geometry();
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    QRect geometry() const
    {
        QHash<QString, int> values;
        for (const QString &line : xdotool({"getwindowgeometry", "--shell", window}).split('\n'))
            values.insert(line.section('=', 0, 0), line.section('=', 1).toInt());
        return QRect(values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]);
    }

    // Presses the left button at a point of the window, moves the pointer
    // by `offset` in several steps, and releases it there.
    void drag(QPoint from, QPoint offset) const
    {
        const QPoint start = geometry().topLeft() + from;
        QStringList steps{"mousemove", QString::number(start.x()), QString::number(start.y()), "mousedown",
                          "1"};
        for (int i = 1; i <= 5; ++i) {
            const QPoint p = start + offset * i / 5;
            steps << "sleep"
                  << "0.05"
                  << "mousemove" << QString::number(p.x()) << QString::number(p.y());
        }
        steps << "sleep"
              << "0.05"
              << "mouseup"
              << "1";
        xdotool(steps);
    }

    // A left click at a point of the window, in device pixels.
    void click(QPoint at) const
    {
        const QPoint p = geometry().topLeft() + at;
        xdotool({"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
    }

    QTemporaryDir dir;
    QProcess process;
    QString window;
};

// The window once the pointer is away from it and it has settled: drawn
// (Wine's first start in a new prefix may show it black for seconds), and
// the same in two looks in a row.
QImage settledLook(const Tool &tool)
{
    xdotool({"mousemove", "0", "0"});
    QImage last;
    for (QDeadlineTimer deadline(15000); !deadline.hasExpired();) {
        QTest::qWait(300);
        const QImage now = tool.shown();
        const bool drawn = !now.isNull() && now.pixel(now.width() / 2, now.height() / 2) != now.pixel(0, 0);
        if (drawn && now == last)
            return now;
        last = now;
    }
    return last;
}

QRegion shapeOf(const QString &window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11->connection();
    const xcb_shape_get_rectangles_cookie_t cookie =
        xcb_shape_get_rectangles(connection, window.toUInt(), XCB_SHAPE_SK_BOUNDING);
    xcb_shape_get_rectangles_reply_t *reply = xcb_shape_get_rectangles_reply(connection, cookie, nullptr);
    QRegion region;
    if (!reply)
        return region;
    const xcb_rectangle_t *rects = xcb_shape_get_rectangles_rectangles(reply);
    for (int i = 0; i < xcb_shape_get_rectangles_rectangles_length(reply); ++i)
        region += QRect(rects[i].x, rects[i].y, rects[i].width, rects[i].height);
    free(reply);
    return region;
}

QRegion scaled(const QRegion &region, int factor)
{
    QRegion out;
    for (const QRect &r : region)
        out += QRect(r.topLeft() * factor, r.size() * factor);
    return out;
}

// A window behind the tool that notes where it was pressed.
class Backdrop : public QWidget
{
  public:
    QList<QPoint> presses;

  protected:
    void mousePressEvent(QMouseEvent *event) override { presses << event->globalPosition().toPoint(); }
};

// Two monitors side by side on the X screen, the left one primary, for as
// long as this lives.
class TwoMonitors
{
  public:
    TwoMonitors()
    {
        // The left one takes Xvfb's output, whose own monitor would span both.
        run("xrandr", {"--setmonitor", "*L", "1024/270x768/203+0+0", "screen"});
        run("xrandr", {"--setmonitor", "R", "1024/270x768/203+1024+0", "none"});
    }
    ~TwoMonitors()
    {
        run("xrandr", {"--delmonitor", "L"});
        run("xrandr", {"--delmonitor", "R"});
    }
};

// The preview screen sits at (27, 42) in the window, 109 x 82: each of its
// pixels must be a sharp 2 x 2 block on a screen at 200 %, not a blurred one.
int blurredPreviewPixels(QPoint window)
{
    const QImage shown = QGuiApplication::primaryScreen()
                             ->grabWindow(0, window.x() + 2 * 27, window.y() + 2 * 42, 2 * 109, 2 * 82)
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage scene = QImage(":/art/preview_screen.gif").convertToFormat(QImage::Format_RGB32);
    int blurred = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            blurred += shown.pixel(x, y) != scene.pixel(x / 2, y / 2);
    return blurred;
}

// openbox, for as long as this lives.
class WindowManager
{
  public:
    WindowManager() { process.start("openbox", {"--sm-disable"}); }
    ~WindowManager()
    {
        process.terminate();
        process.waitForFinished();
    }

    // Once openbox manages the screen. A window manager that has left keeps
    // its mark on the root window, naming a window that is gone.
    bool ready()
    {
        if (!process.waitForStarted())
            return false;
        for (int i = 0; i < 100; ++i) {
            const QString mark = run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).section("# ", 1);
            if (!mark.isEmpty() && run("xprop", {"-id", mark, "_NET_WM_NAME"}).contains("Openbox"))
                return true;
            QTest::qWait(100);
        }
        return false;
    }

  private:
    QProcess process;
};

} // namespace

class TestSkinnedWindow : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase();
    void shapeIsTheSkin_data();
    void shapeIsTheSkin();
    void artIsSharpWhenScaled();
    void dividerAtEveryScale_data();
    void dividerAtEveryScale();
    void sameLookWhateverFontSettings();
    void cutAwayPartsLetClicksThrough();
    void closeButtonInTheCorner();
    void controlsAreNoHandles();
    void movesToScreenWithAnotherScale_data();
    void movesToScreenWithAnotherScale();
    void looksAsOnLinux_data();
    void looksAsOnLinux();

  private:
    QRegion skinRegion;
};

void TestSkinnedWindow::initTestCase()
{
    toolPath = qEnvironmentVariable("ZUNKEL_CONFIG");
    linuxToolPath = qEnvironmentVariable("ZUNKEL_LINUX_CONFIG");
    QVERIFY2(QFile::exists(toolPath), "ZUNKEL_CONFIG names the tool to test");
    Q_INIT_RESOURCE(art);
    skinRegion = BuildSkinRegion(QImage(":/art/skin.gif"));
    QVERIFY(!skinRegion.isEmpty());
}

void TestSkinnedWindow::shapeIsTheSkin_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("scale 1") << 1.0;
    QTest::newRow("scale 1.5") << 1.5;
    QTest::newRow("scale 2") << 2.0;
}

void TestSkinnedWindow::shapeIsTheSkin()
{
    QFETCH(double, scale);
    Tool tool({QStringLiteral("QT_SCALE_FACTOR=%1").arg(scale)});
    QVERIFY(!tool.window.isEmpty());
    QCOMPARE(tool.geometry().size(), (QSizeF(280, 180) * scale).toSize());
    const QRegion shape = shapeOf(tool.window);

    // The skin's non-black pixels as a scaled screen paints them.
    const QImage skin(":/art/skin.gif");
    QImage painted((QSizeF(skin.size()) * scale).toSize(), QImage::Format_RGB32);
    painted.fill(Qt::black);
    painted.setDevicePixelRatio(scale);
    {
        QPainter painter(&painted);
        painter.drawImage(0, 0, skin);
    }
    painted.setDevicePixelRatio(1);
    const QRegion expected = BuildSkinRegion(painted);
    QVERIFY2((shape ^ expected).isEmpty(),
             qPrintable(QStringLiteral("%1 rectangles differ").arg((shape ^ expected).rectCount())));
    if (scale == 2.0) // whole pixels: each skin pixel becomes a 2 x 2 block
        QVERIFY((shape ^ scaled(skinRegion, 2)).isEmpty());
}

void TestSkinnedWindow::artIsSharpWhenScaled()
{
    Tool tool({QStringLiteral("QT_SCALE_FACTOR=2")});
    QTest::qWait(300);
    QCOMPARE(blurredPreviewPixels(tool.geometry().topLeft()), 0);
}

void TestSkinnedWindow::dividerAtEveryScale_data()
{
    QTest::addColumn<double>("scale");
    for (double scale : {1.0, 1.25, 1.5, 1.75, 2.0})
        QTest::addRow("scale %g", scale) << scale;
}

void TestSkinnedWindow::dividerAtEveryScale()
{
    QFETCH(double, scale);
    Tool tool({QStringLiteral("QT_SCALE_FACTOR=%1").arg(scale)});
    QTest::qWait(300);
    const QImage shown = tool.shown();
    // The white line between "Render Flat" and "Fullscreen" spans (164, 113)
    // to (253, 114) of the window: some row of device pixels there must be
    // white from end to end.
    const int left = qCeil(164 * scale), right = qFloor(253 * scale) - 1;
    bool drawn = false;
    for (int y = qFloor(113 * scale); y < qCeil(114 * scale) && !drawn; ++y) {
        drawn = true;
        for (int x = left; x <= right; ++x)
            drawn = drawn && shown.pixelColor(x, y) == QColor(Qt::white);
    }
    QVERIFY(drawn);
}

// Desktops set hinting and antialiasing in fontconfig: full hinting once cut
// "Bilinear Filtering" to "Bilinear Filterin". The window must not change.
void TestSkinnedWindow::sameLookWhateverFontSettings()
{
    QTemporaryDir dir;
    auto desktop = [&](const QString &name, const QString &edit) {
        QFile conf(dir.filePath(name));
        if (conf.open(QIODevice::WriteOnly))
            conf.write(QStringLiteral("<?xml version=\"1.0\"?>\n<fontconfig>\n"
                                      "  <include ignore_missing=\"no\">/etc/fonts/fonts.conf</include>\n"
                                      "  <match target=\"font\">%1</match>\n</fontconfig>\n")
                           .arg(edit)
                           .toUtf8());
        return QStringLiteral("FONTCONFIG_FILE=") + conf.fileName();
    };
    const QImage stock = settledLook(Tool());
    QVERIFY(!stock.isNull());
    const QStringList desktops{
        desktop("hintfull.conf", "<edit name=\"hintstyle\" mode=\"assign\"><const>hintfull</const></edit>"),
        desktop("aliased.conf", "<edit name=\"antialias\" mode=\"assign\"><bool>false</bool></edit>")};
    for (const QString &settings : desktops) {
        const QImage shown = settledLook(Tool({settings}));
        QCOMPARE(shown.size(), stock.size());
        int differing = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                differing += shown.pixel(x, y) != stock.pixel(x, y);
        QVERIFY2(differing == 0,
                 qPrintable(QStringLiteral("%1: %2 pixels differ").arg(settings).arg(differing)));
    }
}

void TestSkinnedWindow::cutAwayPartsLetClicksThrough()
{
    Backdrop backdrop;
    backdrop.setWindowFlag(Qt::FramelessWindowHint);
    backdrop.setGeometry(QGuiApplication::primaryScreen()->geometry());
    backdrop.show();
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop));

    Tool tool;
    const QRect frame = tool.geometry();
    const QPoint cutAway = frame.topLeft() + QPoint(1, 1);
    const QPoint panel = frame.topLeft() + QPoint(150, 172);
    xdotool({"mousemove", QString::number(panel.x()), QString::number(panel.y()), "click", "1"});
    xdotool({"mousemove", QString::number(cutAway.x()), QString::number(cutAway.y()), "click", "1"});
    QTRY_COMPARE(backdrop.presses, QList<QPoint>{cutAway});
    QCOMPARE(tool.geometry(), frame);
}

void TestSkinnedWindow::closeButtonInTheCorner()
{
    Tool tool;
    const QPoint corner = tool.geometry().topLeft() + QPoint(256, 6);
    xdotool({"mousemove", QString::number(corner.x()), QString::number(corner.y()), "click", "1"});
    QVERIFY(tool.process.waitForFinished(10000));
    QCOMPARE(tool.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.process.exitCode(), 0);
}

// The drags themselves are tried under every desktop by drags.sh.
void TestSkinnedWindow::controlsAreNoHandles()
{
    Tool tool;
    const QRect frame = tool.geometry();
    // The icon, the preview, the frame and a button are no handles.
    for (const QPoint &control : {QPoint(20, 12), QPoint(80, 80), QPoint(254, 107), QPoint(236, 159)}) {
        tool.drag(control, QPoint(25, 25));
        QTest::qWait(200);
        QCOMPARE(tool.geometry(), frame);
    }
}

void TestSkinnedWindow::movesToScreenWithAnotherScale_data()
{
    QTest::addColumn<bool>("withWindowManager");
    QTest::newRow("without a window manager") << false;
    QTest::newRow("under openbox") << true;
}

void TestSkinnedWindow::movesToScreenWithAnotherScale()
{
    QFETCH(bool, withWindowManager);
    TwoMonitors monitors;
    std::optional<WindowManager> openbox;
    if (withWindowManager)
        QVERIFY(openbox.emplace().ready());
    // As a desktop that scales each screen on its own sets it.
    Tool tool({QStringLiteral("QT_SCREEN_SCALE_FACTORS=L=1;R=2")});
    QVERIFY(!tool.window.isEmpty());
    QCOMPARE(tool.geometry().size(), QSize(280, 180));
    QVERIFY(tool.geometry().right() < 1024);

    tool.drag(QPoint(100, 12), QPoint(1000, 0)); // by the title onto the right screen
    QTRY_VERIFY(tool.geometry().left() >= 1024);
    QTRY_COMPARE(tool.geometry().size(), QSize(560, 360));
    QTRY_VERIFY((shapeOf(tool.window) ^ scaled(skinRegion, 2)).isEmpty());
    QTRY_COMPARE(blurredPreviewPixels(tool.geometry().topLeft()), 0);
    tool.click(QPoint(47, 157) * 2);  // Play Music
    tool.click(QPoint(185, 159) * 2); // Save
    const auto music = [&] {
        QFile settings(tool.dir.filePath("zunkel.cfg"));
        return settings.open(QIODevice::ReadOnly) ? settings.readAll().split('\n').value(3) : QByteArray();
    };
    QTRY_COMPARE(music(), QByteArray("FALSE\r"));

    tool.drag(QPoint(100, 12) * 2, QPoint(-1000, 0)); // and back
    QTRY_VERIFY(tool.geometry().right() < 1024);
    QTRY_COMPARE(tool.geometry().size(), QSize(280, 180));
    QTRY_VERIFY((shapeOf(tool.window) ^ skinRegion).isEmpty());
    tool.click(QPoint(256, 6)); // the close button
    QVERIFY(tool.process.waitForFinished(10000));
    QCOMPARE(tool.process.exitCode(), 0);
}

void TestSkinnedWindow::looksAsOnLinux_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("English") << QString() << QStringLiteral("Config");
    // Its own faces, drawn as they are drawn on Linux; the close button's
    // cross among them.
    QTest::newRow("Chinese") << QStringLiteral("zh_CN") << QStringLiteral("设置");
}

void TestSkinnedWindow::looksAsOnLinux()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    if (linuxToolPath.isEmpty())
        QSKIP("ZUNKEL_LINUX_CONFIG names no Linux program to compare with");
    QStringList environment;
    QTemporaryDir locales;
    if (!language.isEmpty()) {
        // Wine gives Windows programs the language of the locale, which is
        // made here: in one the system lacks, Wine names its window in Latin-1.
        const QString locale = language + QStringLiteral(".UTF-8");
        if (QProcess::execute("localedef", {"-i", language, "-f", "UTF-8", locales.filePath(locale)}) != 0)
            QSKIP("localedef cannot make the locale (Debian: locales)");
        environment << QStringLiteral("LANGUAGE=") + language << QStringLiteral("LC_ALL=") + locale
                    << QStringLiteral("LOCPATH=") + locales.path();
    }
    const QImage linux = settledLook(Tool(environment, linuxToolPath, title));
    const QImage shown = settledLook(Tool(environment, toolPath, title));
    QVERIFY(!shown.isNull());
    QCOMPARE(shown.size(), linux.size());
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            differing += shown.pixel(x, y) != linux.pixel(x, y);
    if (differing) {
        // Both pictures stay in the test's folder, to be looked at.
        const QString name = QStringLiteral("looks-%1-%2.png").arg(language.isEmpty() ? "en" : language);
        linux.save(name.arg("linux"));
        shown.save(name.arg("windows"));
        qWarning("the two windows are in %s", qPrintable(QDir::current().filePath(name.arg("*"))));
    }
    QCOMPARE(differing, 0);
}

QTEST_MAIN(TestSkinnedWindow)
#include "test_skinned_window.moc"

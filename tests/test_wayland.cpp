// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// The window on a Wayland compositor (with_weston.sh: headless weston with
// XWayland and a plain blue background). Natively there are no window shapes:
// the cut-away pixels are transparent and the shape bounds the input region.
// Through XWayland, weston draws the window without its X shape: only the
// alpha channel cuts it there.
#include "desktop_height.h"
#include "frm_config.h"
#include "mod_main.h"
#include "recording_platform.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// The background shows through, perhaps under the shadow weston puts beneath
// X11 windows.
bool isBackground(QRgb pixel) { return qRed(pixel) < 40 && qGreen(pixel) < 40 && qBlue(pixel) > 100; }

QImage screenshot()
{
    QTemporaryDir dir;
    QProcess shooter;
    shooter.setWorkingDirectory(dir.path());
    shooter.start("weston-screenshooter", {});
    shooter.waitForFinished(10000);
    const QStringList shots = QDir(dir.path()).entryList({"*.png"});
    return shots.isEmpty() ? QImage()
                           : QImage(dir.filePath(shots.first())).convertToFormat(QImage::Format_RGB32);
}

// Where the screen shows anything but the background.
QRect drawnArea(const QImage &shot)
{
    QRect area;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (!isBackground(shot.pixel(x, y)))
                area |= QRect(x, y, 1, 1);
    return area;
}

} // namespace

class TestWayland : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { Q_INIT_RESOURCE(art); }
    void skinnedWithoutShapes();
    void toolShowsOnlyItsSkin_data();
    void toolShowsOnlyItsSkin();
};

void TestWayland::skinnedWithoutShapes()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    QTemporaryDir dir;
    QFile file(dir.filePath(SettingsFileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n");
    file.close();
    RecordingPlatform platform;
    frmConfig window(platform, SettingsFile(file.fileName()));
    QVERIFY(window.Form_Load());
    window.showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.size(), QSize(280, 180));
    QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
    const QRegion skinRegion = BuildSkinRegion(QImage(":/art/skin.gif"));
    QVERIFY((window.mask() ^ skinRegion).isEmpty());
    const QImage shown = window.findChild<QLabel *>("picMainSkin")->pixmap().toImage();
    QCOMPARE(qAlpha(shown.pixel(0, 0)), 0); // cut away: see-through
    QCOMPARE(qAlpha(shown.pixel(278, 90)), 0);
    QCOMPARE(qAlpha(shown.pixel(150, 172)), 255); // the panel
    // The compositor's own answer, not Qt's scaled figure: headless weston's
    // output is 640 pixels high.
    QCOMPARE(monitorPixelHeight(window), std::optional<int>(640));
}

void TestWayland::toolShowsOnlyItsSkin_data()
{
    QTest::addColumn<QString>("display");
    QTest::newRow("through XWayland") << qEnvironmentVariable("DISPLAY");
    // A DISPLAY left over from another session: no X server answers there.
    QTest::newRow("natively, with a stale DISPLAY") << QStringLiteral(":4093");
}

void TestWayland::toolShowsOnlyItsSkin()
{
    QFETCH(QString, display);
    const QString tool = qEnvironmentVariable("ZUNKEL_CONFIG");
    QVERIFY2(QFile::exists(tool), "ZUNKEL_CONFIG names the tool to test");
    QTemporaryDir dir;
    QVERIFY(QFile::copy(tool, dir.filePath("zunkel-config")));
    QFile settings(dir.filePath(SettingsFileName));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n");
    settings.close();

    // An empty screen, so that no window of an earlier case counts.
    QTRY_VERIFY_WITH_TIMEOUT(drawnArea(screenshot()).isEmpty(), 10000);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM"); // the tool chooses
    environment.insert("DISPLAY", display);
    process.setProcessEnvironment(environment);
    process.start(dir.filePath("zunkel-config"), {});
    QVERIFY(process.waitForStarted());

    const QRect skinArea = BuildSkinRegion(QImage(":/art/skin.gif")).boundingRect();
    // The window, once weston shows it whole.
    QImage shot;
    QRect drawn;
    for (QDeadlineTimer deadline(15000); drawn.size() != skinArea.size() && !deadline.hasExpired();) {
        QTest::qWait(100);
        shot = screenshot();
        drawn = drawnArea(shot);
    }
    QVERIFY2(drawn.size() == skinArea.size(),
             qPrintable(shot.isNull()
                            ? QStringLiteral("weston-screenshooter took no screenshot")
                            : QStringLiteral("the screen shows %1x%2 drawn pixels, not the skin's %3x%4")
                                  .arg(drawn.width())
                                  .arg(drawn.height())
                                  .arg(skinArea.width())
                                  .arg(skinArea.height())));
    QCOMPARE(process.state(), QProcess::Running);

    // Every cut-away pixel of the window shows the background, every other
    // one is drawn.
    const QPoint origin = drawn.topLeft() - skinArea.topLeft();
    const QRegion skinRegion = BuildSkinRegion(QImage(":/art/skin.gif"));
    const QImage skin = QImage(":/art/skin.gif").convertToFormat(QImage::Format_RGB32);
    int wrong = 0;
    for (int y = 0; y < skin.height(); ++y)
        for (int x = 0; x < skin.width(); ++x)
            wrong += isBackground(shot.pixel(origin + QPoint(x, y))) == skinRegion.contains(QPoint(x, y));
    QCOMPARE(wrong, 0);
    QCOMPARE(shot.pixel(origin + QPoint(150, 172)), skin.pixel(150, 172)); // the bare panel

    process.kill();
    process.waitForFinished();
}

QTEST_MAIN(TestWayland)
#include "test_wayland.moc"

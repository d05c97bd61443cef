// The window on a native Wayland compositor, which has no window shapes: the
// cut-away pixels are transparent and the shape bounds the input region.
// Runs under with_weston.sh.
#include "frm_config.h"
#include "mod_main.h"
#include "recording_platform.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

class TestWayland : public QObject
{
    Q_OBJECT

  private slots:
    void skinnedWithoutShapes();
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
    frmConfig window(platform, SettingsFile(QFile::encodeName(file.fileName())));
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
}

QTEST_MAIN(TestWayland)
#include "test_wayland.moc"

// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "window_system.h"

#include <QTest>

class TestWindowSystem : public QObject
{
    Q_OBJECT

  private slots:
    void preferred_data();
    void preferred();
};

void TestWindowSystem::preferred_data()
{
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("x11");
    QTest::addColumn<QByteArray>("windowManager");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray mutter = "GNOME Shell", wlroots = "wlroots wm";
    QTest::newRow("X11 session") << QByteArray() << QByteArray() << QByteArray(":0") << mutter
                                 << QByteArray();
    QTest::newRow("Wayland with XWayland")
        << QByteArray() << QByteArray("wayland-0") << QByteArray(":0") << mutter << QByteArray("xcb;wayland");
    QTest::newRow("XWayland without a window manager yet")
        << QByteArray() << QByteArray("wayland-0") << QByteArray(":0") << QByteArray()
        << QByteArray("xcb;wayland");
    QTest::newRow("wlroots' XWayland") << QByteArray() << QByteArray("wayland-0") << QByteArray(":0")
                                       << wlroots << QByteArray("wayland;xcb");
    QTest::newRow("Wayland alone") << QByteArray() << QByteArray("wayland-0") << QByteArray() << wlroots
                                   << QByteArray();
    QTest::newRow("the player's choice")
        << QByteArray("xcb") << QByteArray("wayland-0") << QByteArray(":0") << wlroots << QByteArray();
}

void TestWindowSystem::preferred()
{
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, x11);
    QFETCH(QByteArray, windowManager);
    QFETCH(QByteArray, expected);
    QCOMPARE(preferredPlatform(chosen, wayland, x11, [&] { return windowManager; }), expected);
}

QTEST_GUILESS_MAIN(TestWindowSystem)
#include "test_window_system.moc"

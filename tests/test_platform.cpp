// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "platform.h"

#include <QTest>

class TestPlatform : public QObject
{
    Q_OBJECT

  private slots:
    void preferred_data();
    void preferred();
};

void TestPlatform::preferred_data()
{
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<std::optional<WaylandCompositor>>("wayland");
    QTest::addColumn<bool>("x11Answers");
    QTest::addColumn<bool>("x11Asked");
    QTest::addColumn<QByteArray>("expected");
    const std::optional<WaylandCompositor> none;
    QTest::newRow("X11 session") << QByteArray() << none << true << false << QByteArray();
    QTest::newRow("GNOME with XWayland") << QByteArray() << std::optional(WaylandCompositor::Mutter) << true
                                         << true << QByteArray("xcb;wayland");
    QTest::newRow("wlroots: X11 not even asked") << QByteArray() << std::optional(WaylandCompositor::Wlroots)
                                                 << true << false << QByteArray("wayland;xcb");
    // A stopped X server would hold Qt for ever, also as a fallback.
    QTest::newRow("X server not answering")
        << QByteArray() << std::optional(WaylandCompositor::Other) << false << true << QByteArray("wayland");
    QTest::newRow("the player's choice")
        << QByteArray("xcb") << std::optional(WaylandCompositor::Wlroots) << true << false << QByteArray();
}

void TestPlatform::preferred()
{
    QFETCH(QByteArray, chosen);
    QFETCH(std::optional<WaylandCompositor>, wayland);
    QFETCH(bool, x11Answers);
    QFETCH(bool, x11Asked);
    QFETCH(QByteArray, expected);
    const Displays found{chosen, wayland, x11Answers};
    QCOMPARE(choiceNeedsX11(found), x11Asked);
    QCOMPARE(preferredPlatform(found), expected);
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"

// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "mod_main.h"
#include "skin_window.h"

#include <QLabel>
#include <QPainter>
#include <QTest>

class TestSkinWindow : public QObject
{
    Q_OBJECT

  private slots:
    void windowBecomesTheSkin();
    void allKeySkinLeavesWindowUnshaped();
};

void TestSkinWindow::windowBecomesTheSkin()
{
    QImage skin(40, 30, QImage::Format_RGB32);
    skin.fill(Qt::black);
    {
        QPainter painter(&skin);
        painter.fillRect(5, 3, 30, 20, QColor(0, 64, 0));
    }
    QWidget window;
    window.resize(350, 250);
    auto *box = new QLabel(&window);
    box->setGeometry(10, 10, 285, 181);
    box->setFrameShape(QFrame::Box);

    ApplySkin(window, *box, skin);
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window.size(), QSize(40, 30));
    QCOMPARE(box->geometry(), QRect(0, 0, 40, 30));
    QCOMPARE(box->frameShape(), QFrame::NoFrame);
    QVERIFY((window.mask() ^ QRegion(5, 3, 30, 20)).isEmpty());
}

void TestSkinWindow::allKeySkinLeavesWindowUnshaped()
{
    QImage skin(40, 30, QImage::Format_RGB32);
    skin.fill(Qt::black);
    QWidget window;
    auto *box = new QLabel(&window);
    ApplySkin(window, *box, skin);
    QCOMPARE(window.size(), QSize(40, 30));
    QVERIFY(window.mask().isEmpty());
}

QTEST_MAIN(TestSkinWindow)
#include "test_skin_window.moc"

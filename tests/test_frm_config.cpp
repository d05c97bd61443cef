// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "frm_config.h"
#include "recording_platform.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace
{

const QByteArray DesignedFile("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n");

// One window over a settings file in a scratch folder.
struct Fixture {
    explicit Fixture(const QByteArray *fileContent = &DesignedFile)
    {
        if (fileContent) {
            QFile file(path());
            if (file.open(QIODevice::WriteOnly))
                file.write(*fileContent);
        }
    }
    QString path() const { return dir.filePath(SettingsFileName); }
    QByteArray content() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    template <typename T> T *control(const char *name) { return window.findChild<T *>(name); }
    void click(const char *button) { control<QPushButton>(button)->click(); }
    void choose(const QString &label)
    {
        QComboBox *chooser = control<QComboBox>("lstDisplay");
        chooser->setCurrentIndex(chooser->findText(label));
    }

    QTemporaryDir dir;
    RecordingPlatform platform;
    frmConfig window{platform, SettingsFile(path())};
};

// Root may write whatever file modes say; for a while this thread may not,
// and is refused as a player is.
class WithoutOverridingFileModes
{
  public:
    WithoutOverridingFileModes()
    {
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        lowered[0].effective &= ~(1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH);
        syscall(SYS_capset, &header_, lowered);
    }
    ~WithoutOverridingFileModes() { syscall(SYS_capset, &header_, saved_); }

  private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};

} // namespace

class TestFrmConfig : public QObject
{
    Q_OBJECT

  private slots:
    void loadShowsStoredSettings();
    void loadKeepsWhatTheTableLacks();
    void missingFileEndsBeforeShowing();
    void typicalUseWritesDesignedBytes();
    void saveTwiceWritesSameAndSaysNothing();
    void quitAndCloseButtonSaveNothing();
    void warningFollowsChoicesOnly();
    void failedSaveEndsAndKeepsFile();
    void endingLeavesTheEventLoop();
    void accessibleNamesAndRoles();
    void tooltipsWherePlayersHover();
    void everyTextInTheCarriedFaces();
};

void TestFrmConfig::loadShowsStoredSettings()
{
    Fixture f;
    QVERIFY(f.window.Form_Load());
    QCOMPARE(f.control<QCheckBox>("chkFS")->checkState(), Qt::Unchecked);
    QCOMPARE(f.control<QCheckBox>("chkMusic")->checkState(), Qt::Checked);
    QCOMPARE(f.control<QCheckBox>("chkFiltering")->checkState(), Qt::Unchecked);
    QCOMPARE(f.control<QCheckBox>("chkFlat")->checkState(), Qt::Unchecked);
    QComboBox *chooser = f.control<QComboBox>("lstDisplay");
    QCOMPARE(chooser->currentText(), QStringLiteral("640x480"));
    QCOMPARE(chooser->count(), 5);
    QCOMPARE(chooser->itemText(0), QStringLiteral("320x240"));
    QCOMPARE(chooser->itemText(4), QStringLiteral("1024x768"));
    QVERIFY(!chooser->isEditable());
    QVERIFY(f.platform.messages.empty());
}

void TestFrmConfig::loadKeepsWhatTheTableLacks()
{
    const QByteArray wide("true\r\n1280\r\n1024\r\nTRUE\r\nTRUE\r\nTRUE\r\n\"a,b\"\r\n");
    Fixture f(&wide);
    QVERIFY(f.window.Form_Load());
    QCOMPARE(f.control<QCheckBox>("chkFS")->checkState(), Qt::Unchecked);
    QCOMPARE(f.control<QComboBox>("lstDisplay")->currentIndex(), -1);
    f.click("cmdSave");
    QCOMPARE(f.content(), QByteArray("FALSE\r\n1280\r\n1024\r\nTRUE\r\nTRUE\r\nTRUE\r\n\"a,b\"\r\n"));

    // A height that does not belong to the width is mended by the chooser.
    const QByteArray odd("FALSE\r\n640\r\n400\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n");
    Fixture g(&odd);
    QVERIFY(g.window.Form_Load());
    QCOMPARE(g.control<QComboBox>("lstDisplay")->currentText(), QStringLiteral("640x480"));
    g.click("cmdSave");
    QCOMPARE(g.content(), DesignedFile);
}

void TestFrmConfig::missingFileEndsBeforeShowing()
{
    Fixture f(nullptr);
    QVERIFY(!f.window.Form_Load());
    QCOMPARE(f.platform.endStatuses, std::vector<int>{1});
    QCOMPARE(f.platform.messages.size(), size_t(1));
    const DialogPlatform::Message &box = f.platform.messages.front();
    QCOMPARE(box.title, QStringLiteral("Error"));
    QCOMPARE(box.text, QStringLiteral("Sorry, config file not found"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.detail, f.path() + QStringLiteral(": No such file or directory"));
    QVERIFY(!f.window.isVisible());
    QVERIFY(!QFile::exists(f.path()));
}

void TestFrmConfig::typicalUseWritesDesignedBytes()
{
    Fixture f;
    f.platform.height = 768;
    QVERIFY(f.window.Form_Load());
    f.choose("1024x768");
    f.control<QCheckBox>("chkFS")->click();
    f.click("cmdSave");
    QCOMPARE(f.content(), QByteArray("TRUE\r\n1024\r\n768\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n"));
    QVERIFY(f.platform.messages.empty());

    f.control<QCheckBox>("chkMusic")->click();
    f.control<QCheckBox>("chkFiltering")->click();
    f.control<QCheckBox>("chkFlat")->click();
    f.choose("320x240");
    f.click("cmdSave");
    QCOMPARE(f.content(), QByteArray("TRUE\r\n320\r\n240\r\nFALSE\r\nTRUE\r\nTRUE\r\n0\r\n"));
}

void TestFrmConfig::saveTwiceWritesSameAndSaysNothing()
{
    Fixture f;
    QVERIFY(f.window.Form_Load());
    f.click("cmdSave");
    const QByteArray first = f.content();
    f.click("cmdSave");
    QCOMPARE(f.content(), first);
    QCOMPARE(first, DesignedFile);
    QVERIFY(f.platform.messages.empty());
    QVERIFY(f.platform.endStatuses.empty());
}

void TestFrmConfig::quitAndCloseButtonSaveNothing()
{
    Fixture f;
    QVERIFY(f.window.Form_Load());
    f.window.show();
    f.choose("800x600");
    f.control<QCheckBox>("chkFS")->click();
    f.click("cmdQuit");
    QVERIFY(!f.window.isVisible());
    QVERIFY(f.platform.endStatuses.empty());
    QCOMPARE(f.content(), DesignedFile);

    Fixture g;
    QVERIFY(g.window.Form_Load());
    g.control<QCheckBox>("chkMusic")->click();
    g.click("cmdExit");
    QCOMPARE(g.platform.endStatuses, std::vector<int>{0});
    QCOMPARE(g.content(), DesignedFile);
}

void TestFrmConfig::warningFollowsChoicesOnly()
{
    const QByteArray large("FALSE\r\n1024\r\n768\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n");
    Fixture f(&large);
    f.platform.height = 600;
    QVERIFY(f.window.Form_Load());
    QVERIFY2(f.platform.messages.empty(), "loading is not a choice");

    f.choose("800x600");
    QVERIFY(f.platform.messages.empty());
    f.choose("1024x768");
    QCOMPARE(f.platform.messages.size(), size_t(1));
    const DialogPlatform::Message &box = f.platform.messages.front();
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.title, QStringLiteral("Config"));
    QCOMPARE(box.text,
             QStringLiteral("You chose a display size that, when windowed, will be bigger than your "
                            "desktop. Either select a lower resolution or switch to full screen."));

    f.control<QCheckBox>("chkFS")->click();
    f.control<QCheckBox>("chkFS")->click();
    QCOMPARE(f.platform.messages.size(), size_t(1));

    f.control<QCheckBox>("chkFS")->click();
    f.choose("800x600");
    f.choose("1024x768");
    QCOMPARE(f.platform.messages.size(), size_t(1));

    // The warning is advice: the choice stands and is saved.
    f.click("cmdSave");
    QCOMPARE(f.content(), QByteArray("TRUE\r\n1024\r\n768\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n"));
}

void TestFrmConfig::failedSaveEndsAndKeepsFile()
{
    Fixture f;
    QVERIFY(f.window.Form_Load());
    // The folder is replaced by a plain file, so that nothing can be made in it.
    const QString folder = f.dir.path();
    QVERIFY(f.dir.remove());
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    f.click("cmdSave");
    QCOMPARE(f.platform.endStatuses, std::vector<int>{1});
    QCOMPARE(f.platform.messages.size(), size_t(1));
    QCOMPARE(f.platform.messages.front().text, QStringLiteral("Sorry, config file not found"));
    QVERIFY(f.platform.messages.front().detail.startsWith(f.path() + ": "));
    QVERIFY(!f.platform.messages.front().detail.contains("folder of your own"));
    QVERIFY(QFile::remove(folder));

    // A file and folder the player may not write, as after a system-wide
    // install: the box says what the player can do.
    Fixture g;
    QVERIFY(g.window.Form_Load());
    const QByteArray gFolder = QFile::encodeName(g.dir.path());
    QCOMPARE(chmod(gFolder.constData(), 0555), 0);
    QCOMPARE(chmod(QFile::encodeName(g.path()).constData(), 0444), 0);
    {
        WithoutOverridingFileModes asPlayer;
        g.click("cmdSave");
    }
    chmod(gFolder.constData(), 0755);
    QCOMPARE(g.platform.endStatuses, std::vector<int>{1});
    QCOMPARE(g.platform.messages.front().detail,
             g.path() +
                 ": Permission denied\nAsk whoever installed the game to let you change this file, or "
                 "copy this program and zunkel.cfg into a folder of your own and start it from there.");
    QCOMPARE(g.content(), DesignedFile);
}

// The real platform ends the program by ending the event loop with the
// status, so that the window and the application are taken down in order.
void TestFrmConfig::endingLeavesTheEventLoop()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("game"));
    QVERIFY(QDir().mkdir(folder));
    QFile file(folder + u'/' + QLatin1String(SettingsFileName));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(DesignedFile) == DesignedFile.size());
    file.close();
    SystemPlatform platform;
    frmConfig window(platform, SettingsFile(QFile::encodeName(file.fileName())));
    QVERIFY(window.Form_Load());
    QVERIFY(QDir(folder).removeRecursively());

    QTimer answer; // the error box, as the player would
    connect(&answer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
    });
    answer.start(20);
    QTimer::singleShot(0, window.findChild<QPushButton *>("cmdSave"), &QPushButton::click);
    QCOMPARE(QApplication::exec(), 1);
}

void TestFrmConfig::accessibleNamesAndRoles()
{
    Fixture f;
    QVERIFY(f.window.Form_Load());
    f.window.show();
    struct Expected {
        const char *control;
        QAccessible::Role role;
        const char *name;
    };
    const Expected expected[] = {
        {"cmdExit", QAccessible::Button, "Close"},
        {"cmdSave", QAccessible::Button, "Save"},
        {"cmdQuit", QAccessible::Button, "Quit"},
        {"chkFS", QAccessible::CheckBox, "Fullscreen"},
        {"chkFiltering", QAccessible::CheckBox, "Bilinear Filtering"},
        {"chkFlat", QAccessible::CheckBox, "Render Flat"},
        {"chkMusic", QAccessible::CheckBox, "Play Music"},
        {"Frame2", QAccessible::Grouping, "Graphics"},
        {"picPreview", QAccessible::Graphic, "Preview"},
        {"picDisplay", QAccessible::Graphic, "Game scene"},
        {"imgIcon", QAccessible::Graphic, "Zunkel"},
        {"lblTitle", QAccessible::StaticText, "Zunkel Configuration"},
    };
    for (const Expected &e : expected) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(f.control<QWidget>(e.control));
        QVERIFY2(a, e.control);
        QCOMPARE(a->role(), e.role);
        QCOMPARE(a->text(QAccessible::Name), QString::fromUtf8(e.name));
        if (e.role == QAccessible::Graphic)
            QVERIFY2(!a->text(QAccessible::Description).isEmpty(), e.control);
    }
    // A combo box is named by its value on Linux; its label comes from the
    // labelling relation, which screen readers announce with it.
    QAccessibleInterface *chooser = QAccessible::queryAccessibleInterface(f.control<QWidget>("lstDisplay"));
    QCOMPARE(chooser->role(), QAccessible::ComboBox);
    QCOMPARE(chooser->text(QAccessible::Value), QStringLiteral("640x480"));
    const auto labels = chooser->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.front().first->text(QAccessible::Name), QStringLiteral("Display resolution"));
    QCOMPARE(f.control<QWidget>("lstDisplay")->accessibleName(), QStringLiteral("Display resolution"));

    // The application lists the window by its title.
    QAccessibleInterface *application = QAccessible::queryAccessibleInterface(qApp);
    QStringList windows;
    for (int i = 0; i < application->childCount(); ++i)
        windows << application->child(i)->text(QAccessible::Name);
    QVERIFY2(windows.contains("Config"), qPrintable(windows.join(", ")));
    QVERIFY(!f.window.windowIcon().isNull());
    QVERIFY(QAccessible::queryAccessibleInterface(f.control<QWidget>("chkMusic"))->state().checked);
}

void TestFrmConfig::tooltipsWherePlayersHover()
{
    Fixture f;
    for (const char *control : {"cmdExit", "lstDisplay", "chkFS", "chkFiltering", "chkFlat", "chkMusic"}) {
        const QString tip = f.control<QWidget>(control)->toolTip();
        QVERIFY2(tip.endsWith('.') && tip.size() < 80 && !tip.contains(". "), control);
    }
}

// The faces inside the program hold only some characters: whatever the window
// or its message boxes show must be among them, or it is drawn in another font.
void TestFrmConfig::everyTextInTheCarriedFaces()
{
    Fixture f;
    f.platform.height = 600;
    QVERIFY(f.window.Form_Load());
    f.choose("1024x768");
    Fixture missing(nullptr);
    QVERIFY(!missing.window.Form_Load());
    QString shown = f.window.windowTitle() + QStringLiteral("OK");
    for (const auto *messages : {&f.platform.messages, &missing.platform.messages})
        for (const DialogPlatform::Message &box : *messages)
            shown += box.title + box.text + box.detail;
    QCOMPARE(shown.count(QStringLiteral("Sorry")), 1);
    for (QWidget *widget : f.window.findChildren<QWidget *>()) {
        shown += widget->toolTip();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            shown += button->text();
        else if (auto *label = qobject_cast<QLabel *>(widget))
            shown += label->text();
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            shown += group->title();
        else if (auto *chooser = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < chooser->count(); ++i)
                shown += chooser->itemText(i);
    }
    QVERIFY(shown.contains(u'\u2715'));
    for (const char *face : {":/fonts/DejaVuSansCondensed.ttf", ":/fonts/DejaVuSansCondensed-Bold.ttf"}) {
        QFile file(face);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QRawFont font(file.readAll(), 10);
        QVERIFY(font.isValid());
        for (const QChar c : std::as_const(shown))
            QVERIFY2(font.supportsCharacter(c), qPrintable(QStringLiteral("%1 (U+%2) is missing from %3")
                                                               .arg(c)
                                                               .arg(c.unicode(), 4, 16, QChar(u'0'))
                                                               .arg(face)));
    }
}

QTEST_MAIN(TestFrmConfig)
#include "test_frm_config.moc"

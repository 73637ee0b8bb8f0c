#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qt/qt_settings_store.h"
#include "tests/support/run_again.h"

namespace {

using fakes::runAgain;

// A throwaway HOME per test: the store's file lies under it.
class Home {
public:
    Home() {
        dir_.setAutoRemove(true);
        use(dir_.path());
    }
    // Points this process's per-user settings at another HOME.
    static void use(const QString& home) {
        qputenv("HOME", home.toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home + "/.config");
    }
    QString path() const { return dir_.path(); }
    static QString folderIn(const QString& home) { return home + "/.config/Vistrel Simulator"; }
    static QString fileIn(const QString& home) { return folderIn(home) + "/Vistrel Simulator.conf"; }
    QString folder() const { return folderIn(path()); }
    QString file() const { return fileIn(path()); }

    void put(const QByteArray& bytes) const {
        QDir().mkpath(folder());
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray bytes() const {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};

TEST(SettingsStore, ValuesAreTextUnderTheDevicesSection) {
    Home home;
    qtplatform::QtSettingsStore store;
    EXPECT_EQ(store.fileName(), home.file());
    EXPECT_EQ(store.read("Alarm Time"), std::nullopt);
    EXPECT_EQ(store.get("Alarm Time", "NotFound"), "NotFound");
    EXPECT_EQ(store.get("Alarm Time"), "");

    store.write("Alarm Time", "120000 PM");
    store.write("Sound", "True");
    store.write("Left", "-45");
    EXPECT_EQ(store.read("Alarm Time"), "120000 PM");
    EXPECT_EQ(store.read("Sound"), "True");
    // Written to disk at once, not at the end of the run.
    const QByteArray onDisk = home.bytes();
    EXPECT_TRUE(onDisk.contains("[Drellok]"));
    EXPECT_TRUE(onDisk.contains("Alarm%20Time=120000 PM"));
    EXPECT_TRUE(onDisk.contains("Left=-45"));

    store.remove("Sound");
    EXPECT_EQ(store.read("Sound"), std::nullopt);
    EXPECT_FALSE(home.bytes().contains("Sound"));
    store.remove("Never There");  // nothing to do, nothing fails
    EXPECT_EQ(store.status(), QSettings::NoError);
}

TEST(SettingsStore, ReadsWhatAnotherRunLeft) {
    Home home;
    home.put("[Drellok]\nSound=False\nGame%20A%20High%20Score=120\nAlarm%20Time=083000 AM\nOdd=1, 2\n");
    qtplatform::QtSettingsStore store;
    EXPECT_EQ(store.read("Sound"), "False");
    EXPECT_EQ(store.read("Game A High Score"), "120");
    EXPECT_EQ(store.read("Alarm Time"), "083000 AM");
    EXPECT_EQ(store.read("Odd"), "1,2");  // a hand-edited list reads as its items, not as nothing
}

// Two copies of the program running at once share the file: each read sees
// what the other wrote last, so neither writes back a stale alarm or score.
TEST(SettingsStore, EachReadSeesWhatAnotherRunningCopyWrote) {
    const QByteArray otherHome = qgetenv("DRELLOK_OTHER_COPY_HOME");
    if (!otherHome.isEmpty()) {  // the other copy
        Home::use(QString::fromLocal8Bit(otherHome));
        qtplatform::QtSettingsStore store;
        store.write("Alarm Time", "120500 PM");
        store.remove("Game A High Score");
        return;
    }
    Home home;
    qtplatform::QtSettingsStore store;
    store.write("Alarm Time", "120000 PM");
    store.write("Game A High Score", "120");
    ASSERT_EQ(store.read("Alarm Time"), "120000 PM");
    runAgain("SettingsStore.EachReadSeesWhatAnotherRunningCopyWrote", {{"DRELLOK_OTHER_COPY_HOME", home.path()}});
    EXPECT_EQ(store.read("Alarm Time"), "120500 PM");
    EXPECT_EQ(store.read("Game A High Score"), std::nullopt);
}

TEST(SettingsStore, GarbageFileReadsAsEmptyAndIsReplacedByTheFirstWrite) {
    Home home;
    QByteArray garbage;
    for (int i = 0; i < 256; ++i) garbage.append(static_cast<char>((i * 37) & 0xff));
    home.put(garbage);
    qtplatform::QtSettingsStore store;
    EXPECT_EQ(store.read("Sound"), std::nullopt);
    store.write("Sound", "True");
    EXPECT_EQ(store.read("Sound"), "True");
    const QByteArray after = home.bytes();
    EXPECT_TRUE(after.contains("[Drellok]\nSound=True\n")) << after.toStdString();
}

TEST(SettingsStore, BrokenSectionHeaderKeepsWhatCanBeRead) {
    Home home;
    home.put("[Drellok]\nSound=False\n[Broken\nTop=5\n");
    qtplatform::QtSettingsStore store;
    EXPECT_EQ(store.read("Sound"), "False");
    store.write("Left", "-45");
    EXPECT_EQ(store.read("Left"), "-45");
    EXPECT_EQ(store.read("Sound"), "False");
    EXPECT_TRUE(home.bytes().contains("Sound=False"));
}

// Root ignores file modes; these stores cannot be written by anyone.
TEST(SettingsStore, StoreWhoseFolderCannotExistKeepsThisRunsValues) {
    Home home;
    QFile blocker(home.path() + "/.config");  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();
    qtplatform::QtSettingsStore store;
    store.write("Sound", "False");
    store.write("Left", "300");
    EXPECT_EQ(store.read("Sound"), "False");
    EXPECT_EQ(store.read("Left"), "300");
    EXPECT_EQ(store.status(), QSettings::AccessError);
    QFile after(home.path() + "/.config");
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), "not a folder");
}

TEST(SettingsStore, StoreThatIsAFolderKeepsThisRunsValues) {
    Home home;
    ASSERT_TRUE(QDir().mkpath(home.file()));
    qtplatform::QtSettingsStore store;
    EXPECT_EQ(store.read("Sound"), std::nullopt);
    store.write("Sound", "False");
    EXPECT_EQ(store.read("Sound"), "False");
    EXPECT_NE(store.status(), QSettings::NoError);
    EXPECT_TRUE(QFileInfo(home.file()).isDir());
}

// File modes only bind an ordinary user. Run as root, this test runs itself
// again as "nobody" for each case and checks from outside that the stored
// file is untouched; run as an ordinary user, it checks in its own process.
class ReadOnlyStore : public ::testing::TestWithParam<const char*> {
protected:
    static constexpr uid_t kNobody = 65534;
    static constexpr const char* kStored = "[Drellok]\nSound=False\nLeft=1500\n";

    // Lays out a store that its owner may read but not change.
    static void prepare(const QString& home, const std::string& kind, uid_t owner) {
        const QString folder = Home::folderIn(home);
        ASSERT_TRUE(QDir().mkpath(folder));
        {
            QFile f(Home::fileIn(home));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(kStored);
        }
        for (const QString& p : {home, home + "/.config", folder, Home::fileIn(home)})
            ASSERT_EQ(chown(p.toLocal8Bit().constData(), owner, owner), 0);
        for (const QString& p : {home, home + "/.config"}) ASSERT_EQ(chmod(p.toLocal8Bit().constData(), 0755), 0);
        const bool fileLocked = kind == "file";
        ASSERT_EQ(chmod(folder.toLocal8Bit().constData(), fileLocked ? 0755 : 0555), 0);
        ASSERT_EQ(chmod(Home::fileIn(home).toLocal8Bit().constData(), fileLocked ? 0444 : 0644), 0);
    }

    // What the program sees in such a store: no failure, this run's values.
    static void useStore(const QString& home) {
        Home::use(home);
        qtplatform::QtSettingsStore store;
        EXPECT_EQ(store.read("Sound"), "False");
        store.write("Sound", "True");
        store.write("Top", "-330");
        store.remove("Left");
        EXPECT_EQ(store.read("Sound"), "True");
        EXPECT_EQ(store.read("Top"), "-330");
        EXPECT_EQ(store.read("Left"), std::nullopt);
        EXPECT_EQ(store.status(), QSettings::AccessError);
    }

    static QByteArray stored(const QString& home) {
        QFile f(Home::fileIn(home));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_P(ReadOnlyStore, WritesAreDroppedAndTheFileIsLeftAsItWas) {
    const std::string kind = GetParam();
    const QByteArray childHome = qgetenv("DRELLOK_READONLY_HOME");
    if (!childHome.isEmpty()) {  // the run as "nobody"
        useStore(QString::fromLocal8Bit(childHome));
        return;
    }
    QTemporaryDir dir;
    const QString home = dir.path() + "/home";
    ASSERT_TRUE(QDir().mkpath(home));
    ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0755), 0);

    if (geteuid() != 0) {
        prepare(home, kind, geteuid());
        useStore(home);
    } else {
        prepare(home, kind, kNobody);
        runAgain(QString("*ReadOnlyStore.WritesAreDroppedAndTheFileIsLeftAsItWas/") + (kind == "file" ? "0" : "1"),
                 {{"DRELLOK_READONLY_HOME", home}, {"HOME", home}},
                 {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
    }
    EXPECT_EQ(stored(home), kStored);
    chmod(Home::folderIn(home).toLocal8Bit().constData(), 0755);  // so that the folder can be removed
}

INSTANTIATE_TEST_SUITE_P(FileOrFolder, ReadOnlyStore, ::testing::Values("file", "folder"));

}  // namespace

#include <gtest/gtest.h>
#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "forms/menu.h"
#include "forms/time_text.h"
#include "platform/qt/clock_set_watch.h"
#include "platform/qt/picture_renderer.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_popup_menu.h"
#include "platform/qt/qt_system_time.h"
#include "platform/qt/qt_timer.h"
#include "platform/qt/qt_tray_icon.h"
#include "tests/support/link_catcher.h"

namespace {

using Strings = std::vector<std::string>;

// ---- Timer1 ------------------------------------------------------------------

TEST(QtTimerTest, IntervalZeroOrLessStopsIt) {
    qtplatform::QtTimer timer;
    EXPECT_FALSE(timer.isActive());
    timer.setInterval(50);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 50);
    timer.setInterval(0);
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(timer.interval(), 0);
    timer.setInterval(-5);
    EXPECT_FALSE(timer.isActive());
}

TEST(QtTimerTest, TicksCallTheDevice) {
    qtplatform::QtTimer timer;
    int ticks = 0;
    timer.setOnTick([&] {
        if (++ticks == 3) timer.setInterval(0);  // as the program's end does from a tick
    });
    timer.setInterval(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks == 3; }));
    QTest::qWait(20);
    EXPECT_EQ(ticks, 3);
}

TEST(QtTimerTest, ASleepHoldsBackOneTickThenThePaceResumes) {
    qtplatform::QtTimer timer;
    int ticks = 0;
    timer.setOnTick([&] { ++ticks; });
    timer.sleepFor(1);  // stopped: stays stopped
    EXPECT_FALSE(timer.isActive());

    timer.setInterval(60000);
    timer.sleepFor(1);
    EXPECT_TRUE(timer.sleeping());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks == 1; }));
    EXPECT_FALSE(timer.sleeping());
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 60000);

    // The same interval again keeps a sleep; a new one or a wake ends it.
    timer.sleepFor(60000);
    timer.setInterval(60000);
    EXPECT_TRUE(timer.sleeping());
    timer.wake();
    EXPECT_FALSE(timer.sleeping());
    timer.sleepFor(60000);
    timer.setInterval(50000);
    EXPECT_FALSE(timer.sleeping());
    timer.sleepFor(60000);
    timer.setInterval(0);
    EXPECT_FALSE(timer.sleeping());
    EXPECT_FALSE(timer.isActive());
}

TEST(ClockSetWatchTest, WatchesTheClockAndIsQuietWhileItRunsOn) {
    int sets = 0;
    qtplatform::ClockSetWatch watch([&] { ++sets; });
    EXPECT_TRUE(watch.watching());
    // Time passing is no setting of the clock (the tests never set it).
    QTest::qWait(100);
    EXPECT_EQ(sets, 0);

    // Its deadline is one no clock reaches: not 2038, and not any date a
    // computer's clock might be set to by mistake.
    const auto system = qtplatform::ClockSetWatch::timerfd();
    const int fd = system.open();
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(system.arm(fd));
    itimerspec left{};
    ASSERT_EQ(timerfd_gettime(fd, &left), 0);
    close(fd);
    EXPECT_GT(left.it_value.tv_sec, 200LL * 365 * 86400);
}

// The clock's setting seen through a stand-in descriptor: it wakes the
// sleeping timer, as the program wires it, and a watch that ran out stops
// instead of being re-armed over and over.
TEST(ClockSetWatchTest, ASetClockWakesTheTimerAndARunOutWatchStops) {
    using Reading = qtplatform::ClockSetWatch::Reading;
    const int fd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    ASSERT_GE(fd, 0);
    Reading next = Reading::ClockSet;
    int arms = 0, reads = 0;
    qtplatform::ClockSetWatch::System fake;
    fake.open = [fd] { return fd; };
    fake.arm = [&](int) { return ++arms, true; };
    fake.read = [&](int f) {
        ++reads;
        uint64_t count = 0;
        // Like a timer that ran out, a run-out reading leaves the descriptor readable.
        if (next != Reading::Ended) {
            EXPECT_EQ(::read(f, &count, sizeof count), 8);
        }
        return next;
    };
    const auto signal = [fd] {
        const uint64_t one = 1;
        ASSERT_EQ(::write(fd, &one, sizeof one), 8);
    };

    qtplatform::QtTimer timer;
    timer.setInterval(50);
    timer.sleepFor(60000);
    qtplatform::ClockSetWatch watch([&timer] { timer.wake(); }, fake);
    ASSERT_TRUE(watch.watching());
    signal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !timer.sleeping(); }));
    EXPECT_EQ(arms, 2);  // watching again for the next setting
    EXPECT_TRUE(watch.watching());

    next = Reading::Ended;
    signal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !watch.watching(); }));
    QTest::qWait(50);
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(arms, 2);
}

// ---- Tray icon ----------------------------------------------------------------

TEST(QtTrayIconTest, WithoutATrayHostAddingAndRemovingNeverFails) {
    qtplatform::QtTrayIcon tray(qtplatform::PictureRenderer::icon());
    EXPECT_FALSE(tray.available());
    tray.add("Drellok");
    EXPECT_TRUE(tray.isAdded());
    EXPECT_EQ(tray.toolTip(), "Drellok");
    tray.add("Drellok");  // again: still the one icon
    tray.remove();
    EXPECT_FALSE(tray.isAdded());
    tray.remove();
}

TEST(QtTrayIconTest, ActivationsBecomeTheDevicesTrayMessages) {
    qtplatform::QtTrayIcon tray(qtplatform::PictureRenderer::icon());
    std::vector<int32_t> messages;
    tray.setOnMessage([&](int32_t m) { messages.push_back(m); });
    for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick, QSystemTrayIcon::Context,
                        QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown})
        tray.activate(reason);
    EXPECT_EQ(messages, (std::vector<int32_t>{0x203, 0x205}));
}

// ---- Popup menu ---------------------------------------------------------------------

class PopupMenuTest : public ::testing::Test {
protected:
    forms::Menu menu{"PopupMenu"};
    forms::MenuItem& hide = menu.addCheck("mHide", "&Hide");
    forms::MenuItem& back = menu.addCheck("mBack", "&Back");
    forms::MenuItem& sep = menu.addSeparator("mSep0");
    forms::MenuItem& exit = menu.addCommand("mExit", "&Exit");
    qtplatform::QtPopupMenu host;

    // Acts on the menu once it is up.
    void whenOpen(std::function<void(QMenu*)> act) {
        QTimer::singleShot(0, [act] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(popup, nullptr);
            act(popup);
        });
    }
};

TEST_F(PopupMenuTest, BuildsCaptionsChecksAndSeparators) {
    back.checked = true;
    hide.enabled = false;
    auto qmenu = qtplatform::QtPopupMenu::build(menu, nullptr);
    const QList<QAction*> actions = qmenu->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), "&Hide");
    EXPECT_TRUE(actions[0]->isCheckable());
    EXPECT_FALSE(actions[0]->isChecked());
    EXPECT_FALSE(actions[0]->isEnabled());
    EXPECT_TRUE(actions[1]->isChecked());
    EXPECT_TRUE(actions[1]->isEnabled());
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_FALSE(actions[3]->isCheckable());
    EXPECT_EQ(actions[3]->text(), "&Exit");
}

TEST_F(PopupMenuTest, AccessKeyChoosesTheItem) {
    whenOpen([](QMenu* popup) { QTest::keyClick(popup, Qt::Key_B); });
    EXPECT_EQ(host.popup(menu), &back);
}

TEST_F(PopupMenuTest, RightButtonChoosesToo) {
    whenOpen([](QMenu* popup) {
        QAction* exitAction = popup->actions().at(3);
        const QPoint at = popup->actionGeometry(exitAction).center();
        QTest::mouseMove(popup, at);
        QTest::mousePress(popup, Qt::RightButton, Qt::NoModifier, at);
        QTest::mouseRelease(popup, Qt::RightButton, Qt::NoModifier, at);
    });
    EXPECT_EQ(host.popup(menu), &exit);
}

TEST_F(PopupMenuTest, ClosedWithoutChoiceChoosesNothingAndOneMenuAtATime) {
    forms::MenuItem* nested = &hide;
    whenOpen([&](QMenu* popup) {
        nested = host.popup(menu);  // a second menu while this one is up
        QTest::keyClick(popup, Qt::Key_Escape);
    });
    EXPECT_EQ(host.popup(menu), nullptr);
    EXPECT_EQ(nested, nullptr);
}

// ---- Files, links, cursor ---------------------------------------------------------------

TEST(QtFileSystemTest, TellsFilesFromFoldersAndEverythingElseIsMissing) {
    qtplatform::QtFileSystem files;
    QTemporaryDir dir;
    QFile f(dir.path() + "/Beep0.wav");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("Beep1.wav"));
    EXPECT_EQ(files.query((dir.path() + "/Beep0.wav").toStdString()), forms::EntryKind::File);
    EXPECT_EQ(files.query((dir.path() + "/Beep1.wav").toStdString()), forms::EntryKind::Folder);
    EXPECT_EQ(files.query((dir.path() + "/Beep2.wav").toStdString()), forms::EntryKind::Missing);
    EXPECT_EQ(files.query(""), forms::EntryKind::Missing);
    EXPECT_EQ(files.query(std::string("/tmp\0/x", 7)), forms::EntryKind::Missing);
    EXPECT_EQ(files.programFolder(), QCoreApplication::applicationDirPath().toStdString());
    EXPECT_EQ(files.separator(), '/');
}

TEST(QtShellTest, OpensWebAndMailLinksOnly) {
    fakes::LinkCatcher catcher({"http", "https", "mailto", "file", "ftp", "javascript"});
    qtplatform::QtShell shell;
    for (const char* link : {"https://example.org/drellok", "mailto:someone@example.org", "http://example.org",
                             "file:///etc/passwd", "ftp://example.org/x", "javascript:alert(1)", "", "::not a url",
                             // Written without a scheme: a web address is a web page, a path is nothing.
                             "www.example.org/handbill", "/etc/passwd", "../etc/passwd", "~/notes", " "})
        shell.open(link);
    EXPECT_EQ(catcher.opened, (Strings{"https://example.org/drellok", "mailto:someone@example.org",
                                       "http://example.org", "http://www.example.org/handbill"}));
}

TEST(QtCursorTest, PointerInClientPixelsOfWhereTheWindowIsShown) {
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.resize(333, 198);
    window.move(100, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCursor::setPos(window.mapToGlobal(QPoint(0, 0)) + QPoint(17, 9));
    qtplatform::ShownPlace shown(window);
    qtplatform::QtCursor cursor(shown);
    EXPECT_EQ(cursor.position(), (forms::Point{17, 9}));
    shown.moved(QPoint(100, 63));  // a window manager that left it lower
    EXPECT_EQ(cursor.position(), (forms::Point{17, -14}));
}

// ---- System time ---------------------------------------------------------------------------

class SystemTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tz = std::getenv("TZ");
        savedTz_ = tz ? std::optional<std::string>(tz) : std::nullopt;
    }
    void TearDown() override {
        if (savedTz_)
            setenv("TZ", savedTz_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    static void zone(const char* tz) {
        setenv("TZ", tz, 1);
        tzset();
    }

private:
    std::optional<std::string> savedTz_;
};

// Only the arithmetic is tested: no test ever sets this machine's clock.
TEST_F(SystemTimeTest, SameDayKeepsTheDate) {
    zone("UTC0");
    const std::time_t now = 1710084600;  // 2024-03-10 15:30:00 UTC
    EXPECT_EQ(qtplatform::sameDayAt(now, forms::TimeOfDay{8, 5, 9}), std::optional<std::time_t>(1710057909));
    EXPECT_EQ(qtplatform::sameDayAt(now, forms::TimeOfDay{23, 59, 59}), std::optional<std::time_t>(1710115199));
    EXPECT_EQ(qtplatform::sameDayAt(now, forms::TimeOfDay{0, 0, 0}), std::optional<std::time_t>(1710028800));
}

TEST_F(SystemTimeTest, SameDayInALocalZoneWithSummerTime) {
    zone("CET-1CEST,M3.5.0,M10.5.0/3");
    const std::time_t now = 1719842400;  // 2024-07-01 16:00 local (14:00 UTC)
    EXPECT_EQ(qtplatform::sameDayAt(now, forms::TimeOfDay{6, 0, 0}), std::optional<std::time_t>(1719806400));
}

TEST_F(SystemTimeTest, NowIsTheLocalTimeOfDayInAnyZone) {
    // Zones on both sides of UTC, one off by a part of an hour.
    for (const char* tz : {"UTC0", "CET-1CEST,M3.5.0,M10.5.0/3", "NST3:30", "<+1245>-12:45"}) {
        zone(tz);
        const int expected = QTime::currentTime().msecsSinceStartOfDay() / 1000;
        const int got = qtplatform::QtSystemTime().now().toSeconds();
        const int diff = std::abs(got - expected);
        EXPECT_LE(std::min(diff, 86400 - diff), 1) << tz;
    }
}

// The computer's zone changed while the program runs (travel, the desktop's
// time settings): the clock follows from the next second on, without a
// restart, and summer time still begins on its very second.
TEST_F(SystemTimeTest, AChangedZoneShowsAtTheNextSecond) {
    zone("UTC0");
    qtplatform::LocalTimeOfDay local;
    const std::time_t t = 1710084610;  // 2024-03-10 15:30:10 UTC, mid-minute
    EXPECT_EQ(forms::timeText(local.at(t)), "033010 PM");
    setenv("TZ", "<+12>-12", 1);  // as the environment changes it, without tzset()
    EXPECT_EQ(forms::timeText(local.at(t + 1)), "033011 AM");

    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    const std::time_t summer = 1711846800;  // 2024-03-31 01:00:00 UTC
    EXPECT_EQ(forms::timeText(local.at(summer - 1)), "015959 AM");
    EXPECT_EQ(forms::timeText(local.at(summer)), "030000 AM");
}

TEST_F(SystemTimeTest, TheNextSecondIsWhereTheSecondsTurn) {
    // Rounded up, so that a wait of this long ends in the next second, never
    // still in this one nor past the next.
    EXPECT_EQ(qtplatform::msToNextSecond(0), 1000);
    EXPECT_EQ(qtplatform::msToNextSecond(1), 1000);
    EXPECT_EQ(qtplatform::msToNextSecond(998'999'999), 2);
    EXPECT_EQ(qtplatform::msToNextSecond(999'000'000), 1);
    EXPECT_EQ(qtplatform::msToNextSecond(999'999'999), 1);

    const int ms = QTime::currentTime().msec();
    const int untilNext = qtplatform::QtSystemTime().msToNextSecond();
    const int diff = std::abs(1000 - ms - untilNext);
    EXPECT_LE(std::min(diff, 1000 - diff), 50);  // two readings, a moment apart
}

}  // namespace

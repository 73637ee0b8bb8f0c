#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "dialogs/secondary_windows_qt.h"
#include "tests/dialogs/fake_device_link.h"

namespace {

class SecondaryWindows : public ::testing::Test {
protected:
    void SetUp() override { link.writeDefaults(); }
    void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    fakes::FakeDeviceLink link;
    dialogs::SecondaryWindowsQt windows{link};
};

TEST_F(SecondaryWindows, AskingAgainShowsTheSameWindow) {
    windows.showOptions();
    windows.showInstructions();
    windows.showAbout();
    QPointer<dialogs::Form3> options = windows.options();
    QPointer<dialogs::Form4> viewer = windows.instructions();
    QPointer<dialogs::Form2> about = windows.about();
    viewer->DoNextPage();
    options->findChild<QScrollBar*>("HScroll1")->setValue(5);
    link.store.values["Game A Speed"] = "100";
    // Minimised meanwhile by the window manager: asking again brings each one back.
    for (QWidget* w : std::initializer_list<QWidget*>{options, viewer, about})
        w->windowHandle()->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    ASSERT_TRUE(options->isMinimized() && viewer->isMinimized() && about->isMinimized());

    windows.showOptions();
    windows.showInstructions();
    windows.showAbout();
    flushDeletes();
    EXPECT_EQ(windows.options(), options);
    EXPECT_EQ(windows.instructions(), viewer);
    EXPECT_EQ(windows.about(), about);
    EXPECT_TRUE(options->isVisible() && viewer->isVisible() && about->isVisible());
    EXPECT_FALSE(options->isMinimized() || viewer->isMinimized() || about->isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(about));
    EXPECT_EQ(viewer->currentPage(), 2);                                 // at the page it shows
    EXPECT_EQ(options->findChild<QScrollBar*>("HScroll1")->value(), 5);  // nothing read again
}

TEST_F(SecondaryWindows, ClosingUnloadsAndTheNextOpeningLoadsAFreshWindow) {
    windows.showOptions();
    QPointer<dialogs::Form3> first = windows.options();
    first->close();
    link.store.values["Game A Speed"] = "100";
    // Opened again before the closed one is gone: a new window all the same.
    windows.showOptions();
    dialogs::Form3* second = windows.options();
    EXPECT_NE(second, first.data());
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->findChild<QScrollBar*>("HScroll1")->value(), 341);
}

TEST_F(SecondaryWindows, CloseAllClosesEveryOpenWindow) {
    windows.showOptions();
    windows.showAbout();
    QPointer<dialogs::Form3> options = windows.options();
    QPointer<dialogs::Form2> about = windows.about();
    windows.closeAll();
    EXPECT_FALSE(options->isVisible());
    EXPECT_FALSE(about->isVisible());
    flushDeletes();
    EXPECT_TRUE(options.isNull());
    EXPECT_TRUE(about.isNull());
    EXPECT_EQ(windows.instructions(), nullptr);
    EXPECT_TRUE(link.store.writes.empty());  // closing is no Apply
}

}  // namespace

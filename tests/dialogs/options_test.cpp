#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "dialogs/secondary_windows_qt.h"
#include "dialogs/window_helpers.h"
#include "tests/dialogs/fake_device_link.h"

namespace {

using Strings = std::vector<std::string>;

class Options : public ::testing::Test {
protected:
    void SetUp() override { link.writeDefaults(); }

    dialogs::Form3* open() {
        windows.showOptions();
        return windows.options();
    }
    template <typename T>
    T* child(const char* name) {
        T* w = windows.options()->findChild<T*>(QString::fromLatin1(name));
        if (!w) ADD_FAILURE() << "no control " << name;
        return w;
    }
    QScrollBar* bar(int row) { return child<QScrollBar>(row == 1 ? "HScroll1" : row == 2 ? "HScroll2" : "HScroll3"); }
    QString label(const char* name) { return child<QLabel>(name)->text(); }
    bool applyEnabled() { return child<QPushButton>("Command3")->isEnabled(); }
    void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    fakes::FakeDeviceLink link;
    dialogs::SecondaryWindowsQt windows{link};
};

TEST_F(Options, OpensWithTheStoredValuesAndApplyDisabled) {
    link.autoShow = false;  // the marks are not what the dialog reads for Auto Show
    open();
    EXPECT_EQ(bar(1)->value(), 221);
    EXPECT_EQ(bar(2)->value(), 271);
    EXPECT_EQ(bar(3)->value(), 141);
    EXPECT_EQ(label("GameASpeed"), "Game A (222)");
    EXPECT_EQ(label("GameBSpeed"), "Game B (272)");
    EXPECT_EQ(label("DiverSpeed"), "Diver (142)");
    EXPECT_TRUE(child<QRadioButton>("SoundOn")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("SoundOff")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("Check1")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("Check2")->isChecked());
    EXPECT_FALSE(applyEnabled());
    QCoreApplication::processEvents();  // the Tab sent on opening changes no value
    EXPECT_FALSE(applyEnabled());
    EXPECT_TRUE(link.store.writes.empty());
    EXPECT_TRUE(link.calls.empty());
}

TEST_F(Options, OpensWithTheFocusOnTheGameBBarForAllToSee) {
    dialogs::Form3* dialog = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), bar(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(bar(1)->value(), 221);
    EXPECT_EQ(bar(2)->value(), 272);
    // The bar that the arrow keys move is marked, whichever it is.
    std::vector<QImage> shots;
    for (int row : {1, 2, 3}) {
        bar(row)->setFocus(Qt::TabFocusReason);
        shots.push_back(dialog->grab().toImage());
    }
    EXPECT_NE(shots[0], shots[1]);
    EXPECT_NE(shots[1], shots[2]);
    EXPECT_NE(shots[0], shots[2]);
}

TEST_F(Options, StoredSpeedsAtTheEndsAndBetweenWholeNumbers) {
    link.store.values["Game A Speed"] = "1";
    link.store.values["Game B Speed"] = "441";
    link.store.values["Diver Speed"] = "220.5";
    open();
    EXPECT_EQ(bar(1)->value(), 440);
    EXPECT_EQ(label("GameASpeed"), "Game A (441)");
    EXPECT_EQ(bar(2)->value(), 0);
    EXPECT_EQ(label("GameBSpeed"), "Game B (1)");
    EXPECT_EQ(bar(3)->value(), 220);  // 220.5 rounds to the even neighbour
    EXPECT_EQ(label("DiverSpeed"), "Diver (221)");
    EXPECT_FALSE(applyEnabled());
}

TEST_F(Options, SpeedsThatCannotBeShownOpenInsideTheScale) {
    link.store.values["Game A Speed"] = "fast";
    link.store.values["Game B Speed"] = "0";
    link.store.values.erase("Diver Speed");
    open();
    EXPECT_EQ(bar(1)->value(), 221);  // not a number: the row's first-start speed
    EXPECT_EQ(bar(2)->value(), 440);  // below 1 ms: the fast end
    EXPECT_EQ(bar(3)->value(), 141);  // missing: the first-start speed
    windows.options()->close();
    flushDeletes();

    link.store.values["Game A Speed"] = "-40000";
    link.store.values["Game B Speed"] = "1e9";
    link.store.values["Diver Speed"] = "442";
    open();
    EXPECT_EQ(bar(1)->value(), 440);
    EXPECT_EQ(bar(2)->value(), 0);
    EXPECT_EQ(bar(3)->value(), 0);
    EXPECT_EQ(label("DiverSpeed"), "Diver (1)");
}

TEST_F(Options, ApplyStoresTheSpeedsOfTheEnds) {
    open();
    bar(1)->setFocus();
    QTest::keyClick(bar(1), Qt::Key_Home);
    EXPECT_EQ(bar(1)->value(), 0);
    EXPECT_TRUE(applyEnabled());
    bar(2)->setValue(440);
    child<QPushButton>("Command3")->click();
    EXPECT_EQ(link.store.values["Game A Speed"], "441");
    EXPECT_EQ(link.store.values["Game B Speed"], "1");
    EXPECT_EQ(link.store.values["Diver Speed"], "300");
    EXPECT_FALSE(applyEnabled());
    EXPECT_TRUE(windows.options()->isVisible());  // Apply keeps the dialog open
}

TEST_F(Options, OkRightAfterOpeningWritesEverythingInOrder) {
    link.sound = false;
    link.store.values["Auto Show"] = "False";
    link.store.values["Always on Top"] = "True";
    link.alwaysOnTop = false;  // the menu was changed meanwhile; the store is what the dialog shows
    open();
    ASSERT_FALSE(applyEnabled());
    child<QPushButton>("Command1")->click();
    EXPECT_EQ(link.store.writes, (Strings{"Game A Speed=220", "Game B Speed=170", "Diver Speed=300", "Sound=False",
                                          "Auto Show=False", "Always on Top=True"}));
    EXPECT_EQ(link.calls, (Strings{"DoCheckSpeed", "mSound=0", "mAutoShow=0", "mAlwaysOnTop=1", "topmost=1"}));
    EXPECT_FALSE(windows.options()->isVisible());
    flushDeletes();
    EXPECT_EQ(windows.options(), nullptr);
}

TEST_F(Options, DefaultThenCancelWritesNothing) {
    link.sound = false;
    link.store.values["Auto Show"] = "False";
    link.store.values["Game A Speed"] = "100";
    open();
    child<QPushButton>("Command4")->click();
    EXPECT_EQ(bar(1)->value(), 221);
    EXPECT_EQ(label("GameASpeed"), "Game A (222)");
    EXPECT_TRUE(child<QRadioButton>("SoundOn")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("Check2")->isChecked());
    EXPECT_TRUE(applyEnabled());
    child<QPushButton>("Command2")->click();
    EXPECT_TRUE(link.store.writes.empty());
    EXPECT_TRUE(link.calls.empty());
    EXPECT_FALSE(link.sound);
    EXPECT_FALSE(windows.options()->isVisible());
}

TEST_F(Options, DefaultThenApplyStoresTheFirstStartValuesAndPutsTheDeviceOnTop) {
    link.store.values = {{"Game A Speed", "5"}, {"Game B Speed", "6"},  {"Diver Speed", "7"},
                         {"Sound", "False"},    {"Auto Show", "False"}, {"Always on Top", "False"}};
    link.sound = false;
    link.autoShow = false;
    open();
    child<QPushButton>("Command4")->click();
    child<QPushButton>("Command3")->click();
    EXPECT_EQ(link.store.values, (std::map<std::string, std::string>{{"Game A Speed", "220"},
                                                                     {"Game B Speed", "170"},
                                                                     {"Diver Speed", "300"},
                                                                     {"Sound", "True"},
                                                                     {"Auto Show", "True"},
                                                                     {"Always on Top", "True"}}));
    EXPECT_TRUE(link.sound);
    EXPECT_TRUE(link.autoShow);
    EXPECT_TRUE(link.alwaysOnTop);
    EXPECT_TRUE(link.deviceTopmost);
    EXPECT_FALSE(applyEnabled());
}

TEST_F(Options, SoundChoiceComesFromTheMenuAndOkWritesItBack) {
    link.sound = false;
    open();
    EXPECT_TRUE(child<QRadioButton>("SoundOff")->isChecked());
    EXPECT_FALSE(child<QRadioButton>("SoundOn")->isChecked());
    link.sound = true;  // switched on from the menu while the dialog is open
    child<QPushButton>("Command1")->click();
    EXPECT_FALSE(link.sound);
    EXPECT_EQ(link.store.values["Sound"], "False");
}

TEST_F(Options, UncheckingAlwaysOnTopFreesTheDeviceButNotTheOpenDialog) {
    link.alwaysOnTop = true;
    link.store.values["Always on Top"] = "True";
    dialogs::Form3* dialog = open();
    EXPECT_TRUE(dialogs::staysOnTop(dialog));
    child<QCheckBox>("Check2")->setChecked(false);
    EXPECT_TRUE(applyEnabled());
    child<QPushButton>("Command3")->click();
    EXPECT_EQ(link.calls.back(), "topmost=0");
    EXPECT_FALSE(link.alwaysOnTop);
    EXPECT_EQ(link.store.values["Always on Top"], "False");
    EXPECT_TRUE(dialogs::staysOnTop(dialog));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(Options, OpensOnTopOnlyWhenTheMenuSaysSo) {
    EXPECT_FALSE(dialogs::staysOnTop(open()));
    windows.options()->close();
    flushDeletes();
    link.alwaysOnTop = true;
    EXPECT_TRUE(dialogs::staysOnTop(open()));
}

TEST_F(Options, EveryChangeButAThumbStillHeldEnablesApply) {
    open();
    QScrollBar* b = bar(3);
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Right);  // toward "Fast"
    EXPECT_EQ(label("DiverSpeed"), "Diver (143)");
    EXPECT_TRUE(applyEnabled());
    QTest::keyClick(b, Qt::Key_Left);
    QTest::keyClick(b, Qt::Key_Left);
    EXPECT_EQ(label("DiverSpeed"), "Diver (141)");

    child<QPushButton>("Command3")->click();
    ASSERT_FALSE(applyEnabled());
    child<QRadioButton>("SoundOff")->click();
    EXPECT_TRUE(applyEnabled());

    child<QPushButton>("Command3")->click();
    child<QCheckBox>("Check1")->click();
    EXPECT_TRUE(applyEnabled());
}

// The thumb taken with the mouse: the label follows it at once, Apply waits
// for the release, and a thumb put back where it was taken changes nothing.
TEST_F(Options, DraggingTheThumbRewritesTheLabelAndApplyWaitsForTheRelease) {
    dialogs::Form3* dialog = open();
    dialog->show();
    QScrollBar* b = bar(1);
    QStyleOptionSlider opt;
    opt.initFrom(b);
    opt.orientation = Qt::Horizontal;
    opt.minimum = b->minimum();
    opt.maximum = b->maximum();
    opt.sliderPosition = b->sliderPosition();
    opt.sliderValue = b->value();
    opt.singleStep = b->singleStep();
    opt.pageStep = b->pageStep();
    opt.subControls = QStyle::SC_All;
    const QPoint thumb = b->style()->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, b).center();

    QTest::mousePress(b, Qt::LeftButton, {}, thumb);
    ASSERT_TRUE(b->isSliderDown());
    QTest::mouseMove(b, thumb + QPoint(40, 0));
    const int dragged = b->value();
    EXPECT_GT(dragged, 221);
    EXPECT_EQ(label("GameASpeed"), QStringLiteral("Game A (%1)").arg(dragged + 1));
    EXPECT_FALSE(applyEnabled());
    QTest::mouseMove(b, thumb + QPoint(60, 0));
    EXPECT_GT(b->value(), dragged);
    EXPECT_FALSE(applyEnabled());
    QTest::mouseRelease(b, Qt::LeftButton, {}, thumb + QPoint(60, 0));
    EXPECT_TRUE(applyEnabled());

    child<QPushButton>("Command3")->click();
    const int applied = b->value();
    ASSERT_FALSE(applyEnabled());
    b->setSliderDown(true);
    b->setSliderPosition(applied - 30);
    EXPECT_FALSE(applyEnabled());
    b->setSliderPosition(applied);
    b->setSliderDown(false);
    EXPECT_FALSE(applyEnabled());
}

TEST_F(Options, EnterPressesOkAndEscCancels) {
    dialogs::Form3* dialog = open();
    bar(1)->setValue(100);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(link.store.writes.empty());
    flushDeletes();

    dialog = open();
    bar(1)->setValue(100);
    bar(1)->setFocus();
    QTest::keyClick(bar(1), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(link.store.values["Game A Speed"], "341");
}

TEST_F(Options, LayoutFollowsTheDesign) {
    dialogs::Form3* dialog = open();
    EXPECT_EQ(dialog->size(), QSize(438, 212));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->windowTitle(), "Drellok Options");
    EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(bar(2)->geometry(), QRect(87, 51, 328, 17));
    EXPECT_EQ(child<QPushButton>("Command4")->geometry(), QRect(366, 183, 65, 23));
    const QRect check1 = child<QCheckBox>("Check1")->geometry();
    EXPECT_EQ(check1.topLeft(), QPoint(9, 20));
    EXPECT_GE(check1.width(), 313);  // a caption that needs more room takes what its frame has
    EXPECT_LE(check1.right(), child<QWidget>("Frame3")->width() - 1);
    // Every caption fits the box it is given.
    for (const char* name : {"Check1", "Check2", "SoundOn", "SoundOff"}) {
        QWidget* w = child<QWidget>(name);
        EXPECT_LE(w->sizeHint().width(), w->width()) << name;
    }
    for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
        auto* b = child<QPushButton>(name);
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text().remove('&')), b->width() - 8) << name;
    }

    // "Slow" and "Fast" stand over the ends of the bars, on plain background:
    // with them hidden, nothing of the frame (its line) is drawn where they go.
    QLabel* slow = child<QLabel>("Label1");
    QLabel* fast = child<QLabel>("Label2");
    slow->hide();
    fast->hide();
    const QImage bare = child<QWidget>("Frame1")->grab().toImage();
    slow->show();
    fast->show();
    for (QLabel* label : {slow, fast}) {
        const QRect r = label->geometry();
        EXPECT_LT(r.bottom(), bar(1)->y()) << label->text().toStdString();
        int marked = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) marked += bare.pixel(x, y) != bare.pixel(r.topLeft());
        EXPECT_EQ(marked, 0) << label->text().toStdString() << " lies on the frame's drawing";
    }
    EXPECT_EQ(slow->x(), bar(1)->x());
    EXPECT_NEAR(fast->geometry().right(), bar(1)->geometry().right(), 1);

    // The tab order of the design, from the first scroll bar round to it again.
    Strings order;
    QWidget* w = bar(1);
    do {
        if (w->focusPolicy() & Qt::TabFocus) order.push_back(w->objectName().toStdString());
        w = w->nextInFocusChain();
    } while (w != bar(1));
    EXPECT_EQ(order, (Strings{"HScroll1", "HScroll2", "HScroll3", "SoundOn", "SoundOff", "Check1", "Check2", "Command1",
                              "Command2", "Command3", "Command4"}));
}

}  // namespace

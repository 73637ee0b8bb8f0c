#include "platform/qt/device_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QCursor>
#include <QHelpEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <deque>
#include <string>
#include <vector>

#include "platform/qt/qt_desktop.h"
#include "tests/support/engine_fixture.h"
#include "tests/support/run_again.h"
#include "tests/support/window_fakes.h"

namespace {

using Strings = std::vector<std::string>;

// Records what reaches the pictures and the keys.
class Recorder : public forms::MouseHandler, public forms::KeyHandler {
public:
    void mouseDown(forms::PictureElement& e, const forms::MouseArgs& a) override { log("down", e, a); }
    void mouseMove(forms::PictureElement& e, const forms::MouseArgs& a) override {
        if (a.button != 0) log("move", e, a);  // hover moves are many; only held ones count here
    }
    void mouseUp(forms::PictureElement& e, const forms::MouseArgs& a) override { log("up", e, a); }
    void dblClick(forms::PictureElement& e) override { events.push_back("dbl " + e.label()); }
    void keyDown(int16_t code, int16_t shift) override {
        events.push_back("keyDown " + std::to_string(code) + " " + std::to_string(shift));
    }
    void keyUp(int16_t code, int16_t shift) override {
        events.push_back("keyUp " + std::to_string(code) + " " + std::to_string(shift));
    }
    Strings events;

private:
    void log(const char* what, const forms::PictureElement& e, const forms::MouseArgs& a) {
        events.push_back(std::string(what) + " " + e.label() + " b" + std::to_string(a.button) + " " +
                         std::to_string(static_cast<int>(a.x)) + "," + std::to_string(static_cast<int>(a.y)));
    }
};

// The widget with its paints counted.
class CountingWidget : public qtplatform::DeviceWidget {
public:
    using DeviceWidget::DeviceWidget;
    int paints = 0;
    QRegion painted;

protected:
    void paintEvent(QPaintEvent* e) override {
        ++paints;
        painted += e->region();
        DeviceWidget::paintEvent(e);
    }
};

class DeviceWidgetTest : public ::testing::Test {
protected:
    fakes::EngineRig rig;
    engine::DeviceEngine& d = rig.device;
    qtplatform::PictureRenderer renderer{qApp->devicePixelRatio()};  // as the program makes it
    CountingWidget widget{renderer};
    Recorder recorder;
    int closes = 0;
    std::vector<bool> minimised;  // as the device window hears it

    void SetUp() override {
        widget.attach(
            d.scene(), recorder, recorder, [this] { ++closes; }, [this](bool m) { minimised.push_back(m); });
    }
    void TearDown() override { widget.QWidget::hide(); }

    void showAndSettle() {
        widget.QWidget::show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
        settle();
    }
    void settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
        widget.paints = 0;
        widget.painted = QRegion();
    }
    QImage pixmapImage(const forms::PictureElement* e) {
        return renderer.pixmap(*e->picture()).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    QImage grab() { return widget.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); }
    // A key as the platform sends it, with its place on the keyboard.
    void sendKey(QEvent::Type type, int key, quint32 scanCode, bool autoRepeat = false) {
        QKeyEvent e(type, key, Qt::NoModifier, scanCode, 0, 0, QString(), autoRepeat);
        QApplication::sendEvent(&widget, &e);
    }
    QRect rectOf(const forms::PictureElement* e) {
        const forms::Rect r = e->rect();
        return QRect(r.x, r.y, r.width, r.height);
    }
};

TEST_F(DeviceWidgetTest, IsTheFramelessDeviceWindow) {
    EXPECT_EQ(widget.size(), QSize(333, 198));
    EXPECT_TRUE(widget.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(widget.isWindow());
    EXPECT_EQ(widget.windowTitle(), "Drellok");
    EXPECT_FALSE(widget.windowIcon().isNull());
}

TEST_F(DeviceWidgetTest, PaintsTheShownPicturesBottomToTop) {
    // Treasure lies on the bare case: what is painted there is the case with
    // the treasure over it, and the case alone once it is hidden.
    const QRect spot = rectOf(d.Treasure);
    QImage caseOnly = pixmapImage(d.FrontCase).copy(spot);
    QImage withTreasure = caseOnly.copy();
    {
        QPainter p(&withTreasure);
        p.drawImage(0, 0, pixmapImage(d.Treasure));
    }
    ASSERT_TRUE(d.Treasure->visible());
    EXPECT_EQ(grab().copy(spot), withTreasure);
    d.Treasure->hide();
    EXPECT_EQ(grab().copy(spot), caseOnly);
}

TEST_F(DeviceWidgetTest, BackCoversEverything) {
    d.SetStartValues();  // moves the back onto the front
    // The back is painted last, over everything else.
    QImage expected = grab();
    d.BackCase->show();
    {
        QPainter p(&expected);
        p.drawImage(0, 0, pixmapImage(d.BackCase));
    }
    EXPECT_EQ(grab(), expected);
}

TEST_F(DeviceWidgetTest, HiddenStoresAndEmptyHotZonesPaintNothing) {
    // Hot zones without a look yet and every store: the picture is the case's.
    fakes::EngineRig bare;  // looks given, but every button released
    bare.device.GameAButton->setPicture(nullptr);
    qtplatform::PictureRenderer r{1.0};
    qtplatform::DeviceWidget w{r};
    w.attach(bare.device.scene(), recorder, recorder, {}, {});
    const QRect zone = rectOf(bare.device.GameAButton);
    const QImage front =
        r.pixmap(*bare.device.FrontCase->picture()).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(w.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied).copy(zone), front.copy(zone));
}

TEST_F(DeviceWidgetTest, RepaintsOnlyWhatChanged) {
    showAndSettle();
    // A clock tick in the same second, and a flush with nothing changed: no paint.
    rig.clock.set(10, 20, 30);
    d.Timer1_Timer();
    widget.flushDirty();
    settle();
    d.Timer1_Timer();
    widget.flushDirty();
    QCoreApplication::processEvents();
    EXPECT_EQ(widget.paints, 0);

    d.Treasure->hide();
    widget.flushDirty();
    QCoreApplication::processEvents();
    EXPECT_GE(widget.paints, 1);
    EXPECT_EQ(widget.painted, QRegion(rectOf(d.Treasure)));
    EXPECT_FALSE(d.scene().hasDirty());
}

// At a fractional scale the pictures' edges fall between screen pixels: what
// small repaints leave on the screen must still be what a full paint draws.
// The scale is read as the QApplication starts, so each scale runs in a
// process of its own.
class DeviceWidgetAtScale : public DeviceWidgetTest, public ::testing::WithParamInterface<const char*> {
protected:
    // What is on the screen: under the offscreen platform, the window's
    // backing store (its own grab of a scaled window stops at the unscaled size).
    QImage onScreen() {
        const auto* store = dynamic_cast<const QImage*>(widget.backingStore()->paintDevice());
        return store == nullptr ? QImage() : store->convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    static int differingPixels(const QImage& a, const QImage& b) {
        if (a.size() != b.size()) return a.width() * a.height() + b.width() * b.height();
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
        return n;
    }
};

TEST_P(DeviceWidgetAtScale, SmallRepaintsLeaveWhatAFullPaintDraws) {
    if (qgetenv("QT_SCALE_FACTOR") != GetParam()) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        fakes::runAgain(QString("%1.%2").arg(test->test_suite_name(), test->name()), {{"QT_SCALE_FACTOR", GetParam()}});
        return;
    }
    ASSERT_DOUBLE_EQ(widget.devicePixelRatioF(), QByteArray(GetParam()).toDouble());
    showAndSettle();
    // A minute of the clock's demonstration: the diver and the tentacles
    // shown and hidden over each other.
    for (int i = 0; i < 2000; ++i) rig.random.script.push_back(float(i * 37 % 100) / 100);
    for (int s = 0; s < 60; ++s) {
        rig.clock.set(10, 21, s);
        d.Timer1_Timer();
        widget.flushDirty();
        QCoreApplication::processEvents();
        ASSERT_EQ(differingPixels(onScreen(), grab()), 0) << "second " << s;
    }
}

INSTANTIATE_TEST_SUITE_P(Fractional, DeviceWidgetAtScale, ::testing::Values("1.25", "1.75"));

TEST_F(DeviceWidgetTest, MouseReachesThePictureThatTookThePress) {
    // Case corner, then a drag across the treasure: every event goes to the case.
    QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(2, 3));
    QTest::mouseMove(&widget, QPoint(220, 130));
    QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(220, 130));
    EXPECT_EQ(recorder.events,
              (Strings{"down FrontCase b1 30,45", "move FrontCase b1 3300,1950", "up FrontCase b1 3300,1950"}));
}

TEST_F(DeviceWidgetTest, DoubleClickArrivesAsPressReleaseDoubleClickRelease) {
    widget.QWidget::show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QTest::mouseDClick(widget.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(220, 130));
    EXPECT_EQ(recorder.events,
              (Strings{"down Treasure b1 90,60", "up Treasure b1 90,60", "dbl Treasure", "up Treasure b1 90,60"}));
}

TEST_F(DeviceWidgetTest, ButtonsLostToAPopupAreForgotten) {
    // A right press opens a menu that takes its release; the next left press
    // must reach the picture under the pointer, not the one of the old press.
    QTest::mousePress(&widget, Qt::RightButton, Qt::NoModifier, QPoint(220, 130));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 3), widget.mapToGlobal(QPointF(2, 3)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
    QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(2, 3));
    QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(2, 3));
    EXPECT_EQ(recorder.events, (Strings{"down Treasure b2 90,60", "down FrontCase b1 30,45", "up FrontCase b1 30,45"}));
}

TEST_F(DeviceWidgetTest, ASecondRightPressAfterAMenuOpensItAgainWithoutAMove) {
    // The menu took the first release and the pointer never moved: the next
    // right press is a press all the same.
    QTest::mousePress(&widget, Qt::RightButton, Qt::NoModifier, QPoint(220, 130));
    QTest::mousePress(&widget, Qt::RightButton, Qt::NoModifier, QPoint(220, 130));
    QTest::mouseRelease(&widget, Qt::RightButton, Qt::NoModifier, QPoint(220, 130));
    EXPECT_EQ(recorder.events, (Strings{"down Treasure b2 90,60", "down Treasure b2 90,60", "up Treasure b2 90,60"}));
}

TEST_F(DeviceWidgetTest, KeysGoToTheDeviceAsVirtualKeys) {
    QTest::keyPress(&widget, Qt::Key_1, Qt::KeypadModifier);
    QTest::keyRelease(&widget, Qt::Key_1, Qt::KeypadModifier);
    QTest::keyPress(&widget, Qt::Key_1);
    QTest::keyRelease(&widget, Qt::Key_1);
    QTest::keyClick(&widget, Qt::Key_Tab);  // a device key, not a focus move
    QTest::keyClick(&widget, Qt::Key_S, Qt::ShiftModifier);
    EXPECT_EQ(recorder.events, (Strings{"keyDown 97 0", "keyUp 97 0", "keyDown 49 0", "keyUp 49 0", "keyDown 9 0",
                                        "keyUp 9 0", "keyDown 16 1", "keyDown 83 1", "keyUp 83 1", "keyUp 16 0"}));
}

TEST_F(DeviceWidgetTest, AutoRepeatGivesKeyDownsOnly) {
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), false);
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
    QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), false);
    for (QKeyEvent* e : {&down, &repeatUp, &repeatDown, &up}) QApplication::sendEvent(&widget, e);
    EXPECT_EQ(recorder.events, (Strings{"keyDown 37 0", "keyDown 37 0", "keyUp 37 0"}));
}

TEST_F(DeviceWidgetTest, AKeystrokeThatBeganElsewhereIsNotTheDevicesOwn) {
    // Pressed in a popup menu or another window: only the release comes here.
    QTest::keyRelease(&widget, Qt::Key_B);
    QTest::keyRelease(&widget, Qt::Key_Return);
    // Its repeats while held here change nothing either.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&widget, &repeat);
    QTest::keyRelease(&widget, Qt::Key_1);
    // A keypad key is not its main-row twin.
    QTest::keyPress(&widget, Qt::Key_1, Qt::KeypadModifier);
    QTest::keyRelease(&widget, Qt::Key_1);
    QTest::keyRelease(&widget, Qt::Key_1, Qt::KeypadModifier);
    // A keystroke of this window comes up once.
    QTest::keyPress(&widget, Qt::Key_B);
    QTest::keyRelease(&widget, Qt::Key_B);
    QTest::keyRelease(&widget, Qt::Key_B);
    EXPECT_EQ(recorder.events, (Strings{"keyDown 97 0", "keyUp 97 0", "keyDown 66 0", "keyUp 66 0"}));
}

// X11 key codes of T and 1.
constexpr quint32 kScanT = 28;
constexpr quint32 kScan1 = 10;

TEST_F(DeviceWidgetTest, AKeyHeldThroughALayoutSwitchComesUpAsTheKeyThatWentDown) {
    // T held while the layout switches: the same key now repeats and comes
    // up as another letter, here a window command's.
    sendKey(QEvent::KeyPress, Qt::Key_T, kScanT);
    sendKey(QEvent::KeyPress, Qt::Key_O, kScanT, true);
    sendKey(QEvent::KeyRelease, Qt::Key_O, kScanT);
    EXPECT_EQ(recorder.events, (Strings{"keyDown 84 0", "keyDown 84 0", "keyUp 84 0"}));
}

TEST_F(DeviceWidgetTest, AKeyHeldWhileTheWindowLosesTheKeyboardStillComesUpHere) {
    widget.show();  // raised and active
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
    // Held while a popup menu takes the keyboard, or another window: the
    // window keeps the keystroke, and its release here frees the button.
    sendKey(QEvent::KeyPress, Qt::Key_T, kScanT);
    QMenu menu;
    menu.addAction("Item");
    menu.popup(widget.mapToGlobal(QPoint(10, 10)));
    menu.close();
    sendKey(QEvent::KeyRelease, Qt::Key_T, kScanT);

    sendKey(QEvent::KeyPress, Qt::Key_1, kScan1);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    widget.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
    sendKey(QEvent::KeyRelease, Qt::Key_1, kScan1);
    EXPECT_EQ(recorder.events, (Strings{"keyDown 84 0", "keyUp 84 0", "keyDown 49 0", "keyUp 49 0"}));
}

TEST_F(DeviceWidgetTest, ToolTipIsTheTopmostShownEnabledPictures) {
    showAndSettle();
    auto tipAt = [&](QPoint p) {
        QHelpEvent help(QEvent::ToolTip, p, widget.mapToGlobal(p));
        QApplication::sendEvent(&widget, &help);
        return help.isAccepted() ? QToolTip::text().toStdString() : std::string();
    };
    EXPECT_EQ(tipAt(QPoint(220, 130)), "Treasure");
    EXPECT_EQ(tipAt(QPoint(285, 27)), "GAME A");
    EXPECT_EQ(tipAt(QPoint(2, 3)), "");  // the case has none
    d.Treasure->hide();
    EXPECT_EQ(tipAt(QPoint(220, 130)), "");
    QToolTip::hideText();
}

TEST_F(DeviceWidgetTest, PositionIsReportedAsTheFramedWindowsEdges) {
    widget.setLeft(-44);
    widget.setTop(-336);
    EXPECT_FLOAT_EQ(widget.left(), -45);
    EXPECT_FLOAT_EQ(widget.top(), -330);
    EXPECT_EQ(widget.geometry().topLeft(), QPoint(0, 0));
    widget.setLeft(1500);
    widget.setTop(-3000);
    EXPECT_EQ(widget.geometry().topLeft(), QPoint(103, -178));
    EXPECT_FLOAT_EQ(widget.left(), 1500);
    EXPECT_FLOAT_EQ(widget.top(), -3000);
}

// Holds back the offscreen platform's own word on where the window is: it
// makes every move at once, and measures the pointer it moves from there. A
// simulated window system speaks instead.
class WindowSystemWord : public QObject {
public:
    bool speaking = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        return (e->type() == QEvent::Move || e->type() == QEvent::MouseMove) && e->spontaneous() && !speaking;
    }
};

// The device window dragged on this host under window systems that make the
// moves at once, late (the last ones only after the button's release), never,
// or only inside the screen. The pointer's events are measured from where the
// window really is, and each move made is confirmed to the window, as the
// platform does. Clicks on the device in the moments after the release are
// polled where they are and leave the saved place following the moves.
TEST(DeviceWindowDragTest, ThePressedPointFollowsThePointerAndTheWindowIsSavedWhereItComesToRest) {
    // Where the window system puts the window for a move asked for.
    using Rule = QPoint (*)(QPoint asked, QPoint shown);
    const Rule asAsked = [](QPoint asked, QPoint) { return asked; };
    const Rule never = [](QPoint, QPoint shown) { return shown; };
    const Rule inside = [](QPoint asked, QPoint) { return QPoint(std::max(asked.x(), 0), std::max(asked.y(), 0)); };
    const struct {
        const char* name;
        Rule rule;
        size_t behind;  // moves not yet made at any time, the release's among them
    } windowSystems[] = {{"at once", asAsked, 0},   {"late", asAsked, 2},  {"never", never, 0},
                         {"never, late", never, 2}, {"inside", inside, 0}, {"inside, late", inside, 2}};
    for (const auto& system : windowSystems) {
        SCOPED_TRACE(system.name);
        fakes::WindowRig rig;
        rig.fillStore();
        qtplatform::PictureRenderer renderer{1.0};
        qtplatform::DeviceWidget widget{renderer};
        qtplatform::QtCursor cursor{widget.shownPlace()};
        window::Form1 form{
            window::Form1Services{{rig.timer, rig.settings, rig.clock.clock, rig.sound, rig.files, cursor, rig.random},
                                  rig.shell,
                                  rig.tray,
                                  widget,
                                  rig.menus}};
        widget.attach(form.device().scene(), form, form, {}, {});
        widget.move(60, 40);
        widget.QWidget::show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
        WindowSystemWord word;
        widget.windowHandle()->installEventFilter(&word);

        const QPoint pressed(220, 130);
        QPoint shown = widget.pos(), pointer = shown + pressed;
        auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
            QCursor::setPos(pointer);
            QMouseEvent e(type, pointer - shown, pointer - shown, pointer, button, held, Qt::NoModifier);
            QApplication::sendEvent(&widget, &e);
        };
        auto click = [&](QPoint at, Qt::MouseButton button, const std::function<void()>& whileHeld) {
            pointer = shown + at;
            send(QEvent::MouseButtonPress, button, button);
            whileHeld();
            send(QEvent::MouseButtonRelease, button, Qt::NoButton);
        };
        auto confirm = [&](QPoint place) {
            QMoveEvent e(place, shown);
            shown = place;
            QSpontaneKeyEvent::setSpontaneous(&e);
            word.speaking = true;
            QApplication::instance()->notify(widget.windowHandle(), &e);
            word.speaking = false;
        };
        std::deque<QPoint> asked;
        auto makeMoves = [&](size_t leftBehind) {
            for (; asked.size() > leftBehind; asked.pop_front()) confirm(system.rule(asked.front(), shown));
        };
        auto saved = [&] {
            return QPoint(std::stoi(rig.settings.values["Left"]) / 15 + forms::kFrameLeft,
                          std::stoi(rig.settings.values["Top"]) / 15 + forms::kFrameTop);
        };

        send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
        // Out past the screen's corner and back: 23 pixels up in all.
        for (const QPoint step :
             {QPoint(-20, -10), QPoint(-20, -10), QPoint(-20, -10), QPoint(-20, -10), QPoint(80, 17)}) {
            pointer += step;
            send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
            EXPECT_EQ(widget.pos(), pointer - pressed);  // the place asked for
            asked.push_back(widget.pos());
            makeMoves(system.behind);
        }
        send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
        // A right click on the case, then ALARM held over a tick: its poll
        // must find ALARM, not ACL 23 pixels below it.
        click(QPoint(5, 5), Qt::RightButton, [] {});
        click(QPoint(312, 38), Qt::LeftButton, [&] { form.Timer1_Timer(); });
        EXPECT_EQ(form.device().AlarmSetMode, engine::AlarmSetEditing);
        EXPECT_EQ(rig.settings.values["Game A High Score"] + rig.settings.values["Alarm Time"], "12063000 AM");
        makeMoves(0);
        EXPECT_EQ(saved(), shown);
        // Once the window stands where the drag took it, the window manager's
        // own moves are not the drag's.
        if (shown == widget.pos()) {
            confirm(shown + QPoint(50, 50));
            EXPECT_EQ(saved(), widget.pos());
        }
        QCoreApplication::processEvents();  // the platform's pointer moves, while still held back
        widget.QWidget::hide();
    }
}

TEST_F(DeviceWidgetTest, StayOnTopChangesTheZOrderOnly) {
    showAndSettle();
    widget.move(40, 50);
    QWindow* native = widget.windowHandle();
    ASSERT_NE(native, nullptr);
    widget.setStayOnTop(true);
    EXPECT_EQ(widget.windowHandle(), native);
    EXPECT_TRUE(native->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(widget.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(widget.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(widget.isVisible());
    EXPECT_EQ(widget.pos(), QPoint(40, 50));

    widget.hide();
    widget.setStayOnTop(false);
    EXPECT_FALSE(widget.isVisible());  // a hidden window stays hidden
    EXPECT_FALSE(native->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(widget.windowHandle(), native);
}

TEST_F(DeviceWidgetTest, RegionOfTheWholeClientAreaCutsNothing) {
    widget.setRegion(forms::Rect{3, 22, 333, 198});
    EXPECT_TRUE(widget.mask().isEmpty());
    widget.setRegion(forms::Rect{3, 22, 100, 50});
    EXPECT_EQ(widget.mask(), QRegion(0, 0, 100, 50));
}

TEST_F(DeviceWidgetTest, TheWindowSystemsMinimiseIsToldAndShowingBringsTheWindowBack) {
    showAndSettle();
    // Minimised and restored by the window system, then minimised again.
    for (Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowNoState, Qt::WindowMinimized}) {
        widget.windowHandle()->setWindowState(state);
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(widget.isMinimized());
    QWidget other;
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    widget.show();
    EXPECT_FALSE(widget.isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&widget));
    EXPECT_EQ(minimised, (std::vector<bool>{true, false, true, false}));
}

TEST_F(DeviceWidgetTest, WindowSystemCloseAsksTheDeviceOnceAndQuitIsNoSecondAsk) {
    showAndSettle();
    widget.close();
    EXPECT_EQ(closes, 1);
    widget.QWidget::show();
    widget.quit();
    EXPECT_FALSE(widget.isVisible());
    EXPECT_EQ(closes, 1);
    QCoreApplication::removePostedEvents(QCoreApplication::instance());  // the queued quit
}

}  // namespace

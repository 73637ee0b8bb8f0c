#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>
#include <QWindow>
#include <set>
#include <vector>

#include "dialogs/secondary_windows_qt.h"
#include "dialogs/window_helpers.h"
#include "tests/dialogs/fake_device_link.h"

namespace {

class Instructions : public ::testing::Test {
protected:
    void SetUp() override {
        windows.showInstructions();
        viewer = windows.instructions();
        ASSERT_NE(viewer, nullptr);
        window = viewer->windowHandle();
        ASSERT_NE(window, nullptr);
        QCoreApplication::processEvents();  // the Tab sent on opening
    }

    QLabel* number() { return viewer->findChild<QLabel*>("Label1"); }
    QWidget* page() { return viewer->findChild<QWidget*>("Picture1"); }
    int current() { return viewer->currentPage(); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(viewer, k, m); }
    void goTo(int n) {
        while (current() != n) viewer->DoNextPage();
    }

    // Pointer events as the window system delivers them: to whatever lies
    // under the pointer, the pressed widget keeping the mouse until release.
    void press(Qt::MouseButton b, QPoint p) { QTest::mousePress(window, b, {}, p); }
    void release(Qt::MouseButton b, QPoint p) { QTest::mouseRelease(window, b, {}, p); }
    void moveTo(QPoint p) { QTest::mouseMove(window, p); }

    fakes::FakeDeviceLink link;
    dialogs::SecondaryWindowsQt windows{link};
    dialogs::Form4* viewer = nullptr;
    QWindow* window = nullptr;
};

// Notes each Tab key that reaches a window and whether that window was the
// active one then.
class TabWatcher : public QObject {
public:
    TabWatcher() { QCoreApplication::instance()->installEventFilter(this); }
    ~TabWatcher() override { QCoreApplication::instance()->removeEventFilter(this); }
    std::vector<bool> activeAtTab;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab && widget)
            activeAtTab.push_back(widget->window()->isActiveWindow());
        return false;
    }
};

TEST(InstructionsOpening, ItsTabComesOnceTheViewerIsShownAndActive) {
    TabWatcher watcher;
    fakes::FakeDeviceLink link;
    dialogs::SecondaryWindowsQt windows{link};
    windows.showInstructions();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows.instructions()));
    QCoreApplication::processEvents();
    EXPECT_EQ(watcher.activeAtTab, std::vector<bool>{true});
    EXPECT_EQ(QApplication::focusWidget(), windows.instructions());
}

TEST_F(Instructions, OpensOnTheFirstPageWithoutANumber) {
    EXPECT_EQ(current(), 1);
    EXPECT_EQ(viewer->pageCount(), 9);
    EXPECT_FALSE(number()->isVisible());
    EXPECT_EQ(viewer->size(), QSize(413, 250));
    EXPECT_TRUE(viewer->windowFlags().testFlag(Qt::FramelessWindowHint));

    key(Qt::Key_PageDown);
    EXPECT_EQ(current(), 2);
    EXPECT_TRUE(number()->isVisible());
    EXPECT_EQ(number()->text(), "2");
    EXPECT_EQ(number()->geometry().right(), 406);  // the top right corner, over the page
    EXPECT_EQ(number()->y(), 4);
    EXPECT_TRUE(number()->font().bold());
}

TEST_F(Instructions, PagesWrapRoundBothWays) {
    key(Qt::Key_End);
    ASSERT_EQ(current(), 9);
    key(Qt::Key_PageDown);
    EXPECT_EQ(current(), 1);
    EXPECT_FALSE(number()->isVisible());
    key(Qt::Key_PageUp);
    EXPECT_EQ(current(), 9);
    EXPECT_TRUE(number()->isVisible());
    EXPECT_EQ(number()->text(), "9");
}

TEST_F(Instructions, HomeAndEndActOnlyAwayFromTheirPage) {
    goTo(5);
    key(Qt::Key_Home);
    EXPECT_EQ(current(), 1);
    EXPECT_FALSE(number()->isVisible());
    key(Qt::Key_Home);
    EXPECT_EQ(current(), 1);
    goTo(3);
    key(Qt::Key_End);
    EXPECT_EQ(current(), 9);
    key(Qt::Key_End);
    EXPECT_EQ(current(), 9);
    EXPECT_EQ(number()->text(), "9");
}

TEST_F(Instructions, KeysOfTheKeyTable) {
    for (Qt::Key k : {Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Right, Qt::Key_Down}) {
        const int before = current();
        key(k);
        EXPECT_EQ(current(), before % 9 + 1) << k;
    }
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(current(), 6);
    for (Qt::Key k : {Qt::Key_PageUp, Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Up}) {
        const int before = current();
        key(k);
        EXPECT_EQ(current(), before - 1) << k;
    }
    for (Qt::Key k : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_A, Qt::Key_1, Qt::Key_F1, Qt::Key_Insert}) key(k);
    EXPECT_EQ(current(), 2);
    EXPECT_TRUE(viewer->isVisible());
}

TEST_F(Instructions, EscClosesAndTheNextOpeningStartsAtPageOne) {
    goTo(4);
    key(Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.instructions(), nullptr);
    windows.showInstructions();
    ASSERT_NE(windows.instructions(), nullptr);
    EXPECT_EQ(windows.instructions()->currentPage(), 1);
}

TEST_F(Instructions, AClickTurnsAndADragMovesWithoutTurning) {
    const QPoint start = viewer->pos();
    press(Qt::LeftButton, {100, 100});
    release(Qt::LeftButton, {100, 100});
    EXPECT_EQ(current(), 2);
    EXPECT_EQ(viewer->pos(), start);

    press(Qt::LeftButton, {100, 100});
    moveTo({140, 120});
    EXPECT_EQ(viewer->pos(), start + QPoint(40, 20));  // the pressed point stays under the pointer
    moveTo({110, 105});
    EXPECT_EQ(viewer->pos(), start + QPoint(50, 25));
    release(Qt::LeftButton, {100, 100});
    EXPECT_EQ(current(), 2);

    // A drag that ends where it began counts as a click.
    const QPoint moved = viewer->pos();
    press(Qt::LeftButton, {100, 100});
    moveTo({130, 100});
    EXPECT_EQ(viewer->pos(), moved + QPoint(30, 0));
    moveTo({70, 100});
    EXPECT_EQ(viewer->pos(), moved);
    release(Qt::LeftButton, {100, 100});
    EXPECT_EQ(current(), 3);
}

// Where the window manager makes the moves late or never, the pointer's
// events stay measured from where the window still is.
TEST_F(Instructions, ADragFollowsThePointerWhileTheWindowStaysWhereItWas) {
    const QPoint start = viewer->pos(), pressed(100, 100);
    QPoint pointer = start + pressed;
    auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, pointer - start, pointer - start, pointer, button, held, Qt::NoModifier);
        QApplication::sendEvent(page(), &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    for (int i = 0; i < 4; ++i) {
        pointer += QPoint(10, 3);
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(viewer->pos(), pointer - pressed);
    }
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(current(), 1);  // a drag all the same
}

TEST_F(Instructions, ARightClickTurnsBackEvenDuringADrag) {
    goTo(4);
    press(Qt::RightButton, {50, 50});
    release(Qt::RightButton, {50, 50});
    EXPECT_EQ(current(), 3);

    const QPoint start = viewer->pos();
    press(Qt::LeftButton, {100, 100});
    moveTo({120, 100});
    ASSERT_EQ(viewer->pos(), start + QPoint(20, 0));
    press(Qt::RightButton, {100, 100});
    moveTo({150, 130});  // both buttons held: the window stays
    EXPECT_EQ(viewer->pos(), start + QPoint(20, 0));
    release(Qt::RightButton, {150, 130});
    EXPECT_EQ(current(), 2);
    moveTo({110, 100});  // the drag goes on
    EXPECT_EQ(viewer->pos(), start + QPoint(30, 0));
    release(Qt::LeftButton, {100, 100});
    EXPECT_EQ(current(), 2);

    press(Qt::MiddleButton, {60, 60});
    release(Qt::MiddleButton, {60, 60});
    EXPECT_EQ(current(), 2);
}

TEST_F(Instructions, ADoubleClickTurnsOnePage) {
    QTest::mouseDClick(window, Qt::LeftButton, {}, {80, 80});
    EXPECT_EQ(current(), 2);
    press(Qt::LeftButton, {80, 80});
    release(Qt::LeftButton, {80, 80});
    EXPECT_EQ(current(), 3);
}

TEST_F(Instructions, APressOnThePageNumberNeitherDragsNorTurns) {
    viewer->DoNextPage();
    const QPoint onNumber = number()->geometry().center();
    const QPoint start = viewer->pos();
    press(Qt::LeftButton, onNumber);
    moveTo(onNumber + QPoint(-30, 20));
    release(Qt::LeftButton, onNumber + QPoint(-30, 20));
    EXPECT_EQ(current(), 2);
    EXPECT_EQ(viewer->pos(), start);
    press(Qt::RightButton, onNumber);
    release(Qt::RightButton, onNumber);
    EXPECT_EQ(current(), 2);
}

// Each page is drawn, and each is a page of its own.
TEST_F(Instructions, EveryPageShowsItsOwnPicture) {
    std::set<QByteArray> seen;
    for (int n = 1; n <= 9; ++n) {
        goTo(n);
        const QImage shot = page()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int ink = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (qGray(shot.pixel(x, y)) < 128) ++ink;
        EXPECT_GT(ink, 1500) << "page " << n;
        seen.insert(QByteArray(reinterpret_cast<const char*>(shot.constBits()), shot.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), 9u);
}

// A leader line starts beside its label: none runs into the text box of a
// label on its page. Leaders and labels are the elements whose ids begin
// "leader-" and "label-".
TEST(InstructionsPages, NoLeaderLineRunsIntoALabel) {
    constexpr int kZoom = 4;  // finer than a page pixel: a line close to a label is judged exactly
    const QRegularExpression named(QStringLiteral(R"re(id="((leader|label)-[^"]+)")re"));
    int leaders = 0;
    for (int n = 1; n <= 9; ++n) {
        const QString source = QStringLiteral(":/assets/pages/page%1.svg").arg(n);
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "page " << n;
        std::vector<QString> lines, labels;
        for (const QRegularExpressionMatch& m : named.globalMatch(QString::fromUtf8(file.readAll())))
            (m.captured(2) == "leader" ? lines : labels).push_back(m.captured(1));
        QSvgRenderer svg(source);
        for (const QString& line : lines) {
            ++leaders;
            QImage ink(QSize(413, 250) * kZoom, QImage::Format_ARGB32);
            ink.fill(Qt::transparent);
            QPainter painter(&ink);
            painter.scale(kZoom, kZoom);
            svg.render(&painter, line, svg.boundsOnElement(line));  // the line alone, in its place
            painter.end();
            for (const QString& label : labels) {
                const QRectF text = svg.boundsOnElement(label);
                const QRect box = QRectF(text.topLeft() * kZoom, text.size() * kZoom).toAlignedRect() & ink.rect();
                int inside = 0;
                for (int y = box.top(); y <= box.bottom(); ++y)
                    for (int x = box.left(); x <= box.right(); ++x)
                        if (qAlpha(ink.pixel(x, y)) != 0) ++inside;
                EXPECT_EQ(inside, 0) << "page " << n << ": " << line.toStdString() << " runs into "
                                     << label.toStdString();
            }
        }
    }
    EXPECT_GT(leaders, 0);
}

TEST_F(Instructions, OnTopByTheMenuAndAtTheFirstStart) {
    EXPECT_FALSE(dialogs::staysOnTop(viewer));
    const WId native = viewer->winId();
    const QPoint at = viewer->pos();
    windows.makeInstructionsTopmost();
    EXPECT_TRUE(dialogs::staysOnTop(viewer));
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->winId(), native);
    EXPECT_EQ(viewer->pos(), at);

    viewer->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    link.alwaysOnTop = true;
    windows.showInstructions();
    EXPECT_TRUE(dialogs::staysOnTop(windows.instructions()));
}

}  // namespace

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "dialogs/secondary_windows_qt.h"
#include "dialogs/window_helpers.h"
#include "platform/qt/qt_desktop.h"
#include "tests/dialogs/fake_device_link.h"
#include "tests/support/link_catcher.h"

namespace {

using Strings = std::vector<std::string>;

constexpr QRgb kNavy = 0x000080;
constexpr QRgb kPurple = 0x800080;

// Whether a widget's painted pixels hold a colour exactly (the underline of a
// link is drawn in its plain text colour).
bool painted(QWidget* w, QRgb colour) {
    const QImage shot = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if ((shot.pixel(x, y) & 0xffffff) == colour) return true;
    return false;
}

class About : public ::testing::Test {
protected:
    void SetUp() override {
        windows.showAbout();
        box = windows.about();
        ASSERT_NE(box, nullptr);
        window = box->windowHandle();
    }
    QLabel* label(const char* name) { return box->findChild<QLabel*>(name); }
    // The centre of a control in the window's coordinates.
    QPoint centre(const char* name) {
        QWidget* w = box->findChild<QWidget*>(name);
        return w->mapTo(box, w->rect().center());
    }

    fakes::FakeDeviceLink link;
    dialogs::SecondaryWindowsQt windows{link};
    dialogs::Form2* box = nullptr;
    QWindow* window = nullptr;
};

TEST_F(About, ShowsTheTitleAndTheLinksAtRest) {
    EXPECT_EQ(box->windowTitle(), "Drellok Simulator");
    EXPECT_EQ(box->size(), QSize(247, 180));
    EXPECT_EQ(label("Label1")->text(), "Drellok 2.5 (May 17, 2000)");
    EXPECT_TRUE(label("Label1")->font().bold());
    for (const char* name : {"Email", "Homepage", "Handbill"}) {
        QLabel* link = label(name);
        EXPECT_TRUE(link->font().underline()) << name;
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor) << name;
        EXPECT_TRUE(painted(link, kNavy)) << name;
        EXPECT_FALSE(painted(link, kPurple)) << name;
        // Every text stays inside the box.
        EXPECT_GE(link->mapTo(box, QPoint(0, 0)).x(), 0) << name;
        EXPECT_LE(link->mapTo(box, QPoint(link->width(), 0)).x(), box->width()) << name;
    }
    EXPECT_TRUE(label("Email")->text().endsWith("@example.com"));
    EXPECT_TRUE(label("Homepage")->text().startsWith("https://www.example.com/"));
    EXPECT_TRUE(label("Handbill")->text().startsWith("www.example.org/"));
}

TEST_F(About, ALinkIsPurpleWhileHeldAndOpensOnRelease) {
    QLabel* email = label("Email");
    QTest::mousePress(window, Qt::LeftButton, {}, centre("Email"));
    EXPECT_TRUE(painted(email, kPurple));
    EXPECT_FALSE(painted(email, kNavy));
    EXPECT_TRUE(link.shellFake.opened.empty());
    // Released after the pointer left the label: the link still opens.
    QTest::mouseMove(window, {10, 170});
    QTest::mouseRelease(window, Qt::LeftButton, {}, {10, 170});
    EXPECT_TRUE(painted(email, kNavy));
    EXPECT_FALSE(painted(email, kPurple));
    EXPECT_EQ(link.shellFake.opened, (Strings{"mailto:" + email->text().toStdString()}));
}

TEST_F(About, AnyMouseButtonOpensEachLinkItsOwnWay) {
    QTest::mousePress(window, Qt::RightButton, {}, centre("Homepage"));
    EXPECT_TRUE(painted(label("Homepage"), kPurple));
    QTest::mouseRelease(window, Qt::RightButton, {}, centre("Homepage"));
    QTest::mouseClick(window, Qt::MiddleButton, {}, centre("Handbill"));
    EXPECT_EQ(link.shellFake.opened,
              (Strings{label("Homepage")->text().toStdString(), label("Handbill")->text().toStdString()}));
    EXPECT_TRUE(painted(label("Handbill"), kNavy));
    EXPECT_TRUE(box->isVisible());  // a link that may not have opened changes nothing here
}

// The About box on the program's own shell.
class RealShellLink : public fakes::FakeDeviceLink {
public:
    forms::Shell& shell() override { return real; }
    qtplatform::QtShell real;
};

TEST(AboutOnTheDesktop, EveryLinkReachesTheDesktopsHandler) {
    fakes::LinkCatcher catcher({"http", "https", "mailto"});
    RealShellLink link;
    dialogs::SecondaryWindowsQt windows{link};
    windows.showAbout();
    dialogs::Form2* box = windows.about();
    for (const char* name : {"Email", "Homepage", "Handbill"}) {
        QWidget* label = box->findChild<QWidget*>(name);
        QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {}, label->mapTo(box, label->rect().center()));
    }
    EXPECT_EQ(catcher.opened, (Strings{"mailto:drellok@example.com", "https://www.example.com/drellok/",
                                       "http://www.example.org/handbill"}));
}

TEST_F(About, OkEnterAndEscCloseIt) {
    box->findChild<QPushButton*>("Command1")->click();
    EXPECT_FALSE(box->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Escape}) {
        windows.showAbout();
        dialogs::Form2* again = windows.about();
        ASSERT_TRUE(again->isVisible());
        QTest::keyClick(again, k);
        EXPECT_FALSE(again->isVisible()) << k;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(windows.about(), nullptr);
    }
    EXPECT_TRUE(link.shellFake.opened.empty());
}

TEST_F(About, ReadsTheOnTopMarkOnlyWhenItOpens) {
    EXPECT_FALSE(dialogs::staysOnTop(box));
    link.alwaysOnTop = true;
    windows.showAbout();  // already open: shown again, not reloaded
    EXPECT_EQ(windows.about(), box);
    EXPECT_FALSE(dialogs::staysOnTop(box));
    box->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    windows.showAbout();
    EXPECT_TRUE(dialogs::staysOnTop(windows.about()));
}

}  // namespace

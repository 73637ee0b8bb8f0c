#include "dialogs/window_helpers.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "forms/geometry.h"

namespace dialogs {

namespace {
constexpr int kPushButtonMargins = 12;
constexpr int kFrameMargin = 4;
}  // namespace

QRect twipsRect(int left, int top, int width, int height) {
    constexpr int k = forms::kTwipsPerPixel;
    return QRect(left / k, top / k, width / k, height / k);
}

void setStaysOnTop(QWidget* window, bool on) {
    // QWidget::setWindowFlag would destroy a created native window (and hide a
    // shown one); the flag is changed on the native window in place instead,
    // and the widget's copy of the flags is kept in step.
    window->winId();
    if (QWindow* handle = window->windowHandle()) handle->setFlag(Qt::WindowStaysOnTopHint, on);
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    window->overrideWindowFlags(flags);
}

bool staysOnTop(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    const bool native = handle ? handle->flags().testFlag(Qt::WindowStaysOnTopHint) : false;
    return native && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}

QFont dialogFont(bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

void fitCaption(QAbstractButton* control) {
    const QString caption = QString(control->text()).remove(QLatin1Char('&'));
    auto captionWidth = [&] { return QFontMetrics(control->font()).horizontalAdvance(caption); };
    // What a button needs beside its caption: a push button its frame and
    // margins, a check box or option button its indicator.
    const bool push = qobject_cast<QPushButton*>(control) != nullptr;
    const int decoration = push ? kPushButtonMargins : control->sizeHint().width() - captionWidth();
    // A check box or option button first grows into the free room of its
    // frame; condensing a little then reads better than a cut-off caption.
    if (!push && control->parentWidget()) {
        const int limit = control->parentWidget()->width() - control->x() - kFrameMargin;
        const int wanted = decoration + captionWidth();
        if (wanted > control->width())
            control->resize(std::max(std::min(wanted, limit), control->width()), control->height());
    }
    const int room = control->width() - decoration;
    QFont font = control->font();
    for (int stretch = 100; stretch >= 70 && captionWidth() > room; stretch -= 2) {
        font.setStretch(stretch);
        control->setFont(font);
    }
}

void placeCentred(QLabel* label, const QRect& design) {
    label->adjustSize();
    const int centre = design.x() + design.width() / 2;
    label->move(centre - label->width() / 2, design.y());
}

namespace {

// Waits for the first activation of its window, then queues the Tab behind
// the focus that the activation itself gives.
class TabOnActivation : public QObject {
public:
    explicit TabOnActivation(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::WindowActivate) {
            QCoreApplication::postEvent(window_, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
            QCoreApplication::postEvent(window_, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier));
            window_->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
};

}  // namespace

void tabOnceActive(QWidget* window) {
    new TabOnActivation(window);
}

}  // namespace dialogs

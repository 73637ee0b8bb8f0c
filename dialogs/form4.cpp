#include "dialogs/form4.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "dialogs/window_helpers.h"
#include "forms/geometry.h"
#include "forms/keys.h"
#include "platform/qt/key_map.h"
#include "platform/qt/picture_renderer.h"

namespace dialogs {

namespace {

constexpr float kTwips = static_cast<float>(forms::kTwipsPerPixel);

}  // namespace

PagePicture::PagePicture(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void PagePicture::setPage(const QPixmap& page) {
    page_ = page;
    update();
}

void PagePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!page_.isNull()) painter.drawPixmap(0, 0, page_);
}

Form4::Form4(DeviceLink& link) : QWidget(nullptr), link_(link) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Drellok Instructions"));
    setWindowIcon(qtplatform::PictureRenderer::icon());
    setFixedSize(kWidth, kHeight);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    Picture1 = new PagePicture(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(0, 0, kWidth, kHeight);
    Picture1->installEventFilter(this);

    // The page number lies above the page; a press on it reaches the window,
    // not the page, so it neither drags nor turns.
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(dialogFont(true));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label1->setAutoFillBackground(true);
    Label1->setPalette(p);
    Label1->setFocusPolicy(Qt::NoFocus);
    Label1->hide();

    centreOnScreen(this);
    Form_Load();
}

void Form4::Form_Load() {
    CurrentPage = 1;
    PageCount = 9;
    Picture1->setPage(PageNo(CurrentPage - 1));
    Dragging = false;
    tabOnceActive(this);
    setStaysOnTop(this, link_.alwaysOnTopChecked());
}

const QPixmap& Form4::PageNo(int index) {
    QPixmap& page = pages_[static_cast<size_t>(index)];
    const qreal dpr = devicePixelRatioF();
    if (page.isNull() || page.devicePixelRatio() != dpr) {
        QImage image(QSize(kWidth, kHeight) * dpr, QImage::Format_RGB32);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::white);
        // A page that does not render stays a white page.
        QSvgRenderer svg(QStringLiteral(":/assets/pages/page%1.svg").arg(index + 1));
        if (svg.isValid()) {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            svg.render(&painter, QRectF(0, 0, kWidth, kHeight));
        }
        page = QPixmap::fromImage(image);
    }
    return page;
}

void Form4::showPage() {
    Picture1->setPage(PageNo(CurrentPage - 1));
    Label1->setText(QString::number(CurrentPage));
    Label1->adjustSize();
    // Right-aligned: the number keeps its right edge where the design puts it.
    const QRect design = twipsRect(6045, 60, 60, 210);
    Label1->move(design.right() + 1 - Label1->width(), design.y());
    Label1->setVisible(CurrentPage != 1);
}

void Form4::DoNextPage() {
    ++CurrentPage;
    if (CurrentPage > PageCount) CurrentPage = 1;
    showPage();
}

void Form4::DoPreviousPage() {
    --CurrentPage;
    if (CurrentPage < 1) CurrentPage = PageCount;
    showPage();
}

void Form4::keyPressEvent(QKeyEvent* event) {
    Form_KeyDown(qtplatform::virtualKey(*event), qtplatform::shiftState(event->modifiers()));
}

void Form4::Form_KeyDown(int16_t keyCode, int16_t) {
    namespace vk = forms::vk;
    switch (keyCode) {
        case vk::Next:
        case vk::Return:
        case vk::Right:
        case vk::Down: DoNextPage(); break;
        case vk::Prior:
        case vk::Back:
        case vk::Left:
        case vk::Up: DoPreviousPage(); break;
        case vk::Home:
            if (CurrentPage > 1) {
                CurrentPage = 0;
                DoNextPage();
            }
            break;
        case vk::End:
            if (CurrentPage < PageCount) {
                CurrentPage = static_cast<int16_t>(PageCount - 1);
                DoNextPage();
            }
            break;
        case vk::Escape: close(); break;
        default: break;
    }
}

float Form4::left() const {
    return static_cast<float>(shown_.topLeft().x()) * kTwips;
}

float Form4::top() const {
    return static_cast<float>(shown_.topLeft().y()) * kTwips;
}

void Form4::DoMouseDown(int16_t button, float x, float y) {
    if (button != 1 || Dragging) return;
    DragX = x;
    DragY = y;
    DragLeft = left();
    DragTop = top();
    draggedTo_ = shown_.topLeft();
    Dragging = true;
}

void Form4::DoMouseMove(int16_t button, float x, float y) {
    if (button != 1 || !Dragging) return;
    const float newTop = y - DragY + top();
    const float newLeft = x - DragX + left();
    draggedTo_ = QPoint(qRound(newLeft / kTwips), qRound(newTop / kTwips));
    move(draggedTo_);
    // Let the window repaint and other events (the device's tick) run.
    QCoreApplication::processEvents();
}

void Form4::DoMouseUp(int16_t button) {
    if (button == 1) {
        if (!Dragging) return;
        Dragging = false;
        // A click that left the window where it was turns the page; a drag does not.
        if (static_cast<float>(draggedTo_.x()) * kTwips == DragLeft &&
            static_cast<float>(draggedTo_.y()) * kTwips == DragTop)
            DoNextPage();
    } else if (button == 2) {
        DoPreviousPage();
    }
}

bool Form4::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Picture1) return QWidget::eventFilter(watched, event);
    if (auto* e = dynamic_cast<QMouseEvent*>(event)) shown_.pointer(*Picture1, *e);
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            DoMouseDown(qtplatform::mouseButton(e->button()), static_cast<float>(e->position().x()) * kTwips,
                        static_cast<float>(e->position().y()) * kTwips);
            return true;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            DoMouseMove(qtplatform::mouseButtons(e->buttons()), static_cast<float>(e->position().x()) * kTwips,
                        static_cast<float>(e->position().y()) * kTwips);
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            DoMouseUp(qtplatform::mouseButton(e->button()));
            return true;
        }
        case QEvent::MouseButtonDblClick:
            // The second press of a double-click is no press of the page: its
            // release follows as usual.
            return true;
        default: return QWidget::eventFilter(watched, event);
    }
}

void Form4::closeEvent(QCloseEvent* event) {
    hide();
    event->accept();
}

}  // namespace dialogs

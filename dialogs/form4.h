#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>

#include "dialogs/device_link.h"
#include "platform/qt/shown_place.h"

class QLabel;

namespace dialogs {

// The page picture of the Instructions viewer: it fills the window and takes
// the mouse.
class PagePicture : public QWidget {
    Q_OBJECT

public:
    explicit PagePicture(QWidget* parent);
    void setPage(const QPixmap& page);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap page_;
};

// The Instructions viewer: nine pictured pages in a borderless window, turned
// by keys and clicks, dragged by the page and closed with Esc.
class Form4 : public QWidget {
    Q_OBJECT

public:
    explicit Form4(DeviceLink& link);

    static constexpr int kWidth = 413;
    static constexpr int kHeight = 250;

    void DoNextPage();
    void DoPreviousPage();
    int16_t currentPage() const { return CurrentPage; }
    int16_t pageCount() const { return PageCount; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_KeyDown(int16_t keyCode, int16_t shift);
    void DoMouseDown(int16_t button, float x, float y);
    void DoMouseMove(int16_t button, float x, float y);
    void DoMouseUp(int16_t button);
    void showPage();
    const QPixmap& PageNo(int index);
    // Where the window is shown, in twips, as the page's last mouse event
    // measured it: only the drag reads it.
    float left() const;
    float top() const;

    DeviceLink& link_;
    PagePicture* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QPixmap, 9> pages_;
    qtplatform::ShownPlace shown_{*this};
    // Where the drag last asked the window to go: a drag that the window
    // manager has not followed (yet) is still no click.
    QPoint draggedTo_;

    bool Dragging = false;
    float DragX = 0;
    float DragY = 0;
    float DragLeft = 0;
    float DragTop = 0;
    int16_t CurrentPage = 1;
    int16_t PageCount = 9;
};

}  // namespace dialogs

// The baselines that bench/idle.sh measures the program against: a bare Qt
// window of the device's size with the device's precise 50 ms tick and one
// small repaint a second, and nothing else; with --text it also draws one
// line of text, which loads the fonts any window with text needs.
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTime>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
public:
    explicit BareWindow(bool text) : text_(text) {
        setWindowFlag(Qt::FramelessWindowHint);
        setWindowTitle(text ? QStringLiteral("Text window") : QStringLiteral("Bare window"));
        setFixedSize(333, 198);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
        timer_.start(50);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        p.fillRect(event->rect(), QColor(150, 160, 140));
        if (text_) p.drawText(QPoint(12, 24), QStringLiteral("GAME A  GAME B  TIME  ALARM"));
        if (second_ % 2 == 0) p.fillRect(kMark, QColor(40, 40, 40));
    }

private:
    static constexpr QRect kMark{179, 52, 3, 13};

    void tick() {
        const int s = QTime::currentTime().second();
        if (s == second_) return;
        second_ = s;
        update(kMark);
    }

    bool text_;
    QTimer timer_;
    int second_ = -1;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window(QApplication::arguments().contains(QStringLiteral("--text")));
    window.show();
    return app.exec();
}

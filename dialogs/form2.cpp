#include "dialogs/form2.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <utility>

#include "dialogs/window_helpers.h"
#include "platform/qt/picture_renderer.h"

namespace dialogs {

LinkLabel::LinkLabel(const QString& caption, std::function<void()> open, QWidget* parent)
    : QLabel(caption, parent), open_(std::move(open)) {
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    setTextColour(kRestColour);
}

QColor LinkLabel::textColour() const {
    return palette().color(QPalette::WindowText);
}

void LinkLabel::setTextColour(QRgb colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(colour));
    setPalette(p);
}

// Any mouse button works a link; the release opens it wherever the pointer is
// by then (the label keeps the mouse from its press on).
void LinkLabel::mousePressEvent(QMouseEvent* event) {
    setTextColour(kPressedColour);
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    setTextColour(kRestColour);
    event->accept();
    if (open_) open_();
}

Form2::Form2(DeviceLink& link) : QDialog(nullptr), link_(link) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Drellok Simulator"));
    setWindowIcon(qtplatform::PictureRenderer::icon());
    setFont(dialogFont());
    setFixedSize(247, 180);

    Label1 = new QLabel(QStringLiteral("Drellok 2.5 (May 17, 2000)"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(dialogFont(true));
    placeCentred(Label1, twipsRect(615, 30, 2370, 195));

    Label2 = new QLabel(QStringLiteral("By the Drellok Simulator team"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    placeCentred(Label2, twipsRect(780, 255, 2085, 210));

    Email = new LinkLabel(
        QStringLiteral("drellok@example.com"), [this] { openLink("mailto:" + Email->text().toStdString()); }, this);
    Email->setObjectName(QStringLiteral("Email"));
    placeCentred(Email, twipsRect(1095, 495, 1455, 210));

    Homepage = new LinkLabel(
        QStringLiteral("https://www.example.com/drellok/"), [this] { openLink(Homepage->text().toStdString()); }, this);
    Homepage->setObjectName(QStringLiteral("Homepage"));
    placeCentred(Homepage, twipsRect(885, 720, 1890, 210));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipsRect(90, 945, 3540, 1275));

    Label3 = new QLabel(QStringLiteral("Special thanks to"), Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    placeCentred(Label3, twipsRect(1095, 195, 1245, 210));

    Label4 = new QLabel(QStringLiteral("our tester, the first to score 999"), Frame1);
    Label4->setObjectName(QStringLiteral("Label4"));
    placeCentred(Label4, twipsRect(105, 420, 3315, 210));

    Handbill = new LinkLabel(
        QStringLiteral("www.example.org/handbill"), [this] { openLink(Handbill->text().toStdString()); }, Frame1);
    Handbill->setObjectName(QStringLiteral("Handbill"));
    placeCentred(Handbill, twipsRect(360, 645, 2700, 210));

    Label5 = new QLabel(QStringLiteral("for the leaflet and its pictures"), Frame1);
    Label5->setObjectName(QStringLiteral("Label5"));
    placeCentred(Label5, twipsRect(120, 975, 3285, 210));

    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(2640, 2295, 975, 345));
    Command1->setDefault(true);
    Command1->setFocus();
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    centreOnScreen(this);
    Form_Load();
}

void Form2::Form_Load() {
    setStaysOnTop(this, link_.alwaysOnTopChecked());
}

void Form2::Command1_Click() {
    close();
}

void Form2::closeEvent(QCloseEvent* event) {
    hide();
    event->accept();
}

void Form2::reject() {
    Command1_Click();
}

// The shell's answer is not looked at: a link that cannot be opened does nothing.
void Form2::openLink(const std::string& target) {
    link_.shell().open(target);
}

}  // namespace dialogs

#include "dialogs/form3.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <algorithm>
#include <optional>
#include <string>

#include "dialogs/window_helpers.h"
#include "forms/convert.h"
#include "platform/qt/picture_renderer.h"

namespace dialogs {

namespace {

// The scroll value that shows a stored speed. The store normally holds a whole
// number of milliseconds from 1 to 441; anything else is still shown rather
// than refused: a text that is no number as the row's first-start speed, a
// speed off the scale at the nearer end.
int scrollValueForSpeed(const std::string& text, int defaultValue) {
    const std::optional<double> speed = forms::parseNumber(text);
    if (!speed) return defaultValue;
    const double value = forms::roundHalfEven(Form3::kMax - *speed + 1);
    return static_cast<int>(std::clamp(value, 0.0, static_cast<double>(Form3::kMax)));
}

// A horizontal scroll bar whose Left and Right keys step toward their own
// side (Qt's scroll bars swap them when horizontal).
class SpeedBar : public QScrollBar {
public:
    explicit SpeedBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && event->key() == Qt::Key_Left)
            triggerAction(SliderSingleStepSub);
        else if (plain && event->key() == Qt::Key_Right)
            triggerAction(SliderSingleStepAdd);
        else
            QScrollBar::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        if (!hasFocus()) return;
        // The styles leave a focused scroll bar unmarked, yet the arrow keys
        // move it: it gets the style's own focus frame, steady, and also
        // after a click has given it the focus.
        QStylePainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.state |= QStyle::State_KeyboardFocusChange;
        option.backgroundColor = palette().color(QPalette::Window);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
};

// Each style draws a frame's line at its own height; Qt's usual one puts the
// title above the line. A label meant for the gap between the line and the
// bars goes there when it fits, else level with the frame's title.
void placeClearOfFrameLine(QLabel* label, QGroupBox* frame, int barTop) {
    frame->ensurePolished();
    const int contentsTop = frame->contentsRect().top();
    if (contentsTop + label->height() <= barTop) {
        label->move(label->x(), std::max(label->y(), contentsTop));
        return;
    }
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.textAlignment = frame->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    label->move(label->x(), std::max(0, title.top() + (title.height() - label->height()) / 2));
}

}  // namespace

Form3::Form3(DeviceLink& link) : QDialog(nullptr), link_(link) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Drellok Options"));
    setWindowIcon(qtplatform::PictureRenderer::icon());
    setFont(dialogFont());
    setFixedSize(438, 212);
    buildControls();
    centreOnScreen(this);
    Form_Load();
}

void Form3::buildControls() {
    Frame1 = new QGroupBox(QStringLiteral("S&peed"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipsRect(75, 45, 6405, 1500));

    // The labels go in first so that the scroll bars lie above them.
    GameASpeed = new QLabel(QStringLiteral("Game A"), Frame1);
    GameASpeed->setObjectName(QStringLiteral("GameASpeed"));
    GameASpeed->move(twipsRect(120, 450, 570, 210).topLeft());
    Label1 = new QLabel(QStringLiteral("Slow"), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(twipsRect(1305, 165, 345, 210).topLeft());
    Label2 = new QLabel(QStringLiteral("Fast"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(twipsRect(5910, 150, 300, 210).topLeft());
    GameBSpeed = new QLabel(QStringLiteral("Game B"), Frame1);
    GameBSpeed->setObjectName(QStringLiteral("GameBSpeed"));
    GameBSpeed->move(twipsRect(120, 780, 570, 210).topLeft());
    DiverSpeed = new QLabel(QStringLiteral("Diver"), Frame1);
    DiverSpeed->setObjectName(QStringLiteral("DiverSpeed"));
    DiverSpeed->move(twipsRect(135, 1110, 375, 210).topLeft());
    for (QLabel* label : {GameASpeed, Label1, Label2, GameBSpeed, DiverSpeed}) label->adjustSize();
    // "Fast" stands above the right end of the bars whatever its width.
    const QRect fastDesign = twipsRect(5910, 150, 300, 210);
    Label2->move(fastDesign.right() + 1 - Label2->width(), fastDesign.y());

    auto makeBar = [this](const char* name, int top, int designValue) {
        auto* bar = new SpeedBar(Frame1);
        bar->setObjectName(QString::fromLatin1(name));
        bar->setGeometry(twipsRect(1305, top, 4920, 255));
        bar->setRange(0, kMax);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setValue(designValue);
        bar->setFocusPolicy(Qt::StrongFocus);
        return bar;
    };
    HScroll1 = makeBar("HScroll1", 435, 221);
    HScroll2 = makeBar("HScroll2", 765, 271);
    HScroll3 = makeBar("HScroll3", 1095, 141);
    for (QLabel* label : {Label1, Label2}) placeClearOfFrameLine(label, Frame1, HScroll1->y());

    Frame2 = new QGroupBox(QStringLiteral("&Sound"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(twipsRect(75, 1605, 1035, 1050));
    SoundOn = new QRadioButton(QStringLiteral("On"), Frame2);
    SoundOn->setObjectName(QStringLiteral("SoundOn"));
    SoundOn->setGeometry(twipsRect(105, 360, 555, 210));
    SoundOff = new QRadioButton(QStringLiteral("Off"), Frame2);
    SoundOff->setObjectName(QStringLiteral("SoundOff"));
    SoundOff->setGeometry(twipsRect(120, 675, 555, 210));

    Frame3 = new QGroupBox(QStringLiteral("&Other"), this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setGeometry(twipsRect(1260, 1605, 5220, 1050));
    Check1 = new QCheckBox(QStringLiteral("&Automatically show main window when alarm time is reached"), Frame3);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(twipsRect(135, 300, 4695, 315));
    Check2 = new QCheckBox(QStringLiteral("Always on &top"), Frame3);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setGeometry(twipsRect(135, 630, 1365, 315));

    auto makeButton = [this](const char* name, const QString& caption, int left) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(twipsRect(left, 2745, 975, 345));
        return button;
    };
    Command1 = makeButton("Command1", QStringLiteral("&OK"), 2220);
    Command2 = makeButton("Command2", QStringLiteral("&Cancel"), 3300);
    Command3 = makeButton("Command3", QStringLiteral("&Apply"), 4395);
    Command4 = makeButton("Command4", QStringLiteral("&Default"), 5490);
    Command1->setDefault(true);
    Command3->setEnabled(false);

    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{SoundOn, SoundOff, Check1, Check2, Command1,
                                                                      Command2, Command3, Command4})
        fitCaption(b);

    setTabOrder(HScroll1, HScroll2);
    setTabOrder(HScroll2, HScroll3);
    setTabOrder(HScroll3, SoundOn);
    setTabOrder(SoundOn, SoundOff);
    setTabOrder(SoundOff, Check1);
    setTabOrder(Check1, Check2);
    setTabOrder(Check2, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);

    rows_[0] = SpeedRow{HScroll1, GameASpeed, "Game A Speed", "Game A (", 221, 0};
    rows_[1] = SpeedRow{HScroll2, GameBSpeed, "Game B Speed", "Game B (", 271, 0};
    rows_[2] = SpeedRow{HScroll3, DiverSpeed, "Diver Speed", "Diver (", 141, 0};
    for (SpeedRow& row : rows_) {
        SpeedRow* r = &row;
        // A value that changes while the thumb is dragged is a Scroll; any
        // other change (arrows, track, keys, code) is a Change, and so is the
        // thumb's release on a new value.
        connect(row.bar, &QScrollBar::valueChanged, this, [this, r] {
            if (r->bar->isSliderDown())
                HScroll_Scroll(*r);
            else
                HScroll_Change(*r);
        });
        connect(row.bar, &QScrollBar::sliderPressed, this, [r] { r->pressValue = r->bar->value(); });
        connect(row.bar, &QScrollBar::sliderReleased, this, [this, r] {
            if (r->bar->value() != r->pressValue) HScroll_Change(*r);
        });
    }
    connect(SoundOn, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SoundOn_Click();
    });
    connect(SoundOff, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SoundOff_Click();
    });
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(Check2, &QCheckBox::toggled, this, [this] { Check2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
}

void Form3::Form_Load() {
    setStaysOnTop(this, link_.alwaysOnTopChecked());
    forms::SettingsStore& settings = link_.settings();
    for (SpeedRow& row : rows_) row.bar->setValue(scrollValueForSpeed(settings.get(row.key), row.defaultValue));
    Command3->setEnabled(false);
    for (SpeedRow& row : rows_) writeLabel(row);
    if (link_.soundChecked())
        SoundOn->setChecked(true);
    else
        SoundOff->setChecked(true);
    if (forms::toBoolean(settings.get("Auto Show"), false)) Check1->setChecked(true);
    if (forms::toBoolean(settings.get("Always on Top"), false)) Check2->setChecked(true);
    tabOnceActive(this);
    Command3->setEnabled(false);
}

void Form3::Form_Unload() {
    hide();
}

void Form3::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void Form3::reject() {
    Command2_Click();
}

void Form3::writeLabel(SpeedRow& row) {
    row.label->setText(QString::fromLatin1(row.prefix) + QString::number(row.bar->value() + 1) + QLatin1Char(')'));
    row.label->adjustSize();
}

void Form3::HScroll_Change(SpeedRow& row) {
    writeLabel(row);
    Command3->setEnabled(true);
}

void Form3::HScroll_Scroll(SpeedRow& row) {
    writeLabel(row);
}

void Form3::SoundOn_Click() {
    Command3->setEnabled(true);
    SoundOn->setChecked(true);
    SoundOff->setChecked(false);
}

void Form3::SoundOff_Click() {
    Command3->setEnabled(true);
    SoundOn->setChecked(false);
    SoundOff->setChecked(true);
}

void Form3::Check1_Click() {
    Command3->setEnabled(true);
}

void Form3::Check2_Click() {
    Command3->setEnabled(true);
}

void Form3::Command1_Click() {
    Command3_Click();
    close();
}

void Form3::Command2_Click() {
    close();
}

void Form3::Command3_Click() {
    Command3->setEnabled(false);
    forms::SettingsStore& settings = link_.settings();
    for (const SpeedRow& row : rows_) settings.write(row.key, forms::numberText(kMax - row.bar->value() + 1));
    link_.DoCheckSpeed();

    const bool sound = SoundOn->isChecked();
    settings.write("Sound", forms::booleanText(sound));
    link_.setSoundChecked(sound);

    const bool autoShow = Check1->isChecked();
    link_.setAutoShowChecked(autoShow);
    settings.write("Auto Show", forms::booleanText(autoShow));

    // Only the device window follows at once; this dialog and the other open
    // windows keep the z-order they were loaded with.
    const bool onTop = Check2->isChecked();
    link_.setAlwaysOnTopChecked(onTop);
    settings.write("Always on Top", forms::booleanText(onTop));
    link_.setDeviceTopmost(onTop);
}

void Form3::Command4_Click() {
    HScroll1->setValue(221);
    HScroll2->setValue(271);
    HScroll3->setValue(141);
    SoundOn->setChecked(true);
    SoundOff->setChecked(false);
    Check1->setChecked(true);
    Check2->setChecked(true);
    Command3->setEnabled(true);
}

}  // namespace dialogs

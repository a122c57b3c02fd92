// The exam window's controls at their design sizes (client area 1027 × 717, shown maximised).
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "exam/exam_pictures.h"
#include "exam/exam_window.h"
#include "exam/face_button.h"
#include "pageview/web_page_view.h"
#include "ui/picture_button.h"

namespace exam {

namespace {

constexpr QSize kClientSize(1027, 717);
constexpr int kTopStripHeight = 88;
constexpr int kBottomStripHeight = 132;
constexpr int kRightColumnWidth = 247;
constexpr int kCaptionHeight = 28;
const QColor kCaptionBlue(10, 36, 106);
const QColor kCream(255, 251, 240);
const QColor kSkyBlue(166, 202, 240);

void fill(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
}

QLabel* legendPanel(QWidget* parent, const QString& caption, const QColor& colour, int x) {
    auto* panel = new QLabel(caption, parent);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(x, 10, 60, 22);
    fill(panel, colour);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::WindowText, colour.lightness() < 140 ? Qt::white : Qt::black);
    panel->setPalette(colours);
    return panel;
}

}  // namespace

void TForm4::createRegions() {
    resize(kClientSize);
    auto* windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->setSpacing(0);
    windowLayout->addWidget(createCaptionStrip());

    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("Panel1"));
    top->setFixedHeight(kTopStripHeight);
    fill(top, kCream);
    ui_.GroupBox1 = new QGroupBox(QStringLiteral("考场信息"), top);
    ui_.GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    QFont bold = ui_.GroupBox1->font();
    bold.setBold(true);
    ui_.GroupBox1->setFont(bold);
    ui_.Label10 = new QLabel(
        QStringLiteral("所在教室：01教室        当前场次：测试考点第一场        座位号：0001号\n\n"
                       "姓名：测试考生        准考证号：0000001        包括专业：测试专业"),
        ui_.GroupBox1);
    ui_.Label10->setObjectName(QStringLiteral("Label10"));
    QFont plain = ui_.Label10->font();
    plain.setBold(false);
    ui_.Label10->setFont(plain);
    auto* groupLayout = new QVBoxLayout(ui_.GroupBox1);
    groupLayout->setContentsMargins(12, 4, 12, 4);
    groupLayout->addWidget(ui_.Label10);
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(8, 2, 8, 4);
    topLayout->addWidget(ui_.GroupBox1);
    windowLayout->addWidget(top);

    auto* body = new QWidget(this);
    auto* bodyLayout = new QHBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->setSpacing(0);
    auto* left = new QWidget(body);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    ui_.WebBrowser1 = new pageview::WebPageView(left);
    ui_.WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    leftLayout->addWidget(ui_.WebBrowser1, 1);
    leftLayout->addWidget(createBottomStrip(left));
    bodyLayout->addWidget(left, 1);
    createRightColumn(body);
    bodyLayout->addWidget(ui_.ScrollBox1);
    windowLayout->addWidget(body, 1);
}

// The caption: the window's title and its only border icon, the close box. Dragging or
// double-clicking it does nothing, so the window stays where it is.
QWidget* TForm4::createCaptionStrip() {
    ui_.CaptionStrip = new QWidget(this);
    ui_.CaptionStrip->setObjectName(QStringLiteral("CaptionStrip"));
    ui_.CaptionStrip->setFixedHeight(kCaptionHeight);
    fill(ui_.CaptionStrip, kCaptionBlue);
    auto* title = new QLabel(windowTitle(), ui_.CaptionStrip);
    title->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    auto* closeBox = new QToolButton(ui_.CaptionStrip);
    closeBox->setObjectName(QStringLiteral("CloseBox"));
    closeBox->setText(QStringLiteral("✕"));
    closeBox->setToolTip(QStringLiteral("关闭"));
    closeBox->setFocusPolicy(Qt::NoFocus);
    closeBox->setAutoRaise(true);
    closeBox->setStyleSheet(
        QStringLiteral("QToolButton { color: white; font-weight: bold; }"
                       "QToolButton:hover { background: rgb(200, 40, 40); }"));
    closeBox->setFixedSize(36, kCaptionHeight - 4);
    connect(closeBox, &QToolButton::clicked, this, &QDialog::close);
    auto* layout = new QHBoxLayout(ui_.CaptionStrip);
    layout->setContentsMargins(8, 2, 2, 2);
    layout->addWidget(title);
    layout->addStretch(1);
    layout->addWidget(closeBox);
    return ui_.CaptionStrip;
}

QWidget* TForm4::createBottomStrip(QWidget* parent) {
    auto* strip = new QWidget(parent);
    strip->setObjectName(QStringLiteral("Panel2"));
    strip->setFixedHeight(kBottomStripHeight);
    fill(strip, kSkyBlue);
    auto* stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(20, 14, 20, 14);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(24);
    ui_.BitBtn1 = addPictureButton(strip, QStringLiteral("上一题"), QStringLiteral("BitBtn1"),
                                   pictures::kPreviousButton);
    ui_.BitBtn2 = addPictureButton(strip, QStringLiteral("下一题"), QStringLiteral("BitBtn2"),
                                   pictures::kNextButton);
    ui_.BitBtn3 = addPictureButton(strip, QStringLiteral("计算器"), QStringLiteral("BitBtn3"),
                                   pictures::kCalculatorButton);
    ui_.BitBtn5 = addPictureButton(strip, QStringLiteral("交 卷"), QStringLiteral("BitBtn5"),
                                   pictures::kHandInButton);
    ui_.BitBtn4 = addPictureButton(strip, QStringLiteral("帮 助（3）"), QStringLiteral("BitBtn4"),
                                   pictures::kHelpButton);
    ui_.BitBtn4->hide();
    for (ui::PictureButton* button :
         {ui_.BitBtn1, ui_.BitBtn2, ui_.BitBtn3, ui_.BitBtn5, ui_.BitBtn4})
        buttons->addWidget(button);
    ui_.RecordButton = new QPushButton(QStringLiteral("学习记录"), strip);
    ui_.RecordButton->setObjectName(QStringLiteral("RecordButton"));
    ui_.RecordButton->setFocusPolicy(Qt::StrongFocus);
    ui_.RecordButton->hide();
    buttons->addWidget(ui_.RecordButton);
    buttons->addStretch(1);
    stripLayout->addLayout(buttons);

    auto* status = new QHBoxLayout;
    status->setSpacing(4);
    const auto label = [strip](const QString& text, const QString& name) {
        auto* created = new QLabel(text, strip);
        created->setObjectName(name);
        return created;
    };
    ui_.Label7 =
        label(QStringLiteral("考试总时间是90分钟，剩余时间是："), QStringLiteral("Label7"));
    ui_.Label9 = label(QStringLiteral("90"), QStringLiteral("Label9"));
    QFont emphasis = ui_.Label9->font();
    emphasis.setBold(true);
    ui_.Label9->setFont(emphasis);
    ui_.Label9->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
    ui_.Label8 = label(QStringLiteral("分钟"), QStringLiteral("Label8"));
    ui_.Label4 = label(QStringLiteral("总题数："), QStringLiteral("Label4"));
    ui_.ProgressBar1 = new QProgressBar(strip);
    ui_.ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    // A plain bar at 0 until the paper is drawn: a range of 0 to 0 would show Qt's busy
    // animation, which repaints the whole window for ever.
    ui_.ProgressBar1->setRange(0, 1);
    ui_.ProgressBar1->setValue(0);
    ui_.ProgressBar1->setTextVisible(false);
    ui_.ProgressBar1->setFixedSize(220, 18);
    ui_.Label6 = label(QStringLiteral("0"), QStringLiteral("Label6"));
    ui_.Label5 = label(QStringLiteral("/0"), QStringLiteral("Label5"));
    for (QWidget* widget : std::initializer_list<QWidget*>{ui_.Label7, ui_.Label9, ui_.Label8})
        status->addWidget(widget);
    status->addSpacing(48);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ui_.Label4, ui_.ProgressBar1, ui_.Label6, ui_.Label5})
        status->addWidget(widget);
    status->addStretch(1);
    stripLayout->addLayout(status);
    return strip;
}

void TForm4::createRightColumn(QWidget* parent) {
    ui_.ScrollBox1 = new QScrollArea(parent);
    ui_.ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ui_.ScrollBox1->setFixedWidth(kRightColumnWidth);
    ui_.ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui_.ScrollBox1->setFrameShape(QFrame::NoFrame);
    fill(ui_.ScrollBox1, kSkyBlue);
    numberPanel_ = new QWidget;
    numberPanel_->setObjectName(QStringLiteral("NumberPanel"));
    fill(numberPanel_, kSkyBlue);
    numberPanel_->resize(kRightColumnWidth - 20, 60);
    ui_.Label1 =
        legendPanel(numberPanel_, QStringLiteral("已答"), colourOf(ButtonColour::Blue), 10);
    ui_.Label2 = legendPanel(numberPanel_, QStringLiteral("在答"), colourOf(ButtonColour::Red), 80);
    ui_.Label3 =
        legendPanel(numberPanel_, QStringLiteral("未答"), colourOf(ButtonColour::Face), 150);
    ui_.Label1->setObjectName(QStringLiteral("Label1"));
    ui_.Label2->setObjectName(QStringLiteral("Label2"));
    ui_.Label3->setObjectName(QStringLiteral("Label3"));
    ui_.ScrollBox1->setWidget(numberPanel_);
    ui_.ScrollBox1->setWidgetResizable(false);
}

ui::PictureButton* TForm4::addPictureButton(QWidget* parent, const QString& label,
                                            const QString& name,
                                            const pictures::ButtonFaces& faces) {
    ui::PictureButton* button =
        createFaceButton(parent, name, label, context_.places.programDir, faces);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

}  // namespace exam

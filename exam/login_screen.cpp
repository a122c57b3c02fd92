#include "exam/login_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "exam/exam_pictures.h"

namespace exam {

namespace {

// Designed block from the title down to the two cards; it sits a little above the middle.
constexpr int kTitleHeight = 46;
constexpr int kPanelTop = 74;   // below the block's top
constexpr int kFieldTop = 32;   // below the panel's top, where the panel draws the field box
constexpr int kButtonTop = 90;  // below the panel's top
constexpr int kCardsGap = 24;
constexpr int kBlockHeight = kPanelTop + 154 + kCardsGap + 253;
constexpr QSize kButtonSize(96, 34);
constexpr int kButtonGap = 20;

const QString kPrimaryButton = QStringLiteral(
    "QPushButton { color: white; font-weight: bold; font-size: 15px;"
    " border: 1px solid rgb(13, 92, 120); border-radius: 4px;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2fb0bf, stop:1 #14809a); }"
    "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
    " stop:0 #44c4d0, stop:1 #1a93aa); }"
    "QPushButton:pressed { background: #0f6a82; padding-top: 2px; }");
const QString kSecondaryButton = QStringLiteral(
    "QPushButton { color: rgb(22, 70, 120); font-weight: bold; font-size: 15px;"
    " border: 1px solid rgb(120, 156, 196); border-radius: 4px;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e2ebf5); }"
    "QPushButton:hover { background: #f2f8fd; border-color: rgb(40, 132, 170); }"
    "QPushButton:pressed { background: #d3e1ef; padding-top: 2px; }");

QPushButton* createButton(QWidget* parent, const QString& name, const QString& text,
                          const QString& style) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setStyleSheet(style);
    button->setCursor(Qt::PointingHandCursor);
    button->resize(kButtonSize);
    return button;
}

}  // namespace

TForm2::TForm2(const ExamContext& context, std::function<void()> showCandidateScreen,
               QWidget* parent)
    : ExamScreen(context.places.programDir, pictures::kLoginBackground, parent),
      showCandidateScreen_(std::move(showCandidateScreen)) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("考场登录"));
    Image1 = background();

    Label1 = new QLabel(QStringLiteral("卫生专业技术资格考试"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(pixelFont(32));
    Label1->setStyleSheet(QStringLiteral("color: white;"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->resize(380, kTitleHeight);

    Image2 = addPicture(QStringLiteral("Image2"), pictures::kLoginPanel, pictures::kLoginPanelSize);
    Image3 = addPicture(QStringLiteral("Image3"), pictures::kLoginNotice, pictures::kLoginCardSize);
    Image4 = addPicture(QStringLiteral("Image4"), pictures::kLoginGuide, pictures::kLoginCardSize);
    createPanelControls();
}

void TForm2::createPanelControls() {
    Label2 = new QLabel(QStringLiteral("准考证号："), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(pixelFont(15, true));
    Label2->setStyleSheet(QStringLiteral("color: rgb(29, 59, 92);"));
    Label2->resize(76, 28);

    Edit1 = new QLineEdit(QStringLiteral("00000000001"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFrame(false);
    Edit1->setFont(pixelFont(16));
    Edit1->setStyleSheet(
        QStringLiteral("QLineEdit { background: white; color: rgb(29, 43, 58); }"));
    Edit1->resize(222, 28);

    RzBitBtn1 =
        createButton(this, QStringLiteral("RzBitBtn1"), QStringLiteral("登录考场"), kPrimaryButton);
    RzBitBtn1->setDefault(true);  // Return in the admission number logs in
    RzBitBtn2 = createButton(this, QStringLiteral("RzBitBtn2"), QStringLiteral("退出考场"),
                             kSecondaryButton);
    RzBitBtn2->setAutoDefault(false);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TForm2::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TForm2::RzBitBtn2Click);
}

// Horizontal places follow the middle of the screen, H = W / 2; the block is centred vertically.
void TForm2::placeControls(const QSize& screenSize) {
    const int h = screenSize.width() / 2;
    const int top = std::max(16, (screenSize.height() - kBlockHeight) / 2 - 16);
    const int panelTop = top + kPanelTop;
    const int cardsTop = panelTop + pictures::kLoginPanelSize.height() + kCardsGap;
    Label1->move(h - 190, top);
    Image2->move(h - 303, panelTop);
    Image3->move(h - 303, cardsTop);
    Image4->move(h + 10, cardsTop);
    Label2->move(h - 77, panelTop + kFieldTop);
    Edit1->move(h, panelTop + kFieldTop);
    RzBitBtn1->move(h - 77, panelTop + kButtonTop);
    RzBitBtn2->move(RzBitBtn1->geometry().right() + 1 + kButtonGap, panelTop + kButtonTop);
}

void TForm2::RzBitBtn1Click() {
    if (showCandidateScreen_) showCandidateScreen_();
}

void TForm2::RzBitBtn2Click() { close(); }

}  // namespace exam

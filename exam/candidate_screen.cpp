#include "exam/candidate_screen.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <algorithm>

#include "core/error.h"
#include "core/messages.h"
#include "exam/exam_pictures.h"
#include "exam/exam_settings.h"
#include "exam/exam_window.h"
#include "exam/face_button.h"
#include "store/connection_string.h"
#include "ui/picture_button.h"

namespace exam {

namespace {

// Designed block: the title, below it the side pictures and the information panel.
constexpr int kContentTop = 64;  // below the block's top
constexpr int kBlockHeight = kContentTop + 506;
constexpr int kFirstLabelTop = 78;  // below the panel's top, under the panel's heading
constexpr int kLabelPitch = 31;
constexpr QSize kLabelSize(420, 28);
constexpr int kButtonTop = 438;  // below the panel's top

struct CandidateLabel {
    const char* name;
    QString text;
};

// Sample data of a made-up candidate.
const std::array<CandidateLabel, TForm3::kCandidateLabelCount> kCandidateLabels{{
    {"Label1", QStringLiteral("      姓名：测试考生")},
    {"Label3", QStringLiteral("      性别：男")},
    {"Label8", QStringLiteral("准考证号：00000001")},
    {"Label9", QStringLiteral("报考专业：测试专业")},
    {"Label10", QStringLiteral("报考级别：测试级别")},
    {"Label11", QStringLiteral("证件类型：身份证")},
    {"Label4", QStringLiteral("证件编号：000000000000000000")},
    {"Label2", QStringLiteral("所在考场：测试考点")},
    {"Label5", QStringLiteral("当前场次：测试场次")},
    {"Label6", QStringLiteral("所在试室：01教室")},
    {"Label7", QStringLiteral("所在单位：测试单位")},
}};

// 华文仿宋 is rarely installed outside its home platform; the CJK serif of Debian looks closest.
QFont candidateFont() {
    QFont font;
    font.setFamilies({QStringLiteral("华文仿宋"), QStringLiteral("STFangsong"),
                      QStringLiteral("FangSong"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("AR PL UMing CN")});
    font.setPixelSize(19);
    return font;
}

}  // namespace

TForm3::TForm3(const ExamContext& context, std::function<void()> closeLoginScreen, QWidget* parent)
    : ExamScreen(context.places.programDir, pictures::kCandidateBackground, parent),
      context_(context),
      closeLoginScreen_(std::move(closeLoginScreen)),
      bank_(store::ConnectionString::forDataDirectory(context.places.dataDir)) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("考生信息"));
    Image1 = background();
    Image2 = addPicture(QStringLiteral("Image2"), pictures::kCandidateComputer,
                        pictures::kCandidateComputerSize);
    Image3 = addPicture(QStringLiteral("Image3"), pictures::kCandidatePhoto,
                        pictures::kCandidatePhotoSize);
    Image4 = addPicture(QStringLiteral("Image4"), pictures::kCandidatePanel,
                        pictures::kCandidatePanelSize);

    Label12 = new QLabel(QStringLiteral("卫生专业技术资格考试"), this);
    Label12->setObjectName(QStringLiteral("Label12"));
    Label12->setFont(pixelFont(30, true));
    Label12->setStyleSheet(QStringLiteral("color: white;"));
    Label12->resize(687, 44);

    createCandidateLabels();
    createTitleChoice();
    SpeedButton1 = createButton(QStringLiteral("SpeedButton1"), QStringLiteral("重新登录"),
                                pictures::kReloginButton);
    SpeedButton2 = createButton(QStringLiteral("SpeedButton2"), QStringLiteral("开始考试"),
                                pictures::kStartButton);
    SpeedButton3 = createButton(QStringLiteral("SpeedButton3"), QStringLiteral("观看演示"),
                                pictures::kDemoButton);
    SpeedButton3->hide();
    connect(SpeedButton1, &ui::PictureButton::clicked, this, &TForm3::SpeedButton1Click);
    connect(SpeedButton2, &ui::PictureButton::clicked, this, &TForm3::SpeedButton2Click);
    connect(SpeedButton3, &ui::PictureButton::clicked, this, &TForm3::SpeedButton3Click);
}

void TForm3::createCandidateLabels() {
    const QFont font = candidateFont();
    for (int i = 0; i < kCandidateLabelCount; ++i) {
        auto* label = new QLabel(kCandidateLabels[i].text, this);
        label->setObjectName(QString::fromLatin1(kCandidateLabels[i].name));
        label->setFont(font);
        label->setStyleSheet(QStringLiteral("color: rgb(24, 42, 64); background: transparent;"));
        label->resize(kLabelSize);
        CandidateLabels[i] = label;
    }
}

// The title choice is fixed at 副高级职称: the group is never shown.
void TForm3::createTitleChoice() {
    RzRadioGroup1 = new QGroupBox(QStringLiteral("选择职称"), this);
    RzRadioGroup1->setObjectName(QStringLiteral("RzRadioGroup1"));
    auto* columns = new QHBoxLayout(RzRadioGroup1);
    titleChoices_ = new QButtonGroup(RzRadioGroup1);
    const QStringList items{QStringLiteral("正高级职称"), QStringLiteral("副高级职称")};
    for (int index = 0; index < items.size(); ++index) {
        auto* item = new QRadioButton(items[index], RzRadioGroup1);
        titleChoices_->addButton(item, index);
        columns->addWidget(item);
    }
    titleChoices_->button(1)->setChecked(true);
    RzRadioGroup1->resize(250, 56);
    RzRadioGroup1->hide();
}

int TForm3::titleChoice() const { return titleChoices_->checkedId(); }

ui::PictureButton* TForm3::createButton(const QString& name, const QString& label,
                                        const pictures::ButtonFaces& faces) {
    return createFaceButton(this, name, label, context_.places.programDir, faces);
}

// Horizontal places follow the middle of the screen, H = W / 2; the block is centred vertically.
void TForm3::placeControls(const QSize& screenSize) {
    const int h = screenSize.width() / 2;
    const int top = std::max(12, (screenSize.height() - kBlockHeight) / 2 - 10);
    const int panelTop = top + kContentTop;
    Label12->move(h - 328, top);
    Image2->move(h - 328, panelTop);
    Image3->move(h - 328, panelTop + pictures::kCandidateComputerSize.height());
    Image4->move(h - 106, panelTop);
    for (int i = 0; i < kCandidateLabelCount; ++i)
        CandidateLabels[i]->move(h - 86, panelTop + kFirstLabelTop + i * kLabelPitch);
    RzRadioGroup1->move(h + 65, panelTop + 300);
    SpeedButton3->move(h - 60, panelTop + kButtonTop);
    SpeedButton1->move(h + 60, panelTop + kButtonTop);
    SpeedButton2->move(h + 180, panelTop + kButtonTop);
}

void TForm3::SpeedButton1Click() { close(); }

void TForm3::SpeedButton3Click() { context_.messages.info(QStringLiteral("该视频完善中~！！")); }

void TForm3::SpeedButton2Click() {
    try {
        applyTitleChoice(bank_, titleChoice());
        bank_.close();
    } catch (const core::Error& e) {
        bank_.close();
        context_.messages.reportError(e.message());
        return;
    }
    // A new exam window per start: fresh count-down, number buttons and type hints.
    const QPointer<TForm4> examWindow = new TForm4(
        context_, titleChoice(),
        [this] {
            close();
            if (closeLoginScreen_) closeLoginScreen_();
        },
        this);
    examWindow->exec();
    delete examWindow.data();
}

}  // namespace exam

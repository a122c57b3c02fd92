#pragma once

#include <array>
#include <functional>

#include "exam/exam_context.h"
#include "exam/exam_screen.h"
#include "store/connection.h"

class QButtonGroup;
class QGroupBox;
class QLabel;

namespace ui {
class PictureButton;
}

namespace exam {

namespace pictures {
struct ButtonFaces;
}

// The candidate information screen: borderless, full screen, modal, shown by the login screen.
// Its texts are fixed sample data. The start button sets the single-choice count of the next
// paper and opens a new exam window; closing that window also closes this screen and the login
// screen behind it.
class TForm3 : public ExamScreen {
    Q_OBJECT

  public:
    // `closeLoginScreen` closes the login screen when an exam window closes.
    TForm3(const ExamContext& context, std::function<void()> closeLoginScreen,
           QWidget* parent = nullptr);

    // 重新登录: back to the login screen.
    void SpeedButton1Click();
    // 开始考试: row 1 of ts for the title choice, then a new exam window, modally.
    void SpeedButton2Click();
    // 观看演示 (hidden).
    void SpeedButton3Click();

    // RzRadioGroup1's selected index: 0 正高级职称, 1 副高级职称.
    int titleChoice() const;

    static constexpr int kCandidateLabelCount = 11;

    void placeControls(const QSize& screenSize) override;

    // Controls under their design names.
    QLabel* Image1 = nullptr;  // background, stretched
    QLabel* Image4 = nullptr;  // information panel
    QLabel* Label12 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    // Label1, Label3, Label8, Label9, Label10, Label11, Label4, Label2, Label5, Label6, Label7
    std::array<QLabel*, kCandidateLabelCount> CandidateLabels{};
    QGroupBox* RzRadioGroup1 = nullptr;
    ui::PictureButton* SpeedButton1 = nullptr;
    ui::PictureButton* SpeedButton2 = nullptr;
    ui::PictureButton* SpeedButton3 = nullptr;

  private:
    void createCandidateLabels();
    void createTitleChoice();
    ui::PictureButton* createButton(const QString& name, const QString& label,
                                    const pictures::ButtonFaces& faces);

    ExamContext context_;
    std::function<void()> closeLoginScreen_;
    QButtonGroup* titleChoices_ = nullptr;
    store::Connection bank_;
};

}  // namespace exam

#pragma once

#include <functional>

#include "exam/exam_context.h"
#include "exam/exam_screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace exam {

// The exam login screen: borderless, full screen, modal. The admission number is staging only:
// any text, even none, logs in, and nothing keeps it. Created hidden at start-up; the exam entry
// sequence shows it after the settings dialog.
class TForm2 : public ExamScreen {
    Q_OBJECT

  public:
    // `showCandidateScreen` shows the candidate screen modally (it returns when that closes).
    TForm2(const ExamContext& context, std::function<void()> showCandidateScreen,
           QWidget* parent = nullptr);

    // "登录考场"
    void RzBitBtn1Click();
    // "退出考场"
    void RzBitBtn2Click();

    void placeControls(const QSize& screenSize) override;

    // Controls under their design names.
    QLabel* Image1 = nullptr;  // background, stretched
    QLabel* Label1 = nullptr;
    QLabel* Image2 = nullptr;  // login panel
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* RzBitBtn1 = nullptr;
    QPushButton* RzBitBtn2 = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Image4 = nullptr;

  private:
    void createPanelControls();

    std::function<void()> showCandidateScreen_;
};

}  // namespace exam

#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "exam/exam_context.h"
#include "exam/exam_settings.h"
#include "store/connection.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace exam {

// The exam settings dialog "参数设置", the gate into the simulated exam: it shows and saves the
// question count of every exam type (table ts), and is left with "进 入" to go on. Created
// hidden at start-up and shown modally by the exam entry sequence, which reads
// ExamEntryConfirmed afterwards.
class TForm6 : public QDialog {
    Q_OBJECT

  public:
    TForm6(const ExamContext& context, QWidget* parent = nullptr);

    // Places the dialog by the main window, clears ExamEntryConfirmed and shows the stored
    // counts (run on every showing).
    void FormShow();
    // "确 定": checks the four fields and saves them.
    void RzBitBtn1Click();
    // "进 入": confirms the entry and closes; nothing is saved.
    void RzBitBtn2Click();

    SettingFields fieldTexts() const;

    // 1 when the dialog was left with "进 入", 0 when closed any other way.
    int ExamEntryConfirmed = 0;

    // Controls under their design names; Label3 and Label2 are one label per row.
    QLabel* Label1 = nullptr;
    std::array<QLabel*, kExamTypeCount> Label3{};
    std::array<QLineEdit*, kExamTypeCount> RzEdits{};  // RzEdit1 … RzEdit4
    std::array<QLabel*, kExamTypeCount> Label2{};
    QLabel* Label4 = nullptr;
    QPushButton* RzBitBtn1 = nullptr;
    QPushButton* RzBitBtn2 = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void createCountRow(int row);
    QPushButton* createButton(const QString& name, const QString& text, int left);
    bool withBank(const std::function<void()>& work);

    ExamContext context_;
    store::Connection bank_;
};

}  // namespace exam

#pragma once

#include <QDialog>

class QLabel;

namespace exam {

// The wait window shown while a paper is drawn. It places itself when shown: by the exam window
// while an exam is being entered (ExamInProgress is 1), else by the main window.
class TForm7 : public QDialog {
    Q_OBJECT

  public:
    TForm7(QWidget& examWindow, QWidget& mainWindow, bool examInProgress);

    QLabel* Label1;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget& examWindow_;
    QWidget& mainWindow_;
    bool examInProgress_;
};

}  // namespace exam

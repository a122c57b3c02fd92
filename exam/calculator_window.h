#pragma once

#include <QDialog>

#include "exam/calculator.h"

class QLineEdit;

namespace exam {

// The exam's calculator: a small tool window over the exam window, not modal, so that the
// candidate keeps answering while it is open. Buttons and the keyboard (digits, . + - * / % =,
// Enter, Backspace, Escape or Delete to clear) both work.
class CalculatorWindow : public QDialog {
    Q_OBJECT

  public:
    explicit CalculatorWindow(QWidget* examWindow);

    QString display() const;
    // A key of the pad by its caption ("7", "+", "√", "C" …), or null.
    QWidget* key(const QString& caption) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void press(const QString& caption);
    void refresh();

    Calculator calculator_;
    QLineEdit* display_ = nullptr;
};

}  // namespace exam

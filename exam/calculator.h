#pragma once

#include <QString>

namespace exam {

// The arithmetic of the exam's calculator: a pocket calculator with the four operations,
// percent, square root, backspace and clear, evaluated left to right as keyed in.
class Calculator {
  public:
    enum class Operation { None, Add, Subtract, Multiply, Divide };

    void digit(int value);  // 0 … 9
    void point();
    void operation(Operation next);
    void equals();
    // With + or − pending x% is that share of the first number (200 + 10% = 220); otherwise it
    // is x ÷ 100.
    void percent();
    void squareRoot();
    void backspace();
    void clear();

    // What the display shows: the number being keyed in, a result, or an error text.
    const QString& display() const { return display_; }

  private:
    double entry() const { return display_.toDouble(); }
    void showNumber(double value);
    void showError(const QString& text);
    // Applies the pending operation to the stored number and the entry; false on an error.
    bool applyPending();

    QString display_ = QStringLiteral("0");
    double stored_ = 0;
    Operation pending_ = Operation::None;
    bool startNew_ = true;       // the next digit begins a new number
    bool operandReady_ = false;  // the display holds an operand given since the last operation
    bool error_ = false;
};

}  // namespace exam

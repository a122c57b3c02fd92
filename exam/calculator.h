#pragma once

#include <QString>

namespace exam {

// The arithmetic of the exam's calculator: a pocket calculator with the four operations,
// percent, square root, backspace and clear, evaluated left to right as keyed in
// (2 + 3 × 4 = gives 20). A second operation key in a row replaces the first. "=" pressed again
// repeats the last operation with its second number (2 + 3 = = gives 8). A result keeps its
// full value behind the 15 digits shown, so 1 ÷ 3 = × 3 = gives 1. Division by zero, the root of
// a negative number and a result beyond the number range show an error text; the next digit
// starts afresh, operation keys do nothing until then.
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
    double entry() const { return value_; }
    void keyed();
    void showNumber(double value);
    void showError(const QString& text);
    // Applies an operation to the stored number and the given one and shows the result; false
    // on an error.
    bool apply(Operation operation, double right);

    QString display_ = QStringLiteral("0");
    double value_ = 0;  // the number on the display, at full precision
    double stored_ = 0;
    Operation pending_ = Operation::None;
    Operation repeated_ = Operation::None;  // what "=" pressed again does, and with what
    double repeatedOperand_ = 0;
    bool startNew_ = true;       // the next digit begins a new number
    bool operandReady_ = false;  // the display holds an operand given since the last operation
    bool error_ = false;
};

}  // namespace exam

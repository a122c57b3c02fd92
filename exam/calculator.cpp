#include "exam/calculator.h"

#include <QRegularExpression>
#include <cmath>

namespace exam {

namespace {

constexpr int kMaxDigits = 15;  // what a double keeps exactly
const QString kOverflow = QStringLiteral("溢出");

}  // namespace

void Calculator::digit(int value) {
    if (error_) clear();
    operandReady_ = true;
    if (startNew_ || display_ == QStringLiteral("0")) {
        display_ = QString::number(value);
        startNew_ = false;
        keyed();
        return;
    }
    const qsizetype digits = display_.count(QRegularExpression(QStringLiteral("\\d")));
    if (digits < kMaxDigits) display_ += QString::number(value);
    keyed();
}

void Calculator::point() {
    if (error_) clear();
    operandReady_ = true;
    if (startNew_) {
        display_ = QStringLiteral("0.");
        startNew_ = false;
        keyed();
        return;
    }
    if (!display_.contains(u'.')) display_ += u'.';
}

void Calculator::operation(Operation next) {
    if (error_) return;
    // Pressing a second operation in a row only replaces the first.
    if (operandReady_ || pending_ == Operation::None) {
        if (pending_ != Operation::None && !apply(pending_, entry())) return;
        stored_ = entry();
    }
    pending_ = next;
    startNew_ = true;
    operandReady_ = false;
}

void Calculator::equals() {
    if (error_) return;
    if (pending_ == Operation::None) {
        if (repeated_ == Operation::None) return;
        stored_ = entry();
        if (!apply(repeated_, repeatedOperand_)) return;
    } else {
        const double right = entry();
        if (!apply(pending_, right)) return;
        repeated_ = pending_;
        repeatedOperand_ = right;
        pending_ = Operation::None;
    }
    startNew_ = true;
    operandReady_ = false;
}

void Calculator::percent() {
    if (error_) return;
    const double share = entry() / 100;
    const bool ofFirst = pending_ == Operation::Add || pending_ == Operation::Subtract;
    const double value = ofFirst ? stored_ * share : share;
    if (!std::isfinite(value)) {
        showError(kOverflow);
        return;
    }
    showNumber(value);
    startNew_ = true;
    operandReady_ = true;
}

void Calculator::squareRoot() {
    if (error_) return;
    if (entry() < 0) {
        showError(QStringLiteral("无效输入"));
        return;
    }
    showNumber(std::sqrt(entry()));
    startNew_ = true;
    operandReady_ = true;
}

void Calculator::backspace() {
    if (error_) {
        clear();
        return;
    }
    if (startNew_) return;
    display_.chop(1);
    if (display_.isEmpty() || display_ == QStringLiteral("-")) display_ = QStringLiteral("0");
    keyed();
}

void Calculator::clear() {
    display_ = QStringLiteral("0");
    value_ = 0;
    stored_ = 0;
    pending_ = Operation::None;
    repeated_ = Operation::None;
    repeatedOperand_ = 0;
    startNew_ = true;
    operandReady_ = false;
    error_ = false;
}

bool Calculator::apply(Operation operation, double right) {
    double result = right;
    switch (operation) {
        case Operation::Add:
            result = stored_ + right;
            break;
        case Operation::Subtract:
            result = stored_ - right;
            break;
        case Operation::Multiply:
            result = stored_ * right;
            break;
        case Operation::Divide:
            if (right == 0) {
                showError(QStringLiteral("除数不能为零"));
                return false;
            }
            result = stored_ / right;
            break;
        case Operation::None:
            break;
    }
    if (!std::isfinite(result)) {
        showError(kOverflow);
        return false;
    }
    showNumber(result);
    stored_ = result;
    return true;
}

// A number being keyed in is what it shows.
void Calculator::keyed() { value_ = display_.toDouble(); }

void Calculator::showNumber(double value) {
    value_ = value == 0 ? 0.0 : value;
    // 15 significant digits hide the binary error of decimal fractions: 0.1 + 0.2 shows 0.3.
    display_ = QString::number(value_, 'g', kMaxDigits);
}

void Calculator::showError(const QString& text) {
    clear();
    display_ = text;
    error_ = true;
}

}  // namespace exam

#include "exam/calculator.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

// Keys one character each: digits, ".", "+ - * /", "%", "r" square root, "<" backspace,
// "c" clear, "=". Returns what the display shows afterwards.
std::string press(exam::Calculator& calculator, const char* keys) {
    using Operation = exam::Calculator::Operation;
    for (const char* key = keys; *key; ++key) {
        switch (*key) {
            case '.':
                calculator.point();
                break;
            case '+':
                calculator.operation(Operation::Add);
                break;
            case '-':
                calculator.operation(Operation::Subtract);
                break;
            case '*':
                calculator.operation(Operation::Multiply);
                break;
            case '/':
                calculator.operation(Operation::Divide);
                break;
            case '%':
                calculator.percent();
                break;
            case 'r':
                calculator.squareRoot();
                break;
            case '<':
                calculator.backspace();
                break;
            case 'c':
                calculator.clear();
                break;
            case '=':
                calculator.equals();
                break;
            default:
                EXPECT_TRUE(*key >= '0' && *key <= '9') << "unknown key " << *key;
                calculator.digit(*key - '0');
        }
    }
    return calculator.display().toStdString();
}

std::string fresh(const char* keys) {
    exam::Calculator calculator;
    return press(calculator, keys);
}

bool showsANumber(const exam::Calculator& calculator) {
    bool number = false;
    calculator.display().toDouble(&number);
    const QString shown = calculator.display().toLower();
    return number && !shown.contains(QStringLiteral("inf")) &&
           !shown.contains(QStringLiteral("nan"));
}

TEST(Calculator, WorksLeftToRightLikeADeskCalculator) {
    exam::Calculator calculator;
    EXPECT_EQ(press(calculator, "2+3*"), "5");
    EXPECT_EQ(press(calculator, "4="), "20");
    // "=" again repeats the last operation with its number.
    EXPECT_EQ(press(calculator, "="), "80");
    EXPECT_EQ(fresh("2+3=="), "8");
    EXPECT_EQ(fresh("10-2=="), "6");
    EXPECT_EQ(fresh("12/2=="), "3");
    EXPECT_EQ(fresh("2+3=10="), "13") << "a new number after = takes the last operation";
    EXPECT_EQ(fresh("2+3=*4="), "20") << "a result goes on with the next operation";
    EXPECT_EQ(fresh("2+*3="), "6") << "a second operation in a row replaces the first";
    EXPECT_EQ(fresh("2+3=c="), "0") << "clear forgets the last operation";

    // Percent: of the first number with + or -, a hundredth otherwise.
    EXPECT_EQ(fresh("50+10%"), "5");
    EXPECT_EQ(fresh("50+10%="), "55");
    EXPECT_EQ(fresh("200-10%="), "180");
    EXPECT_EQ(fresh("50*10%="), "5");
    EXPECT_EQ(fresh("10%"), "0.1");

    // A result taken up again is the number, not its rounded display.
    EXPECT_EQ(fresh("1/3="), "0.333333333333333");
    EXPECT_EQ(fresh("1/3=*3="), "1");
    EXPECT_EQ(fresh("100/3=*3="), "100");
    EXPECT_EQ(fresh("2r*2r="), "2");
    EXPECT_EQ(fresh("0.1+0.2="), "0.3");
    EXPECT_EQ(fresh("12.5<<<+1="), "2");
}

TEST(Calculator, NoKeysLeaveInfinityOrNotANumberOnTheDisplay) {
    // Division by zero shows its error, refuses operations, and the next number starts afresh.
    for (const char* keys : {"6/0=", "0/0=", "6/0+", "6/0.=", "8/2=/0="}) {
        exam::Calculator calculator;
        EXPECT_EQ(press(calculator, keys), "除数不能为零") << keys;
        EXPECT_EQ(press(calculator, "+="), "除数不能为零") << keys;
        EXPECT_EQ(press(calculator, "7"), "7") << keys;
        EXPECT_EQ(press(calculator, "+1="), "8") << keys;
    }
    exam::Calculator negative;
    EXPECT_EQ(press(negative, "0-9=r"), "无效输入");
    EXPECT_EQ(press(negative, "4r"), "2");

    // Numbers beyond the double's range: by multiplying, by repeated "=", by percent.
    exam::Calculator huge;
    for (int i = 0; i < 20; ++i) press(huge, "999999999999999*");
    ASSERT_TRUE(showsANumber(huge)) << huge.display().toStdString();  // about 1e300
    for (const char* keys : {"999999999999999=", "=", "+999999999999999%"}) {
        exam::Calculator calculator = huge;
        press(calculator, keys);
        EXPECT_EQ(calculator.display().toStdString(), "溢出") << keys;
        EXPECT_EQ(press(calculator, "3+4="), "7") << keys;
    }
    exam::Calculator repeated;
    press(repeated, "999999999999999*999999999999999=");
    for (int i = 0; i < 40 && showsANumber(repeated); ++i) press(repeated, "=");
    EXPECT_EQ(repeated.display().toStdString(), "溢出");
}

}  // namespace

#include "exam/calculator_window.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace exam {

namespace {

// The pad, row by row.
const char* const kPad[5][4] = {{"C", "←", "%", "÷"},
                                {"7", "8", "9", "×"},
                                {"4", "5", "6", "−"},
                                {"1", "2", "3", "+"},
                                {"√", "0", ".", "="}};

}  // namespace

CalculatorWindow::CalculatorWindow(QWidget* examWindow)
    : QDialog(examWindow, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                              Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("Calculator"));
    setWindowTitle(QStringLiteral("计算器"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    display_ = new QLineEdit(this);
    display_->setReadOnly(true);
    display_->setFocusPolicy(Qt::NoFocus);
    display_->setAlignment(Qt::AlignRight);
    QFont big = display_->font();
    big.setPixelSize(22);
    display_->setFont(big);
    layout->addWidget(display_);

    auto* pad = new QGridLayout;
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QString caption = QString::fromUtf8(kPad[row][column]);
            auto* key = new QPushButton(caption, this);
            key->setObjectName(QStringLiteral("key ") + caption);
            key->setFocusPolicy(Qt::NoFocus);  // Enter must mean "=", not a click on a key
            key->setFixedSize(48, 36);
            connect(key, &QPushButton::clicked, this, [this, caption] { press(caption); });
            pad->addWidget(key, row, column);
        }
    }
    layout->addLayout(pad);
    setFixedSize(sizeHint());
    refresh();
}

QString CalculatorWindow::display() const { return display_->text(); }

QWidget* CalculatorWindow::key(const QString& caption) const {
    return findChild<QPushButton*>(QStringLiteral("key ") + caption);
}

void CalculatorWindow::press(const QString& caption) {
    using Operation = Calculator::Operation;
    const QChar first = caption.at(0);
    if (first.isDigit())
        calculator_.digit(first.digitValue());
    else if (caption == QStringLiteral("."))
        calculator_.point();
    else if (caption == QStringLiteral("+"))
        calculator_.operation(Operation::Add);
    else if (caption == QStringLiteral("−"))
        calculator_.operation(Operation::Subtract);
    else if (caption == QStringLiteral("×"))
        calculator_.operation(Operation::Multiply);
    else if (caption == QStringLiteral("÷"))
        calculator_.operation(Operation::Divide);
    else if (caption == QStringLiteral("="))
        calculator_.equals();
    else if (caption == QStringLiteral("%"))
        calculator_.percent();
    else if (caption == QStringLiteral("√"))
        calculator_.squareRoot();
    else if (caption == QStringLiteral("←"))
        calculator_.backspace();
    else if (caption == QStringLiteral("C"))
        calculator_.clear();
    refresh();
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
    static const QHash<int, QString> keys{
        {Qt::Key_Plus, QStringLiteral("+")},      {Qt::Key_Minus, QStringLiteral("−")},
        {Qt::Key_Asterisk, QStringLiteral("×")},  {Qt::Key_Slash, QStringLiteral("÷")},
        {Qt::Key_Equal, QStringLiteral("=")},     {Qt::Key_Return, QStringLiteral("=")},
        {Qt::Key_Enter, QStringLiteral("=")},     {Qt::Key_Percent, QStringLiteral("%")},
        {Qt::Key_Period, QStringLiteral(".")},    {Qt::Key_Comma, QStringLiteral(".")},
        {Qt::Key_Backspace, QStringLiteral("←")}, {Qt::Key_Delete, QStringLiteral("C")},
        {Qt::Key_Escape, QStringLiteral("C")}};
    if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9) {
        press(QString::number(event->key() - Qt::Key_0));
        return;
    }
    const auto found = keys.constFind(event->key());
    if (found != keys.constEnd()) {
        press(found.value());  // Escape clears instead of closing the window
        return;
    }
    QDialog::keyPressEvent(event);
}

void CalculatorWindow::refresh() { display_->setText(calculator_.display()); }

}  // namespace exam

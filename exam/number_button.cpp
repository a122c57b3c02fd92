#include "exam/number_button.h"

#include <QApplication>
#include <QMouseEvent>

namespace exam {

NumberButton::NumberButton(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    paint(QApplication::palette().color(QPalette::Button));
}

void NumberButton::paint(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    // Dark faces (red, blue) carry a white caption so the number stays readable.
    colours.setColor(QPalette::WindowText, colour.lightness() < 140 ? Qt::white : Qt::black);
    setPalette(colours);
}

QColor NumberButton::colour() const { return palette().color(QPalette::Window); }

void NumberButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftDown_ = true;
    QLabel::mousePressEvent(event);
}

void NumberButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = leftDown_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    leftDown_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

}  // namespace exam

#pragma once

#include <QLabel>

namespace exam {

// A number button of the exam window: a raised panel with the paper number as its caption,
// painted in the colour of the question's state. A left press released inside is a click.
class NumberButton : public QLabel {
    Q_OBJECT

  public:
    NumberButton(const QString& caption, QWidget* parent);

    void paint(const QColor& colour);
    QColor colour() const;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool leftDown_ = false;
};

}  // namespace exam

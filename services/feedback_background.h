#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

namespace services {

// Image1 of the feedback window: the picture behind the controls that carries every label —
// the group "其他错误反馈" with the ten problem labels, the frame "错误的附加说明" around the
// remark, and the thanks line. Clicking a label ticks its box, as a caption would.
class FeedbackBackground : public QWidget {
    Q_OBJECT

  public:
    struct TextItem {
        QString text;
        QRect rect;
        QFont font;
        QColor ink;
        bool onFrameLine = false;  // a frame title, drawn over a gap in the frame line
    };

    explicit FeedbackBackground(QWidget* parent = nullptr);

    // Every text drawn, with the rectangle it occupies in the current font.
    QList<TextItem> textItems() const;
    // The rectangle of the label of problem box `index` (0 … 9).
    QRect labelRect(int index) const;

  signals:
    void labelClicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QFont titleFont() const;
    TextItem title(const QString& text, const QRect& frame) const;
    TextItem thanksLine() const;
};

}  // namespace services

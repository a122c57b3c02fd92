#include "services/feedback_background.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "services/feedback_layout.h"

namespace services {
namespace {

namespace layout = feedback_layout;

const QColor kPaper(0xF4, 0xF7, 0xFB);
const QColor kFrame(0x9C, 0xB2, 0xCC);
const QColor kTitleInk(0x1F, 0x4E, 0x86);
const QColor kInk(0x22, 0x22, 0x22);
const QColor kThanksInk(0x55, 0x5F, 0x6B);

constexpr int kLabelGap = 6;      // between a box and its label
constexpr int kTitleIndent = 12;  // title start, from the frame's left edge
constexpr int kTitlePadding = 4;  // blank paper around a title on the frame line

QString thanksText() {
    return QStringLiteral(
        "感谢您对我们的支持和帮助, 您反馈的问题我们将尽快处理, 并进行定期更新, "
        "更新完成之后, 您所反馈的问题将修改正确。");
}

}  // namespace

FeedbackBackground::FeedbackBackground(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Image1"));
    QFont labelFont = font();
    labelFont.setFamilies({QStringLiteral("Noto Sans CJK SC"),
                           QStringLiteral("WenQuanYi Micro Hei"),
                           QStringLiteral("Microsoft YaHei")});
    labelFont.setPixelSize(13);
    setFont(labelFont);
}

QRect FeedbackBackground::labelRect(int index) const {
    const QPoint box = layout::kCheckBoxPositions.at(index);
    const QFontMetrics metrics(font());
    const QString text = layout::problemLabels().at(index);
    const int left = box.x() + layout::kCheckBoxSize.width() + kLabelGap;
    const int top = box.y() + (layout::kCheckBoxSize.height() - metrics.height()) / 2;
    return {left, top, metrics.horizontalAdvance(text), metrics.height()};
}

QFont FeedbackBackground::titleFont() const {
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

FeedbackBackground::TextItem FeedbackBackground::title(const QString& text,
                                                       const QRect& frame) const {
    const QFont bold = titleFont();
    const QFontMetrics metrics(bold);
    const QRect rect(frame.left() + kTitleIndent, frame.top() - metrics.height() / 2,
                     metrics.horizontalAdvance(text), metrics.height());
    return {text, rect, bold, kTitleInk, true};
}

FeedbackBackground::TextItem FeedbackBackground::thanksLine() const {
    QFont small = font();
    small.setPixelSize(12);
    const QFontMetrics metrics(small);
    const QString text = thanksText();
    QRect rect(0, 0, metrics.horizontalAdvance(text), metrics.height());
    rect.moveCenter(layout::kThanksBand.center());
    return {text, rect, small, kThanksInk};
}

QList<FeedbackBackground::TextItem> FeedbackBackground::textItems() const {
    QList<TextItem> items{title(QStringLiteral("其他错误反馈"), layout::kProblemsGroup),
                          title(QStringLiteral("错误的附加说明"), layout::kRemarkGroup)};
    const QStringList labels = layout::problemLabels();
    for (int i = 0; i < labels.size(); ++i)
        items.push_back({labels.at(i), labelRect(i), font(), kInk});
    items.push_back(thanksLine());
    return items;
}

void FeedbackBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kPaper);

    painter.setPen(QPen(kFrame, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(layout::kRemarkGroup).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(layout::kProblemsGroup).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);

    for (const TextItem& item : textItems()) {
        if (item.onFrameLine)
            painter.fillRect(item.rect.adjusted(-kTitlePadding, 0, kTitlePadding, 0), kPaper);
        painter.setFont(item.font);
        painter.setPen(item.ink);
        painter.drawText(item.rect, Qt::AlignLeft | Qt::AlignVCenter, item.text);
    }
}

void FeedbackBackground::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    for (int i = 0; i < FeedbackReport::kFlagCount; ++i) {
        if (labelRect(i).contains(event->position().toPoint())) {
            emit labelClicked(i);
            return;
        }
    }
}

}  // namespace services

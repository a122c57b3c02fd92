#include "search/marked_text_delegate.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>

namespace search {
namespace {

constexpr int kPadding = 3;

void layOut(QTextDocument& document, const QStyleOptionViewItem& option, const QString& html) {
    const bool selected = option.state & QStyle::State_Selected;
    document.setDefaultStyleSheet(
        QStringLiteral(".aside { color: %1; }")
            .arg(selected ? option.palette.color(QPalette::HighlightedText).name()
                          : QStringLiteral("#5f6b7a")));
    document.setDefaultFont(option.font);
    document.setDocumentMargin(kPadding);
    document.setHtml(html);
    document.setTextWidth(option.rect.width() > 0 ? option.rect.width() : -1);
}

}  // namespace

void MarkedTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const QString html = index.data(kHtmlRole).toString();
    if (html.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    cell.text.clear();
    const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);

    QTextDocument document;
    layOut(document, cell, html);
    QAbstractTextDocumentLayout::PaintContext context;
    const bool selected = cell.state & QStyle::State_Selected;
    context.palette.setColor(QPalette::Text, cell.palette.color(selected ? QPalette::HighlightedText
                                                                         : QPalette::Text));
    painter->save();
    painter->translate(cell.rect.topLeft());
    painter->setClipRect(cell.rect.translated(-cell.rect.topLeft()));
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

QSize MarkedTextDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const QString html = index.data(kHtmlRole).toString();
    if (html.isEmpty()) return QStyledItemDelegate::sizeHint(option, index);
    QTextDocument document;
    layOut(document, option, html);
    return {int(document.idealWidth()), int(document.size().height())};
}

QString markedHtml(const MarkedText& text) {
    QString html;
    qsizetype done = 0;
    for (const MarkedText::Mark& mark : text.marks) {
        html += text.text.mid(done, mark.start - done).toHtmlEscaped();
        html += QStringLiteral("<span style=\"background-color:#ffd54f;color:#000000\">") +
                text.text.mid(mark.start, mark.length).toHtmlEscaped() + QStringLiteral("</span>");
        done = mark.start + mark.length;
    }
    return html + text.text.mid(done).toHtmlEscaped();
}

}  // namespace search

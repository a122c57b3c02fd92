#pragma once

#include <QStyledItemDelegate>

#include "search/search_hit.h"

namespace search {

// Draws a list cell from the HTML held in its item's kHtmlRole, so that the searched text
// stands out in the stem; cells without it are drawn as usual. Text of the class "aside" is
// grey, and takes the selection's text colour in a selected row.
class MarkedTextDelegate : public QStyledItemDelegate {
  public:
    static constexpr int kHtmlRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A marked text as HTML: the text escaped, each mark on a highlight colour.
QString markedHtml(const MarkedText& text);

}  // namespace search

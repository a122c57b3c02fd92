#include "chapter_tree_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QTreeWidgetItemIterator>

namespace app {

namespace {

bool isUserInput(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

bool liesWithin(const QTreeWidgetItem* node, const QTreeWidgetItem* ancestor) {
    for (const QTreeWidgetItem* n = node; n; n = n->parent())
        if (n == ancestor) return true;
    return false;
}

}  // namespace

ChapterTreeView::ChapterTreeView(QWidget* parent)
    : QTreeWidget(parent), nodePicture_(nodePicture()) {
    setColumnCount(1);
    setHeaderHidden(true);
    // Long node names are shown whole, with a horizontal scroll bar, never cut short.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setRootIsDecorated(false);  // no expand buttons: selection expands
    setItemsExpandable(false);  // nor does a double click fold a branch
    setExpandsOnDoubleClick(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIndentation(23);
    setIconSize(QSize(16, 24));
    setFrameShape(QFrame::NoFrame);

    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(14);
    setFont(font);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColor(232, 238, 249));
    colours.setColor(QPalette::Window, QColor(232, 238, 249));
    // The selection keeps its active colours when the tree loses the focus.
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);

    connect(this, &QTreeWidget::currentItemChanged, this, &ChapterTreeView::selectionMoved);
}

QTreeWidgetItem* ChapterTreeView::addNode(QTreeWidgetItem* parent, const QString& text) {
    auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    node->setText(0, text);
    node->setIcon(0, nodePicture_);
    return node;
}

int ChapterTreeView::nodeCount() const {
    int count = 0;
    for (QTreeWidgetItemIterator it(const_cast<ChapterTreeView*>(this)); *it; ++it) ++count;
    return count;
}

QTreeWidgetItem* ChapterTreeView::nodeAt(int absoluteIndex) const {
    if (absoluteIndex < 0) return nullptr;
    QTreeWidgetItemIterator it(const_cast<ChapterTreeView*>(this));
    for (int k = 0; *it && k < absoluteIndex; ++k) ++it;
    return *it;
}

int ChapterTreeView::absoluteIndex(const QTreeWidgetItem* node) const {
    int k = 0;
    for (QTreeWidgetItemIterator it(const_cast<ChapterTreeView*>(this)); *it; ++it, ++k)
        if (*it == node) return k;
    return -1;
}

int ChapterTreeView::level(const QTreeWidgetItem* node) {
    int depth = 0;
    for (const QTreeWidgetItem* p = node->parent(); p; p = p->parent()) ++depth;
    return depth;
}

void ChapterTreeView::selectionMoved(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    if (current) current->setExpanded(true);
    if (!previous) return;
    // The previous branch folds once the selecting press is handled: folding rows in the middle
    // of the view's own mouse handling would throw its selection off.
    QTimer::singleShot(0, this, [this, was = QPersistentModelIndex(indexFromItem(previous))] {
        const QTreeWidgetItem* now = currentItem();
        for (QTreeWidgetItem* n = itemFromIndex(was); n && !liesWithin(now, n); n = n->parent())
            n->setExpanded(false);
    });
}

bool ChapterTreeView::viewportEvent(QEvent* event) {
    if (inputHeld_ && isUserInput(event)) {
        event->accept();
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

void ChapterTreeView::mousePressEvent(QMouseEvent* event) {
    pressedOnNode_ = event->button() == Qt::LeftButton && itemAt(event->position().toPoint());
    QTreeWidget::mousePressEvent(event);
}

void ChapterTreeView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !pressedOnNode_) return;
    pressedOnNode_ = false;
    emit nodeClicked();
}

void ChapterTreeView::keyPressEvent(QKeyEvent* event) {
    if (inputHeld_) {
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

// The node picture: a small closed book, drawn here so that the tree needs no picture file.
QIcon ChapterTreeView::nodePicture() {
    QPixmap picture(16, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF cover(2.5, 5.5, 11, 14);
    painter.setPen(QPen(QColor(0, 96, 104), 1));
    painter.setBrush(QColor(0, 134, 143));
    painter.drawRoundedRect(cover, 1.5, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 240));
    painter.drawRect(QRectF(4.5, 17, 9, 2));  // the pages' edge
    painter.setBrush(QColor(255, 214, 102));
    painter.drawRect(QRectF(6, 8, 5, 2.5));  // the label on the cover
    return QIcon(picture);
}

}  // namespace app

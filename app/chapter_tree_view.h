#pragma once

#include <QIcon>
#include <QTreeWidget>

namespace app {

// The chapter tree TreeView1: parts, sections and chapters, read-only and never sorted. Selecting
// a node expands it and collapses the branch of the node selected before; the selection stays
// highlighted when the tree loses the focus. Nodes are addressed by their absolute index, the
// position in display order counting every node, expanded or not.
class ChapterTreeView : public QTreeWidget {
    Q_OBJECT

  public:
    explicit ChapterTreeView(QWidget* parent = nullptr);

    // Appends a node (with the node picture) as the last child of `parent`, or at the top level.
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& text);

    int nodeCount() const;
    QTreeWidgetItem* nodeAt(int absoluteIndex) const;      // nullptr past the last node
    int absoluteIndex(const QTreeWidgetItem* node) const;  // -1 for a node of another tree
    static int level(const QTreeWidgetItem* node);         // 0 part, 1 section, 2 chapter

    // While held, mouse and keyboard input to the tree is dropped (a page is being built).
    void setInputHeld(bool held) { inputHeld_ = held; }

  signals:
    // A left click that started on a node, once the button is released. The selection has moved
    // to that node with the press; folding the previous branch may have moved the node away from
    // under the mouse meanwhile, which still counts as a click on it.
    void nodeClicked();

  protected:
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The tree has no expand buttons: the branch area stays blank.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

  private:
    void selectionMoved(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    static QIcon nodePicture();

    QIcon nodePicture_;
    bool inputHeld_ = false;
    bool pressedOnNode_ = false;
};

}  // namespace app

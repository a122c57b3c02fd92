#pragma once

#include <QString>

#include "pages/view_mode.h"
#include "ui/main_window_state.h"

class QTreeWidgetItem;

namespace store {
class Connection;
class Recordset;
}  // namespace store

namespace app {

class ChapterTreeView;

// Fills the chapter tree for one view mode: every part, every section of a part, and the
// chapters of a section that the mode lists; writes each node's record id (0 for parts and
// sections) into the node table at the node's absolute index. The table has room for
// ui::kNodeRecordCapacity nodes: a bigger tree is cut off after the last node that fits, so no
// node is ever shown without its entry (the bank check tool reports such banks).
class ChapterTreeBuilder {
  public:
    using NodeRecordIds = decltype(ui::MainWindowState::NodeRecordIds);

    ChapterTreeBuilder(store::Connection& bank, ChapterTreeView& tree, NodeRecordIds& ids);

    // Throws core::Error; the nodes added before a failure stay, with their entries.
    void build(pages::ViewMode mode);
    int nodesAdded() const { return next_; }

    static QString chapterQuery(pages::ViewMode mode, const QString& sectionId);

  private:
    bool addSections(QTreeWidgetItem* part, const QString& partId, pages::ViewMode mode);
    bool addChapters(QTreeWidgetItem* section, const QString& sectionId, pages::ViewMode mode);
    // Adds a node unless the table is full; returns nullptr when it is.
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const store::Recordset& row, qint32 recordId);

    store::Connection& bank_;
    ChapterTreeView& tree_;
    NodeRecordIds& ids_;
    int next_ = 0;  // absolute index of the next node
};

}  // namespace app

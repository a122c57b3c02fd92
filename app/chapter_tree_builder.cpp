#include "chapter_tree_builder.h"

#include <QScopeGuard>

#include "app/chapter_tree_view.h"
#include "store/connection.h"

namespace app {

ChapterTreeBuilder::ChapterTreeBuilder(store::Connection& bank, ChapterTreeView& tree,
                                       NodeRecordIds& ids)
    : bank_(bank), tree_(tree), ids_(ids) {}

QString ChapterTreeBuilder::chapterQuery(pages::ViewMode mode, const QString& sectionId) {
    switch (mode) {
        case pages::ViewMode::Favourites:
            return QStringLiteral("select * from tree where (parentid=") + sectionId +
                   QStringLiteral(") and (scbt='") + QStringLiteral("1") + QStringLiteral("'") +
                   QStringLiteral(")");
        case pages::ViewMode::WrongQuestions:
            return QStringLiteral("select * from tree where (parentid=") + sectionId +
                   QStringLiteral(") and (ct='") + QStringLiteral("1") + QStringLiteral("'") +
                   QStringLiteral(")");
        case pages::ViewMode::AllQuestions:
            break;
    }
    return QStringLiteral("select * from tree where parentid=") + sectionId;
}

void ChapterTreeBuilder::build(pages::ViewMode mode) {
    next_ = 0;
    tree_.clear();
    bank_.close();
    bank_.open();
    // Closed on every path, a failing query included: no handle stays on the bank.
    const auto closer = qScopeGuard([this] { bank_.close(); });
    store::Recordset parts = bank_.query(QStringLiteral("select * from tree where code=1"));
    for (parts.first(); !parts.eof(); parts.next()) {
        QTreeWidgetItem* part = addNode(nullptr, parts, 0);
        if (!part || !addSections(part, parts.text(QStringLiteral("id")), mode)) break;
    }
}

bool ChapterTreeBuilder::addSections(QTreeWidgetItem* part, const QString& partId,
                                     pages::ViewMode mode) {
    store::Recordset sections =
        bank_.query(QStringLiteral("select * from tree where parentid=") + partId);
    for (sections.first(); !sections.eof(); sections.next()) {
        QTreeWidgetItem* section = addNode(part, sections, 0);
        if (!section || !addChapters(section, sections.text(QStringLiteral("id")), mode))
            return false;
    }
    return true;
}

bool ChapterTreeBuilder::addChapters(QTreeWidgetItem* section, const QString& sectionId,
                                     pages::ViewMode mode) {
    store::Recordset chapters = bank_.query(chapterQuery(mode, sectionId));
    for (chapters.first(); !chapters.eof(); chapters.next()) {
        const auto id = static_cast<qint32>(chapters.integer(QStringLiteral("id")));
        if (!addNode(section, chapters, id)) return false;
    }
    return true;
}

QTreeWidgetItem* ChapterTreeBuilder::addNode(QTreeWidgetItem* parent, const store::Recordset& row,
                                             qint32 recordId) {
    if (next_ >= ui::kNodeRecordCapacity) return nullptr;
    QTreeWidgetItem* node = tree_.addNode(parent, row.text(QStringLiteral("nodename")));
    ids_[static_cast<std::size_t>(next_++)] = recordId;
    return node;
}

}  // namespace app

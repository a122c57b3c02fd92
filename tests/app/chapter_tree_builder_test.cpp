#include "app/chapter_tree_builder.h"

#include <gtest/gtest.h>

#include <QTreeWidgetItem>

#include "app/chapter_tree_view.h"
#include "core/error.h"
#include "temp_bank.h"
#include "tree_rows.h"

namespace {

using app::ChapterTreeBuilder;
using app::ChapterTreeView;
using pages::ViewMode;

struct Built {
    ChapterTreeView tree;
    ui::MainWindowState state;
    QStringList texts() const {
        QStringList all;
        for (int k = 0; k < tree.nodeCount(); ++k) all << tree.nodeAt(k)->text(0);
        return all;
    }
};

void build(const TempBank& bank, Built& built, ViewMode mode) {
    store::Connection connection = bank.connect();
    ChapterTreeBuilder(connection, built.tree, built.state.NodeRecordIds).build(mode);
}

// A build that fails part-way closes its connection all the same: no handle stays on the bank.
TEST(ChapterTreeBuilder, AFailingBuildLeavesTheConnectionClosed) {
    TempBank bank;
    tree_rows::insertExampleTree(bank);
    bank.run("alter table tree drop column ct");  // the wrong-question chapters cannot be read
    Built built;
    store::Connection connection = bank.connect();
    EXPECT_THROW(ChapterTreeBuilder(connection, built.tree, built.state.NodeRecordIds)
                     .build(ViewMode::WrongQuestions),
                 core::Error);
    EXPECT_FALSE(connection.isOpen());
}

TEST(ChapterTreeBuilder, ExampleTreeMapsNodesToChapterRecords) {
    TempBank bank;
    tree_rows::insertExampleTree(bank);
    Built built;
    build(bank, built, ViewMode::AllQuestions);

    EXPECT_EQ(built.texts(), QStringList({"P1", "A", "a1", "a2", "B", "P2", "C", "c1"}));
    const std::vector<qint32> expected{0, 0, tree_rows::kA1, tree_rows::kA2, 0,
                                       0, 0, tree_rows::kC1};
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_EQ(built.state.NodeRecordIds[k], expected[k]) << "node " << k;
    EXPECT_EQ(built.tree.nodeAt(2)->text(0), "a1");  // the node an activation opens

    const QTreeWidgetItem* b = built.tree.nodeAt(4);
    EXPECT_EQ(ChapterTreeView::level(b), 1);
    EXPECT_EQ(b->childCount(), 0);
    EXPECT_EQ(ChapterTreeView::level(built.tree.nodeAt(7)), 2);
    EXPECT_EQ(built.tree.absoluteIndex(built.tree.nodeAt(7)), 7);
    EXPECT_EQ(built.tree.nodeAt(8), nullptr);
}

TEST(ChapterTreeBuilder, ModesListOnlyFlaggedChaptersButEveryPartAndSection) {
    TempBank bank;
    tree_rows::insertExampleTree(bank);
    Built favourites;
    build(bank, favourites, ViewMode::Favourites);
    EXPECT_EQ(favourites.texts(), QStringList({"P1", "A", "a2", "B", "P2", "C"}));
    EXPECT_EQ(favourites.state.NodeRecordIds[2], tree_rows::kA2);

    Built wrong;
    build(bank, wrong, ViewMode::WrongQuestions);
    EXPECT_EQ(wrong.texts(), QStringList({"P1", "A", "B", "P2", "C", "c1"}));
    EXPECT_EQ(wrong.state.NodeRecordIds[5], tree_rows::kC1);
    EXPECT_EQ(wrong.state.NodeRecordIds[2], 0);  // B is a section
}

TEST(ChapterTreeBuilder, ChapterQueriesAreTheFixedTexts) {
    EXPECT_EQ(ChapterTreeBuilder::chapterQuery(ViewMode::Favourites, "20"),
              "select * from tree where (parentid=20) and (scbt='1')");
    EXPECT_EQ(ChapterTreeBuilder::chapterQuery(ViewMode::WrongQuestions, "20"),
              "select * from tree where (parentid=20) and (ct='1')");
    EXPECT_EQ(ChapterTreeBuilder::chapterQuery(ViewMode::AllQuestions, "20"),
              "select * from tree where parentid=20");
}

TEST(ChapterTreeBuilder, KeyDifferingByOneBlankSelectsAllQuestions) {
    TempBank bank;
    tree_rows::insertExampleTree(bank);
    Built built;
    build(bank, built, pages::viewModeFromKey(QStringLiteral("收 藏 试题")));
    EXPECT_EQ(built.tree.nodeCount(), 8);
}

TEST(ChapterTreeBuilder, RebuildReplacesTheTreeAndLeavesEntriesAboveTheLastNode) {
    TempBank bank;
    tree_rows::insertExampleTree(bank);
    Built built;
    build(bank, built, ViewMode::AllQuestions);
    build(bank, built, ViewMode::Favourites);
    EXPECT_EQ(built.tree.nodeCount(), 6);
    EXPECT_EQ(built.state.NodeRecordIds[7], tree_rows::kC1);  // left from the earlier build
}

TEST(ChapterTreeBuilder, TreeBeyondTheTableIsCutOffWithoutWritingPastIt) {
    TempBank bank;
    // One part, one section, 1100 chapters: 1102 nodes for a table of 1001.
    QString sql =
        "insert into tree(id, nodename, code, parentid) values (1, 'P', 1, 0), (2, 'S', 2, 1)";
    for (int i = 0; i < 1100; ++i) sql += QString(", (%1, 'c%2', 3, 2)").arg(100 + i).arg(i);
    bank.run(sql + ";");

    // A canary right behind the table catches a write past its end.
    struct {
        ChapterTreeBuilder::NodeRecordIds ids{};
        std::array<qint32, 64> canary{};
    } table;
    table.canary.fill(-7);
    ChapterTreeView tree;
    store::Connection connection = bank.connect();
    ChapterTreeBuilder builder(connection, tree, table.ids);
    builder.build(ViewMode::AllQuestions);

    EXPECT_EQ(builder.nodesAdded(), ui::kNodeRecordCapacity);
    EXPECT_EQ(tree.nodeCount(), ui::kNodeRecordCapacity);
    EXPECT_EQ(table.ids[1000], 100 + 998);  // the last chapter that fits
    for (qint32 v : table.canary) EXPECT_EQ(v, -7);
    for (int k = 2; k < tree.nodeCount(); ++k)
        ASSERT_EQ(tree.nodeAt(k)->text(0), QString("c%1").arg(k - 2));
}

}  // namespace

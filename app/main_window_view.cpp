#include "app/main_window_view.h"

#include <QLabel>
#include <QPushButton>

#include "app/chapter_tree_builder.h"
#include "app/chapter_tree_view.h"
#include "app/status_panels.h"
#include "pageview/web_page_view.h"
#include "ui/picture_button.h"

namespace app {

namespace {

TreeNode treeNodeOf(const ChapterTreeView& tree, QTreeWidgetItem* node) {
    return {ChapterTreeView::level(node), node->childCount() == 0, tree.absoluteIndex(node)};
}

}  // namespace

pageview::PageView& MainWindowView::page() { return *ui_.WebBrowser1; }

void MainWindowView::fillTree(store::Connection& bank, NodeRecordIds& ids, pages::ViewMode mode) {
    ChapterTreeBuilder(bank, *ui_.TreeView1, ids).build(mode);
}

std::optional<TreeNode> MainWindowView::selectedNode() const {
    QTreeWidgetItem* node = ui_.TreeView1->currentItem();
    if (!node) return std::nullopt;
    return treeNodeOf(*ui_.TreeView1, node);
}

std::optional<TreeNode> MainWindowView::selectNode(int absoluteIndex) {
    QTreeWidgetItem* node = ui_.TreeView1->nodeAt(absoluteIndex);
    if (!node) return std::nullopt;
    ui_.TreeView1->setCurrentItem(node);
    return treeNodeOf(*ui_.TreeView1, node);
}

int MainWindowView::nodeCount() const { return ui_.TreeView1->nodeCount(); }

void MainWindowView::expandAllNodes() {
    const int count = ui_.TreeView1->nodeCount();
    for (int k = 0; k < count; ++k) ui_.TreeView1->nodeAt(k)->setExpanded(true);
}

void MainWindowView::holdTreeInput(bool held) { ui_.TreeView1->setInputHeld(held); }

void MainWindowView::setModeCaption(const QString& text) {
    ui_.Panel6->setText(text);
    ui_.Label3->setText(text);
}

void MainWindowView::setProductLabel(const QString& text) { ui_.Label4->setText(text); }

void MainWindowView::setQuestionCount(const QString& text) {
    ui_.StatusBar1->setPanelText(0, text);
}

void MainWindowView::setDateLine(const QString& text) { ui_.StatusBar1->setPanelText(2, text); }

void MainWindowView::resetAnswerButtons() {
    ui_.NewImage16->hide();
    ui_.NewImage10->show();
}

void MainWindowView::showHideAnswersButton() {
    ui_.NewImage10->hide();
    ui_.NewImage16->show();
}

void MainWindowView::showExerciseCommands() {
    ui_.NewImage10->show();
    ui_.NewImage11->show();
    ui_.NewImage12->show();
    ui_.Panel2->show();
}

int MainWindowView::handInButtonX() const { return ui_.BitBtn1->x(); }

}  // namespace app

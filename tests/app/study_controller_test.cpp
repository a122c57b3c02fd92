#include "app/study_controller.h"

#include <gtest/gtest.h>

#include "app/chapter_tree_builder.h"
#include "app/chapter_tree_view.h"
#include "pageview/text_page_view.h"
#include "scripted_messages.h"
#include "window_bank.h"

// The study controller on its own: a view that records what it is told, over a real chapter
// tree widget and a text page, with no main window.
namespace {

class RecordingView : public app::StudyView {
  public:
    pageview::PageView& page() override { return page_; }
    void fillTree(store::Connection& bank, NodeRecordIds& ids, pages::ViewMode mode) override {
        filledFor = mode;
        app::ChapterTreeBuilder(bank, tree, ids).build(mode);
    }
    std::optional<app::TreeNode> selectedNode() const override {
        QTreeWidgetItem* node = tree.currentItem();
        if (!node) return std::nullopt;
        return app::TreeNode{app::ChapterTreeView::level(node), node->childCount() == 0,
                             tree.absoluteIndex(node)};
    }
    std::optional<app::TreeNode> selectNode(int absoluteIndex) override {
        QTreeWidgetItem* node = tree.nodeAt(absoluteIndex);
        if (!node) return std::nullopt;
        tree.setCurrentItem(node);
        return selectedNode();
    }
    int nodeCount() const override { return tree.nodeCount(); }
    void expandAllNodes() override {}
    void holdTreeInput(bool held) override { heldDuringBuild |= held; }
    void setModeCaption(const QString& text) override { modeCaption = text; }
    void setProductLabel(const QString& text) override { productLabel = text; }
    void setQuestionCount(const QString& text) override { questionCount = text; }
    void setDateLine(const QString&) override {}
    void resetAnswerButtons() override { answersShown = false; }
    void showHideAnswersButton() override { answersShown = true; }
    void showExerciseCommands() override {}
    int handInButtonX() const override { return handInX; }

    pageview::TextPageView page_;
    app::ChapterTreeView tree;
    pages::ViewMode filledFor = pages::ViewMode::AllQuestions;
    bool heldDuringBuild = false;
    bool answersShown = false;
    QString modeCaption, productLabel, questionCount;
    int handInX = 488;
};

TEST(StudyControllerTest, StartsOpensTheFirstChapterAndKeepsTheActivationRule) {
    WindowBank bank;
    ScriptedMessages messages;
    RecordingView view;
    app::StudyController study(bank.programDir(), messages, view);
    study.start();
    EXPECT_EQ(view.productLabel, app::kProductLabel + QStringLiteral("  职业病学"));
    EXPECT_EQ(view.questionCount, QStringLiteral("试题量：5230"));
    EXPECT_EQ(study.modeKey(), pages::kStartKey);

    study.rebuildTree();
    study.applyActivationRule();
    EXPECT_EQ(study.state().CurrentChapterId, QString::number(tree_rows::kA1));
    EXPECT_EQ(study.state().PageShown, 1);
    EXPECT_TRUE(view.heldDuringBuild);
    EXPECT_TRUE(view.page_.html().contains(QStringLiteral("第一章节的题目")));

    // An activation the window asked to skip opens nothing, once.
    study.state().SkipAutoOpen = 1;
    study.state().PageShown = 0;
    study.applyActivationRule();
    EXPECT_EQ(study.state().PageShown, 0);
    EXPECT_EQ(study.state().SkipAutoOpen, 0);
    // Nor does one after the layout moved the hand-in button.
    view.handInX = 10;
    study.applyActivationRule();
    EXPECT_EQ(study.state().PageShown, 0);

    study.showAllAnswers();
    EXPECT_TRUE(view.answersShown);
    study.setModeKeyAndTitle(pages::kFavouritesKey);
    study.rebuildTree();
    EXPECT_EQ(view.modeCaption, pages::kFavouritesKey);
    EXPECT_EQ(view.filledFor, pages::ViewMode::Favourites);
    EXPECT_TRUE(messages.infos.isEmpty());
}

// A question found by the search opens on its chapter page in the mode on display when the mode
// lists it, else in the exercise set; the activation after the search window keeps that page.
TEST(StudyControllerTest, OpensAQuestionInTheModeThatListsIt) {
    WindowBank bank;
    bank.run("update question set scbt='1' where id=102;");
    ScriptedMessages messages;
    RecordingView view;
    app::StudyController study(bank.programDir(), messages, view);
    study.start();
    study.rebuildTree();

    ASSERT_TRUE(study.openQuestion(103));
    EXPECT_EQ(study.state().CurrentChapterId, QString::number(tree_rows::kC1));
    EXPECT_TRUE(view.page_.html().contains(QStringLiteral("另一篇的题目")));
    EXPECT_EQ(study.state().SkipAutoOpen, 1);
    study.applyActivationRule();
    EXPECT_EQ(study.state().CurrentChapterId, QString::number(tree_rows::kC1));

    // The favourites view lists a2 (flagged in the example tree) and its favourite 102.
    study.setModeKeyAndTitle(pages::kFavouritesKey);
    study.rebuildTree();
    ASSERT_TRUE(study.openQuestion(102));
    EXPECT_EQ(study.modeKey(), pages::kFavouritesKey);
    EXPECT_EQ(study.state().CurrentChapterId, QString::number(tree_rows::kA2));
    // 101 is no favourite: the exercise set shows it.
    ASSERT_TRUE(study.openQuestion(101));
    EXPECT_EQ(study.modeKey(), pages::kExerciseSetKey);
    EXPECT_EQ(view.modeCaption, pages::kExerciseSetKey);
    EXPECT_EQ(study.state().CurrentChapterId, QString::number(tree_rows::kA1));
    EXPECT_TRUE(view.page_.html().contains(QStringLiteral("第一章节的题目")));

    // A question the bank no longer has opens nothing.
    EXPECT_FALSE(study.openQuestion(999));
    EXPECT_EQ(study.state().CurrentChapterId, QString::number(tree_rows::kA1));
    EXPECT_TRUE(messages.infos.isEmpty());
}

}  // namespace

// A chapter opens by its id as a click on its node does, in the mode's tree (the learning
// record's chapters); one the mode does not list is refused and the page stays.
TEST(StudyControllerTest, AChapterOpensByItsIdInTheModesTree) {
    WindowBank bank;
    ScriptedMessages messages;
    RecordingView view;
    app::StudyController study(bank.programDir(), messages, view);
    study.start();

    study.rebuildTree();
    study.applyActivationRule();
    study.openChapter(tree_rows::kC1);
    EXPECT_EQ(study.state().CurrentChapterId, QString::number(tree_rows::kC1));
    EXPECT_EQ(view.tree.currentItem()->text(0), QStringLiteral("c1"));
    EXPECT_TRUE(view.page_.html().contains(QStringLiteral("另一篇的题目")));
    EXPECT_TRUE(messages.infos.isEmpty());

    // The favourites tree lists a2 alone; c1's id stays in the table beyond its last node.
    study.setModeKeyAndTitle(pages::kFavouritesKey);
    study.rebuildTree();
    study.openChapter(tree_rows::kC1);
    EXPECT_EQ(messages.infos,
              QStringList{QStringLiteral(
                  "这个章节不在当前的题目列表中，请点击工具栏的“习题集”后再打开。")});
    EXPECT_EQ(study.state().CurrentChapterId, QString::number(tree_rows::kC1));
    EXPECT_EQ(study.state().SkipAutoOpen, 1) << "closing the message keeps the page";
    study.openChapter(tree_rows::kA2);
    EXPECT_EQ(study.state().CurrentChapterId, QString::number(tree_rows::kA2));
}

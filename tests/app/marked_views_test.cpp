#include "app/marked_views.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "core/error.h"
#include "fake_main_window.h"
#include "pages/view_mode.h"
#include "recording_page_view.h"
#include "scripted_messages.h"
#include "view_bank.h"

namespace {

using app::MarkedViews;

// Records what the tree build would see when the view calls FormShow.
class ObservedMainWindow : public FakeMainWindow {
  public:
    ObservedMainWindow(const ViewBank& bank, pageview::PageView& page,
                       core::MessageService& messages)
        : FakeMainWindow(bank.programDir(), page, messages), bank_(bank) {}

    void rebuildTree() override {
        FakeMainWindow::rebuildTree();
        pageShownAtFormShow = state().PageShown;
        keyAtFormShow = modeKey();
        flaggedChaptersAtFormShow = bank_.value(
            "select group_concat(id) from (select id from tree where scbt='1' or ct='1' order by "
            "id)");
    }

    int pageShownAtFormShow = -1;
    QString keyAtFormShow;
    QString flaggedChaptersAtFormShow;

  private:
    const ViewBank& bank_;
};

class MarkedViewsTest : public testing::Test {
  protected:
    MarkedViewsTest()
        : host(bank, page, messages), views(host, [this] {
              managerShown << messages.infos.size();
              if (inManager) inManager();
          }) {
        host.state().PageShown = 1;
        host.state().SkipAutoOpen = 1;
    }

    // Chapters whose flag disagrees with "some question of the chapter carries the flag".
    QString chaptersOutOfStep(const QString& flag) const {
        return bank.value(
            QStringLiteral(
                "select group_concat(id) from tree t where (coalesce(t.%1, '') = '1') <> exists("
                " select 1 from readtext r join question q on q.readtextid = r.id"
                " where r.treeid = t.id and q.%1 = '1')")
                .arg(flag));
    }

    ViewBank bank;
    RecordingPageView page;
    ScriptedMessages messages;
    ObservedMainWindow host;
    QList<qsizetype> managerShown;  // the number of messages shown before each showing
    std::function<void()> inManager;
    MarkedViews views;
};

TEST_F(MarkedViewsTest, NoFavouriteReportsItAndLeavesTheView) {
    bank.run("update tree set scbt='1' where id=32;");  // stale from an earlier opening
    views.NewImage1Click();
    EXPECT_EQ(messages.infos, QStringList({"您没有收藏试题！"}));
    EXPECT_EQ(host.modeKey(), pages::kStartKey);
    EXPECT_EQ(host.modeTitle(), pages::kExerciseSetKey);
    EXPECT_EQ(host.formShows, 0);
    EXPECT_EQ(host.formActivates, 0);
    EXPECT_EQ(bank.chapterFlag("scbt", ViewBank::kA2), "1");
    EXPECT_EQ(host.state().SkipAutoOpen, 0);  // closing the message reopens node 2
    EXPECT_EQ(host.state().PageShown, 1);
}

TEST_F(MarkedViewsTest, FavouritesViewFlagsChaptersSwitchesModeAndReopens) {
    bank.run(
        "update question set scbt='1' where id=104; update tree set scbt='1' where id=32;"
        "update question set ct='1' where id=103;");
    host.showAllAnswers();  // answers shown on the old page
    views.NewImage1Click();
    EXPECT_TRUE(messages.infos.isEmpty());
    EXPECT_EQ(host.modeKey(), pages::kFavouritesKey);
    EXPECT_EQ(host.modeTitle(), pages::kFavouritesKey);
    // The tree is built after the flags and the key, with the page marked as not shown.
    EXPECT_EQ(host.keyAtFormShow, pages::kFavouritesKey);
    EXPECT_EQ(host.pageShownAtFormShow, 0);
    EXPECT_EQ(host.flaggedChaptersAtFormShow, "31");  // a2 lost its stale flag; ct untouched
    EXPECT_EQ(host.formShows, 1);
    EXPECT_EQ(host.formActivates, 1);
    EXPECT_EQ(host.expands, 1);
    EXPECT_EQ(host.state().PageShown, 1);
    EXPECT_EQ(host.state().SkipAutoOpen, 0);
    EXPECT_TRUE(host.exerciseCommandsShown);
    EXPECT_TRUE(host.showAllShown);
    EXPECT_FALSE(host.hideAllShown);
    EXPECT_EQ(bank.chapterFlag("ct", ViewBank::kC1), "");  // the other flag is not rebuilt
    EXPECT_TRUE(managerShown.isEmpty());
}

TEST_F(MarkedViewsTest, ChapterFlagsFollowTheQuestionFlagsAtEveryOpening) {
    // Random question flags, over and over: after each opening a chapter carries the flag
    // exactly when some question of its groups does.
    QRandomGenerator random(20261209);
    for (int round = 0; round < 12; ++round) {
        for (int id : {101, 102, 103, 104})
            bank.run(QStringLiteral("update question set ct=%1 where id=%2")
                         .arg(random.bounded(3) == 0 ? QStringLiteral("'1'")
                              : random.bounded(2)    ? QStringLiteral("''")
                                                     : QStringLiteral("null"))
                         .arg(id));
        bank.run("update question set ct='1' where id=102;");  // never an empty bank
        views.NewImage20Click();
        EXPECT_EQ(chaptersOutOfStep("ct"), "") << "round " << round;
        EXPECT_EQ(bank.chapterFlag("ct", ViewBank::kA2), "1");
    }
    EXPECT_EQ(managerShown.size(), 12);
}

TEST_F(MarkedViewsTest, ChapterWhoseLastFlaggedQuestionLostItsFlagLosesTheChapterFlag) {
    bank.run("update question set ct='1' where id in (101, 104, 103);");
    views.NewImage20Click();
    EXPECT_EQ(bank.chapterFlag("ct", ViewBank::kA1), "1");
    bank.run("update question set ct='' where id=101;");
    views.NewImage20Click();
    EXPECT_EQ(bank.chapterFlag("ct", ViewBank::kA1), "1");  // 104 still holds it
    bank.run("update question set ct='' where id=104;");
    EXPECT_EQ(bank.chapterFlag("ct", ViewBank::kA1), "1");  // stale until the next opening
    views.NewImage20Click();
    EXPECT_EQ(bank.chapterFlag("ct", ViewBank::kA1), "");
    EXPECT_EQ(bank.chapterFlag("ct", ViewBank::kC1), "1");
    EXPECT_EQ(chaptersOutOfStep("ct"), "");
}

TEST_F(MarkedViewsTest, WrongQuestionViewShowsTheManagerFirstAlsoWhenTheBankIsEmpty) {
    views.NewImage20Click();
    EXPECT_EQ(managerShown, QList<qsizetype>({0}));  // before any message
    EXPECT_EQ(messages.infos, QStringList({"您没有错题！"}));
    EXPECT_EQ(host.formShows, 0);
    EXPECT_EQ(host.modeKey(), pages::kStartKey);
}

TEST_F(MarkedViewsTest, ManagerEmptyingTheBankLeadsToNoWrongQuestions) {
    bank.run("update question set ct='1' where id in (101, 103);");
    inManager = [this] { bank.run("update question set ct='' where id in (101, 103);"); };
    views.NewImage20Click();
    EXPECT_EQ(messages.infos, QStringList({"您没有错题！"}));
    EXPECT_EQ(host.formShows, 0);
}

TEST_F(MarkedViewsTest, WrongQuestionViewSwitchesToItsMode) {
    bank.run("update question set ct='1' where id=103; update question set scbt='1' where id=101;");
    views.NewImage20Click();
    EXPECT_EQ(host.modeKey(), pages::kWrongQuestionsKey);
    EXPECT_EQ(host.modeTitle(), pages::kWrongQuestionsKey);
    EXPECT_EQ(host.flaggedChaptersAtFormShow, "71");  // scbt of a1 not derived here
    EXPECT_EQ(host.formActivates, 1);
    EXPECT_EQ(host.state().PageShown, 1);
}

TEST_F(MarkedViewsTest, GroupOfAMissingChapterDoesNotStopTheView) {
    bank.run(
        "insert into readtext(id, treeid, qtypeid) values(9, 999, 1);"
        "insert into question(id, readtextid, content, scbt) values(109, 9, '孤立的题目', '1');"
        "update question set scbt='1' where id=102;");
    views.NewImage1Click();
    EXPECT_EQ(bank.chapterFlag("scbt", ViewBank::kA2), "1");
    EXPECT_EQ(bank.value("select count(*) from tree"), "8");  // no chapter row is made up
    EXPECT_EQ(host.formShows, 1);
}

TEST_F(MarkedViewsTest, FailedFlagRebuildKeepsTheOldFlags) {
    bank.run(
        "update tree set scbt='1' where id=71;"
        "insert into readtext(id, treeid, qtypeid) values(9, null, 1);"
        "insert into question(id, readtextid, content, scbt) values(109, 9, '没有章节的题组', "
        "'1');");
    EXPECT_THROW(views.NewImage1Click(), core::Error);
    EXPECT_EQ(bank.chapterFlag("scbt", ViewBank::kC1), "1");
    EXPECT_EQ(host.formShows, 0);
    // The old page is still on screen: its buttons go on acting as commands.
    EXPECT_EQ(host.state().PageShown, 1);
}

}  // namespace

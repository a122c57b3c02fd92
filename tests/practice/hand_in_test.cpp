#include <gtest/gtest.h>

#include "core/error.h"
#include "practice_fixture.h"
#include "ui/action_gate.h"

using Answer = core::MessageService::Answer;

namespace {
const QString kB = PracticeFixture::kMatchingTitle;
const QString kCase = PracticeFixture::kCaseTitle;
const QStringList kABCDE{"A", "B", "C", "D", "E"};
}  // namespace

TEST(HandIn, UntouchedPageFlagsEveryQuestionAndNoTakesThemAllOutAgain) {
    PracticeFixture f;
    f.addGroup(10, 3);
    f.addChoice(101, 10, "A", kABCDE, true, "'', '1', ''");  // already in the wrong-question bank
    f.addChoice(102, 10, "C", kABCDE);
    f.addGroup(11, 6);
    f.addChoice(111, 11, "ABD", kABCDE);
    f.bank.run(
        "insert into question(id, readtextid, answer, ct, ct1) values (900, 99, 'A', '1', '1')");

    f.messages.answers.enqueue(Answer::Yes);
    f.handIn.BitBtn1Click();
    EXPECT_EQ(f.resultWindows, 1);
    ASSERT_EQ(f.messages.asked.size(), 1);
    EXPECT_EQ(f.messages.asked[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(f.messages.asked[0].text, QStringLiteral("您是否把这次的错题放到错题题库中？"));
    EXPECT_EQ(f.messages.asked[0].buttons, core::MessageService::Buttons::YesNo);
    EXPECT_EQ(f.questionsWhere("ct='1'"), QStringList({"101", "102", "111", "900"}));
    EXPECT_EQ(f.questionsWhere("ct1='1'"), QStringList({"101", "102", "111"}))
        << "a question of another chapter loses its mark of an earlier hand-in";
    EXPECT_EQ(f.redStems(), QStringList({"fan101", "fan102", "fan111"}));
    EXPECT_EQ(f.host.state().SkipAutoOpen, 1);
    EXPECT_EQ(f.host.state().PageShown, 0);
    EXPECT_EQ(f.page.events.count("snapshot"), 1) << "the form is read once per hand-in";
    EXPECT_EQ(f.recorded(), QStringList({"2 0: A1型题 2/0, X型题 1/0"}));

    f.messages.answers.enqueue(Answer::No);
    f.handIn.BitBtn1Click();
    EXPECT_EQ(f.questionsWhere("ct='1'"), QStringList({"900"}))
        << "No takes this marking's wrong questions out, also the one that was in before";
    EXPECT_EQ(f.recorded().size(), 2) << "every hand-in is kept in the learning record";
}

TEST(HandIn, AnswerComparisonTrimsButKeepsCaseAndOrder) {
    PracticeFixture f;
    f.addGroup(10, 6);
    f.addChoice(101, 10, "ABD ", kABCDE);         // trailing blank
    f.addChoice(102, 10, "\tC\r\n", kABCDE);      // control characters around the letter
    f.addChoice(103, 10, "abd", kABCDE);          // other letter case
    f.addChoice(104, 10, "BA", kABCDE);           // letters not in option order
    f.addChoice(105, 10, "", kABCDE);             // empty answer, nothing ticked
    f.addChoice(106, 10, "A", kABCDE);            // left unanswered
    f.addChoice(107, 10, "AB", {"B", "A", "C"});  // options stored B, A: given "BA"
    f.addChoice(108, 10, "A\u3000", kABCDE);      // an ideographic blank is not trimmed
    f.tick(101, "ABD");
    f.tick(102, "C");
    f.tick(103, "ABD");
    f.tick(104, "AB");
    f.tick(107, "AB");
    f.tick(108, "A");
    f.messages.answers.enqueue(Answer::Yes);
    f.handIn.BitBtn1Click();
    EXPECT_EQ(f.questionsWhere("ct1='1'"), QStringList({"103", "104", "106", "107", "108"}));
    EXPECT_EQ(f.scoreRows().first(), QStringLiteral("X型题 8 3"));
}

TEST(HandIn, MatchingQuestionLeftAtItsFirstEntryIsWrong) {
    PracticeFixture f;
    f.addGroup(10, 11);
    f.addMatching(101, 10, "B");
    f.addMatching(102, 10, "C");
    f.addMatching(103, 10, "daan");  // a stored answer that equals the untouched entry
    f.choose(101, "B");
    f.messages.answers.enqueue(Answer::Yes);
    f.handIn.BitBtn1Click();
    EXPECT_EQ(f.questionsWhere("ct1='1'"), QStringList({"102"}));
    EXPECT_EQ(f.scoreRows(), QStringList({kB + " 3 2", kCase + " 0 0"}));
}

TEST(HandIn, ScoreRowsPerGroupThenTheMergedLabels) {
    PracticeFixture f;
    f.addGroup(10, 11);  // B型题 twice: merged into one row
    f.addMatching(101, 10, "A");
    f.addMatching(102, 10, "B");
    f.addGroup(11, 11);
    f.addMatching(111, 11, "C");
    f.addGroup(12, 3);  // A1 twice: never merged
    f.addChoice(121, 12, "A", kABCDE);
    f.addGroup(13, 3);
    f.addChoice(131, 13, "B", kABCDE);
    f.addGroup(14, 1);  // 阅读案例多个问题8, merged only because it occurs
    f.addChoice(141, 14, "C", kABCDE);
    f.choose(101, "A");
    f.choose(111, "C");
    f.tick(121, "A");
    f.tick(141, "C");
    f.messages.answers.enqueue(Answer::Yes);
    f.handIn.BitBtn1Click();
    EXPECT_EQ(f.scoreRows(), QStringList({"A1型题 1 1", "A1型题 1 0", "阅读案例多个问题8 1 1",
                                          kB + " 3 2", kCase + " 0 0"}));
    // The record adds up the groups of a type, in the order they were marked.
    EXPECT_EQ(f.recorded(),
              QStringList({"2 0: 阅读案例多个问题8 1/1, A1型题 2/1, " + kB + " 3/2"}));
}

TEST(HandIn, ChapterWithoutGroupsWritesOnlyTheTwoAlwaysMergedRows) {
    PracticeFixture f;
    f.handIn.BitBtn1Click();
    EXPECT_EQ(f.scoreRows(), QStringList({kB + " 0 0", kCase + " 0 0"}));
    EXPECT_EQ(f.resultWindows, 1);
    EXPECT_TRUE(f.recorded().isEmpty()) << "nothing marked, nothing to learn from";
}

TEST(HandIn, FavouritesModeMarksOnlyFavouritesAndWritesEmptyGroups) {
    PracticeFixture f;
    f.host.setModeKeyAndTitle(QStringLiteral("收 藏 试 题"));
    f.addGroup(10, 3);
    f.addChoice(101, 10, "A", kABCDE, true, "'1', '', ''");
    f.addChoice(102, 10, "B", kABCDE, false);  // not a favourite: not on the page
    f.addGroup(11, 4);
    f.addChoice(111, 11, "C", kABCDE, false);
    f.messages.answers.enqueue(Answer::Yes);
    f.handIn.BitBtn1Click();
    EXPECT_EQ(f.questionsWhere("ct1='1'"), QStringList({"101"}));
    EXPECT_EQ(f.scoreRows(),
              QStringList({"A1型题 1 0", "A2型题 0 0", kB + " 0 0", kCase + " 0 0"}));
    EXPECT_EQ(f.messages.asked.size(), 1);
    EXPECT_EQ(f.recorded(), QStringList({"2 1: A1型题 1/0"}));
}

TEST(HandIn, WrongQuestionModeAsksNothingAndKeepsTheFlags) {
    PracticeFixture f;
    f.host.setModeKeyAndTitle(QStringLiteral("错 题 题 库"));
    f.addGroup(10, 3);
    f.addChoice(101, 10, "A", kABCDE, true, "'', '1', ''");
    f.addChoice(102, 10, "B", kABCDE, true, "'', '1', ''");
    f.addChoice(103, 10, "C", kABCDE, false);  // not in the bank: not listed
    f.tick(101, "A");
    f.handIn.BitBtn1Click();
    EXPECT_TRUE(f.messages.asked.isEmpty());
    EXPECT_EQ(f.resultWindows, 1);
    EXPECT_EQ(f.questionsWhere("ct='1'"), QStringList({"101", "102"}))
        << "a right answer keeps its flag";
    EXPECT_EQ(f.questionsWhere("ct1='1'"), QStringList({"102"}));
}

TEST(HandIn, MissingElementEndsTheHandInSilentlyKeepingWhatWasWritten) {
    PracticeFixture f;
    f.bank.run("insert into fenshu(tx, sts, dd) values ('旧的', '5', '5')");
    f.bank.run("insert into question(id, readtextid, answer, ct1) values (900, 99, 'A', '1')");
    f.addGroup(10, 3);
    f.addChoice(101, 10, "A", kABCDE);
    f.addGroup(11, 4);
    f.addChoice(111, 11, "A", kABCDE);
    f.addChoice(112, 11, "B", kABCDE);
    f.page.elements.remove(QStringLiteral("1121"));  // an option box the page lacks
    f.handIn.BitBtn1Click();
    EXPECT_EQ(f.resultWindows, 0);
    EXPECT_TRUE(f.messages.asked.isEmpty());
    EXPECT_TRUE(f.messages.errors.isEmpty());
    EXPECT_EQ(f.scoreRows(), QStringList({"A1型题 1 0"}));
    EXPECT_EQ(f.questionsWhere("ct1='1'"), QStringList({"101", "111"}));
    EXPECT_EQ(f.redStems(), QStringList({"fan101", "fan111"}));
    EXPECT_EQ(f.host.state().PageShown, 0);
    EXPECT_EQ(f.host.state().SkipAutoOpen, 1);
    EXPECT_TRUE(f.recorded().isEmpty()) << "a marking that stopped part-way is not recorded";
}

// Another connection reads through the whole hand-in, so its commit cannot get the bank: the
// stems still turn red and the user is told that the marks were not kept.
TEST(HandIn, AMarkingThatCannotBeWrittenIsReportedAndStillShownOnThePage) {
    PracticeFixture f;
    f.addGroup(10, 3);
    f.addChoice(101, 10, "A", kABCDE);
    store::Connection reader = f.bank.connect();
    f.page.onSnapshot = [&] {
        reader.exec("begin");
        reader.query("select * from question");
    };
    f.handIn.BitBtn1Click();
    reader.exec("commit");
    ASSERT_EQ(f.messages.errors.size(), 1);
    EXPECT_TRUE(f.messages.errors[0].contains(QStringLiteral("交卷结果未能保存")))
        << f.messages.errors[0].toStdString();
    EXPECT_EQ(f.redStems(), QStringList({"fan101"}));
    EXPECT_TRUE(f.questionsWhere("ct1='1'").isEmpty());  // nothing half-kept
    EXPECT_EQ(f.resultWindows, 0);
    EXPECT_TRUE(f.recorded().isEmpty()) << "the record goes with the marking it belongs to";
}

TEST(HandIn, NoChapterOpenedEndsSilentlyAfterEmptyingTheScoreTable) {
    PracticeFixture f;
    f.host.state().CurrentChapterId.clear();
    f.bank.run("insert into fenshu(tx, sts, dd) values ('旧的', '5', '5')");
    f.handIn.BitBtn1Click();
    EXPECT_EQ(f.resultWindows, 0);
    EXPECT_TRUE(f.scoreRows().isEmpty());
}

// A bank that cannot be written fails at the hand-in's first write: the user is told that the
// marks were not kept, and the exercise page's buttons go on working.
TEST(HandIn, ABankThatCannotBeWrittenIsReportedAndThePageKeepsWorking) {
    PracticeFixture f;
    f.addGroup(10, 3);
    f.addChoice(101, 10, "A", kABCDE);
    f.host.state().PageShown = 1;
    store::Connection writer = f.bank.connect();
    writer.exec("begin immediate");  // holds the bank past the busy wait
    EXPECT_NO_THROW(f.handIn.BitBtn1Click());
    writer.exec("rollback");
    ASSERT_EQ(f.messages.errors.size(), 1);
    EXPECT_TRUE(f.messages.errors[0].startsWith(QStringLiteral("交卷结果未能保存")))
        << f.messages.errors[0].toStdString();
    EXPECT_EQ(f.host.state().PageShown, 1);
    EXPECT_EQ(f.resultWindows, 0);
    EXPECT_TRUE(f.recorded().isEmpty());
}

TEST(ReAnswer, RebuildsTheSelectedNodeOnlyAfterOk) {
    PracticeFixture f;
    f.host.showAllAnswers();  // answers shown: hide-all button visible
    f.messages.answers.enqueue(Answer::Cancel);
    practice::NewImage11Click(f.host);
    EXPECT_EQ(f.host.treeClicks, 0);
    EXPECT_TRUE(f.host.hideAllShown);
    f.messages.answers.enqueue(Answer::Ok);
    practice::NewImage11Click(f.host);
    EXPECT_EQ(f.host.treeClicks, 1);
    EXPECT_TRUE(f.host.showAllShown);
    EXPECT_FALSE(f.host.hideAllShown);
    ASSERT_EQ(f.messages.asked.size(), 2);
    EXPECT_EQ(f.messages.asked[1].caption, QStringLiteral("提示"));
    EXPECT_EQ(f.messages.asked[1].text, QStringLiteral("重新答题会清除当前所选的答案，是否继续？"));
    EXPECT_EQ(f.messages.asked[1].buttons, core::MessageService::Buttons::OkCancel);
}

TEST(HandIn, MissingStemOfAWrongQuestionEndsTheHandInAfterItsFlags) {
    PracticeFixture f;
    f.addGroup(10, 3);
    f.addChoice(101, 10, "A", kABCDE);
    f.addChoice(102, 10, "B", kABCDE);
    f.addChoice(103, 10, "C", kABCDE);
    f.page.elements.remove(QStringLiteral("fan102"));
    f.handIn.BitBtn1Click();
    EXPECT_EQ(f.resultWindows, 0);
    EXPECT_EQ(f.questionsWhere("ct1='1'"), QStringList({"101", "102"}));
    EXPECT_EQ(f.redStems(), QStringList({"fan101"}));
    EXPECT_TRUE(f.scoreRows().isEmpty());
}

namespace {
// A page whose form read lets the user press the hand-in button again, as waiting for a real
// page does.
class PressAgainPageView : public RecordingPageView {
  public:
    std::function<void()> duringRead;
    QHash<QString, pageview::ElementState> formSnapshot() override {
        if (duringRead) std::exchange(duringRead, nullptr)();
        return RecordingPageView::formSnapshot();
    }
};
}  // namespace

TEST(HandIn, SecondPressWhileThePageIsReadIsIgnored) {
    TempBank bank;
    PressAgainPageView page;
    ScriptedMessages messages;
    FakeMainWindow host(bank.programDir(), page, messages);
    host.state().CurrentChapterId = QStringLiteral("2");
    bank.run("insert into tree(id, code, parentid) values (2, 0, 1)");
    int resultWindows = 0;
    practice::HandIn handIn(host, [&] { ++resultWindows; });
    // Both presses come as the main window's commands do, through its gate.
    ui::ActionGate gate(nullptr);
    const auto press = [&] { gate.runOrIgnore([&] { handIn.BitBtn1Click(); }); };
    page.duringRead = press;
    press();
    EXPECT_EQ(resultWindows, 1);
    EXPECT_EQ(messages.asked.size(), 1);
}

#include "exam/question_navigation.h"

#include "exam/letter_selection.h"
#include "exam_paper_fixture.h"

namespace {

using exam::ButtonColour;
using exam::QuestionNavigation;

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

class QuestionNavigationTest : public ExamPaperTest {
  protected:
    QuestionNavigation navigation{host};
};

TEST_F(QuestionNavigationTest, AnswersAreStoredAsTickedAndATypeIsLeftOnlyWhenComplete) {
    startAt("1");
    navigation.next();  // nothing ticked on 1
    EXPECT_EQ(host.answeredLabel, "1");
    EXPECT_EQ(host.buttons["a1"], ButtonColour::ActiveBorder);
    EXPECT_EQ(host.buttons["a2"], ButtonColour::Red);
    EXPECT_EQ(host.state.CurrentPaperNumber, "2");
    EXPECT_TRUE(host.view.html().contains(u("2.单二")));
    EXPECT_TRUE(host.shown.infos.isEmpty());  // moving inside a type is never refused

    // Leaving single choice while question 1 has no answer: refused, the answer just given is
    // stored all the same and the page with its marks stays.
    host.view.setChecked("122", true);
    navigation.next();
    navigation.jump("3");
    EXPECT_EQ(host.shown.infos, QStringList({QuestionNavigation::kTypeIncomplete,
                                             QuestionNavigation::kTypeIncomplete}));
    EXPECT_EQ(stored("2"), "B");
    EXPECT_EQ(host.state.CurrentPaperNumber, "2");
    EXPECT_EQ(host.buttons["a2"], ButtonColour::Red);
    EXPECT_TRUE(host.view.checked("122"));
    EXPECT_TRUE(host.observer.isInstalled());

    // Back into a type that has an answer: no hint. Then complete, the jump is let through and
    // the new type's hint comes once.
    navigation.previous();
    host.view.setChecked("111", true);
    navigation.jump("3");
    EXPECT_EQ(host.shown.infos.size(), 3);
    EXPECT_EQ(host.shown.infos.last(), u("多项选择题，里边有多个正确答案"));
    EXPECT_EQ(host.answeredLabel, "2");  // counted before question 1's answer was stored
    EXPECT_TRUE(host.view.html().contains(u("3.多选")));

    // B and D ticked in any order store "BD" in the bank's option order.
    host.view.setChecked("134", true);
    host.view.setChecked("132", true);
    navigation.next();
    EXPECT_EQ(stored("3"), "BD");
    EXPECT_EQ(host.buttons["a3"], ButtonColour::Blue);
    EXPECT_EQ(host.shown.infos.last(), u("阅读案例分析题，请选择正确答案"));
    EXPECT_EQ(host.state.CurrentPaperNumber, "4.1");

    // Back from the cases only once they are complete; coming back shows the ticks, and
    // clearing them keeps the stored answer but not the colour.
    navigation.previous();
    EXPECT_EQ(host.shown.infos.last(), QuestionNavigation::kTypeIncomplete);
    host.view.setChecked("143", true);
    navigation.next();
    host.view.setChecked("154", true);
    navigation.previous();
    navigation.previous();
    EXPECT_EQ(host.shown.infos.size(), 5);  // a type with answers gives no hint
    EXPECT_EQ(host.state.CurrentPaperNumber, "3");
    EXPECT_TRUE(host.view.checked("132") && host.view.checked("134"));
    host.view.setChecked("132", false);
    host.view.setChecked("134", false);
    navigation.next();
    EXPECT_EQ(stored("3"), "BD");
    EXPECT_EQ(host.buttons["a3"], ButtonColour::ActiveBorder);
    // Next writes the count itself: one past the five rows answered before the move.
    EXPECT_EQ(host.answeredLabel, "6");
}

TEST_F(QuestionNavigationTest, AMatchingGroupKeepsItsChoicesAndAnEmptyOneIsUnanswered) {
    startAt("5");
    host.view.setValue("201", "C");
    host.view.setValue("203", "A");
    navigation.next();  // the last row: stays, renders it again
    EXPECT_EQ(stored("5"), "AC");
    EXPECT_EQ(QStringList({choiceOf(201), choiceOf(202), choiceOf(203), choiceOf(204)}),
              QStringList({"C", "", "A", ""}));
    EXPECT_EQ(host.buttons["a5"], ButtonColour::Red);  // stored, and on screen again
    EXPECT_EQ(host.view.value("201"), "C");
    EXPECT_EQ(host.view.value("202"), "daan");
    EXPECT_EQ(host.view.value("203"), "A");
    EXPECT_TRUE(host.shown.infos.isEmpty());  // no message at the end of the paper

    for (const char* id : {"201", "203"}) host.view.setValue(id, "daan");
    navigation.previous();  // to case 4.2: refused, the group now has no answer
    EXPECT_EQ(stored("5"), "");
    EXPECT_EQ(host.state.CurrentPaperNumber, "5");
    EXPECT_EQ(host.shown.infos, QStringList{QuestionNavigation::kTypeIncomplete});
}

TEST_F(QuestionNavigationTest, NumbersTravelAsTheirTextAndANumberWithoutARowStepsBack) {
    bank.run("update sj set tjda='A' where lx='a1'; update sj set tp='tp/x.png' where tid='2'");
    bank.run(
        "insert into sj(tid, lx, alt, tg, tgid, da) values ('4.10', 'a3', '病例', '案十', '15', "
        "'D')");
    startAt("1");
    // The picture comes with next and previous, never with a number click.
    navigation.next();
    EXPECT_TRUE(host.view.html().contains("<img src=\"./tp/x.png\">"));
    navigation.previous();
    navigation.jump("2");
    EXPECT_FALSE(host.view.html().contains("<img src=\"./tp/x.png\">"));
    navigation.previous();
    navigation.jump("9");
    EXPECT_EQ(host.shown.infos, QStringList{QuestionNavigation::kNoMoreQuestions});
    EXPECT_EQ(host.buttons["a9"], ButtonColour::Blue);
    EXPECT_EQ(host.state.CurrentPaperNumber, "8");

    navigation.jump("4.10");  // the tenth sub-question, not the first
    EXPECT_EQ(host.state.CurrentPaperNumber, "4.10");
    EXPECT_EQ(host.buttons["a4f10"], ButtonColour::Red);
    EXPECT_TRUE(host.view.html().contains(u("4.10.案十")));
    EXPECT_FALSE(host.view.html().contains(u("4.1.案一")));
    // The jump counter is the bar's position, capped at the paper's size.
    bank.run("update sj set tjda='A'");
    navigation.jump("3");
    EXPECT_EQ(host.answeredLabel, "6");
}

TEST_F(QuestionNavigationTest, KeysTickASingleChoiceOptionByPositionOnly) {
    EXPECT_EQ(exam::KeyObserver::keyText(0x10), "q");
    EXPECT_EQ(exam::KeyObserver::keyText(0x1E), "a");
    EXPECT_EQ(exam::KeyObserver::keyText(0x32), "m");
    EXPECT_EQ(exam::KeyObserver::keyText(0x4B), "1");
    EXPECT_EQ(exam::KeyObserver::keyText(0x4D), "2");
    EXPECT_EQ(exam::KeyObserver::keyText(0x33), "");

    host.observer.setLetterAction(
        [this](const QString& letter) { exam::selectOptionByLetter(host, letter); });
    constexpr quint32 kD = 0x20, kK = 0x25, kA = 0x1E, kLeft = 0x4B;
    startAt("1");
    host.observer.keyReleased(kK);
    host.observer.keyReleased(kLeft);
    EXPECT_EQ(host.focusMoves, 0);
    for (const char* option : {"111", "112", "113", "114"}) EXPECT_FALSE(host.view.checked(option));
    host.observer.keyReleased(kD);
    EXPECT_TRUE(host.view.checked("114"));
    EXPECT_EQ(host.focusMoves, 1);
    EXPECT_TRUE(host.observer.keyBuffer().isEmpty());

    bank.run("update sj set tjda='A' where lx='a1'");
    navigation.jump("3");
    host.observer.keyReleased(kD);  // multiple choice: only the focus moves
    EXPECT_FALSE(host.view.checked("134"));
    EXPECT_EQ(host.focusMoves, 2);

    host.observer.remove();  // as the hand-in leaves it
    host.observer.keyReleased(kA);
    EXPECT_FALSE(host.view.checked("131"));
    EXPECT_EQ(host.focusMoves, 2);
}

}  // namespace

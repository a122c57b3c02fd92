#include "exam/exam_hand_in.h"

#include <QCryptographicHash>
#include <QFile>
#include <QStringDecoder>

#include "exam/exam_marking.h"
#include "exam/question_navigation.h"
#include "exam_paper_fixture.h"
#include "record/learning_record.h"
#include "tool_run.h"

namespace {

using exam::ButtonColour;

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

const QString kTableHead =
    u("<br><br>  <table border=\"0\" align=\"center\"><tr> <th>批 阅 试 卷 结 果</th> </tr> "
      "</table><br><br>  <table border=\"1\" align=\"center\"><tr> <th>题  型</th> <th>试 题 "
      "数</th>  <th> 答  对 </th>  <th> 总  分 </th>  <th> 得  分 </th>  <th>正 确 率</th> "
      "</tr> ");

// The learning record's exam hand-ins as "minutes used: type items/right, …".
QStringList recordedSittings(const ExamBank& bank) {
    store::Connection connection = bank.connect();
    QStringList lines;
    for (const record::HandInRecord& handIn : record::LearningRecord(connection).history()) {
        EXPECT_EQ(handIn.kind, record::HandInRecord::Kind::Exam);
        QStringList types;
        for (const record::TypeScore& score : handIn.types)
            types << QStringLiteral("%1 %2/%3").arg(score.type).arg(score.items).arg(score.right);
        lines << QStringLiteral("%1 min: ").arg(handIn.secondsUsed / 60) +
                     types.join(QStringLiteral(", "));
    }
    return lines;
}

QString line(const char* name, int items, int right, int rate) {
    return u("<tr align=\"center\"><td>%1</td> <td>%2</td> <td>%3</td><td>%2</td><td>%3</td><td>%4%"
             "</td> </tr> ")
        .arg(u(name))
        .arg(items)
        .arg(right)
        .arg(rate);
}

TEST_F(ExamPaperTest, HandInMarksEveryItemColoursTheButtonsAndShowsTheTable) {
    // 1 right, 2 unanswered, 3 answered on the page at hand-in, the case right, the matching
    // group two of four right.
    bank.run(
        "update sj set tjda='A' where tid='1'; update sj set tjda='C' where tid='4.1';"
        "update sj set tjda='D' where tid='4.2'; update sj set tjda='AC' where tid='5';"
        "update question set lx='C' where id=201; update question set lx='A' where id=202;"
        "update question set lx='B' where id=203; update question set lx='' where id=204;");
    startAt("3");
    for (const char* option : {"131", "133", "134"}) host.view.setChecked(option, true);
    host.state.ClockStarted = QDateTime::currentDateTime().addSecs(-(37 * 60 + 10));
    exam::ExamHandIn(host).handIn();

    EXPECT_EQ(stored("3"), "ACD");
    EXPECT_TRUE(host.handedInLegend);
    EXPECT_FALSE(host.clockRunning);
    EXPECT_FALSE(host.observer.isInstalled());
    EXPECT_EQ(host.answeredLabel, "5");  // four answered before the capture, + 1
    const QHash<QString, ButtonColour> expected{
        {"a1", ButtonColour::Blue},   {"a2", ButtonColour::Red},    {"a3", ButtonColour::Blue},
        {"a4f1", ButtonColour::Blue}, {"a4f2", ButtonColour::Blue}, {"a5", ButtonColour::Red}};
    EXPECT_EQ(host.buttons, expected);
    const QString table = kTableHead + line("单项选择题", 2, 1, 50) +
                          line("多项选择题", 1, 1, 100) + line("案例分析题", 2, 2, 100) +
                          line("配伍选择题", 4, 2, 50) + line("合  计", 9, 6, 67) + "</table>";
    EXPECT_TRUE(host.view.html().contains(table + "</body>")) << host.view.html().toStdString();
    const QStringList sitting{
        u("37 min: 单项选择题 2/1, 多项选择题 1/1, 案例分析题 2/2, 配伍选择题 4/2")};
    EXPECT_EQ(recordedSittings(bank), sitting);

    // Handed in: a second hand-in, next and previous are refused; the table stays.
    exam::ExamHandIn(host).handIn();
    exam::QuestionNavigation navigation(host);
    navigation.next();
    navigation.previous();
    EXPECT_EQ(host.shown.infos, QStringList({exam::ExamHandIn::kAlreadyHandedIn,
                                             u("您已经交卷，不能进行\"下一题\"的操作！"),
                                             u("您已经交卷，不能进行\"上一题\"的操作！")}));
    EXPECT_TRUE(host.view.html().contains(table));
    EXPECT_EQ(recordedSittings(bank), sitting) << "a paper is recorded once";

    // A number shows its question for review, as left, with the correct answer; nothing else
    // changes.
    navigation.jump("3");
    EXPECT_TRUE(host.view.html().contains(u("正确答案：ACD")));
    EXPECT_TRUE(host.view.checked("131") && host.view.checked("134"));
    EXPECT_FALSE(host.view.html().contains("<img"));
    EXPECT_EQ(host.buttons, expected);
    EXPECT_EQ(host.answeredLabel, "5");
}

TEST_F(ExamPaperTest, RatesRoundHalfAwayFromZeroAndEveryTypeWithItemsHasALine) {
    EXPECT_EQ(exam::examRate(2, 3), "67");
    EXPECT_EQ(exam::examRate(5, 8), "63");
    EXPECT_EQ(exam::examRate(3, 3), "100");
    EXPECT_EQ(exam::examRate(0, 4), "0");
    EXPECT_EQ(exam::examRate(57, 200), "29");  // 0.285 exactly, not its binary neighbour
    EXPECT_EQ(exam::examRate(0, 0), "0");

    bank.run("delete from sj where lx='a2'");
    store::Connection connection = bank.connect();
    const QString withoutMultiple = exam::examResultFragment(exam::markPaper(connection));
    EXPECT_FALSE(withoutMultiple.contains(u("多项选择题")));
    EXPECT_TRUE(withoutMultiple.contains(line("合  计", 8, 0, 0)));

    bank.run("delete from sj");
    EXPECT_EQ(exam::examResultFragment(exam::markPaper(connection)),
              kTableHead + line("合  计", 0, 0, 0) + "</table>");
}

// The tool marks with the hand-in's own code and leaves the bank as it found it.
TEST_F(ExamPaperTest, TheToolPrintsTheHandInsResultAndChangesNothing) {
    bank.run(
        "update sj set tjda='A' where tid in ('1', '2'); update sj set tjda='AD' where tid='3';"
        "update question set lx='C' where id=201");
    const auto bankHash = [&] {
        QFile file(bank.bankPath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    };
    const QByteArray before = bankHash();

    const ToolRun page = runVantrelBank({"exam-result", "--dir", bank.programDir()});
    ASSERT_EQ(page.status, 0) << page.err.toStdString();
    const QString html = QStringDecoder("GBK").decode(page.out);
    EXPECT_TRUE(html.contains(u("function xsda"))) << "not the shipped template";
    EXPECT_TRUE(html.contains(line("单项选择题", 2, 1, 50) + line("多项选择题", 1, 0, 0)));
    EXPECT_TRUE(html.contains(line("合  计", 9, 2, 22)));

    const ToolRun buttons =
        runVantrelBank({"exam-result", "--dir", bank.programDir(), "--buttons"});
    ASSERT_EQ(buttons.status, 0) << buttons.err.toStdString();
    EXPECT_EQ(buttons.outText(), "a1 blue\na2 red\na3 red\na4f1 red\na4f2 red\na5 red\n");
    EXPECT_EQ(bankHash(), before);
}

}  // namespace

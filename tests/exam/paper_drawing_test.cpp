#include "exam/paper_drawing.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "exam/paper_number.h"
#include "exam_bank.h"

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// Always the same draw; records the bounds it was asked for.
struct FixedRandom {
    qint64 n = 0;
    std::shared_ptr<QList<qint64>> bounds = std::make_shared<QList<qint64>>();
    qint64 operator()(qint64 bound) const {
        bounds->append(bound);
        return n;
    }
};

// The paper as "tid lx tgid", in the order "select * from sj" returns it.
QStringList paper(const ExamBank& bank) {
    store::Connection connection = bank.connect();
    store::Recordset rows = connection.query(QStringLiteral("select * from sj"));
    QStringList result;
    for (rows.first(); !rows.eof(); rows.next())
        result << QStringList{rows.text("tid"), rows.text("lx"), rows.text("tgid")}.join(u' ');
    return result;
}

QString lxOf(const ExamBank& bank, int questionId) {
    store::Connection connection = bank.connect();
    return connection.query(QStringLiteral("select * from question where id=%1").arg(questionId))
        .text("lx");
}

exam::ExamCounts draw(const ExamBank& bank, FixedRandom random = {}) {
    store::Connection connection = bank.connect();
    return exam::PaperDrawing(connection, random).draw();
}

// Pools: a1 questions 1-30, a2 31-50, cases 6-11 of three questions (51-68), matching groups
// 12-14 of two questions (69-74), and a group of a type outside the exam (75).
void addLargePools(ExamBank& bank) {
    for (int qtype : {3, 4, 5}) bank.addGroup(qtype, 10);
    for (int qtype : {6, 8}) bank.addGroup(qtype, 10);
    for (int c = 0; c < 6; ++c) bank.addGroup(10, 3);
    for (int m = 0; m < 3; ++m) bank.addGroup(11, 2, 5);
    bank.addGroup(2, 1);
}

TEST(PaperDrawing, CountsGiveRunningPaperNumbersPerTypeInDrawingOrder) {
    ExamBank bank;
    addLargePools(bank);
    bank.setCounts(10, 5, 2, 1);
    bank.run("update question set lx='zz' where id=75");
    FixedRandom random;
    const exam::ExamCounts counts = draw(bank, random);
    EXPECT_EQ(counts.c1, 10);
    EXPECT_EQ(counts.c4, 1);

    // a1: stride 3, so every other row from the first; a2 (stride 4) and the later types start
    // one row in; a case is one row per sub-question, a matching group one row.
    QStringList expected;
    for (int k = 0; k < 10; ++k) expected << QStringLiteral("%1 a1 %2").arg(k + 1).arg(1 + 2 * k);
    for (int k = 0; k < 5; ++k) expected << QStringLiteral("%1 a2 %2").arg(11 + k).arg(32 + 3 * k);
    expected << "16.1 a3 54"
             << "16.2 a3 55"
             << "16.3 a3 56"
             << "17.1 a3 60"
             << "17.2 a3 61"
             << "17.3 a3 62"
             << "18 a4 13";
    EXPECT_EQ(paper(bank), expected);
    EXPECT_EQ(QSet<qint64>(random.bounds->begin(), random.bounds->end()),
              (QSet<qint64>{3, 4}));  // the strides of a1 (and cases, matching) and a2

    store::Connection connection = bank.connect();
    store::Recordset first = connection.query("select * from sj where tid='1'");
    EXPECT_EQ(first.text("tg"), u("题1"));
    EXPECT_EQ(first.text("da"), "A");
    EXPECT_EQ(first.text("alt") + first.text("xx") + first.text("tjda"), QString());
    store::Recordset sub = connection.query("select * from sj where tid='16.2'");
    EXPECT_EQ(sub.text("alt"), u("组7"));
    EXPECT_EQ(sub.text("tg"), u("题55"));
    store::Recordset matching = connection.query("select * from sj where tid='18'");
    EXPECT_EQ(matching.text("alt"), u("组13"));
    EXPECT_EQ(matching.text("xx"), "5");
    EXPECT_EQ(matching.text("tg") + matching.text("da"), QString());

    EXPECT_EQ(lxOf(bank, 1), "a1");
    EXPECT_EQ(lxOf(bank, 50), "a2");
    EXPECT_EQ(lxOf(bank, 51), "a3");
    EXPECT_EQ(lxOf(bank, 74), "a4");
    EXPECT_EQ(lxOf(bank, 75), "zz");  // not an exam type: left alone
}

TEST(PaperDrawing, DrawsAdvanceTheCursorAndTheEndTakesTheLastRow) {
    ExamBank bank;
    addLargePools(bank);
    bank.setCounts(10, 0, 0, 0);
    // n = 2 of stride 3: three rows on per take; past the last row the last one is taken.
    draw(bank, FixedRandom{2});
    QStringList tgids;
    for (const QString& row : paper(bank)) tgids << row.section(u' ', 2);
    EXPECT_EQ(tgids, QString("4 7 10 13 16 19 22 25 28 30").split(u' '));
}

TEST(PaperDrawing, AShortPoolRepeatsItsLastRowAndTheNextTypeMakesUpTheTotal) {
    ExamBank bank;
    bank.addGroup(3, 5);  // questions 1-5
    bank.addGroup(6, 8);  // questions 6-13
    bank.setCounts(10, 3, 0, 0);
    draw(bank);
    // Numbers 1-6 from the five single-choice questions, the last twice; the multiple-choice
    // part makes up the ten: c2 + 4 questions, from its pool's second row.
    QStringList expected{"1 a1 1", "2 a1 2", "3 a1 3", "4 a1 4", "5 a1 5", "6 a1 5"};
    for (int k = 0; k < 7; ++k) expected << QStringLiteral("%1 a2 %2").arg(7 + k).arg(7 + k);
    EXPECT_EQ(paper(bank), expected);
}

TEST(PaperDrawing, OnlyThePapersFirstQuestionCanBeItsPoolsFirstRow) {
    ExamBank bank;
    bank.addGroup(6, 8);  // questions 1-8
    bank.addGroup(10, 2);
    bank.addGroup(10, 2);
    bank.addGroup(10, 2);  // cases 2-4: questions 9-14
    bank.setCounts(0, 3, 1, 0);
    draw(bank);
    EXPECT_EQ(paper(bank), (QStringList{"1 a2 1", "2 a2 2", "3 a2 3", "4.1 a3 11", "4.2 a3 12"}));
}

TEST(PaperDrawing, ANewDrawingReplacesThePaperAndWipesMatchingChoices) {
    ExamBank bank;
    addLargePools(bank);
    bank.setCounts(10, 5, 2, 1);
    draw(bank);
    // What an exam leaves behind: a matching choice in lx, answers in tjda.
    bank.run("update question set lx='C' where id=71; update sj set tjda='B'");
    bank.setCounts(2, 0, 0, 3);
    draw(bank);
    // Three matching groups for three: the second and third, then the last one again.
    EXPECT_EQ(paper(bank), (QStringList{"1 a1 1", "2 a1 15", "3 a4 13", "4 a4 14", "5 a4 14"}));
    EXPECT_EQ(lxOf(bank, 71), "a4");
    store::Connection connection = bank.connect();
    EXPECT_TRUE(connection.query("select * from sj where tjda<>''").isEmpty());
}

TEST(PaperDrawing, TheTenthSubQuestionKeepsItsNumberAsText) {
    ExamBank bank;
    bank.addGroup(3, 3);
    bank.addGroup(10, 1);
    bank.addGroup(10, 10);  // questions 5-14
    bank.setCounts(3, 0, 1, 0);
    draw(bank);
    const QStringList rows = paper(bank);
    ASSERT_EQ(rows.size(), 13);
    EXPECT_EQ(rows.last(), "4.10 a3 14");
    store::Connection connection = bank.connect();
    EXPECT_EQ(connection.query("select * from sj where tid='4.10'").count(), 1);

    // The number stays the text it is stored as: 4.10 is not 4.1.
    EXPECT_EQ(exam::numberButtonName("4.10"), "a4f10");
    EXPECT_EQ(exam::numberButtonName("18"), "a18");
    EXPECT_EQ(exam::previousPaperNumber("18"), "17");
    EXPECT_EQ(exam::previousPaperNumber("4.10"), "3.10");
    EXPECT_THROW(exam::previousPaperNumber("x"), core::Error);
}

TEST(PaperDrawing, AnEngineFailureKeepsWhatWasWrittenBeforeItButNoHalfLabelledType) {
    ExamBank bank;
    addLargePools(bank);
    bank.setCounts(10, 5, 2, 1);
    draw(bank);
    const QStringList firstPaper = paper(bank);

    // Relabelling fails inside the single-choice questions: none of them is labelled, not
    // the ones before the failing question either.
    bank.run(
        "update question set lx=''; "
        "create trigger stop_relabel before update of lx on question when old.id=5 "
        "begin select raise(abort, 'relabel stopped'); end;");
    EXPECT_THROW(draw(bank), core::Error);
    for (int id : {1, 4, 6, 30}) EXPECT_EQ(lxOf(bank, id), QString()) << id;
    EXPECT_EQ(paper(bank), firstPaper);

    // Relabelling fails at the matching groups: earlier labels stay, the old paper too.
    bank.run(
        "drop trigger stop_relabel; "
        "create trigger stop_relabel before update of lx on question when new.lx='a4' "
        "begin select raise(abort, 'relabel stopped'); end;");
    EXPECT_THROW(draw(bank), core::Error);
    EXPECT_EQ(lxOf(bank, 51), "a3");
    EXPECT_EQ(lxOf(bank, 69), QString());
    EXPECT_EQ(paper(bank), firstPaper);

    // The twelfth paper row fails: the eleven before it stay.
    bank.run(
        "drop trigger stop_relabel; "
        "create trigger stop_paper before insert on sj when (select count(*) from sj) >= 11 "
        "begin select raise(abort, 'paper full'); end;");
    EXPECT_THROW(draw(bank), core::Error);
    EXPECT_EQ(paper(bank), firstPaper.mid(0, 11));
    // Nothing is left locked: another connection writes at once.
    EXPECT_NO_THROW(bank.connect().exec("update ts set fg='9' where fg=''"));

    // A settings table that lost a row draws nothing and keeps the paper.
    bank.run("drop trigger stop_paper; delete from ts where txs='1'");
    EXPECT_THROW(draw(bank), core::Error);
    EXPECT_EQ(paper(bank), firstPaper.mid(0, 11));
}

TEST(PaperDrawing, SystemRandomStaysWithinItsBound) {
    const exam::PaperDrawing::Random random = exam::PaperDrawing::systemRandom();
    QSet<qint64> seen;
    for (int i = 0; i < 200; ++i) {
        const qint64 n = random(4);
        ASSERT_GE(n, 0);
        ASSERT_LT(n, 4);
        seen << n;
    }
    EXPECT_EQ(seen.size(), 4);
    EXPECT_EQ(random(1), 0);
}

}  // namespace

#include "record/learning_record.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "jet/bank_conversion.h"
#include "record/record_overview.h"
#include "store/bank_copy.h"
#include "store/bank_schema.h"
#include "store/connection_string.h"
#include "store/database.h"
#include "temp_bank.h"
#include "test_material.h"

namespace {

using record::HandInRecord;
using record::TypeScore;
using Kind = HandInRecord::Kind;

const QDateTime kMonday(QDate(2026, 3, 2), QTime(9, 30));

HandInRecord practice(qint64 chapter, const QDateTime& at, const QList<TypeScore>& types,
                      pages::ViewMode mode = pages::ViewMode::AllQuestions) {
    HandInRecord handIn;
    handIn.kind = Kind::Practice;
    handIn.handedIn = at;
    handIn.chapterId = chapter;
    handIn.mode = mode;
    handIn.types = types;
    return handIn;
}

HandInRecord exam(const QDateTime& at, qint64 seconds, const QList<TypeScore>& types) {
    HandInRecord handIn;
    handIn.kind = Kind::Exam;
    handIn.handedIn = at;
    handIn.secondsUsed = seconds;
    handIn.types = types;
    return handIn;
}

// A hand-in as one line: kind, time, chapter and mode or seconds, then "type items/right".
QString line(const HandInRecord& handIn) {
    QStringList types;
    for (const TypeScore& score : handIn.types)
        types << QStringLiteral("%1 %2/%3").arg(score.type).arg(score.items).arg(score.right);
    const QString where =
        handIn.kind == Kind::Practice
            ? QStringLiteral("practice %1 mode %2").arg(handIn.chapterId).arg(int(handIn.mode))
            : QStringLiteral("exam %1 s").arg(handIn.secondsUsed);
    return where + QLatin1Char(' ') + handIn.handedIn.toString(Qt::ISODate) + QStringLiteral(": ") +
           types.join(QStringLiteral(", "));
}

QStringList lines(const QList<HandInRecord>& handIns) {
    QStringList all;
    for (const HandInRecord& handIn : handIns) all << line(handIn);
    return all;
}

QStringList lines(const QList<record::RateSeries>& series) {
    QStringList all;
    for (const record::RateSeries& one : series) {
        QStringList points;
        for (const record::RatePoint& point : one.points)
            points << point.at.toString(QStringLiteral("dd")) + QLatin1Char(' ') +
                          QString::number(point.percent, 'f', 1);
        all << one.type + QStringLiteral(": ") + points.join(QStringLiteral(", "));
    }
    return all;
}

bool hasRecordTable(const QString& bankPath) {
    store::Database bank(bankPath, store::Database::Access::ReadOnly);
    return !bank.select(
                    QStringLiteral("select name from sqlite_master where name='learning_record'"))
                .values.isEmpty();
}

TEST(LearningRecord, ABankWithoutTheTableGainsItWithItsFirstHandInAndKeepsEveryHandIn) {
    TempBank bank;
    store::Connection connection = bank.connect();
    record::LearningRecord record(connection);
    EXPECT_TRUE(record.history().isEmpty());
    EXPECT_FALSE(hasRecordTable(bank.bankPath())) << "reading the record writes nothing";

    record.add(
        practice(31, kMonday, {{"A1型题", 3, 2}, {"X型题", 2, 0}}, pages::ViewMode::Favourites));
    record.add(practice(31, kMonday.addDays(1), {}));  // nothing marked: nothing kept
    record.add(exam(kMonday.addDays(2), 37 * 60, {{"单项选择题", 40, 31}, {"配伍选择题", 8, 5}}));
    record.add(practice(32, kMonday.addDays(3), {{"B型题配伍选择题", 4, 4}},
                        pages::ViewMode::WrongQuestions));
    EXPECT_TRUE(hasRecordTable(bank.bankPath()));
    EXPECT_EQ(lines(record.history()),
              QStringList({"practice 31 mode 1 2026-03-02T09:30:00: A1型题 3/2, X型题 2/0",
                           "exam 2220 s 2026-03-04T09:30:00: 单项选择题 40/31, 配伍选择题 8/5",
                           "practice 32 mode 2 2026-03-05T09:30:00: B型题配伍选择题 4/4"}));

    // Groups of one type add up; a group without questions counts nothing.
    HandInRecord groups;
    groups.add(QStringLiteral("A1型题"), 2, 1);
    groups.add(QStringLiteral("A2型题"), 0, 0);
    groups.add(QStringLiteral("A1型题"), 3, 3);
    EXPECT_EQ(line(groups).section(QStringLiteral(": "), 1), QStringLiteral("A1型题 5/4"));
    EXPECT_EQ(groups.items(), 5);
    EXPECT_EQ(groups.right(), 4);

    // The bank with its record is still a bank the restore lets in.
    store::Database checked(bank.bankPath(), store::Database::Access::ReadOnly);
    EXPECT_EQ(store::schemaProblem(checked), QString());
}

// Chapters a1 (31), a2 (32), a3 (33) and c1 (71); the wrong-question bank holds one question
// of a1 and two each of a2 and c1.
TEST(LearningRecord, RatesTotalsAndTheWeakestChaptersFollowTheRecord) {
    TempBank bank;
    bank.run(
        "insert into tree(id, nodename, code, parentid) values (10, 'P1', 1, 0),"
        " (20, 'A', 0, 10), (31, 'a1', 0, 20), (32, 'a2', 0, 20), (33, 'a3', 0, 20),"
        " (71, 'c1', 0, 20);"
        "insert into readtext(id, treeid, qtypeid) values (1, 31, 3), (2, 32, 3), (3, 71, 3),"
        " (4, 33, 3);"
        "insert into question(id, readtextid, ct) values (1, 1, '1'), (2, 1, ''), (3, 2, '1'),"
        " (4, 2, '1'), (5, 3, '1'), (6, 3, '1'), (7, 4, '');");
    store::Connection connection = bank.connect();
    record::LearningRecord record(connection);
    record.add(practice(31, kMonday, {{"A1型题：单句型最佳选择题", 4, 1}}));
    record.add(practice(31, kMonday.addDays(1),
                        {{"A1型题：单句型最佳选择题", 4, 3}, {"B型题配伍选择题", 2, 2}}));
    record.add(exam(kMonday.addDays(2), 4000, {{"单项选择题", 10, 6}, {"多项选择题", 5, 2}}));
    record.add(practice(33, kMonday.addDays(3), {{"A1型题：单句型最佳选择题", 2, 2}}));
    record.add(practice(71, kMonday.addDays(4), {{"A1型题：单句型最佳选择题", 4, 1}}));
    record.add(practice(99, kMonday.addDays(4), {{"A1型题：单句型最佳选择题", 1, 0}}));
    record.add(exam(kMonday.addDays(5), 3000, {{"单项选择题", 10, 9}, {"多项选择题", 5, 5}}));

    const record::RecordOverview overview = record::readOverview(connection);
    EXPECT_EQ(lines(overview.practice),
              QStringList({"A1型题：单句型最佳选择题: 02 25.0, 03 75.0, 05 100.0, 06 25.0, 06 0.0",
                           "B型题配伍选择题: 03 100.0",
                           "合计: 02 25.0, 03 83.3, 05 100.0, 06 25.0, 06 0.0"}));
    EXPECT_EQ(lines(overview.exams),
              QStringList({"单项选择题: 04 60.0, 07 90.0", "多项选择题: 04 40.0, 07 100.0",
                           "合计: 04 53.3, 07 93.3"}));
    EXPECT_EQ(record::shortTypeName(overview.practice[0].type), QStringLiteral("A1型题"));
    EXPECT_EQ(record::shortTypeName(QStringLiteral("阅读案例多个问题8")),
              QStringLiteral("阅读案例多个问题8"));

    const record::RecordTotals& totals = overview.totals;
    EXPECT_EQ(totals.questionsMarked, 47);
    EXPECT_EQ(totals.practiceHandIns, 5);
    EXPECT_EQ(totals.examsSat, 2);
    EXPECT_EQ(totals.bestExamPercent, 93);
    EXPECT_EQ(totals.lastExamPercent, 93);
    EXPECT_EQ(totals.lastExamSeconds, 3000);

    // c1 and a2 hold two wrong-bank questions each, c1 with a rate, a2 never handed in; then a1
    // (one, 6 of 10). a3 is all right and has none; chapter 99 is no longer in the tree.
    QStringList weak;
    for (const record::WeakChapter& chapter : overview.weakChapters)
        weak << QStringLiteral("%1 %2 %3 %4")
                    .arg(chapter.name)
                    .arg(chapter.wrongQuestions)
                    .arg(chapter.percent() ? QString::number(*chapter.percent()) : "-")
                    .arg(chapter.handIns);
    EXPECT_EQ(weak, QStringList({"c1 2 25 1", "a2 2 - 0", "a1 1 60 2"}));
    EXPECT_EQ(record::weakChapters(connection, record.history(), 2).size(), 2);
}

// A bank converted from Access has no record: it gains one with its first hand-in, and keeps it
// through a backup. A restore takes a backup from before the record (the record goes with the
// bank it replaces) and one with it.
TEST(LearningRecord, ABankConvertedFromAccessRecordsAndRestoresTakeBanksWithAndWithoutIt) {
    SKIP_WITHOUT_TEST_MATERIAL();
    QTemporaryDir dir;
    const QString live = dir.filePath(QStringLiteral("live/Data/med.mdb"));
    const QString before = dir.filePath(QStringLiteral("before.mdb"));
    jet::convertAccessBank(testMaterial(QStringLiteral("testdata/jet/sample-bank.mdb")), live);
    store::backupBank(live, before);
    store::Connection connection(
        store::ConnectionString::forDataDirectory(dir.filePath(QStringLiteral("live/"))));
    record::LearningRecord record(connection);
    record.add(practice(111, kMonday, {{"A1型题", 5, 4}}));
    ASSERT_EQ(record.history().size(), 1);
    const QString with = dir.filePath(QStringLiteral("with.mdb"));
    store::backupBank(live, with);

    const QString kept = dir.filePath(QStringLiteral("kept.mdb"));
    store::restoreBank(before, live, kept);
    EXPECT_TRUE(record.history().isEmpty());
    record.add(practice(111, kMonday.addDays(1), {{"A1型题", 5, 5}}));
    EXPECT_EQ(record.history().size(), 1);
    store::restoreBank(with, live, kept);
    EXPECT_EQ(lines(record.history()),
              QStringList({"practice 111 mode 0 2026-03-02T09:30:00: A1型题 5/4"}));
}

}  // namespace

#include "bank_generator.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QTemporaryDir>

#include "bank_checker.h"
#include "bank_file_writer.h"
#include "core/error.h"
#include "store/connection.h"
#include "store/connection_string.h"

namespace {

// Writes a generated bank into a temporary program directory and connects to it.
class GeneratedBank {
  public:
    explicit GeneratedBank(const BankGenerator::Options& options) : generator(options) {
        BankFileWriter::write(dir.path(), {BankFileWriter::readScript(":/schema.sql"),
                                           {"rows", generator.rowsSql()}});
        connection.setConnectionString(store::ConnectionString::forDataDirectory(dir.path() + "/"));
    }
    int count(const QString& sql) { return connection.query(sql).count(); }

    BankGenerator generator;
    QTemporaryDir dir;
    store::Connection connection;
};

BankGenerator::Options sized(int questions, quint32 seed = 7) {
    BankGenerator::Options options;
    options.questions = questions;
    options.seed = seed;
    return options;
}

TEST(BankGenerator, TheSameSeedGivesTheSameBankAndAnotherSeedAnother) {
    EXPECT_EQ(BankGenerator(sized(300, 5)).rowsSql(), BankGenerator(sized(300, 5)).rowsSql());
    EXPECT_NE(BankGenerator(sized(300, 5)).rowsSql(), BankGenerator(sized(300, 6)).rowsSql());
}

TEST(BankGenerator, MakesExactlyTheQuestionsAskedAndAConsistentBank) {
    GeneratedBank bank(sized(1234));
    EXPECT_EQ(bank.count("select * from question"), 1234);
    EXPECT_EQ(bank.generator.questionCount(), 1234);
    EXPECT_EQ(bank.connection.query("select * from geshu").text("kemugeshu"), QString("1234"));
    EXPECT_EQ(bank.count("select * from kemu"), 1);
    EXPECT_EQ(bank.count("select * from ts"), 4);
    BankChecker checker(bank.connection);
    QStringList lines;
    for (const auto& problem : checker.run()) lines << problem.line();
    EXPECT_TRUE(lines.isEmpty()) << lines.join('\n').toStdString();
}

TEST(BankGenerator, UsesEveryTypeWithTheDemoBanksTypeRows) {
    GeneratedBank bank(sized(200));
    store::Recordset qtype = bank.connection.query("select * from qtype");
    ASSERT_EQ(qtype.count(), 11);
    const int codes[] = {8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int id = 1; id <= 11; ++id) {
        store::Recordset row =
            bank.connection.query("select * from qtype where id=" + QString::number(id));
        EXPECT_EQ(row.integer("code"), codes[id - 1]) << id;
        EXPECT_GT(bank.count("select * from readtext  where qtypeid=" + QString::number(id)), 0)
            << id;
    }
    EXPECT_EQ(bank.connection.query("select * from qtype where id=11").text("title"),
              QString("B型题配伍选择题"));
    EXPECT_EQ(bank.connection.query("select * from qtype where id=2").text("title"),
              QString("五个公用备选多个题每题一个选项9"));
}

TEST(BankGenerator, CaseGroupsHoldThreeToFiveNumberedQuestions) {
    GeneratedBank bank(sized(600));
    store::Recordset cases =
        bank.connection.query("select * from readtext where qtypeid=1 or qtypeid=10");
    ASSERT_GT(cases.count(), 0);
    for (cases.first(); !cases.eof(); cases.next()) {
        EXPECT_FALSE(cases.text("content").isEmpty());
        store::Recordset questions =
            bank.connection.query("select * from question where readtextid=" + cases.text("id"));
        EXPECT_GE(questions.count(), 3);
        EXPECT_LE(questions.count(), 5);
        for (questions.first(); !questions.eof(); questions.next()) {
            EXPECT_EQ(questions.integer("itemnum"), questions.position());
            EXPECT_GE(bank.count("select * from opinion where questionid=" + questions.text("id")),
                      4);
        }
    }
}

TEST(BankGenerator, MatchingGroupsHaveOpnumAndNoOptions) {
    GeneratedBank bank(sized(600));
    store::Recordset groups =
        bank.connection.query("select * from readtext where qtypeid=2 or qtypeid=11");
    ASSERT_GT(groups.count(), 0);
    for (groups.first(); !groups.eof(); groups.next()) {
        const qint64 opnum = groups.integer("opnum");
        EXPECT_GE(opnum, 1);
        EXPECT_LE(opnum, 15);
        EXPECT_EQ(groups.text("content").count("<br>"), opnum - 1);
        store::Recordset questions =
            bank.connection.query("select * from question where readtextid=" + groups.text("id"));
        for (questions.first(); !questions.eof(); questions.next()) {
            EXPECT_EQ(bank.count("select * from opinion where questionid=" + questions.text("id")),
                      0);
            EXPECT_LT(questions.text("answer").at(0).unicode() - u'A', opnum);
        }
    }
}

TEST(BankGenerator, PutsTheLargeChapterFirst) {
    BankGenerator::Options options = sized(1500);
    options.chapterQuestions = 1000;
    GeneratedBank bank(options);
    const QString chapter = QString::number(bank.generator.firstChapterId());
    // The first chapter of the tree, the one the window opens first (node 2).
    store::Recordset part = bank.connection.query("select * from tree where code=1");
    store::Recordset section =
        bank.connection.query("select * from tree where parentid=" + part.text("id"));
    store::Recordset first =
        bank.connection.query("select * from tree where parentid=" + section.text("id"));
    EXPECT_EQ(first.text("id"), chapter);
    int questions = 0;
    QSet<qint64> types;
    store::Recordset groups = bank.connection.query(
        "select * from readtext where treeid=" + chapter + " order by qtypeid");
    for (groups.first(); !groups.eof(); groups.next()) {
        questions +=
            bank.connection.query("select * from question where readtextid=" + groups.text("id"))
                .count();
        types << groups.integer("qtypeid");
    }
    EXPECT_EQ(questions, 1000);
    EXPECT_EQ(types.size(), 11);
    EXPECT_EQ(bank.count("select * from question"), 1500);
}

TEST(BankGenerator, MakesATreeOfExactlyTheNodesAsked) {
    BankGenerator::Options options = sized(500);
    options.nodes = 1001;
    GeneratedBank bank(options);
    EXPECT_EQ(bank.count("select * from tree"), 1001);
    EXPECT_EQ(bank.generator.nodeCount(), 1001);
    BankChecker checker(bank.connection);
    EXPECT_TRUE(checker.run().isEmpty());
    // Every node is a part, a section or a chapter: the window lists all of them.
    int listed = 0;
    store::Recordset parts = bank.connection.query("select * from tree where code=1");
    for (parts.first(); !parts.eof(); parts.next()) {
        ++listed;
        store::Recordset sections =
            bank.connection.query("select * from tree where parentid=" + parts.text("id"));
        for (sections.first(); !sections.eof(); sections.next())
            listed += 1 + bank.connection
                              .query("select * from tree where parentid=" + sections.text("id"))
                              .count();
    }
    EXPECT_EQ(listed, 1001);
}

TEST(BankGenerator, RefusesOptionsThatCannotMakeABank) {
    BankGenerator::Options options = sized(10);
    options.nodes = 2;  // a part and a section, but no chapter for the questions
    EXPECT_THROW(BankGenerator{options}, core::Error);
    EXPECT_THROW(BankGenerator{sized(-1)}, core::Error);
}

}  // namespace

#include "bank_checker.h"

#include <gtest/gtest.h>

#include <QDir>

#include "bank_file_writer.h"
#include "store/connection.h"
#include "store/connection_string.h"
#include "temp_bank.h"

namespace {

// A small consistent bank: one part, a section with two chapters and a section without any,
// a single-choice, a multiple-choice, a case and a matching group.
const char* const kCleanBank = R"sql(
insert into tree(id, nodename, code, parentid) values
  (1, '第一篇', 1, 0), (11, '第一章', 0, 1), (12, '第二章', 0, 1),
  (111, '第一节', 0, 11), (112, '第二节', 0, 11);
insert into qtype(id, code, title) values (3, 1, 'A1型题'), (6, 4, 'X型题'),
  (10, 8, 'A3/A4型题'), (11, 9, 'B型题配伍选择题');
insert into readtext(id, treeid, qtypeid, content, opnum) values
  (101, 111, 3, null, null), (102, 111, 6, null, null),
  (103, 112, 10, '病例', null), (104, 112, 11, 'A．铅<br>B．汞<br>C．苯', 3);
insert into question(id, readtextid, content, answer, itemnum) values
  (1, 101, '单选', 'B', null), (2, 102, '多选', 'ACD', null),
  (3, 103, '案例一', 'A', 1), (4, 103, '案例二', 'BC', 2),
  (5, 104, '配伍一', 'C', 1), (6, 104, '配伍二', 'A', 2);
insert into opinion(id, questionid, code, content) values
  (11, 1, 'A', '甲'), (12, 1, 'B', '乙'), (13, 1, 'C', '丙'),
  (21, 2, 'A', '甲'), (22, 2, 'B', '乙'), (23, 2, 'C', '丙'), (24, 2, 'D', '丁'),
  (31, 3, 'A', '甲'), (32, 3, 'B', '乙'), (41, 4, 'A', '甲'), (42, 4, 'B', '乙'), (43, 4, 'C', '丙');
insert into kemu(ID, mz) values ('职业病', 'zyb');
insert into geshu(kemugeshu) values ('6');
insert into ts(txs, fg) values ('40', '40'), ('10', ''), ('2', ''), ('2', '');
)sql";

class BankCheckerTest : public testing::Test {
  protected:
    void SetUp() override { bank.run(kCleanBank); }

    QStringList problems() {
        store::Connection connection = bank.connect();
        BankChecker checker(connection);
        QStringList lines;
        for (const BankChecker::Problem& problem : checker.run()) lines << problem.line();
        return lines;
    }

    TempBank bank;
};

TEST_F(BankCheckerTest, AConsistentBankHasNoProblems) {
    store::Connection connection = bank.connect();
    BankChecker checker(connection);
    EXPECT_TRUE(checker.run().isEmpty());
    EXPECT_EQ(checker.summary(), QString("检查完毕（5 个节点，4 个题组，6 题）：未发现问题"));
}

TEST_F(BankCheckerTest, AnswerLetterThatNoOptionHas) {
    bank.run("update question set answer='AE' where id=2");
    EXPECT_EQ(problems(), QStringList{"question 2：答案字母 E 不是本题任何选项的字母"});
}

TEST_F(BankCheckerTest, LettersOutOfOptionOrder) {
    bank.run("update question set answer='CA' where id=4");
    EXPECT_EQ(problems(), QStringList{"question 4：答案“CA”的字母不是按选项顺序排列的"});
}

TEST_F(BankCheckerTest, OptionOrderIsTheStoredOrderNotTheAlphabet) {
    // Options stored B before A: "AB" is out of their order, "BA" follows it.
    bank.run(
        "delete from opinion where questionid=3;"
        "insert into opinion(id, questionid, code) values (35, 3, 'B'), (36, 3, 'A');"
        "update question set answer='AB' where id=3;");
    EXPECT_EQ(problems(), QStringList{"question 3：答案“AB”的字母不是按选项顺序排列的"});
    bank.run("update question set answer='BA' where id=3");
    EXPECT_TRUE(problems().isEmpty());
}

TEST_F(BankCheckerTest, SingleChoiceWithSeveralLettersAndQuestionsWithoutOptionsOrAnswer) {
    bank.run(
        "update question set answer='AB' where id=1;"
        "update question set answer='' where id=3;"
        "delete from opinion where questionid=4;");
    EXPECT_EQ(problems(), (QStringList{"question 1：单选题的答案“AB”有多个字母",
                                       "question 3：没有答案", "question 4：没有任何选项"}));
}

TEST_F(BankCheckerTest, MatchingAnswerBeyondOpnumOrAboveO) {
    bank.run(
        "update question set answer='D' where id=5; update question set answer='P' where id=6;");
    EXPECT_EQ(problems(), (QStringList{"question 5：配伍题的答案 D 超出本组的 3 个备选项",
                                       "question 6：配伍题的答案 P 不在 A 到 O 之间"}));
    bank.run(
        "update readtext set opnum=16 where id=104; update question set answer='AB' where id=6;");
    EXPECT_EQ(problems(),
              (QStringList{"readtext 104：配伍题组的备选项数 opnum=16 不在 1 到 15 之间",
                           "question 6：配伍题的答案“AB”应是一个字母"}));
}

TEST_F(BankCheckerTest, GroupWhoseTypeIsNotInQtype) {
    bank.run("update readtext set qtypeid=99 where id=102");
    EXPECT_EQ(problems(), QStringList{"readtext 102：题型 qtypeid=99 在 qtype 表中不存在"});
}

TEST_F(BankCheckerTest, ChapterKeyThatIsNotALevelTwoNode) {
    bank.run(
        "update readtext set treeid=11 where id=101; update readtext set treeid=777 where id=102;");
    EXPECT_EQ(problems(), (QStringList{"readtext 101：所属章节 treeid=11 不是第三级节点（节）",
                                       "readtext 102：所属章节 treeid=777 不存在"}));
}

TEST_F(BankCheckerTest, TreeDeeperThanThreeLevelsAndNodesNoPartReaches) {
    bank.run(
        "insert into tree(id, nodename, code, parentid) values (1121, '过深', 0, 112),"
        " (11211, '更深', 0, 1121), (500, '孤立', 0, 499);");
    EXPECT_EQ(problems(),
              (QStringList{"tree 500：不在章节树中：上级节点 parentid=499 不属于任何一篇",
                           "tree 1121：位于第 4 层，章节树只有三层（篇、章、节）",
                           "tree 11211：位于第 5 层，章节树只有三层（篇、章、节）"}));
}

TEST_F(BankCheckerTest, MoreThan1001TreeNodes) {
    QString sql = "begin;";
    for (int id = 2000; id < 2996; ++id)  // 5 + 996 = 1001 nodes: still fine
        sql += QString("insert into tree(id, nodename, code, parentid) values (%1, '节', 0, 11);")
                   .arg(id);
    bank.run(sql + "commit;");
    EXPECT_TRUE(problems().isEmpty());
    bank.run("insert into tree(id, nodename, code, parentid) values (2997, '节', 0, 12)");
    EXPECT_EQ(problems(), QStringList{"tree：章节树共 1002 个节点，超过 1001 个"});
}

TEST_F(BankCheckerTest, WrongRowCountsOfTheOneRowTables) {
    bank.run(
        "delete from ts where txs='10'; insert into kemu(ID) values ('第二'); update geshu set "
        "kemugeshu='7';");
    EXPECT_EQ(problems(), (QStringList{"kemu：应有 1 行，实有 2 行", "ts：应有 4 行，实有 3 行",
                                       "geshu：试题量 7 与题库中的 6 题不符"}));
}

TEST_F(BankCheckerTest, QuestionOfAGroupThatDoesNotExist) {
    bank.run("update question set readtextid=999 where id=6; update geshu set kemugeshu='6';");
    EXPECT_EQ(problems(), QStringList{"question 6：所属题组 readtextid=999 不存在"});
}

// The demo bank shipped with the program, built from its SQL sources, is consistent.
TEST(DemoBank, HasNoProblems) {
    const QDir demo(QStringLiteral(VANTREL_SOURCE_DIR "/data/demo"));
    const QStringList files = demo.entryList({"*.sql"}, QDir::Files, QDir::Name);
    if (files.isEmpty()) GTEST_SKIP() << "no demo bank sources";
    QVector<BankFileWriter::Script> scripts{
        BankFileWriter::readScript(QStringLiteral(VANTREL_SOURCE_DIR "/data/schema.sql"))};
    for (const QString& file : files) scripts << BankFileWriter::readScript(demo.filePath(file));
    QTemporaryDir dir;
    BankFileWriter::write(dir.path(), scripts);
    store::Connection connection(store::ConnectionString::forDataDirectory(dir.path() + "/"));
    BankChecker checker(connection);
    QStringList lines;
    for (const BankChecker::Problem& problem : checker.run()) lines << problem.line();
    EXPECT_TRUE(lines.isEmpty()) << lines.join('\n').toStdString();
}

}  // namespace

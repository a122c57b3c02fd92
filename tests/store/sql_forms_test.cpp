#include <gtest/gtest.h>

#include "bank_rows.h"
#include "store/connection.h"
#include "temp_bank.h"

// Every statement text the program runs, exactly as it stands, on a real bank.
namespace {

using List = QList<qint64>;

class SqlForms : public testing::Test {
  protected:
    void SetUp() override {
        bank.run(R"sql(
insert into tree(id, nodename, code, parentid, scbt, ct) values
  (2, '第二篇', 1, 0, null, null),
  (1, '第一篇', 1, 0, null, null),
  (11, '第一章', 0, 1, null, null),
  (12, '第二章', 0, 1, null, null),
  (21, '第三章', 0, 2, null, null),
  (111, '第一节', 0, 11, '1', ''),
  (112, '第二节', 0, 11, '', '1'),
  (113, '第三节', 0, 11, null, null),
  (211, '第四节', 0, 21, '1', '1');
insert into qtype(id, code, title) values (3, 1, 'A1型题'), (7, 5, '多项选择题'),
  (10, 8, 'A3/A4型题'), (11, 9, 'B型题配伍选择题');
insert into readtext(id, treeid, qtypeid, content, opnum) values
  (101, 111, 7, null, null), (102, 111, 3, null, null), (103, 112, 10, '病例', null),
  (104, 112, 11, 'A．铅<br>B．汞', 2), (105, 211, 5, null, null), (106, 211, 6, null, null),
  (107, 211, 9, null, null), (108, 211, 4, null, null), (109, 211, 10, '病例二', null),
  (110, 211, 8, null, null);
insert into question(id, readtextid, content, answer, scbt, ct, ct1, lx) values
  (1003, 102, '题三', 'A', null, '1', '1', 'a1'),
  (1001, 102, '题一', 'B', '1', null, null, 'a1'),
  (1002, 102, '题二', 'C', '', '', '', 'a2'),
  (1004, 101, '题四', 'AB', '1', '1', null, null),
  (1005, 103, '题五', 'C', null, '1', '', ' a1'),
  (1006, 104, '题六', 'A', null, null, '1', 'a4');
insert into opinion(id, questionid, code, content) values
  (5, 1001, 'B', '乙'), (3, 1001, 'A', '甲'), (9, 1001, 'C', '丙'), (4, 1002, 'A', '甲');
insert into kemu(ID, mz) values ('职业病', 'zyb');
insert into geshu(kemugeshu) values ('6');
insert into ts(txs, fg) values ('40', '40'), ('10', ''), ('2', ''), ('3', '');
insert into sj(tid, lx, tjda) values ('1', 'a1', 'A'), ('2', 'a2', ''), ('3.1', 'a3', null),
  ('3.2', 'a3', 'B'), ('31', 'a4', 'C'), ('4', 'a4', '');
insert into fenshu(tx, sts, dd) values ('A1型题', '3', '1'), ('B型题配伍选择题', '0', '0'),
  ('A3/A4型题', 0, 0), ('多项选择题', '2', '2');
)sql");
        connection = bank.connect();
    }

    List ids(const QString& sql, const QString& column = QStringLiteral("id")) {
        return integersOf(connection.query(sql), column);
    }
    QStringList texts(const QString& sql, const QString& column) {
        return textsOf(connection.query(sql), column);
    }

    TempBank bank;
    store::Connection connection;
};

TEST_F(SqlForms, AllRowsOfTheOneRowAndOrderedTables) {
    EXPECT_EQ(texts("select * from kemu", "ID"), QStringList{"职业病"});
    EXPECT_EQ(texts("select * from kemu", "mz"), QStringList{"zyb"});
    EXPECT_EQ(texts("select * from geshu", "kemugeshu"), QStringList{"6"});
    EXPECT_EQ(texts("select * from ts", "txs"), (QStringList{"40", "10", "2", "3"}));
    EXPECT_EQ(texts("select * from sj", "tid"), (QStringList{"1", "2", "3.1", "3.2", "31", "4"}));
    EXPECT_EQ(texts("select * from fenshu", "tx"),
              (QStringList{"A1型题", "B型题配伍选择题", "A3/A4型题", "多项选择题"}));
}

TEST_F(SqlForms, KeyOrReferenceEqualToAnUnquotedInteger) {
    EXPECT_EQ(ids("select * from tree where code=1"), (List{1, 2}));  // stored order, by key
    EXPECT_EQ(ids("select * from tree where id=" + QString("112")), List{112});
    EXPECT_EQ(ids("select * from tree where parentid=" + QString("11")), (List{111, 112, 113}));
    EXPECT_EQ(ids("select * from readtext where treeid=" + QString("111") + " order by qtypeid"),
              (List{102, 101}));
    EXPECT_EQ(ids("select * from readtext where id=" + QString("104") + " order by qtypeid"),
              List{104});
    EXPECT_EQ(ids("select * from readtext  where qtypeid=10 order by qtypeid"), (List{103, 109}));
    EXPECT_EQ(ids("select * from readtext  where qtypeid=11 order by qtypeid"), List{104});
    EXPECT_EQ(texts("select * from qtype where id=" + QString("11"), "title"),
              QStringList{"B型题配伍选择题"});
    EXPECT_EQ(texts("select * from question where id=" + QString("1004"), "answer"),
              QStringList{"AB"});
    EXPECT_EQ(ids("select * from question where readtextid=" + QString("102")),
              (List{1001, 1002, 1003}));
    // Options come back in their stored order, which the answer letters follow.
    EXPECT_EQ(texts("select * from opinion where questionid=" + QString("1001"), "code"),
              (QStringList{"A", "B", "C"}));
    // The exam drawing's group read, with its doubled blanks and parentheses.
    EXPECT_EQ(ids("select * from  question  where (readtextid=" + QString("102") + ")"),
              (List{1001, 1002, 1003}));
}

TEST_F(SqlForms, TwoConditionsJoinedByAnd) {
    const QString s = "11";
    EXPECT_EQ(ids("select * from tree where (parentid=" + s + ") and (scbt='" + "1" + "'" + ")"),
              List{111});
    EXPECT_EQ(ids("select * from tree where (parentid=" + s + ") and (ct='" + "1" + "'" + ")"),
              List{112});
    const QString g = "102";
    EXPECT_EQ(
        ids("select * from question where (readtextid=" + g + ") and (scbt='" + "1" + "'" + ")"),
        List{1001});
    EXPECT_EQ(
        ids("select * from question where (readtextid=" + g + ") and (ct='" + "1" + "'" + ")"),
        List{1003});
}

TEST_F(SqlForms, AColumnEqualToAQuotedText) {
    EXPECT_EQ(ids("select * from question where scbt='1'"), (List{1001, 1004}));
    EXPECT_EQ(ids("select * from question where ct='1'"), (List{1003, 1004, 1005}));
    EXPECT_EQ(ids("select * from question where ct='1' order by id"), (List{1003, 1004, 1005}));
    // The blank after "=" belongs to the statement, not to the value; ' a1' is no match.
    EXPECT_EQ(ids("select * from question  where lx= 'a1'"), (List{1001, 1003}));
    // tid is text: '3' is neither '3.1' nor '31'.
    EXPECT_EQ(texts("select * from sj where tid='" + QString("3.1") + "'", "lx"),
              QStringList{"a3"});
    EXPECT_TRUE(connection.query("select * from sj where tid='" + QString("3") + "'").isEmpty());
    EXPECT_EQ(texts("select * from sj where lx='" + QString("a4") + "'", "tid"),
              (QStringList{"31", "4"}));
    EXPECT_EQ(texts("select * from fenshu where tx='" + QString("多项选择题") + "'", "sts"),
              QStringList{"2"});
}

TEST_F(SqlForms, NotEqualToTheEmptyStringSkipsEmptyAndNull) {
    EXPECT_EQ(texts("select * from sj where tjda<>''", "tid"), (QStringList{"1", "3.2", "31"}));
}

TEST_F(SqlForms, AlternativesJoinedByOr) {
    EXPECT_EQ(
        ids("select * from readtext where (qtypeid=3 or qtypeid=4 or qtypeid=5 ) order by qtypeid"),
        (List{102, 108, 105}));
    EXPECT_EQ(ids("select * from readtext where (qtypeid=6 or qtypeid=7 or qtypeid=8 or qtypeid=9 "
                  ") order by qtypeid"),
              (List{106, 101, 110, 107}));
    EXPECT_EQ(ids("select * from readtext where (qtypeid=10) order by qtypeid"), (List{103, 109}));
    EXPECT_EQ(ids("select * from readtext where (qtypeid=11) order by qtypeid"), List{104});
}

TEST_F(SqlForms, UpdatesOfOneColumnOnAllRows) {
    connection.exec("update question set ct1=''");
    EXPECT_EQ(texts("select * from question", "ct1"), QStringList(6, ""));
    EXPECT_TRUE(connection.query("select * from question where ct1='1'").isEmpty());
    connection.exec("update tree set scbt=''");
    connection.exec("update tree set ct=''");
    EXPECT_TRUE(connection.query("select * from tree where scbt='1'").isEmpty());
    EXPECT_TRUE(connection.query("select * from tree where ct='1'").isEmpty());
    // Cleared to the empty string, also where the flag was never written.
    EXPECT_EQ(connection.query("select * from tree where scbt=''").count(), 9);
}

TEST_F(SqlForms, ConditionalUpdateWithTheQuoteRightBeforeWhere) {
    // 1003 was in the bank before and wrong again; 1006 wrong now; 1004, 1005 stay.
    connection.exec("update  question set ct=''where ct1='1'");
    EXPECT_EQ(ids("select * from question where ct='1'"), (List{1004, 1005}));
    EXPECT_EQ(texts("select * from question where id=1006", "ct"), QStringList{""});
}

TEST_F(SqlForms, Deletes) {
    connection.exec("delete from fenshu where sts='0'");  // '0' and a number 0 stored as text
    EXPECT_EQ(texts("select * from fenshu", "tx"), (QStringList{"A1型题", "多项选择题"}));
    connection.exec("delete from fenshu  where tx='B型题配伍选择题'");
    connection.exec("insert into fenshu(tx, sts, dd) values('B型题配伍选择题', '1', '1')");
    connection.exec("delete from fenshu  where tx='B型题配伍选择题'");
    EXPECT_EQ(connection.query("select * from fenshu").count(), 2);
    connection.exec("delete from fenshu");
    connection.exec("delete from sj");
    EXPECT_TRUE(connection.query("select * from fenshu").isEmpty());
    EXPECT_TRUE(connection.query("select * from sj").isEmpty());
}

}  // namespace

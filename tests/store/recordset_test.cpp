#include <gtest/gtest.h>

#include "bank_rows.h"
#include "core/error.h"
#include "store/connection.h"
#include "temp_bank.h"

namespace {

class RecordsetTest : public testing::Test {
  protected:
    void SetUp() override {
        bank.run(R"sql(
insert into question(id, readtextid, content, answer, scbt, ct, ct1, lx, itemnum) values
  (1, 7, '甲', 'A', null, '1', null, null, null),
  (2, 7, '乙', 'B', '1', '1', '', 'a1', 2),
  (3, 8, '丙', 'C', '', '1', '1', 'a2', 3),
  (4, 7, '丁', 'D', null, null, null, null, 4);
)sql");
        connection = bank.connect();
    }

    TempBank bank;
    store::Connection connection;
};

TEST_F(RecordsetTest, WalksCountsAndNumbersItsRows) {
    store::Recordset rs = connection.query("select * from question where readtextid=7");
    EXPECT_FALSE(rs.isEmpty());
    EXPECT_EQ(rs.count(), 3);
    EXPECT_FALSE(rs.eof());
    EXPECT_EQ(rs.position(), 1);
    rs.next();
    EXPECT_EQ(rs.position(), 2);
    EXPECT_EQ(rs.integer("id"), 2);
    rs.next();
    rs.next();
    EXPECT_TRUE(rs.eof());
    // Moving past the last row sets the end mark and leaves that row current.
    EXPECT_EQ(rs.position(), 3);
    EXPECT_EQ(rs.integer("id"), 4);
    rs.next();
    EXPECT_EQ(rs.integer("id"), 4);
    rs.first();
    EXPECT_FALSE(rs.eof());
    EXPECT_EQ(rs.integer("id"), 1);
}

TEST_F(RecordsetTest, AnEmptyResultIsAtItsEndAndHasNoRowToRead) {
    store::Recordset rs = connection.query("select * from question where readtextid=99");
    EXPECT_TRUE(rs.isEmpty());
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.count(), 0);
    EXPECT_EQ(rs.position(), 0);
    rs.first();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.text("content"), core::Error);
    EXPECT_THROW(rs.edit(), core::Error);
}

TEST_F(RecordsetTest, NullReadsAsEmptyOrZeroAndNeverWrittenFlagsAreClear) {
    store::Recordset rs = connection.query("select * from question where id=1");
    EXPECT_EQ(rs.text("scbt"), QString(""));
    EXPECT_EQ(rs.integer("itemnum"), 0);
    EXPECT_EQ(rs.text("itemnum"), QString(""));
    // The statements that test a flag for "1" leave out never-written and cleared flags alike.
    EXPECT_EQ(integersOf(connection.query("select * from question where scbt='1'")),
              QList<qint64>{2});
    EXPECT_EQ(integersOf(connection.query("select * from question where ct1='1'")),
              QList<qint64>{3});
}

TEST_F(RecordsetTest, ColumnNamesIgnoreCaseAndAnUnknownNameIsAnError) {
    store::Recordset rs = connection.query("select * from question where id=2");
    EXPECT_EQ(rs.text("CONTENT"), QString("乙"));
    EXPECT_THROW(rs.text("contents"), core::Error);
    EXPECT_THROW(rs.integer("nosuch"), core::Error);
    rs.edit();
    EXPECT_THROW(rs.set("nosuch", "1"), core::Error);
}

TEST_F(RecordsetTest, IntegerReadsWholeNumbersOnly) {
    bank.run(
        "insert into question(id, content, answer, lx, picurl, \"explain\") "
        "values (10, ' 12 ', '3.0', '2.5', '', 'x7')");
    bank.run("insert into readtext(id, opnum, treeid) values (1, 4.0, 2.75)");
    store::Recordset q = connection.query("select * from question where id=10");
    EXPECT_EQ(q.integer("content"), 12);
    EXPECT_EQ(q.integer("answer"), 3);
    EXPECT_EQ(q.integer("picurl"), 0);  // blank text
    EXPECT_THROW(q.integer("lx"), core::Error);
    EXPECT_THROW(q.integer("explain"), core::Error);
    store::Recordset g = connection.query("select * from readtext");
    EXPECT_EQ(g.integer("opnum"), 4);
    EXPECT_EQ(g.text("opnum"), QString("4"));
    EXPECT_THROW(g.integer("treeid"), core::Error);  // 2.75 is not silently cut to 2
    EXPECT_EQ(g.text("treeid"), QString("2.75"));
}

TEST_F(RecordsetTest, PostedEditIsWrittenAtOnceAndSeenByAnotherConnection) {
    store::Connection other = bank.connect();
    store::Recordset rs = connection.query("select * from question where id=4");
    rs.edit();
    rs.set("scbt", "1");
    EXPECT_EQ(rs.text("scbt"), QString("1"));  // the pending value reads back
    rs.post();
    EXPECT_EQ(textsOf(other.query("select * from question where id=4"), "scbt"), QStringList{"1"});
    // Toggled twice the flag is empty, not null.
    rs.edit();
    rs.set("scbt", "");
    rs.post();
    EXPECT_EQ(other.query("select * from question where scbt=''").count(), 2);
}

TEST_F(RecordsetTest, EditingKeepsTheSnapshotWhenARowStopsMeetingTheCondition) {
    store::Recordset rs = connection.query("select * from question where ct='1'");
    ASSERT_EQ(rs.count(), 3);
    rs.first();
    rs.next();  // question 2
    rs.edit();
    rs.set("ct", "");
    rs.post();
    EXPECT_EQ(rs.count(), 3);
    EXPECT_EQ(rs.position(), 2);
    EXPECT_EQ(rs.integer("id"), 2);
    EXPECT_EQ(rs.text("ct"), QString(""));
    rs.next();
    EXPECT_EQ(rs.position(), 3);
    EXPECT_EQ(rs.integer("id"), 3);
    rs.first();
    EXPECT_EQ(rs.integer("id"), 1);
    EXPECT_EQ(integersOf(connection.query("select * from question where ct='1'")),
              (QList<qint64>{1, 3}));
}

TEST_F(RecordsetTest, MovingWithAPendingEditPostsItToItsOwnRow) {
    store::Recordset rs = connection.query("select * from question where readtextid=7");
    rs.edit();
    rs.set("lx", "a3");
    rs.next();  // posts row 1 before moving on
    EXPECT_EQ(rs.text("lx"), QString("a1"));
    EXPECT_EQ(textsOf(connection.query("select * from question where readtextid=7"), "lx"),
              (QStringList{"a3", "a1", ""}));
}

TEST_F(RecordsetTest, CancelDropsTheEdit) {
    store::Recordset rs = connection.query("select * from question where id=1");
    rs.edit();
    rs.set("content", "改");
    rs.cancel();
    EXPECT_EQ(rs.text("content"), QString("甲"));
    EXPECT_EQ(textsOf(connection.query("select * from question where id=1"), "content"),
              QStringList{"甲"});
    EXPECT_THROW(rs.post(), core::Error);               // nothing to post
    EXPECT_THROW(rs.set("content", "x"), core::Error);  // not in edit state
}

TEST_F(RecordsetTest, PostingARowThatWasDeletedMeanwhileIsAnError) {
    store::Recordset rs = connection.query("select * from question where id=4");
    bank.connect().exec("delete from question where id=4");
    rs.edit();
    rs.set("lx", "a1");
    EXPECT_THROW(rs.post(), core::Error);
    EXPECT_TRUE(connection.query("select * from question where id=4").isEmpty());
    rs.first();  // the failed edit was dropped; moving does not repeat it
    EXPECT_EQ(rs.integer("id"), 4);
}

TEST_F(RecordsetTest, OnlyResultsOfOneWholeTableCanBeEdited) {
    store::Recordset partial = connection.query("select id, lx from question");
    EXPECT_FALSE(partial.isEditable());
    EXPECT_THROW(partial.edit(), core::Error);
    EXPECT_THROW(partial.append(), core::Error);
    store::Recordset counted = connection.query("select count(*) as n from question");
    EXPECT_EQ(counted.integer("n"), 4);
    EXPECT_FALSE(counted.isEditable());
    EXPECT_TRUE(connection.query("SELECT  *  FROM  question").isEditable());
}

TEST_F(RecordsetTest, TablesWithoutAnIntegerKeyCanBeEditedToo) {
    bank.run(
        "create table notes(name text, value text);"
        "insert into notes values('a', '1'), ('b', '2');");
    store::Recordset rs = connection.table("notes");
    rs.next();
    rs.edit();
    rs.set("value", "20");
    rs.post();
    rs.append();
    rs.set("name", "c");
    rs.post();
    EXPECT_EQ(textsOf(connection.query("select * from notes"), "value"),
              (QStringList{"1", "20", ""}));
    EXPECT_EQ(textsOf(connection.query("select * from notes"), "name"),
              (QStringList{"a", "b", "c"}));
}

TEST_F(RecordsetTest, AppendedRowsBecomeCurrentWithTheirKeyAndKeepInsertionOrder) {
    store::Recordset sj = connection.query("select * from  sj");
    for (const char* tid : {"1", "2", "3.1"}) {
        sj.append();
        sj.set("tid", tid);
        sj.set("lx", "a1");
        sj.post();
        EXPECT_FALSE(sj.eof());
        EXPECT_EQ(sj.text("tid"), QString(tid));
        EXPECT_GT(sj.integer("rid"), 0);  // the stored row, read back with its key
        EXPECT_EQ(sj.text("tjda"), QString(""));
    }
    EXPECT_EQ(sj.count(), 3);
    EXPECT_EQ(sj.position(), 3);
    EXPECT_EQ(textsOf(connection.query("select * from sj"), "tid"), (QStringList{"1", "2", "3.1"}));
}

TEST_F(RecordsetTest, InsertionOrderSurvivesDeletesAndReinserts) {
    auto add = [&](const QString& table, const QString& column, const QString& value) {
        store::Recordset rs = connection.query("select * from " + table);
        rs.append();
        rs.set(column, value);
        rs.post();
    };
    for (const char* label : {"多项", "A1", "B型", "案例"}) add("fenshu", "tx", label);
    connection.exec("delete from fenshu where tx='案例'");  // the last row
    connection.exec("delete from fenshu where tx='多项'");  // the first row
    add("fenshu", "tx", "新一");
    add("fenshu", "tx", "新二");
    EXPECT_EQ(textsOf(connection.query("select * from fenshu"), "tx"),
              (QStringList{"A1", "B型", "新一", "新二"}));

    for (const char* tid : {"1", "2", "3"}) add("sj", "tid", tid);
    connection.exec("delete from sj");
    for (const char* tid : {"9", "8", "7"}) add("sj", "tid", tid);
    EXPECT_EQ(textsOf(connection.query("select * from sj"), "tid"), (QStringList{"9", "8", "7"}));

    for (const char* txs : {"40", "10", "2", "2"}) add("ts", "txs", txs);
    store::Recordset ts = connection.table("ts");
    ts.next();
    ts.edit();
    ts.set("txs", "15");
    ts.post();
    EXPECT_EQ(textsOf(connection.table("ts"), "txs"), (QStringList{"40", "15", "2", "2"}));
}

}  // namespace

#include "store/connection.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <thread>

#include "bank_rows.h"
#include "core/error.h"
#include "store/connection_string.h"
#include "store/database.h"
#include "temp_bank.h"

namespace {

QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const core::Error& e) {
        return e.message();
    }
    return {};
}

TEST(ConnectionString, IsTheFixedTextAroundTheProgramDirectory) {
    const QString text = store::ConnectionString::forDataDirectory("/opt/vantrel/");
    EXPECT_EQ(
        text,
        QString(
            "Provider=Microsoft.Jet.OLEDB.4.0;user ID=Admin;Data Source=/opt/vantrel/Data/med.mdb"
            ";Persist Security Info=false;Jet OLEDB:Database Password=qxparoly@!3816dfe"));
    const store::ConnectionString parsed(text);
    EXPECT_EQ(parsed.dataSource(), QString("/opt/vantrel/Data/med.mdb"));
    EXPECT_EQ(parsed.field("provider"), QString("Microsoft.Jet.OLEDB.4.0"));
    EXPECT_EQ(parsed.field("USER id"), QString("Admin"));
    EXPECT_EQ(parsed.field("Persist Security Info"), QString("false"));
    EXPECT_EQ(parsed.field("Jet OLEDB:Database Password"), QString("qxparoly@!3816dfe"));
    EXPECT_EQ(parsed.field("Mode"), QString());
}

TEST(ConnectionString, AProgramDirectoryWithASemicolonSurvivesTheParse) {
    const QString text = store::ConnectionString::forDataDirectory("/home/a;b/\"q\"/");
    EXPECT_EQ(store::ConnectionString(text).dataSource(), QString("/home/a;b/\"q\"/Data/med.mdb"));
    EXPECT_EQ(store::ConnectionString(text).field("Persist Security Info"), QString("false"));
    EXPECT_EQ(store::ConnectionString("Data Source='x;y.db'; Mode=Share Deny None").field("mode"),
              QString("Share Deny None"));
}

TEST(ConnectionErrors, AMissingFileIsAnErrorAndIsNeverCreated) {
    QTemporaryDir dir;
    const QString programDir = dir.path() + "/";
    store::Connection connection(store::ConnectionString::forDataDirectory(programDir));
    const QString message = errorOf([&] { connection.query("select * from kemu"); });
    EXPECT_TRUE(message.contains("找不到题库文件")) << message.toStdString();
    EXPECT_TRUE(message.contains(programDir + "Data/med.mdb"));
    EXPECT_FALSE(QFileInfo::exists(programDir + "Data/med.mdb"));
    EXPECT_FALSE(QFileInfo::exists(programDir + "Data"));
    EXPECT_FALSE(connection.isOpen());
}

TEST(ConnectionErrors, AConnectionStringWithoutDataSourceIsAnError) {
    store::Connection connection("Provider=Microsoft.Jet.OLEDB.4.0;user ID=Admin");
    EXPECT_THROW(connection.open(), core::Error);
}

TEST(ConnectionErrors, AFileThatIsNotABankIsAnError) {
    TempBank bank;
    auto writeBank = [&](const QByteArray& bytes) {
        QFile file(bank.bankPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    writeBank("这不是数据库，只是一段文字。\n");
    QString message = errorOf([&] { bank.connect().open(); });
    EXPECT_TRUE(message.contains("不是题库文件")) << message.toStdString();

    writeBank("");  // SQLite would take an empty file for an empty database
    message = errorOf([&] { bank.connect().query("select * from kemu"); });
    EXPECT_TRUE(message.contains("不是题库文件")) << message.toStdString();
    EXPECT_EQ(QFileInfo(bank.bankPath()).size(), 0);  // and it is left as it was
}

TEST(ConnectionErrors, ASqliteFileWithoutTheBankTablesIsNotABank) {
    TempBank bank;
    bank.run("drop table question");
    const QString message = errorOf([&] { bank.connect().open(); });
    EXPECT_TRUE(message.contains("缺少数据表 question")) << message.toStdString();
}

// The exam and score tables are part of a bank too: a bank without one is refused at open.
TEST(ConnectionErrors, EveryTableOfTheBankIsCheckedAtOpen) {
    for (const char* table : {"ts", "sj", "fenshu", "kemu", "geshu"}) {
        TempBank bank;
        bank.run(QStringLiteral("drop table %1").arg(table));
        const QString message = errorOf([&] { bank.connect().open(); });
        EXPECT_TRUE(message.contains(QStringLiteral("缺少数据表 %1").arg(table)))
            << message.toStdString();
    }
}

TEST(ConnectionErrors, AMissingTableOrAWrongStatementNamesTheEngineMessage) {
    TempBank bank;
    store::Connection connection = bank.connect();
    QString message = errorOf([&] { connection.query("select * from nosuch"); });
    EXPECT_TRUE(message.contains("no such table: nosuch")) << message.toStdString();
    message = errorOf([&] { connection.exec("delete from nosuch"); });
    EXPECT_TRUE(message.contains("no such table: nosuch")) << message.toStdString();
    message = errorOf([&] { connection.query("select * from tree where id="); });
    EXPECT_TRUE(message.contains("select * from tree where id=")) << message.toStdString();
    // A second statement in one text is refused rather than silently skipped.
    EXPECT_THROW(connection.exec("update tree set ct=''; delete from tree"), core::Error);
    connection.exec("update tree set ct='';");
}

TEST(Connection, ClosesAndReopensAroundEachOperation) {
    TempBank bank;
    bank.run("insert into kemu(ID, mz) values('职业病', 'zyb')");
    store::Connection connection = bank.connect();
    EXPECT_FALSE(connection.isOpen());
    store::Recordset kemu = connection.query("select * from kemu");
    EXPECT_TRUE(connection.isOpen());
    connection.close();
    EXPECT_FALSE(connection.isOpen());
    // A result read before the close can still post its edit.
    kemu.edit();
    kemu.set("mz", "zyb2");
    kemu.post();
    EXPECT_EQ(textsOf(connection.query("select * from kemu"), "mz"), QStringList{"zyb2"});
}

TEST(ConnectionTransaction, CommitsEverythingOrNothing) {
    TempBank bank;
    bank.run("insert into question(id, lx) values (1, null), (2, null)");
    store::Connection connection = bank.connect();
    store::Connection reader = bank.connect();
    {
        store::Connection::Transaction transaction(connection);
        store::Recordset rs = connection.query("select * from question");
        for (rs.first(); !rs.eof(); rs.next()) {
            rs.edit();
            rs.set("lx", "a1");
            rs.post();
        }
        // Not visible to another connection before the commit.
        EXPECT_EQ(reader.query("select * from question where lx='a1'").count(), 0);
        transaction.commit();
    }
    EXPECT_EQ(reader.query("select * from question where lx='a1'").count(), 2);
    {
        store::Connection::Transaction transaction(connection);
        connection.exec("update question set lx='a2'");
    }  // no commit: rolled back
    EXPECT_EQ(reader.query("select * from question where lx='a1'").count(), 2);
}

TEST(ConnectionTransaction, NestsAndKeepsOneHandleAcrossAClose) {
    TempBank bank;
    bank.run("insert into question(id, lx) values (1, 'x')");
    store::Connection connection = bank.connect();
    {
        store::Connection::Transaction outer(connection);
        connection.exec("update question set lx='a1'");
        {
            store::Connection::Transaction inner(connection);
            connection.exec("update question set lx='a2'");
        }  // the inner part is undone, the outer goes on
        EXPECT_EQ(textsOf(connection.query("select * from question"), "lx"), QStringList{"a1"});
        connection.close();  // the exam drawing closes and reopens between its steps
        EXPECT_FALSE(connection.isOpen());
        connection.exec("update question set scbt='1'");
        {
            store::Connection::Transaction inner(connection);
            connection.exec("update question set ct='1'");
            inner.commit();
        }
        outer.commit();
        EXPECT_THROW(outer.commit(), core::Error);
    }
    const store::Recordset rs = bank.connect().query("select * from question");
    EXPECT_EQ(rs.text("lx"), QString("a1"));
    EXPECT_EQ(rs.text("scbt"), QString("1"));
    EXPECT_EQ(rs.text("ct"), QString("1"));
}

TEST(ConnectionTransaction, ACloseDuringATransactionTakesEffectAtItsEnd) {
    TempBank bank;
    store::Connection connection = bank.connect();
    {
        store::Connection::Transaction transaction(connection);
        connection.close();
        transaction.commit();
    }
    EXPECT_FALSE(connection.isOpen());
}

TEST(SeveralConnections, SeeEachOthersWritesAtOnce) {
    TempBank bank;
    bank.run("insert into question(id) values (1)");
    store::Connection main = bank.connect();
    store::Connection exam = bank.connect();
    store::Recordset held = main.query("select * from question");  // a snapshot holds no lock
    store::Recordset rs = exam.query("select * from question where id=1");
    rs.edit();
    rs.set("lx", "B");
    rs.post();
    EXPECT_EQ(textsOf(main.query("select * from question"), "lx"), QStringList{"B"});
    held.edit();
    held.set("scbt", "1");
    held.post();
    EXPECT_EQ(textsOf(exam.query("select * from question"), "scbt"), QStringList{"1"});
}

TEST(SeveralConnections, AWriterWaitsForAnotherConnectionsTransactionThenReportsTheLock) {
    TempBank bank;
    bank.run("insert into question(id) values (1)");
    store::Connection first = bank.connect();
    store::Connection second = bank.connect();
    store::Connection::Transaction transaction(first);
    first.exec("update question set lx='a1'");
    // Readers still see the committed state while the other connection writes.
    EXPECT_EQ(textsOf(second.query("select * from question"), "lx"), QStringList{""});
    const QString message = errorOf([&] { second.exec("update question set lx='a2'"); });
    EXPECT_TRUE(message.contains("题库正被另一个连接写入")) << message.toStdString();
    EXPECT_TRUE(message.contains("locked")) << message.toStdString();
    transaction.commit();
    second.exec("update question set lx='a2'");
    EXPECT_EQ(textsOf(first.query("select * from question"), "lx"), QStringList{"a2"});
}

// A lock held past the busy wait is the answer of a whole-row query too: not waited for a
// second time, and never a result that silently cannot post its edits.
TEST(SeveralConnections, AReaderLockedOutPastTheBusyWaitGetsTheLockErrorOnce) {
    TempBank bank;
    bank.run("insert into question(id) values (1)");
    store::Connection locker = bank.connect();
    locker.exec("begin exclusive");
    std::thread release([&] {
        std::this_thread::sleep_for(
            std::chrono::milliseconds(store::Database::kBusyTimeoutMs + 1500));
        locker.exec("commit");
    });
    store::Connection reader = bank.connect();
    const QString message = errorOf([&] { reader.query("select * from question"); });
    release.join();
    EXPECT_TRUE(message.contains("题库正被另一个连接写入")) << message.toStdString();
    EXPECT_TRUE(reader.query("select * from question").isEditable());
}

}  // namespace

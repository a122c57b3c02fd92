#include "bank_file_writer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/error.h"
#include "store/connection.h"
#include "store/connection_string.h"

namespace {

class BankFileWriterTest : public testing::Test {
  protected:
    QString programDir() const { return dir.path() + "/"; }
    store::Connection connect() const {
        return store::Connection(store::ConnectionString::forDataDirectory(programDir()));
    }
    QStringList dataFiles() const { return QDir(programDir() + "Data").entryList(QDir::Files); }
    QString errorOfWrite(const QVector<BankFileWriter::Script>& scripts) const {
        try {
            BankFileWriter::write(dir.path(), scripts);
        } catch (const core::Error& e) {
            return e.message();
        }
        return {};
    }

    QTemporaryDir dir;
    const BankFileWriter::Script schema = BankFileWriter::readScript(":/schema.sql");
};

TEST_F(BankFileWriterTest, RunsTheScriptsInOrderIntoANewDataFolder) {
    BankFileWriter::write(
        dir.path(), {schema,
                     {"a.sql", "\xEF\xBB\xBFinsert into kemu(ID, mz) values('职业病', 'zyb');"},
                     {"b.sql", "-- 改名\nupdate kemu set mz = mz || '2';\n"}});
    EXPECT_EQ(dataFiles(), QStringList{"med.mdb"});
    store::Recordset kemu = connect().query("select * from kemu");
    EXPECT_EQ(kemu.text("ID"), QString("职业病"));
    EXPECT_EQ(kemu.text("mz"), QString("zyb2"));
}

TEST_F(BankFileWriterTest, AFailedBuildNamesTheScriptLineAndEngineMessageAndKeepsTheOldBank) {
    BankFileWriter::write(dir.path(), {schema, {"old.sql", "insert into kemu(ID) values('旧');"}});
    const QString message = errorOfWrite(
        {schema,
         {"new.sql",
          "insert into kemu(ID) values('新');\n\ninsert into kemu(nosuch) values(1);\n"}});
    EXPECT_EQ(message, QString("new.sql:3: table kemu has no column named nosuch"));
    EXPECT_EQ(dataFiles(), QStringList{"med.mdb"});  // no temporary file left behind
    EXPECT_EQ(connect().query("select * from kemu").text("ID"), QString("旧"));
}

TEST_F(BankFileWriterTest, ASyntaxErrorInALaterScriptLeavesNoBankAtAll) {
    const QString message = errorOfWrite({schema, {"bad.sql", "insert into kemu values("}});
    EXPECT_TRUE(message.startsWith("bad.sql:1: ")) << message.toStdString();
    EXPECT_TRUE(dataFiles().isEmpty());
}

TEST_F(BankFileWriterTest, ScriptsThatDoNotMakeAQuestionBankAreRefused) {
    const QString message = errorOfWrite({{"other.sql", "create table something(x);"}});
    EXPECT_TRUE(message.contains("不是题库文件")) << message.toStdString();
    EXPECT_TRUE(dataFiles().isEmpty());
}

TEST_F(BankFileWriterTest, AnUnreadableScriptIsAnError) {
    EXPECT_THROW(BankFileWriter::readScript(programDir() + "missing.sql"), core::Error);
}

}  // namespace

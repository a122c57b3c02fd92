#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "store/bank_backups.h"
#include "store/database.h"
#include "temp_bank.h"
#include "test_material.h"
#include "tool_run.h"

// The vantrel-bank command line: exit status, what goes to stdout and what to stderr.
namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return file.fileName();
}

TEST(BankToolCli, GenerateThenCheckACleanBank) {
    QTemporaryDir dir;
    const ToolRun generated =
        runVantrelBank({"generate", "--questions", "400", "--chapter-questions", "100", "--seed",
                        "3", "--out", dir.path()});
    ASSERT_EQ(generated.status, 0) << generated.err.toStdString();
    // stdout holds only the chapter's record id, so scripts can capture it.
    bool isNumber = false;
    generated.outText().trimmed().toLongLong(&isNumber);
    EXPECT_TRUE(isNumber) << generated.outText().toStdString();
    const ToolRun checked = runVantrelBank({"check", "--dir", dir.path()});
    EXPECT_EQ(checked.status, 0) << checked.outText().toStdString();
    EXPECT_TRUE(checked.outText().contains("未发现问题")) << checked.outText().toStdString();
}

TEST(BankToolCli, BuildBankThenCheckReportsEachProblemAndFails) {
    QTemporaryDir dir;
    const QString rows = writeFile(dir, "rows.sql", R"sql(
insert into tree(id, nodename, code, parentid) values (1, '篇', 1, 0), (2, '章', 0, 1), (3, '节', 0, 2);
insert into qtype(id, code, title) values (3, 1, 'A1型题');
insert into readtext(id, treeid, qtypeid) values (1, 3, 3), (2, 3, 42);
insert into question(id, readtextid, answer) values (1, 1, 'F');
insert into opinion(id, questionid, code) values (1, 1, 'A');
insert into kemu(ID) values ('职业病');
insert into geshu(kemugeshu) values ('1');
insert into ts(txs) values ('1'), ('1'), ('1'), ('1');
)sql");
    const ToolRun built = runVantrelBank(
        {"build-bank", VANTREL_SOURCE_DIR "/data/schema.sql", rows, "--out", dir.path()});
    ASSERT_EQ(built.status, 0) << built.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("Data/med.mdb")));
    const ToolRun checked = runVantrelBank({"check", "--dir", dir.path()});
    EXPECT_EQ(checked.status, 1);
    EXPECT_EQ(checked.outText().split('\n', Qt::SkipEmptyParts),
              (QStringList{"readtext 2：题型 qtypeid=42 在 qtype 表中不存在",
                           "question 1：答案字母 F 不是本题任何选项的字母",
                           "检查完毕（3 个节点，2 个题组，1 题）：发现 2 处问题"}));
}

TEST(BankToolCli, FailuresGoToStderrWithANonZeroStatus) {
    QTemporaryDir dir;
    const QString bad = writeFile(dir, "bad.sql", "insert into nosuch values(1);");
    const ToolRun built = runVantrelBank(
        {"build-bank", VANTREL_SOURCE_DIR "/data/schema.sql", bad, "--out", dir.path()});
    EXPECT_EQ(built.status, 1);
    EXPECT_TRUE(built.err.contains(bad + ":1: no such table: nosuch")) << built.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("Data/med.mdb")));

    const ToolRun missing = runVantrelBank({"check", "--dir", dir.path()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("找不到题库文件")) << missing.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("Data/med.mdb")));

    EXPECT_EQ(runVantrelBank({"generate", "--out", dir.path()}).status, 2);
    EXPECT_EQ(runVantrelBank({"generate", "--questions", "many", "--out", dir.path()}).status, 1);
}

}  // namespace

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Backup and restore through the tool, with the restore dialog's checks: a backup carrying a
// changed column, a trigger or a view is refused by name with the bank and the kept banks as
// they were; WAL-mode and small-page backups restore, and the bank stays in rollback-journal
// mode.
TEST(BankToolCli, BackupAndRestoreLetInOnlyABanksData) {
    TempBank bank;
    QTemporaryDir dir;
    const auto backupWith = [&](const QString& name, const QString& sql) {
        const QString path = dir.filePath(name);
        const ToolRun made = runVantrelBank({"backup", "--dir", bank.programDir(), path});
        EXPECT_EQ(made.status, 0) << made.err.toStdString();
        if (!sql.isEmpty()) store::Database(path).select(sql);
        return path;
    };
    bank.run("insert into kemu(ID, mz) values('内科', 'nk')");
    const QString plain = backupWith("plain.bak", {});
    const QString wal = backupWith("wal.bak", "pragma journal_mode=wal");
    const QString pages = backupWith("pages.bak", "pragma page_size=1024");
    store::Database(pages).exec("vacuum");
    const QList<std::pair<QString, QString>> refused{
        {backupWith("column.bak", "alter table sj rename column tjda to given"), "tjda"},
        {backupWith("trigger.bak",
                    "create trigger wipe after update on question begin "
                    "delete from opinion; end"),
         "wipe"},
        {backupWith("view.bak", "create view v as select 1"), "v"},
    };
    // One restore leaves a kept bank, which the refusals must leave as it is.
    bank.run("update kemu set ID='外科'");
    ASSERT_EQ(runVantrelBank({"restore", "--dir", bank.programDir(), plain}).status, 0);
    const QStringList kept = store::keptBankPaths(bank.bankPath());
    ASSERT_EQ(kept.size(), 1);
    const QByteArray keptBytes = bytesOf(kept.first());
    const QByteArray live = bytesOf(bank.bankPath());
    for (const auto& [path, named] : refused) {
        const ToolRun run = runVantrelBank({"restore", "--dir", bank.programDir(), path});
        EXPECT_EQ(run.status, 1) << path.toStdString();
        EXPECT_TRUE(run.err.contains(named)) << run.err.toStdString();
        EXPECT_EQ(bytesOf(bank.bankPath()), live);
        EXPECT_EQ(store::keptBankPaths(bank.bankPath()), kept);
        EXPECT_EQ(bytesOf(kept.first()), keptBytes);
    }
    for (const QString& path : {wal, pages}) {
        const ToolRun run = runVantrelBank({"restore", "--dir", bank.programDir(), path});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        store::Database restored(bank.bankPath());
        EXPECT_EQ(restored.select("pragma journal_mode").values[0][0].toString(), "delete");
        EXPECT_EQ(restored.select("select ID from kemu").values[0][0].toString(), "内科");
        EXPECT_FALSE(QFileInfo::exists(bank.bankPath() + "-wal"));
    }
}

// An Access bank through the tool: converted with its rows per table on stdout, an existing
// bank replaced only when asked for, a file that is no bank refused, and a restore from an
// Access backup.
TEST(BankToolCli, ConvertJetWritesTheBankAndNeverOverwritesOneUnasked) {
    SKIP_WITHOUT_TEST_MATERIAL();
    const QString sample = testMaterial("testdata/jet/sample-bank.mdb");
    QFile json(testMaterial("testdata/jet/sample-bank.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QJsonObject rows = QJsonDocument::fromJson(json.readAll()).object();
    QTemporaryDir dir;
    const QString bank = dir.filePath("Data/med.mdb");

    const ToolRun converted = runVantrelBank({"convert-jet", sample, "--out", dir.path()});
    ASSERT_EQ(converted.status, 0) << converted.err.toStdString();
    QStringList expected;
    for (const char* table : {"tree", "readtext", "qtype", "question", "opinion", "kemu", "geshu",
                              "ts", "sj", "fenshu"})
        expected << QStringLiteral("%1 %2").arg(table).arg(rows.value(table).toArray().size());
    EXPECT_EQ(converted.outText().split('\n', Qt::SkipEmptyParts), expected);
    EXPECT_EQ(runVantrelBank({"check", "--dir", dir.path()}).err, QString());

    store::Database(bank).exec("update question set scbt='1'");
    const QByteArray marked = fileBytes(bank);
    const ToolRun again = runVantrelBank({"convert-jet", sample, "--out", dir.path()});
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(again.err.contains(bank + " 已有题库；要替换它，请加 --replace"))
        << again.err.toStdString();
    EXPECT_EQ(fileBytes(bank), marked);
    EXPECT_EQ(runVantrelBank({"convert-jet", sample, "--out", dir.path(), "--replace"}).status, 0);
    EXPECT_TRUE(
        store::Database(bank).select("select * from question where scbt='1'").values.size() <
        rows.value("question").toArray().size());

    QTemporaryDir other;
    const ToolRun refused = runVantrelBank(
        {"convert-jet", testMaterial("testdata/jet/nwind.mdb"), "--out", other.path()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains("nwind.mdb 不是题库：缺少数据表 tree"))
        << refused.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(other.filePath("Data/med.mdb")));
}

TEST(BankToolCli, RestoreTakesAnAccessBackup) {
    SKIP_WITHOUT_TEST_MATERIAL();
    QTemporaryDir dir;
    ASSERT_EQ(runVantrelBank({"generate", "--questions", "60", "--out", dir.path()}).status, 0);
    const QString backup = dir.filePath(store::kBackupNameStem + "2013-5-2");
    ASSERT_TRUE(QFile::copy(testMaterial("testdata/jet/sample-bank.mdb"), backup));
    const ToolRun restored = runVantrelBank({"restore", "--dir", dir.path(), backup});
    ASSERT_EQ(restored.status, 0) << restored.err.toStdString();
    store::Database bank(dir.filePath("Data/med.mdb"));
    EXPECT_EQ(bank.select("select ID from kemu").values.value(0).value(0).toString(),
              "职业卫生（中级）");
    EXPECT_EQ(store::keptBankPaths(dir.filePath("Data/med.mdb")).size(), 1);
    EXPECT_EQ(fileBytes(backup), fileBytes(testMaterial("testdata/jet/sample-bank.mdb")));
}

// Without --dir the tool works where the program keeps the user's data: the build tree's own
// bank, and for an installed tool the user's bank, made from the shipped one on first use.
TEST(BankToolCli, WithoutDirTheToolWorksOnTheProgramsOwnBank) {
    EXPECT_EQ(runVantrelBank({"check"}).status, 0);

    QTemporaryDir root, home;
    const QString shippedBank = root.filePath("usr/share/vantrel/Data/med.mdb");
    QDir().mkpath(root.filePath("usr/bin"));
    QDir().mkpath(QFileInfo(shippedBank).absolutePath());
    ASSERT_TRUE(
        QFile::copy(VANTREL_BIN_DIR "/vantrel-bank", root.filePath("usr/bin/vantrel-bank")));
    ASSERT_TRUE(QFile::copy(VANTREL_BIN_DIR "/Data/med.mdb", shippedBank));
    const QByteArray shipped = fileBytes(shippedBank);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", home.path());
    const QString tool = root.filePath("usr/bin/vantrel-bank");
    const QString userBank = home.filePath("Vantrel/Data/med.mdb");

    EXPECT_EQ(runTool(tool, {"check"}, environment).status, 0);
    EXPECT_EQ(fileBytes(userBank), shipped);
    const ToolRun drawn = runTool(tool, {"draw"}, environment);
    EXPECT_EQ(drawn.status, 0) << drawn.err.toStdString();
    EXPECT_NE(fileBytes(userBank), shipped);  // the paper went into the user's bank
    EXPECT_EQ(fileBytes(shippedBank), shipped);
}

}  // namespace

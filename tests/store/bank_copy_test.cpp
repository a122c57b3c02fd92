#include "store/bank_copy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <random>

#include "core/error.h"
#include "store/bank_schema.h"
#include "store/connection.h"
#include "store/database.h"
#include "temp_bank.h"
#include "test_material.h"

namespace {

store::Connection connectTo(const QString& file) {
    return store::Connection(QStringLiteral("Data Source=") + file);
}

// The subject's name, the marker these tests write to tell two banks apart.
QString subjectOf(store::Connection& connection) {
    const store::Recordset rs = connection.query(QStringLiteral("select * from kemu"));
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("ID"));
}

QString subjectOf(const QString& file) {
    store::Connection connection = connectTo(file);
    return subjectOf(connection);
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray randomBytes(int size) {
    std::mt19937 generator(7);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) byte = char(generator());
    return bytes;
}

QStringList filesIn(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

class BankCopy : public testing::Test {
  protected:
    void SetUp() override {
        bank.run(
            QStringLiteral("insert into kemu(ID, mz) values('内科', 'nk');"
                           "insert into question(id, content, scbt) values(1, '题干', '');"));
    }
    QString out(const QString& name) const { return folder.path() + QStringLiteral("/") + name; }
    // Where the restores keep the bank they replace.
    QString keptPath() const { return bank.programDir() + QStringLiteral("Data/kept.mdb"); }

    TempBank bank;
    QTemporaryDir folder;
};

TEST_F(BankCopy, BackupIsTheCommittedBankWhileOtherConnectionsWorkAndReplacesTheTarget) {
    const QString target = out(QStringLiteral("Vantrel医药软件数据备份2013-5-2"));
    writeBytes(target, "an older file of that name");
    store::Connection reader = bank.connect();
    const store::Recordset held = reader.query(QStringLiteral("select * from question"));
    store::Connection writer = bank.connect();
    {
        store::Connection::Transaction transaction(writer);
        writer.exec(QStringLiteral("update kemu set ID='外科'"));
        store::backupBank(bank.bankPath(), target);
        EXPECT_EQ(subjectOf(target), QStringLiteral("内科"));  // never the unfinished write
        transaction.commit();
    }
    EXPECT_EQ(subjectOf(bank.bankPath()), QStringLiteral("外科"));
    EXPECT_EQ(held.count(), 1);

    store::backupBank(bank.bankPath(), target);
    EXPECT_EQ(subjectOf(target), QStringLiteral("外科"));
    EXPECT_EQ(filesIn(folder.path()), QStringList{QFileInfo(target).fileName()});
}

TEST_F(BankCopy, AFailedBackupLeavesNoFileBehind) {
    const QString intoMissingFolder = out(QStringLiteral("missing/backup.mdb.bak"));
    EXPECT_THROW(store::backupBank(bank.bankPath(), intoMissingFolder), core::Error);
    EXPECT_FALSE(QFileInfo::exists(out(QStringLiteral("missing"))));

    // Fails at the very last step, the rename: the temporary copy must go as well.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("a folder")));
    EXPECT_THROW(store::backupBank(bank.bankPath(), out(QStringLiteral("a folder"))), core::Error);
    EXPECT_TRUE(QFileInfo(out(QStringLiteral("a folder"))).isDir());
    EXPECT_EQ(filesIn(folder.path()), QStringList{QStringLiteral("a folder")});

    EXPECT_THROW(store::backupBank(out(QStringLiteral("no bank.mdb")), out(QStringLiteral("b"))),
                 core::Error);
    EXPECT_EQ(filesIn(folder.path()), QStringList{QStringLiteral("a folder")});

    // Onto the bank itself would swap the file under every open connection.
    const QByteArray before = fileBytes(bank.bankPath());
    EXPECT_THROW(store::backupBank(bank.bankPath(), bank.bankPath()), core::Error);
    EXPECT_EQ(fileBytes(bank.bankPath()), before);
}

TEST_F(BankCopy, RestoreRefusesAnythingButAWholeBankAndLeavesTheBankAsItWas) {
    const QString good = out(QStringLiteral("good.bak"));
    store::backupBank(bank.bankPath(), good);

    const QString noise = out(QStringLiteral("noise.bak"));
    writeBytes(noise, randomBytes(64 * 1024));
    const QString withoutTables = out(QStringLiteral("tables.bak"));
    store::backupBank(bank.bankPath(), withoutTables);
    connectTo(withoutTables).exec(QStringLiteral("drop table opinion"));
    // Whole in size and schema, but the last page (a table's root) is garbage.
    const QString damaged = out(QStringLiteral("damaged.bak"));
    constexpr int kPageSize = 4096;
    const QByteArray whole = fileBytes(good);
    writeBytes(damaged, whole.left(whole.size() - kPageSize) + randomBytes(kPageSize));
    const QString empty = out(QStringLiteral("empty.bak"));
    writeBytes(empty, {});

    bank.run(QStringLiteral("update kemu set ID='外科'"));
    const QByteArray before = fileBytes(bank.bankPath());
    for (const QString& refused : {noise, withoutTables, damaged, empty,
                                   out(QStringLiteral("missing.bak")), bank.bankPath()}) {
        SCOPED_TRACE(refused.toStdString());
        EXPECT_THROW(store::restoreBank(refused, bank.bankPath(), keptPath()), core::Error);
        EXPECT_EQ(fileBytes(bank.bankPath()), before);
        EXPECT_FALSE(QFileInfo::exists(keptPath()));
    }
    store::restoreBank(good, bank.bankPath(), keptPath());
    EXPECT_EQ(subjectOf(bank.bankPath()), QStringLiteral("内科"));
}

TEST_F(BankCopy, RestoreReachesConnectionsAndResultsOpenedBeforeAndKeepsTheReplacedBank) {
    const QString backup = out(QStringLiteral("backup.bak"));
    store::backupBank(bank.bankPath(), backup);
    bank.run(QStringLiteral("update kemu set ID='外科'"));

    store::Connection window = bank.connect();
    EXPECT_EQ(subjectOf(window), QStringLiteral("外科"));  // and the connection stays open
    store::Recordset snapshot;
    {
        store::Connection connection = bank.connect();
        snapshot = connection.query(QStringLiteral("select * from question"));
        connection.close();  // the result keeps its handle for posting
    }

    store::restoreBank(backup, bank.bankPath(), keptPath());
    EXPECT_EQ(subjectOf(window), QStringLiteral("内科"));
    snapshot.edit();
    snapshot.set(QStringLiteral("scbt"), QStringLiteral("1"));
    snapshot.post();
    store::Connection fresh = bank.connect();
    EXPECT_EQ(fresh.query(QStringLiteral("select * from question where scbt='1'")).count(), 1);
    EXPECT_EQ(subjectOf(fresh), QStringLiteral("内科"));

    const QString kept = keptPath();
    EXPECT_EQ(subjectOf(kept), QStringLiteral("外科"));
    // Going back: the kept bank is restored while its own name receives the bank it replaces.
    store::restoreBank(kept, bank.bankPath(), keptPath());
    EXPECT_EQ(subjectOf(window), QStringLiteral("外科"));
    EXPECT_EQ(subjectOf(kept), QStringLiteral("内科"));
    EXPECT_EQ(filesIn(bank.programDir() + QStringLiteral("Data")),
              (QStringList{QStringLiteral("kept.mdb"), QStringLiteral("med.mdb")}));
}

TEST_F(BankCopy, RestoreRepairsADamagedOrMissingBank) {
    const QString backup = out(QStringLiteral("backup.bak"));
    store::backupBank(bank.bankPath(), backup);

    const QByteArray damage = randomBytes(10000);
    writeBytes(bank.bankPath(), damage);
    store::restoreBank(backup, bank.bankPath(), keptPath());
    EXPECT_EQ(subjectOf(bank.bankPath()), QStringLiteral("内科"));
    EXPECT_EQ(fileBytes(keptPath()), damage);

    ASSERT_TRUE(QFile::remove(bank.bankPath()));
    store::restoreBank(backup, bank.bankPath(), keptPath());
    EXPECT_EQ(subjectOf(bank.bankPath()), QStringLiteral("内科"));
    EXPECT_EQ(filesIn(bank.programDir() + QStringLiteral("Data")),
              (QStringList{QStringLiteral("kept.mdb"), QStringLiteral("med.mdb")}));
}

// A restore lets in a bank's data and nothing else: a changed column, a trigger, a view, a
// table of its own or the program's own table with other columns is refused by name, the bank
// untouched. A bank with the program's own table and one from before it are let in. The
// backup's journal mode and page size never become the live bank's: it stays in rollback-journal
// mode.
TEST_F(BankCopy, RestoreLetsInOnlyABanksDataInTheBanksJournalMode) {
    const auto backupWith = [&](const QString& name, const QString& sql) {
        const QString path = out(name);
        store::backupBank(bank.bankPath(), path);
        store::Database(path).select(sql);
        return path;
    };
    const QList<std::pair<QString, QString>> refused{
        {backupWith("column.bak", "alter table question rename column answer to reply"), "answer"},
        {backupWith("trigger.bak",
                    "create trigger wipe after insert on fenshu begin delete from question; end"),
         "wipe"},
        {backupWith("view.bak", "create view everything as select * from question"), "everything"},
        {backupWith("table.bak", "create table extra(x)"), "extra"},
        {backupWith("record.bak", "create table learning_record(rid integer primary key, note)"),
         "learning_record"},
    };
    const QString withRecord =
        backupWith("with-record.bak", store::ownTables().front().createStatement());
    const QString wal = backupWith("wal.bak", "pragma journal_mode=wal");
    const QString smallPages = backupWith("pages.bak", "pragma page_size=1024");
    store::Database(smallPages).exec(QStringLiteral("vacuum"));
    bank.run(QStringLiteral("update kemu set ID='外科'"));
    const QByteArray before = fileBytes(bank.bankPath());
    for (const auto& [path, named] : refused) {
        SCOPED_TRACE(path.toStdString());
        try {
            store::restoreBank(path, bank.bankPath(), keptPath());
            ADD_FAILURE() << "restored";
        } catch (const core::Error& error) {
            EXPECT_TRUE(error.message().contains(named)) << error.message().toStdString();
        }
        EXPECT_EQ(fileBytes(bank.bankPath()), before);
        EXPECT_FALSE(QFileInfo::exists(keptPath()));
    }

    for (const QString& path : {wal, smallPages, wal, withRecord}) {
        SCOPED_TRACE(path.toStdString());
        bank.run(QStringLiteral("update kemu set ID='外科'"));
        store::restoreBank(path, bank.bankPath(), keptPath());
        EXPECT_EQ(subjectOf(bank.bankPath()), QStringLiteral("内科"));
        store::Database live(bank.bankPath());
        EXPECT_EQ(live.select(QStringLiteral("pragma journal_mode")).values[0][0].toString(),
                  QStringLiteral("delete"));
        EXPECT_FALSE(QFileInfo::exists(bank.bankPath() + QStringLiteral("-wal")));
    }
}

// The start-up report for a missing bank points to the restore: it works without a Data folder.
TEST_F(BankCopy, RestoreMakesAMissingDataFolder) {
    const QString backup = out(QStringLiteral("backup.bak"));
    store::backupBank(bank.bankPath(), backup);
    ASSERT_TRUE(QDir(bank.programDir() + QStringLiteral("Data")).removeRecursively());
    store::restoreBank(backup, bank.bankPath(), keptPath());
    EXPECT_EQ(subjectOf(bank.bankPath()), QStringLiteral("内科"));
}

// A restore that fails leaves the bank kept by an earlier one as it was: it may be the only way
// back.
TEST_F(BankCopy, AFailedRestoreLeavesTheKeptBankAlone) {
    const QString backup = out(QStringLiteral("backup.bak"));
    store::backupBank(bank.bankPath(), backup);
    bank.run(QStringLiteral("update kemu set ID='外科'"));
    store::restoreBank(backup, bank.bankPath(), keptPath());
    ASSERT_EQ(subjectOf(keptPath()), QStringLiteral("外科"));
    const QByteArray kept = fileBytes(keptPath());

    // Another connection holds the bank past the busy wait: the copy into it fails.
    store::Database holder(bank.bankPath());
    holder.exec(QStringLiteral("begin immediate"));
    EXPECT_THROW(store::restoreBank(backup, bank.bankPath(), keptPath()), core::Error);
    holder.exec(QStringLiteral("rollback"));
    EXPECT_EQ(fileBytes(keptPath()), kept);
    EXPECT_EQ(filesIn(bank.programDir() + QStringLiteral("Data")),
              (QStringList{QStringLiteral("kept.mdb"), QStringLiteral("med.mdb")}));
}

}  // namespace

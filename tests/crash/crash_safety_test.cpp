#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <functional>
#include <map>
#include <random>

#include "core/error.h"
#include "store/bank_schema.h"
#include "store/connection.h"
#include "store/connection_string.h"
#include "store/database.h"
#include "test_material.h"
#include "tool_run.h"

// Kills processes of ours (SIGKILL) at random moments while they write the bank, then checks
// that the bank is sound and that each operation kept its promise: what it writes in one
// transaction is there whole or not at all, and a bank file is replaced only by a whole one.
namespace {

constexpr int kKillsPerOperation = 50;

// Runs a program and kills it `delayMs` after its start unless it has finished by then; true
// when it was killed.
bool runKilledAfter(const QString& program, const QStringList& args, int delayMs) {
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForStarted()) << program.toStdString();
    if (process.waitForFinished(delayMs)) return false;
    process.kill();
    process.waitForFinished();
    return true;
}

// How long a whole run takes.
int wholeRunMs(const QString& program, const QStringList& args) {
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return int(clock.elapsed());
}

QSet<QString> column(store::Connection& bank, const QString& sql) {
    QSet<QString> values;
    for (store::Recordset rows = bank.query(sql); !rows.eof(); rows.next())
        values << rows.text(rows.columns().first());
    return values;
}

int count(store::Connection& bank, const QString& sql) { return bank.query(sql).count(); }

// Runs a program of ours again and again, each run in a directory of its own and killed at a
// random moment of its whole duration.
class KillTest : public testing::Test {
  protected:
    // An empty program directory (with its Data folder) for one run.
    QString nextRunDirectory() {
        const QString dir = work.path() + QStringLiteral("/run%1/").arg(++runs);
        EXPECT_TRUE(QDir().mkpath(dir + "Data"));
        return dir;
    }

    // Kills `program` at random moments of `duration`, each run in a directory from `prepare`,
    // and hands each directory to `check` before it is removed.
    void killAtRandomMoments(int duration, const QString& program,
                             const std::function<QString()>& prepare,
                             const std::function<QStringList(const QString& dir)>& args,
                             const std::function<void(const QString& dir)>& check) {
        const unsigned seed = std::random_device{}();
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", whole run " << duration << " ms");
        std::mt19937 random(seed);
        std::uniform_int_distribution<int> moment(0, duration);
        int killed = 0;
        for (int kill = 0; kill < kKillsPerOperation && !HasFailure(); ++kill) {
            const QString dir = prepare();
            const int delay = moment(random);
            killed += runKilledAfter(program, args(dir), delay);
            SCOPED_TRACE(testing::Message() << "killed after " << delay << " ms");
            check(dir);
            QDir(dir).removeRecursively();
        }
        EXPECT_GT(killed, kKillsPerOperation / 5) << "the operation mostly ended before its kill";
    }

    QTemporaryDir work;
    int runs = 0;
    const QString tool = QStringLiteral(VANTREL_BIN_DIR "/vantrel-bank");
    const QString worker = QStringLiteral(CRASH_WORKER);
};

class CrashSafetyTest : public KillTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(base.path() + "/Data"));
        const ToolRun generated =
            runVantrelBank({"generate", "--questions", "3000", "--chapter-questions", "300",
                            "--out", base.path()});
        ASSERT_EQ(generated.status, 0) << generated.err.toStdString();
        chapter = generated.outText().trimmed();
        QFile::copy(QStringLiteral(VANTREL_BIN_DIR "/ty.html"), base.path() + "/ty.html");
    }

    // A fresh copy of the base program directory, prepared by `sql`.
    QString freshCopy(const QString& sql) {
        const QString dir = nextRunDirectory();
        EXPECT_TRUE(QFile::copy(base.path() + "/Data/med.mdb", dir + "Data/med.mdb"));
        QFile::copy(base.path() + "/ty.html", dir + "ty.html");
        store::Connection bank = connect(dir);
        for (const QString& statement : sql.split(u';', Qt::SkipEmptyParts))
            if (!statement.trimmed().isEmpty()) bank.exec(statement);
        return dir;
    }
    static store::Connection connect(const QString& dir) {
        return store::Connection(store::ConnectionString::forDataDirectory(dir));
    }
    static void expectSound(store::Connection& bank) {
        EXPECT_EQ(bank.query("select * from pragma_integrity_check").text("integrity_check"), "ok");
    }

    // Runs the operation once whole (`reference` reads what it leaves), then kills it at random
    // moments of that duration and hands every killed bank to `check`.
    void killRepeatedly(const QString& sql, const QString& program,
                        const std::function<QStringList(const QString& dir)>& args,
                        const std::function<void(store::Connection&)>& reference,
                        const std::function<void(store::Connection&)>& check) {
        const QString whole = freshCopy(sql);
        const int duration = wholeRunMs(program, args(whole));
        store::Connection finished = connect(whole);
        reference(finished);
        finished.close();

        killAtRandomMoments(
            duration, program, [&] { return freshCopy(sql); }, args,
            [&](const QString& dir) {
                store::Connection bank = connect(dir);
                expectSound(bank);
                check(bank);
                bank.close();
            });
    }

    QTemporaryDir base;
    QString chapter;
};

// The drawing relabels and writes the paper in one transaction.
TEST_F(CrashSafetyTest, PaperDrawingKeepsTheOldPaperOrWritesAWholeOne) {
    int unlabelledAfter = -1;
    const int all = [&] {
        store::Connection bank = connect(base.path() + "/");
        return count(bank, "select * from question");
    }();
    killRepeatedly(
        "update question set lx=''; delete from ts;"
        "insert into ts(txs, fg) values ('50', '50'), ('0', ''), ('0', ''), ('0', '');"
        "delete from sj; insert into sj(tid, lx) values ('1', 'old'), ('2', 'old'), ('3', 'old')",
        tool,
        [](const QString& dir) {
            return QStringList{"draw", "--dir", dir};
        },
        [&](store::Connection& bank) {
            unlabelledAfter = count(bank, "select * from question where lx=''");
            ASSERT_EQ(count(bank, "select * from sj where lx='a1'"), 50);
        },
        [&](store::Connection& bank) {
            const int unlabelled = count(bank, "select * from question where lx=''");
            EXPECT_TRUE(unlabelled == all || unlabelled == unlabelledAfter) << unlabelled;
            const QSet<QString> types = column(bank, "select lx from sj");
            const int rows = count(bank, "select * from sj");
            const bool oldPaper = rows == 3 && types == QSet<QString>{"old"};
            const bool newPaper = rows == 50 && types == QSet<QString>{"a1"};
            EXPECT_TRUE(oldPaper || newPaper) << rows;
            if (newPaper) {
                EXPECT_EQ(unlabelled, unlabelledAfter);
            }
        });
}

// The chapter flags are rebuilt in one transaction: the old set or the new one.
TEST_F(CrashSafetyTest, ChapterFlagRebuildKeepsTheOldFlagsOrWritesTheNewOnes) {
    QSet<QString> oldFlags, newFlags;
    {
        store::Connection bank = connect(base.path() + "/");
        oldFlags = column(bank, "select id from tree");
    }
    killRepeatedly(
        "update question set ct='' ; update question set ct='1' where id % 7 = 0;"
        "update tree set ct='1'",
        worker,
        [](const QString& dir) {
            return QStringList{"flags", dir};
        },
        [&](store::Connection& bank) {
            newFlags = column(bank, "select id from tree where ct='1'");
            ASSERT_NE(newFlags, oldFlags);
        },
        [&](store::Connection& bank) {
            const QSet<QString> flags = column(bank, "select id from tree where ct='1'");
            EXPECT_TRUE(flags == oldFlags || flags == newFlags) << flags.size();
        });
}

// A hand-in clears the latest flags and the score table on their own, then writes the wrong
// questions' flags and the scores in one transaction.
TEST_F(CrashSafetyTest, HandInWritesItsFlagsAndScoresTogetherOrNotAtAll) {
    int chapterQuestions = 0;
    killRepeatedly(
        "update question set ct='', ct1='';"
        "update question set ct1='1' where id=(select max(id) from question);"
        "delete from fenshu; insert into fenshu(tx, sts, dd) values ('旧', '1', '1')",
        worker,
        [&](const QString& dir) {
            return QStringList{"hand-in", dir, chapter};
        },
        [&](store::Connection& bank) {
            chapterQuestions = count(bank, "select * from question where ct1='1'");
            ASSERT_GT(chapterQuestions, 100);
        },
        [&](store::Connection& bank) {
            const int latest = count(bank, "select * from question where ct1='1'");
            const int wrong = count(bank, "select * from question where ct='1'");
            const QSet<QString> tables = column(bank, "select tx from fenshu");
            int scored = 0;
            for (store::Recordset rows = bank.query("select * from fenshu"); !rows.eof();
                 rows.next())
                scored += int(rows.integer("sts"));
            const bool untouched = latest == 1 && tables == QSet<QString>{"旧"};
            const bool flagsCleared =
                latest == 0 && wrong == 0 && (tables == QSet<QString>{"旧"} || tables.isEmpty());
            const bool committed = latest == chapterQuestions && wrong == chapterQuestions &&
                                   scored == chapterQuestions;
            EXPECT_TRUE(untouched || flagsCleared || committed)
                << latest << " latest, " << wrong << " wrong, " << scored << " scored";
        });
}

// A backup leaves the old file under the chosen name or a whole copy of the bank.
TEST_F(CrashSafetyTest, BackupLeavesTheOldFileOrAWholeCopy) {
    const QString target = work.path() + "/backup.mdb.bak";
    int questions = 0;
    killRepeatedly(
        "insert into kemu(ID, mz) values ('备份', 'copied')", worker,
        [&](const QString& dir) {
            // The chosen name holds an older backup of another bank.
            QFile::remove(target);
            QFile::copy(base.path() + "/Data/med.mdb", target);
            return QStringList{"backup", dir, target};
        },
        [&](store::Connection&) {
            store::Connection copy(QStringLiteral("Data Source=") + target);
            questions = count(copy, "select * from question");
            ASSERT_TRUE(column(copy, "select mz from kemu").contains("copied"));
        },
        [&](store::Connection&) {
            store::Connection copy(QStringLiteral("Data Source=") + target);
            expectSound(copy);
            EXPECT_EQ(count(copy, "select * from question"), questions);  // never a part
        });
}

// A restore leaves the old bank or the whole backup in place.
TEST_F(CrashSafetyTest, RestoreLeavesTheOldBankOrTheWholeBackup) {
    const QString backup = work.path() + "/restore.mdb.bak";
    {
        const QString dir = freshCopy(
            "delete from question where id % 2 = 0;"
            "insert into kemu(ID, mz) values ('备份', 'backup')");
        QFile::copy(dir + "Data/med.mdb", backup);
    }
    int backupQuestions = 0, bankQuestions = 0;
    killRepeatedly(
        "insert into kemu(ID, mz) values ('旧', 'old')", worker,
        [&](const QString& dir) {
            return QStringList{"restore", dir, backup, dir + "Data/kept.mdb"};
        },
        [&](store::Connection& bank) {
            backupQuestions = count(bank, "select * from question");
            store::Connection old = connect(base.path() + "/");
            bankQuestions = count(old, "select * from question");
            ASSERT_NE(backupQuestions, bankQuestions);
        },
        [&](store::Connection& bank) {
            const QSet<QString> subjects = column(bank, "select mz from kemu");
            const int questions = count(bank, "select * from question");
            const bool old = subjects.contains("old") && questions == bankQuestions;
            const bool restored = subjects.contains("backup") && questions == backupQuestions;
            EXPECT_TRUE(old || restored) << questions;
        });
}

// build-bank replaces a bank file only by a whole new one.
TEST_F(CrashSafetyTest, BuildBankLeavesTheOldBankOrAWholeNewOne) {
    const QString script = work.path() + "/big.sql";
    {
        QFile schema(QStringLiteral(VANTREL_SOURCE_DIR "/data/schema.sql"));
        ASSERT_TRUE(schema.open(QIODevice::ReadOnly));
        QFile out(script);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(schema.readAll());
        for (int id = 1; id <= 30000; ++id)
            out.write(QStringLiteral("insert into question(id, readtextid, content) values "
                                     "(%1, 1, '第%1题');\n")
                          .arg(id)
                          .toUtf8());
        out.write("insert into kemu(ID, mz) values ('新题库', 'new');\n");
    }
    killRepeatedly(
        "insert into kemu(ID, mz) values ('旧题库', 'old')", tool,
        [&](const QString& dir) {
            return QStringList{"build-bank", script, "--out", dir};
        },
        [](store::Connection& bank) { ASSERT_EQ(count(bank, "select * from question"), 30000); },
        [](store::Connection& bank) {
            const QSet<QString> subjects = column(bank, "select mz from kemu");
            if (subjects.contains("new")) {
                EXPECT_EQ(count(bank, "select * from question"), 30000);
            } else {
                EXPECT_TRUE(subjects.contains("old"));
            }
        });
}

// A program directory whose Data/med.mdb is an Access bank of 3,000 questions.
class AccessBankCrashTest : public KillTest {
  protected:
    void SetUp() override {
        SKIP_WITHOUT_TEST_MATERIAL();
        const QString json = work.path() + "/bank.json";
        ASSERT_EQ(runJetWriter({"--sample", "3000", json}), QString());
        ASSERT_EQ(runJetWriter({json, accessBank}), QString());
        QFile file(accessBank);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        original = file.readAll();
    }

    QString freshDirectory() {
        const QString dir = nextRunDirectory();
        EXPECT_TRUE(QFile::copy(accessBank, dir + "Data/med.mdb"));
        return dir;
    }
    bool isOriginal(const QString& path) const {
        QFile file(path);
        return file.size() == original.size() && file.open(QIODevice::ReadOnly) &&
               file.readAll() == original;
    }
    // The names the conversion keeps the original under; a copy still being written carries a
    // suffix after ".mdb".
    static QStringList keptOriginals(const QString& dir) {
        return QDir(dir + "Data").entryList({"*转换前的 Access 题库*.mdb"}, QDir::Files);
    }
    // The rows per table of a sound bank; a failure when the file is none.
    static std::map<std::string, qint64> bankRows(const QString& path) {
        std::map<std::string, qint64> rows;
        try {
            store::Database bank(path, store::Database::Access::ReadOnly);
            EXPECT_EQ(bank.select("pragma integrity_check").values.value(0).value(0).toString(),
                      QStringLiteral("ok"));
            for (const store::BankTable& table : store::bankTables())
                rows[table.name.toStdString()] =
                    bank.select("select count(*) from " + table.name).values[0][0].toLongLong();
        } catch (const core::Error& e) {
            ADD_FAILURE() << path.toStdString() << ": " << e.message().toStdString();
        }
        return rows;
    }

    const QString accessBank = work.path() + "/bank.mdb";
    QByteArray original;
};

// The start-up conversion leaves the Access original at Data/med.mdb or the whole converted bank
// there, and the original's bytes always under one name at least.
TEST_F(AccessBankCrashTest, ConversionKeepsTheOriginalAndInstallsOnlyAWholeBank) {
    const auto args = [](const QString& dir) { return QStringList{"convert", dir}; };
    const QString whole = freshDirectory();
    const int duration = wholeRunMs(worker, args(whole));
    const std::map<std::string, qint64> converted = bankRows(whole + "Data/med.mdb");
    ASSERT_EQ(converted.count("question") ? converted.at("question") : 0, 3000);
    ASSERT_EQ(keptOriginals(whole).size(), 1);
    ASSERT_TRUE(isOriginal(whole + "Data/" + keptOriginals(whole).first()));

    int midway = 0;
    killAtRandomMoments(
        duration, worker, [&] { return freshDirectory(); }, args,
        [&](const QString& dir) {
            const QString bank = dir + "Data/med.mdb";
            const QStringList kept = keptOriginals(dir);
            bool keptWhole = false;
            for (const QString& name : kept) {
                const bool same = isOriginal(dir + "Data/" + name);
                EXPECT_TRUE(same) << name.toStdString();
                keptWhole = keptWhole || same;
            }
            const bool untouched = isOriginal(bank);
            EXPECT_TRUE(untouched || keptWhole) << "the Access original is lost";
            if (QFileInfo::exists(bank) && !untouched) {
                EXPECT_EQ(bankRows(bank), converted);
            }
            // Begun: the temporary bank or the kept name is there already.
            const bool begun = !kept.isEmpty() ||
                               !QDir(dir + "Data").entryList({"med.mdb.*"}, QDir::Files).isEmpty();
            midway += untouched && begun;
        });
    EXPECT_GT(midway, kKillsPerOperation / 5) << "the kills mostly missed the conversion";
}

}  // namespace

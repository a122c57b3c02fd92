#include "bank_copy.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <functional>
#include <memory>

#include "bank_schema.h"
#include "core/error.h"
#include "database.h"
#include "replacement_file.h"

namespace store {
namespace {

struct HandleCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Handle = std::unique_ptr<sqlite3, HandleCloser>;

Handle openHandle(const QString& path, int flags) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, flags, nullptr);
    Handle db(raw);
    if (rc != SQLITE_OK) {
        throw core::Error(
            QStringLiteral("无法打开 %1：%2")
                .arg(path, QString::fromUtf8(raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc))));
    }
    sqlite3_busy_timeout(raw, Database::kBusyTimeoutMs);
    return db;
}

// Copies every page of `source` into `dest` in one step: one read transaction on the source and
// one write transaction on the destination, which a failure rolls back.
void copyPages(sqlite3* source, sqlite3* dest, const QString& destPath) {
    sqlite3_backup* backup = sqlite3_backup_init(dest, "main", source, "main");
    if (!backup) {
        throw core::Error(QStringLiteral("无法复制题库到 %1：%2")
                              .arg(destPath, QString::fromUtf8(sqlite3_errmsg(dest))));
    }
    sqlite3_backup_step(backup, -1);
    // finish() gives the step's failure (a lock not granted in time, a full disk) after rolling
    // back what the step wrote.
    if (sqlite3_backup_finish(backup) != SQLITE_OK) {
        throw core::Error(QStringLiteral("复制题库到 %1 失败：%2")
                              .arg(destPath, QString::fromUtf8(sqlite3_errmsg(dest))));
    }
}

void replaceFile(const QString& path, const std::function<void(const QString&)>& write) {
    ReplacementFile(path, write).commit();
}

void writePagesOf(sqlite3* source, const QString& tempPath, const QString& targetPath) {
    const Handle dest = openHandle(tempPath, SQLITE_OPEN_READWRITE);
    copyPages(source, dest.get(), targetPath);
}

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() &&
           first.canonicalFilePath() == second.canonicalFilePath();
}

// Opens a chosen backup read-only and checks it is a whole question bank.
std::unique_ptr<Database> openCheckedBackup(const QString& path) {
    auto backup = std::make_unique<Database>(path, Database::Access::ReadOnly);
    const Database::Rows check = backup->select(QStringLiteral("pragma integrity_check"));
    const QString verdict = check.values.isEmpty() ? QString() : check.values[0][0].toString();
    if (check.values.size() != 1 || verdict != QStringLiteral("ok")) {
        throw core::Error(QStringLiteral("%1 已损坏，不能用来还原：%2").arg(path, verdict));
    }
    const QString problem = schemaProblem(*backup);
    if (!problem.isEmpty())
        throw core::Error(QStringLiteral("%1 不是题库的备份，不能用来还原：%2").arg(path, problem));
    return backup;
}

void setRollbackJournal(sqlite3* db) {
    sqlite3_exec(db, "pragma journal_mode=delete", nullptr, nullptr, nullptr);
}

// A private copy of the backup in rollback-journal mode, beside the bank. The live bank takes
// the pages it is given, and with them their journal mode: it must stay the store's, whatever
// the backup was, so that the copy into it remains one transaction of its rollback journal.
struct StagedBackup {
    explicit StagedBackup(const QString& bankPath) : file(bankPath + QStringLiteral(".XXXXXX")) {
        if (!file.open())
            throw core::Error(QStringLiteral("无法写入 %1：%2").arg(bankPath, file.errorString()));
        file.close();
        handle = openHandle(file.fileName(), SQLITE_OPEN_READWRITE);
    }
    QTemporaryFile file;
    Handle handle;
};

}  // namespace

void backupBank(const QString& bankPath, const QString& targetPath) {
    if (sameFile(bankPath, targetPath)) {
        throw core::Error(QStringLiteral("不能把题库备份到它自己：%1").arg(targetPath));
    }
    const Database bank(bankPath, Database::Access::ReadOnly);
    replaceFile(targetPath,
                [&](const QString& temp) { writePagesOf(bank.handle(), temp, targetPath); });
}

void restoreBank(const QString& backupPath, const QString& bankPath, const QString& kept) {
    if (sameFile(backupPath, bankPath)) {
        throw core::Error(QStringLiteral("所选文件就是正在使用的题库：%1").arg(backupPath));
    }
    // Held open from here on: going back to the kept bank replaces the kept file's name below
    // while its content is still being read through this handle.
    const std::unique_ptr<Database> backup = openCheckedBackup(backupPath);
    // A missing bank's folder is made: a restore is the way back to a bank that is gone.
    QDir().mkpath(QFileInfo(bankPath).absolutePath());
    StagedBackup staged(bankPath);
    copyPages(backup->handle(), staged.handle.get(), bankPath);
    setRollbackJournal(staged.handle.get());
    const auto installByRename = [&] {
        replaceFile(bankPath, [&](const QString& temp) {
            writePagesOf(staged.handle.get(), temp, bankPath);
        });
    };
    if (!QFileInfo::exists(bankPath)) {
        installByRename();
        return;
    }
    const Handle live = openHandle(bankPath, SQLITE_OPEN_READWRITE);
    const int rc =
        sqlite3_exec(live.get(), "select count(*) from sqlite_master", nullptr, nullptr, nullptr);
    if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT) {
        // No connection can have opened this file as a bank: keep its bytes, replace it whole.
        ReplacementFile keptBank(kept, [&](const QString& temp) { copyBytes(bankPath, temp); });
        installByRename();
        keptBank.commit();
        return;
    }
    if (rc != SQLITE_OK) {
        throw core::Error(QStringLiteral("无法读取题库 %1：%2")
                              .arg(bankPath, QString::fromUtf8(sqlite3_errmsg(live.get()))));
    }
    // The replaced bank reaches its kept name only once the restore has succeeded: a failed
    // restore must not overwrite an earlier way back.
    ReplacementFile keptBank(kept,
                             [&](const QString& temp) { writePagesOf(live.get(), temp, kept); });
    // A bank an earlier restore left in WAL mode could not take other page sizes.
    setRollbackJournal(live.get());
    copyPages(staged.handle.get(), live.get(), bankPath);
    keptBank.commit();
}

}  // namespace store

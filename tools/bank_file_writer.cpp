#include "bank_file_writer.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <memory>

#include "core/error.h"
#include "store/database.h"
#include "store/replacement_file.h"

namespace {

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Handle = std::unique_ptr<sqlite3, SqliteCloser>;

struct StatementDeleter {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};

QString engineMessage(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

int lineAt(const QByteArray& sql, const char* at) {
    return int(QByteArray(sql.constData(), int(at - sql.constData())).count('\n')) + 1;
}

// Runs every statement of one script; a failure names the script and the statement's line.
void runScript(sqlite3* db, const BankFileWriter::Script& script) {
    QByteArray sql = script.sql;
    if (sql.startsWith("\xEF\xBB\xBF")) sql.remove(0, 3);  // a byte-order mark is not SQL
    const char* next = sql.constData();
    const char* const end = next + sql.size();
    while (next < end) {
        const char* start = next;
        sqlite3_stmt* raw = nullptr;
        // The length includes the terminating NUL, so SQLite parses in place instead of
        // copying the rest of the script for every statement.
        const int prepared = sqlite3_prepare_v2(db, start, int(end - start) + 1, &raw, &next);
        std::unique_ptr<sqlite3_stmt, StatementDeleter> stmt(raw);
        const auto failure = [&] {
            while (start < next && QChar::isSpace(uchar(*start))) ++start;
            return core::Error(QStringLiteral("%1:%2: %3")
                                   .arg(script.name)
                                   .arg(lineAt(sql, start))
                                   .arg(engineMessage(db)));
        };
        if (prepared != SQLITE_OK) throw failure();
        if (!stmt) continue;  // blanks or comments only
        int rc;
        while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE) throw failure();
    }
}

void execOrThrow(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw core::Error(QString::fromLatin1(sql) + QStringLiteral(": ") + engineMessage(db));
}

void buildInto(const QString& path, const QVector<BankFileWriter::Script>& scripts) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    Handle db(raw);
    if (rc != SQLITE_OK) throw core::Error(path + QStringLiteral(": ") + engineMessage(raw));
    // The file is thrown away on failure, so its rollback journal can stay in memory.
    execOrThrow(db.get(), "pragma journal_mode=memory");
    execOrThrow(db.get(), "begin");
    for (const BankFileWriter::Script& script : scripts) runScript(db.get(), script);
    execOrThrow(db.get(), "commit");
}

}  // namespace

QString BankFileWriter::bankPath(const QString& programDir) {
    return QDir(programDir).filePath(QStringLiteral("Data/med.mdb"));
}

BankFileWriter::Script BankFileWriter::readScript(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw core::Error(QStringLiteral("无法读取 %1：%2").arg(path, file.errorString()));
    return {path, file.readAll()};
}

void BankFileWriter::write(const QString& programDir, const QVector<Script>& scripts) {
    const QString target = bankPath(programDir);
    const QString dataDir = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(dataDir)) throw core::Error(QStringLiteral("无法创建目录 %1").arg(dataDir));

    // rename(2) replaces the old bank in one step; readers see either the old or the new file.
    store::ReplacementFile built(target, [&](const QString& temporary) {
        buildInto(temporary, scripts);
        store::Database{temporary};  // throws when the result is no question bank
    });
    built.commit(store::kOrdinaryFile);
}

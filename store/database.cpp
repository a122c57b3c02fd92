#include "database.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <map>
#include <memory>

#include "bank_schema.h"
#include "core/error.h"

namespace store {
namespace {

// A file is taken as a question bank when it holds the tables of the shipped bank.
// Every table of a question bank: a bank without one of them is refused at open, not when a
// window first reaches for the missing table.

struct StatementDeleter {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

void bindAll(sqlite3_stmt* stmt, const QVector<QVariant>& bindings) {
    for (int i = 0; i < bindings.size(); ++i) {
        const QVariant& v = bindings[i];
        if (v.isNull()) {
            sqlite3_bind_null(stmt, i + 1);
        } else if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int) {
            sqlite3_bind_int64(stmt, i + 1, v.toLongLong());
        } else {
            const QByteArray utf8 = v.toString().toUtf8();
            sqlite3_bind_text(stmt, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
    }
}

QVariant columnValue(sqlite3_stmt* stmt, int col) {
    switch (sqlite3_column_type(stmt, col)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            return QVariant(qint64(sqlite3_column_int64(stmt, col)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt, col));
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, col));
            return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt, col)));
        }
    }
}

QString engineMessage(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

// After the busy wait the engine only says "database is locked"; say who holds it.
bool isLocked(sqlite3* db) {
    const int code = sqlite3_errcode(db);
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}
QString lockMessage(sqlite3* db) {
    return QStringLiteral("题库正被另一个连接写入，请稍后再试（%1）").arg(engineMessage(db));
}

// A bank that cannot be read at open: locked by another connection, or no bank at all.
[[noreturn]] void failOpening(sqlite3* db, const QString& path) {
    if (isLocked(db))
        throw core::Error(QStringLiteral("无法打开题库 %1：%2").arg(path, lockMessage(db)));
    throw core::Error(QStringLiteral("%1 不是题库文件：%2").arg(path, engineMessage(db)));
}

// Closes a handle that never became a Database (the constructor threw).
struct HandleGuard {
    sqlite3*& db;
    bool released = false;
    ~HandleGuard() {
        if (!released) {
            sqlite3_close_v2(db);
            db = nullptr;
        }
    }
};

void requireBankTables(sqlite3* db, const QString& path) {
    Statement stmt;
    sqlite3_stmt* raw = nullptr;
    const char* sql = "select count(*) from sqlite_master where type='table' and name=?";
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) failOpening(db, path);
    stmt.reset(raw);
    for (const BankTable& table : bankTables()) {
        const QByteArray name = table.name.toUtf8();
        sqlite3_reset(raw);
        sqlite3_bind_text(raw, 1, name.constData(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(raw) != SQLITE_ROW) failOpening(db, path);
        if (sqlite3_column_int(raw, 0) == 0) {
            throw core::Error(
                QStringLiteral("%1 不是题库文件：缺少数据表 %2").arg(path, table.name));
        }
    }
}

}  // namespace

// The statements with bound values that this handle ran (posted edits, inserts, a row read
// back by its rowid): the same few texts again and again, so each is prepared once.
struct Database::KeptStatements {
    static constexpr std::size_t kLimit = 32;
    std::map<QString, Statement> statements;
};

Database::Database(const QString& path, Access access)
    : path_(path), kept_(std::make_unique<KeptStatements>()) {
    const bool ownFile = access == Access::OwnFile;
    if (!ownFile && !QFileInfo(path).isFile()) {
        throw core::Error(QStringLiteral("找不到题库文件：%1").arg(path));
    }
    HandleGuard guard{db_};
    // READWRITE without CREATE: a missing file must never turn into an empty bank.
    const int mode = access == Access::ReadOnly ? SQLITE_OPEN_READONLY
                     : ownFile ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI
                               : SQLITE_OPEN_READWRITE;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db_, mode | SQLITE_OPEN_FULLMUTEX, nullptr) !=
        SQLITE_OK) {
        fail((ownFile ? QStringLiteral("无法打开文件 %1") : QStringLiteral("无法打开题库文件 %1"))
                 .arg(path));
    }
    // Several connections of the program share the file; wait for a writer rather than fail.
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    if (!ownFile) requireBankTables(db_, path);
    guard.released = true;
}

Database::~Database() {
    kept_.reset();  // finalized before the handle closes
    sqlite3_close_v2(db_);
}

void Database::fail(const QString& what) const {
    const QString engine = db_ ? engineMessage(db_) : QString();
    if (engine.isEmpty()) throw core::Error(what);
    throw core::Error(what + QStringLiteral("：") + (isLocked(db_) ? lockMessage(db_) : engine));
}

namespace {

// Prepares exactly one statement; text after it other than blanks and ';' is refused, so that
// nothing in the text is silently skipped.
Statement prepareOne(sqlite3* db, const QString& sql, QString& error) {
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    // The length counts the terminating NUL: SQLite then parses the text in place.
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()) + 1, &raw, &tail) != SQLITE_OK) {
        error = engineMessage(db);
        return {};
    }
    Statement stmt(raw);
    if (!QByteArray(tail).trimmed().replace(';', "").trimmed().isEmpty()) {
        error = QStringLiteral("一次只能执行一条语句");
        return {};
    }
    if (!stmt) error = QStringLiteral("语句为空");
    return stmt;
}

}  // namespace

// One run of a statement, bound to its values. A kept statement is reset after the run, so that
// it holds no read lock and no values until its next run; any other is finalized.
class Database::Run {
  public:
    Run(Database& db, const QString& sql, const QVector<QVariant>& bindings) {
        if (!bindings.isEmpty()) {
            auto& kept = db.kept_->statements;
            const auto found = kept.find(sql);
            if (found != kept.end()) {
                stmt_ = found->second.get();
            } else {
                if (kept.size() >= KeptStatements::kLimit) kept.clear();
                stmt_ = kept.emplace(sql, prepared(db, sql)).first->second.get();
            }
            reset_ = true;
        } else {
            owned_ = prepared(db, sql);
            stmt_ = owned_.get();
        }
        bindAll(stmt_, bindings);
    }
    ~Run() {
        if (reset_) {
            sqlite3_reset(stmt_);
            sqlite3_clear_bindings(stmt_);
        }
    }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    sqlite3_stmt* get() const { return stmt_; }

  private:
    static Statement prepared(Database& db, const QString& sql) {
        QString error;
        Statement stmt = prepareOne(db.db_, sql, error);
        if (!stmt) throw core::Error(QStringLiteral("SQL 语句错误（%1）：%2").arg(sql, error));
        return stmt;
    }

    Statement owned_;
    sqlite3_stmt* stmt_ = nullptr;
    bool reset_ = false;
};

int Database::exec(const QString& sql, const QVector<QVariant>& bindings) {
    Run run(*this, sql, bindings);
    int rc;
    while ((rc = sqlite3_step(run.get())) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) fail(QStringLiteral("执行失败（%1）").arg(sql));
    return sqlite3_changes(db_);
}

Database::Rows Database::select(const QString& sql, const QVector<QVariant>& bindings) {
    Run run(*this, sql, bindings);
    sqlite3_stmt* stmt = run.get();
    Rows rows;
    const int n = sqlite3_column_count(stmt);
    for (int c = 0; c < n; ++c) rows.columns << QString::fromUtf8(sqlite3_column_name(stmt, c));
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        QVector<QVariant> row(n);
        for (int c = 0; c < n; ++c) row[c] = columnValue(stmt, c);
        rows.values.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) fail(QStringLiteral("查询失败（%1）").arg(sql));
    return rows;
}

qint64 Database::lastInsertRowId() const { return sqlite3_last_insert_rowid(db_); }

bool Database::inTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

}  // namespace store

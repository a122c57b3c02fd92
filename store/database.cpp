#include "database.h"

#include <sqlite3.h>

#include <QFileInfo>

#include "error.h"

namespace store {
namespace {

// Finalises a prepared statement however the scope is left.
struct Statement {
    sqlite3_stmt* stmt = nullptr;
    ~Statement() { sqlite3_finalize(stmt); }
};

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

}  // namespace

Database::Database(const QString& path) : path_(path) {
    if (!QFileInfo(path).isFile()) {
        throw Error(QStringLiteral("找不到题库文件：%1").arg(path));
    }
    // READWRITE without CREATE: a missing file must never turn into an empty bank.
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) fail(QStringLiteral("无法打开题库文件 %1").arg(path));
    // Several connections of the program share the file; wait for a writer rather than fail.
    sqlite3_busy_timeout(db_, 5000);
    // Reading the schema is what tells a SQLite file from any other file.
    char* err = nullptr;
    if (sqlite3_exec(db_, "select count(*) from sqlite_master", nullptr, nullptr, &err) !=
        SQLITE_OK) {
        const QString message = QString::fromUtf8(err ? err : "unknown error");
        sqlite3_free(err);
        throw Error(QStringLiteral("%1 不是题库文件：%2").arg(path, message));
    }
}

Database::~Database() { sqlite3_close_v2(db_); }

void Database::fail(const QString& what) const {
    const QString engine = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString();
    throw Error(engine.isEmpty() ? what : what + QStringLiteral("：") + engine);
}

void Database::exec(const QString& sql, const QVector<QVariant>& bindings) {
    Statement s;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &s.stmt, nullptr) != SQLITE_OK)
        fail(QStringLiteral("SQL 语句错误（%1）").arg(sql));
    bindAll(s.stmt, bindings);
    int rc;
    while ((rc = sqlite3_step(s.stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) fail(QStringLiteral("执行失败（%1）").arg(sql));
}

Database::Rows Database::select(const QString& sql, const QVector<QVariant>& bindings) {
    Statement s;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &s.stmt, nullptr) != SQLITE_OK)
        fail(QStringLiteral("SQL 语句错误（%1）").arg(sql));
    bindAll(s.stmt, bindings);
    Rows rows;
    const int n = sqlite3_column_count(s.stmt);
    for (int c = 0; c < n; ++c) rows.columns << QString::fromUtf8(sqlite3_column_name(s.stmt, c));
    int rc;
    while ((rc = sqlite3_step(s.stmt)) == SQLITE_ROW) {
        QVector<QVariant> row(n);
        for (int c = 0; c < n; ++c) row[c] = columnValue(s.stmt, c);
        rows.values.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) fail(QStringLiteral("查询失败（%1）").arg(sql));
    return rows;
}

qint64 Database::lastInsertRowId() const { return sqlite3_last_insert_rowid(db_); }

}  // namespace store

#include "connection.h"

#include <QRegularExpression>

#include "connection_string.h"
#include "database.h"
#include "error.h"

namespace store {

void Connection::open() {
    if (db_) return;
    const QString file = ConnectionString(connectionString_).dataSource();
    if (file.isEmpty()) throw Error(QStringLiteral("连接字符串没有指定数据源"));
    db_ = std::make_shared<Database>(file);
}

Database& Connection::database() {
    open();
    return *db_;
}

void Connection::exec(const QString& sql) { database().exec(sql); }

Recordset Connection::query(const QString& sql) {
    Database& db = database();
    Database::Rows rows = db.select(sql);
    Recordset result;
    result.db_ = db_;
    result.columns_ = std::move(rows.columns);
    result.rows_ = std::move(rows.values);

    // Only a plain "select * from <table> …" result can write its rows back.
    static const QRegularExpression wholeRows(
        QStringLiteral(R"(^\s*select\s+\*\s+from\s+(\w+))"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = wholeRows.match(sql);
    if (match.hasMatch()) {
        const QString table = match.captured(1);
        const int index = result.columns_.indexOf(keyColumnOf(table));
        if (index >= 0) {
            result.table_ = table;
            result.keyColumn_ = index;
        }
    }
    return result;
}

QString Connection::keyColumnOf(const QString& table) {
    const QString lower = table.toLower();
    const auto cached = keyOfTable_.constFind(lower);
    if (cached != keyOfTable_.cend()) return *cached;
    // pragma table_info marks the primary key; only a single integer key is the rowid alias.
    const Database::Rows info =
        database().select(QStringLiteral("pragma table_info(\"%1\")").arg(table));
    const int nameCol = info.columns.indexOf(QStringLiteral("name"));
    const int typeCol = info.columns.indexOf(QStringLiteral("type"));
    const int pkCol = info.columns.indexOf(QStringLiteral("pk"));
    QStringList keys;
    QString key;
    for (const auto& row : info.values) {
        if (row[pkCol].toInt() == 0) continue;
        keys << row[nameCol].toString();
        if (row[typeCol].toString().compare(QStringLiteral("integer"), Qt::CaseInsensitive) == 0)
            key = row[nameCol].toString();
    }
    if (keys.size() != 1) key.clear();
    keyOfTable_.insert(lower, key);
    return key;
}

Connection::Transaction::Transaction(Connection& connection) {
    connection.open();
    db_ = connection.db_;
    db_->exec(QStringLiteral("begin immediate"));
}

Connection::Transaction::~Transaction() {
    if (done_) return;
    try {
        db_->exec(QStringLiteral("rollback"));
    } catch (const Error&) {
        // The engine already rolled back (it does so on some errors); nothing is left to undo.
    }
}

void Connection::Transaction::commit() {
    db_->exec(QStringLiteral("commit"));
    done_ = true;
}

}  // namespace store

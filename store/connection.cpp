#include "connection.h"

#include <QRegularExpression>
#include <QtDebug>

#include "connection_string.h"
#include "core/error.h"
#include "database.h"

namespace store {

void Connection::open() {
    closePending_ = false;
    if (db_) return;
    const QString file = ConnectionString(connectionString_).dataSource();
    if (file.isEmpty()) throw core::Error(QStringLiteral("连接字符串没有指定数据源"));
    db_ = std::make_shared<Database>(file);
}

void Connection::close() {
    if (openTransactions_ > 0) {
        closePending_ = true;
        return;
    }
    db_.reset();
}

int Connection::exec(const QString& sql, const QVector<QVariant>& values) {
    open();
    return db_->exec(sql, values);
}

Recordset Connection::query(const QString& sql, const QVector<QVariant>& values) {
    open();
    Recordset result;
    result.db_ = db_;
    // "select * from <table> …" also reads each row's rowid (as a hidden first column), so that
    // a posted edit can find its row again; everything else about the statement is unchanged.
    static const QRegularExpression wholeRows(QStringLiteral(R"(^(\s*select\s+)\*\s+from\s+(\w+))"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = wholeRows.match(sql);
    if (match.hasMatch()) {
        const qsizetype star = match.capturedEnd(1);
        const QString withRowid = sql.left(star) + QStringLiteral("_rowid_, ") + sql.mid(star);
        try {
            Database::Rows rows = db_->select(withRowid, values);
            rows.columns.removeFirst();
            result.rowids_.reserve(rows.values.size());
            for (QVector<QVariant>& row : rows.values) {
                result.rowids_.push_back(row.takeFirst().toLongLong());
            }
            result.table_ = match.captured(2);
            result.columns_ = std::move(rows.columns);
            result.rows_ = std::move(rows.values);
            result.eof_ = result.rows_.isEmpty();
            return result;
        } catch (const core::Error& e) {
            // Only a table without rowids (a view, say) is read again, as a read-only result:
            // any other failure (a lock held past the busy wait, a wrong statement) is the
            // answer, not waited for a second time nor turned into a result that cannot post.
            if (!e.message().contains(QStringLiteral("no such column: _rowid_")))
                throw core::Error(QString(e.message()).replace(withRowid, sql));
        }
    }
    Database::Rows rows = db_->select(sql, values);
    result.columns_ = std::move(rows.columns);
    result.rows_ = std::move(rows.values);
    result.eof_ = result.rows_.isEmpty();
    return result;
}

Connection::Transaction::Transaction(Connection& connection) : connection_(connection) {
    connection.open();
    db_ = connection.db_;
    if (db_->inTransaction()) {
        savepoint_ = QStringLiteral("vantrel_%1").arg(connection.openTransactions_ + 1);
        db_->exec(QStringLiteral("savepoint ") + savepoint_);
    } else {
        // Take the write lock at once: a deferred transaction that upgrades later can fail
        // without waiting when another connection writes in between.
        db_->exec(QStringLiteral("begin immediate"));
    }
    ++connection.openTransactions_;
}

Connection::Transaction::~Transaction() {
    if (done_) return;
    try {
        if (!savepoint_.isEmpty()) {
            db_->exec(QStringLiteral("rollback to ") + savepoint_);
            db_->exec(QStringLiteral("release ") + savepoint_);
        } else if (db_->inTransaction()) {
            db_->exec(QStringLiteral("rollback"));
        }
    } catch (const core::Error& e) {
        // A destructor cannot throw; the engine has already ended a transaction it cannot undo.
        qWarning() << "rollback failed:" << e.message();
    }
    finish();
}

void Connection::Transaction::commit() {
    if (done_) throw core::Error(QStringLiteral("事务已经提交"));
    db_->exec(savepoint_.isEmpty() ? QStringLiteral("commit")
                                   : QStringLiteral("release ") + savepoint_);
    done_ = true;
    finish();
}

void Connection::Transaction::finish() {
    if (--connection_.openTransactions_ == 0 && connection_.closePending_) {
        connection_.closePending_ = false;
        if (connection_.db_ == db_) connection_.db_.reset();
    }
}

}  // namespace store

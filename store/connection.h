#pragma once

#include <QHash>
#include <QString>
#include <memory>

#include "recordset.h"

namespace store {

class Database;

// A connection to the question bank named by the fixed connection string. Queries open it when
// it is closed, as every window expects; close() may be called at any time and often.
class Connection {
public:
    Connection() = default;
    explicit Connection(const QString& connectionString) : connectionString_(connectionString) {}

    void setConnectionString(const QString& text) { connectionString_ = text; }
    const QString& connectionString() const { return connectionString_; }

    void open();  // throws Error for a missing file or a file that is not a SQLite bank
    void close() { db_.reset(); }
    bool isOpen() const { return db_ != nullptr; }

    Recordset query(const QString& sql);
    Recordset table(const QString& name) { return query(QStringLiteral("select * from ") + name); }
    void exec(const QString& sql);

    // Groups a run of posted edits into one atomic write; rolls back unless committed.
    class Transaction {
    public:
        explicit Transaction(Connection& connection);
        ~Transaction();
        void commit();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

    private:
        std::shared_ptr<Database> db_;
        bool done_ = false;
    };

private:
    Database& database();
    QString keyColumnOf(const QString& table);  // empty when the table has no integer key

    QString connectionString_;
    std::shared_ptr<Database> db_;
    QHash<QString, QString> keyOfTable_;  // lower-case table -> its integer primary key column
};

}  // namespace store

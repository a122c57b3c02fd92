#pragma once

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

    // Throws core::Error for a missing file or a file that is not a question bank; never creates
    // one.
    void open();
    // While a Transaction is open the handle stays until the transaction ends, so that its
    // edits and the statements after the close still go through one handle.
    void close();
    bool isOpen() const { return db_ != nullptr && !closePending_; }

    // A snapshot of the statement's rows; results of "select * from <table> …" can be edited.
    // Values, when given, are bound to the statement's ? marks, and such a statement stays
    // prepared for its next run: for a row read again and again by its key.
    Recordset query(const QString& sql, const QVector<QVariant>& values = {});
    // The whole table in its stored order, editable.
    Recordset table(const QString& name) { return query(QStringLiteral("select * from ") + name); }
    // Runs a statement that returns no rows (update, delete, insert); returns the rows it
    // changed. Values are bound as in query().
    int exec(const QString& sql, const QVector<QVariant>& values = {});

    // Groups a run of posted edits into one atomic write; rolls back unless committed.
    // Transactions nest (an inner one is a savepoint). Must not outlive its connection.
    class Transaction {
      public:
        explicit Transaction(Connection& connection);
        ~Transaction();
        void commit();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

      private:
        void finish();

        Connection& connection_;
        std::shared_ptr<Database> db_;
        QString savepoint_;  // empty for the outermost transaction
        bool done_ = false;
    };

  private:
    QString connectionString_;
    std::shared_ptr<Database> db_;
    int openTransactions_ = 0;
    bool closePending_ = false;
};

}  // namespace store

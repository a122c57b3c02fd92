#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

struct sqlite3;

namespace store {

// One open SQLite handle. Shared by a Connection and the Recordsets it produced, so that a
// result can still post its edits after its connection was closed.
class Database {
  public:
    // OwnFile: a file the program keeps for itself beside the bank (the search index), made when
    // missing; it holds no bank tables, and may attach the bank by a "file:" URI.
    enum class Access { ReadWrite, ReadOnly, OwnFile };
    // How long a statement waits for another connection's write to finish before it fails.
    static constexpr int kBusyTimeoutMs = 5000;

    // Opens an existing question bank; never creates a file. Throws core::Error for a missing file,
    // a file that is not SQLite, or a SQLite file without the tables of a question bank.
    // ReadOnly never writes to the file (a backup being checked or copied). OwnFile opens any
    // SQLite file, creating it.
    explicit Database(const QString& path, Access access = Access::ReadWrite);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs one statement that returns no rows, with optional bound values; returns the number
    // of rows it changed. A statement with bound values stays prepared for its next run.
    int exec(const QString& sql, const QVector<QVariant>& bindings = {});

    struct Rows {
        QStringList columns;
        QVector<QVector<QVariant>> values;
    };
    // Runs one row-returning statement and reads all of its rows at once.
    Rows select(const QString& sql, const QVector<QVariant>& bindings = {});

    qint64 lastInsertRowId() const;
    // True while an explicit transaction is open on this handle.
    bool inTransaction() const;
    const QString& path() const { return path_; }
    // The engine's handle, for the online backup API (bank_copy).
    sqlite3* handle() const { return db_; }

  private:
    class Run;
    struct KeptStatements;

    [[noreturn]] void fail(const QString& what) const;

    QString path_;
    sqlite3* db_ = nullptr;
    std::unique_ptr<KeptStatements> kept_;
};

}  // namespace store

#pragma once

#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>

struct sqlite3;

namespace store {

// One open SQLite handle. Shared by a Connection and the Recordsets it produced, so that a
// result can still post its edits after its connection was closed.
class Database {
public:
    // Opens an existing bank file; never creates one. Throws Error.
    explicit Database(const QString& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs a statement that returns no rows, with optional bound values.
    void exec(const QString& sql, const QVector<QVariant>& bindings = {});

    struct Rows {
        QStringList columns;
        QVector<QVector<QVariant>> values;
    };
    Rows select(const QString& sql, const QVector<QVariant>& bindings = {});

    qint64 lastInsertRowId() const;
    const QString& path() const { return path_; }
    sqlite3* handle() const { return db_; }

private:
    [[noreturn]] void fail(const QString& what) const;

    QString path_;
    sqlite3* db_ = nullptr;
};

}  // namespace store

#pragma once

#include <QStringList>
#include <QTemporaryDir>

// A real feedback table: a SQLite file with table yiyao (fourteen text columns), reached
// through SQLite's ODBC driver, so the sender runs its real ODBC path against it.
class FeedbackTable {
  public:
    FeedbackTable();

    // DSN-less ODBC connection string for the table's file.
    QString connectionString() const;
    // Every row, each as its fourteen column values in column order (NULL reads as "<NULL>").
    QList<QStringList> rows() const;
    // The flag columns of the only row, by column name.
    QStringList flagColumnsSetToOne() const;

    // Creates table yiyao in the SQLite file `file`.
    static void createIn(const QString& file);

    static QStringList columns();
    static QStringList flagColumns();

  private:
    QTemporaryDir dir_;
    QString file_;
};

// The SQLite ODBC driver library of the libsqliteodbc package ("" when missing).
QString sqliteOdbcDriverPath();

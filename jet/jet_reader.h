#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "jet_file.h"

// Reading Access files (Jet 3, Jet 4, ACE) through mdbtools' libmdb.
//
// libmdb's fetch/bind interface gives NULL and "" alike (an empty bound string) and cuts a
// bound value at its bind size (16 KiB by default). The reader binds nothing: it walks the rows
// with libmdb and takes each row apart itself (mdb_crack_row), so that NULL is told by the row's
// null flags and every text and memo is converted whole. Text comes out as UTF-8.
//
// A database password only masks a field of the file's first page; it protects none of the
// data, and libmdb reads the file without it.
namespace jet {

struct Value {
    enum class Kind { Null, Integer, Real, Text, Blob };
    Kind kind = Kind::Null;
    qint64 integer = 0;
    double real = 0;
    std::string_view bytes;  // Text (UTF-8) and Blob; valid while the row is being visited
};

struct Column {
    QString name;
    int type = 0;  // libmdb's type code (MDB_TEXT, MDB_LONGINT, …)
};

class Table;

class Reader {
  public:
    // Opens the file read-only. Throws core::Error naming the file when libmdb cannot read it.
    explicit Reader(const QString& path);
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    const QString& path() const { return path_; }
    FileKind kind() const { return kind_; }
    // The user tables, in the order of the file's catalog.
    QStringList tableNames() const;
    // The table of that name (Jet compares names without case); throws core::Error when the
    // file has none.
    Table table(const QString& name) const;

  private:
    friend class Table;
    struct Handle;
    QString path_;
    FileKind kind_ = FileKind::NotJet;
    std::unique_ptr<Handle> handle_;
};

class Table {
  public:
    ~Table();
    Table(Table&&) noexcept;
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    const QString& name() const { return name_; }
    const QVector<Column>& columns() const { return columns_; }
    // The index of a column by name, without case; -1 when the table has none.
    int columnIndex(const QString& name) const;
    // The row count the table's definition records.
    qint64 recordedRowCount() const;

    // Visits every row in the order the file stores them, one value per column. Returns the
    // number of rows visited. Throws core::Error when a row cannot be taken apart.
    using RowVisitor = std::function<void(const std::vector<Value>& row)>;
    qint64 readRows(const RowVisitor& visit);

  private:
    friend class Reader;
    struct Definition;
    Table(const Reader& reader, void* entry);
    const Reader* reader_;
    QString name_;
    QVector<Column> columns_;
    std::unique_ptr<Definition> definition_;
};

}  // namespace jet

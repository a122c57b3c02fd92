#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>

namespace store {

class Database;

// A snapshot of the rows a statement returned. Walking it never touches the database again;
// posting an edit writes that row back at once (by the row's hidden rowid) and keeps every row
// and position of the snapshot where it was, even when the row no longer meets the condition.
//
// The cursor behaves like a data-aware result set: next() on the last row sets eof() and leaves
// that row current, and moving while an edit is pending posts it first.
class Recordset {
  public:
    Recordset() = default;

    void first();
    void next();
    bool eof() const { return eof_; }
    bool isEmpty() const { return rows_.isEmpty(); }
    int count() const { return int(rows_.size()); }
    int position() const { return rows_.isEmpty() ? 0 : int(pos_) + 1; }  // 1-based
    const QStringList& columns() const { return columns_; }

    // Null reads as "" and 0; a column the result lacks is an core::Error.
    QString text(const QString& column) const;
    // Blank text reads as 0; a value that is not a whole number is an core::Error.
    qint64 integer(const QString& column) const;

    // Editing works on results of "select * from" one table.
    bool isEditable() const { return db_ && !table_.isEmpty(); }
    void edit();
    void append();
    void set(const QString& column, const QString& value);
    void post();
    void cancel();

  private:
    friend class Connection;
    enum class State { Browse, Edit, Insert };

    int columnIndex(const QString& column) const;
    QVariant value(const QString& column) const;
    void requireEditable() const;
    void postPendingEdit();
    void postUpdate();
    void postInsert();

    std::shared_ptr<Database> db_;
    QString table_;           // empty when the result cannot be written back
    QVector<qint64> rowids_;  // the table's rowid of every row, when editable
    QStringList columns_;
    QVector<QVector<QVariant>> rows_;
    qsizetype pos_ = 0;
    bool eof_ = true;
    State state_ = State::Browse;
    QMap<int, QString> pending_;
};

// A text read as Recordset::integer() reads it: blank is 0, a whole number (also "3.0") is its
// value, anything else is an core::Error naming the column.
qint64 integerFromText(const QString& text, const QString& column);

}  // namespace store

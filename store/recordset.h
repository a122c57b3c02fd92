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
// editing a row writes that row back at once (by the table's integer key) and keeps every row
// and position of the snapshot where it was, even when the row no longer meets the condition.
class Recordset {
public:
    Recordset() = default;

    void first() { pos_ = 0; }
    void next() {
        if (pos_ < rows_.size()) ++pos_;
    }
    bool eof() const { return pos_ >= rows_.size(); }
    bool isEmpty() const { return rows_.isEmpty(); }
    int count() const { return int(rows_.size()); }
    int position() const { return eof() ? 0 : int(pos_) + 1; }  // 1-based
    const QStringList& columns() const { return columns_; }

    // Null reads as "" and 0; a column the result lacks is an Error.
    QString text(const QString& column) const;
    // A value that is not a whole number (after trimming) is an Error.
    qint64 integer(const QString& column) const;

    // Editing works on results of "select * from" one table.
    void edit();
    void append();
    void set(const QString& column, const QString& value);
    void post();
    void cancel();

private:
    friend class Connection;
    enum class State { Browse, Edit, Insert };

    int columnIndex(const QString& column) const;
    const QVariant& value(const QString& column) const;
    void requireEditable() const;

    std::shared_ptr<Database> db_;
    QString table_;       // empty when the statement is not "select * from <table>"
    int keyColumn_ = -1;  // index of the table's integer primary key in columns_
    QStringList columns_;
    QVector<QVector<QVariant>> rows_;
    qsizetype pos_ = 0;
    State state_ = State::Browse;
    QMap<int, QString> pending_;
};

}  // namespace store

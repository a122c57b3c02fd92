#include "recordset.h"

#include "database.h"
#include "error.h"

namespace store {

int Recordset::columnIndex(const QString& column) const {
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(column, Qt::CaseInsensitive) == 0) return i;
    throw Error(QStringLiteral("结果中没有字段 %1").arg(column));
}

const QVariant& Recordset::value(const QString& column) const {
    const int index = columnIndex(column);
    if (eof()) throw Error(QStringLiteral("没有当前记录（读取字段 %1）").arg(column));
    return rows_[pos_][index];
}

QString Recordset::text(const QString& column) const {
    const QVariant& v = value(column);
    return v.isNull() ? QString() : v.toString();
}

qint64 Recordset::integer(const QString& column) const {
    const QVariant& v = value(column);
    if (v.isNull()) return 0;
    if (v.typeId() == QMetaType::LongLong) return v.toLongLong();
    if (v.typeId() == QMetaType::Double) return qint64(v.toDouble());
    bool ok = false;
    const qint64 n = v.toString().trimmed().toLongLong(&ok);
    if (!ok) {
        throw Error(QStringLiteral("字段 %1 的值“%2”不是整数").arg(column, v.toString()));
    }
    return n;
}

void Recordset::requireEditable() const {
    if (!db_ || table_.isEmpty() || keyColumn_ < 0)
        throw Error(QStringLiteral("该结果不能修改"));
}

void Recordset::edit() {
    requireEditable();
    if (eof()) throw Error(QStringLiteral("没有当前记录可修改"));
    pending_.clear();
    state_ = State::Edit;
}

void Recordset::append() {
    requireEditable();
    pending_.clear();
    state_ = State::Insert;
}

void Recordset::set(const QString& column, const QString& value) {
    if (state_ == State::Browse) throw Error(QStringLiteral("记录不在编辑状态"));
    pending_.insert(columnIndex(column), value);
}

void Recordset::cancel() {
    pending_.clear();
    state_ = State::Browse;
}

void Recordset::post() {
    if (state_ == State::Browse) throw Error(QStringLiteral("记录不在编辑状态"));
    QStringList assignments;
    QVector<QVariant> values;
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
        assignments << QStringLiteral("\"%1\"").arg(columns_[it.key()]);
        values << QVariant(it.value());
    }
    if (state_ == State::Edit) {
        if (!assignments.isEmpty()) {
            QStringList sets;
            for (const QString& a : assignments) sets << a + QStringLiteral("=?");
            values << rows_[pos_][keyColumn_];
            db_->exec(QStringLiteral("update \"%1\" set %2 where \"%3\"=?")
                          .arg(table_, sets.join(u','), columns_[keyColumn_]),
                      values);
            for (auto it = pending_.cbegin(); it != pending_.cend(); ++it)
                rows_[pos_][it.key()] = it.value();
        }
    } else {
        const QString sql =
            assignments.isEmpty()
                ? QStringLiteral("insert into \"%1\" default values").arg(table_)
                : QStringLiteral("insert into \"%1\" (%2) values (%3)")
                      .arg(table_, assignments.join(u','),
                           QStringList(assignments.size(), QStringLiteral("?")).join(u','));
        db_->exec(sql, values);
        QVector<QVariant> row(columns_.size());
        for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) row[it.key()] = it.value();
        row[keyColumn_] = QVariant(db_->lastInsertRowId());
        rows_.push_back(row);
        pos_ = rows_.size() - 1;
    }
    pending_.clear();
    state_ = State::Browse;
}

}  // namespace store

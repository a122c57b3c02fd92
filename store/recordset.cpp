#include "recordset.h"

#include <QScopeGuard>
#include <cmath>

#include "core/error.h"
#include "database.h"

namespace store {

void Recordset::first() {
    postPendingEdit();
    pos_ = 0;
    eof_ = rows_.isEmpty();
}

void Recordset::next() {
    postPendingEdit();
    if (eof_) return;
    if (pos_ + 1 < rows_.size()) {
        ++pos_;
    } else {
        eof_ = true;
    }
}

int Recordset::columnIndex(const QString& column) const {
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(column, Qt::CaseInsensitive) == 0) return i;
    throw core::Error(QStringLiteral("结果中没有字段 %1").arg(column));
}

QVariant Recordset::value(const QString& column) const {
    const int index = columnIndex(column);
    if (state_ != State::Browse && pending_.contains(index)) return pending_.value(index);
    if (state_ == State::Insert) return {};
    if (rows_.isEmpty())
        throw core::Error(QStringLiteral("没有当前记录（读取字段 %1）").arg(column));
    return rows_[pos_][index];
}

QString Recordset::text(const QString& column) const {
    const QVariant v = value(column);
    return v.isNull() ? QString() : v.toString();
}

qint64 Recordset::integer(const QString& column) const {
    const QVariant v = value(column);
    if (v.isNull()) return 0;
    if (v.typeId() == QMetaType::LongLong) return v.toLongLong();
    return integerFromText(v.toString(), column);
}

qint64 integerFromText(const QString& text, const QString& column) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return 0;
    bool ok = false;
    const qint64 whole = trimmed.toLongLong(&ok);
    if (ok) return whole;
    // A floating value counts when it is whole ("3.0"); 2.5 is not an integer.
    const double number = trimmed.toDouble(&ok);
    if (ok && std::isfinite(number) && number == std::trunc(number) && std::fabs(number) < 9e15)
        return qint64(number);
    throw core::Error(QStringLiteral("字段 %1 的值“%2”不是整数").arg(column, text));
}

void Recordset::requireEditable() const {
    if (!isEditable()) throw core::Error(QStringLiteral("该结果不能修改"));
}

void Recordset::edit() {
    requireEditable();
    postPendingEdit();
    if (rows_.isEmpty()) throw core::Error(QStringLiteral("没有当前记录可修改"));
    state_ = State::Edit;
}

void Recordset::append() {
    requireEditable();
    postPendingEdit();
    state_ = State::Insert;
}

void Recordset::set(const QString& column, const QString& value) {
    if (state_ == State::Browse) throw core::Error(QStringLiteral("记录不在编辑状态"));
    pending_.insert(columnIndex(column), value);
}

void Recordset::cancel() {
    pending_.clear();
    state_ = State::Browse;
}

void Recordset::postPendingEdit() {
    if (state_ != State::Browse) post();
}

void Recordset::post() {
    if (state_ == State::Browse) throw core::Error(QStringLiteral("记录不在编辑状态"));
    // A failed post drops the edit, so that moving on does not repeat the failure.
    const auto backToBrowse = qScopeGuard([this] {
        pending_.clear();
        state_ = State::Browse;
    });
    if (state_ == State::Edit) {
        postUpdate();
    } else {
        postInsert();
    }
}

namespace {

QString quoted(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace

void Recordset::postUpdate() {
    if (pending_.isEmpty()) return;
    QStringList assignments;
    QVector<QVariant> values;
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
        assignments << quoted(columns_[it.key()]) + QStringLiteral("=?");
        values << QVariant(it.value());
    }
    values << QVariant(rowids_[pos_]);
    const int changed = db_->exec(QStringLiteral("update %1 set %2 where _rowid_=?")
                                      .arg(quoted(table_), assignments.join(u',')),
                                  values);
    if (changed == 0) {
        throw core::Error(QStringLiteral("无法保存：表 %1 中的这条记录已被删除").arg(table_));
    }
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it)
        rows_[pos_][it.key()] = it.value();
}

void Recordset::postInsert() {
    QStringList names;
    QVector<QVariant> values;
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
        names << quoted(columns_[it.key()]);
        values << QVariant(it.value());
    }
    const QString sql = names.isEmpty()
                            ? QStringLiteral("insert into %1 default values").arg(quoted(table_))
                            : QStringLiteral("insert into %1 (%2) values (%3)")
                                  .arg(quoted(table_), names.join(u','),
                                       QStringList(names.size(), QStringLiteral("?")).join(u','));
    db_->exec(sql, values);
    const qint64 rowid = db_->lastInsertRowId();
    // Read the stored row back, so the snapshot holds its key and the engine's conversions.
    Database::Rows stored = db_->select(
        QStringLiteral("select * from %1 where _rowid_=?").arg(quoted(table_)), {QVariant(rowid)});
    rows_.push_back(stored.values.value(0, QVector<QVariant>(columns_.size())));
    rowids_.push_back(rowid);
    pos_ = rows_.size() - 1;
    eof_ = false;
}

}  // namespace store

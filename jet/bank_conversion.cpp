#include "bank_conversion.h"

#include <sqlite3.h>

#include <QDir>
#include <QFileInfo>

#include "core/error.h"
#include "jet_reader.h"
#include "store/bank_schema.h"
#include "store/database.h"
#include "store/replacement_file.h"

namespace jet {
namespace {

constexpr qint64 kProgressStep = 500;

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct StatementCloser {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Sqlite = std::unique_ptr<sqlite3, SqliteCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementCloser>;

QString quoted(const QString& name) { return u'"' + name + u'"'; }

// Takes the indexes off the empty bank and gives the statements that create them again: built
// once the rows are in, an index is one sort instead of an insert into it for every row.
bool takeOffIndexes(sqlite3* db, QList<QByteArray>& createAgain) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db,
                           "select name, sql from sqlite_schema where type='index' and sql "
                           "not null",
                           -1, &raw, nullptr) != SQLITE_OK)
        return false;
    const Statement indexes(raw);
    QList<QByteArray> drops;
    int stepped = SQLITE_ROW;
    while ((stepped = sqlite3_step(raw)) == SQLITE_ROW) {
        const auto text = [&](int column) {
            return QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(raw, column)));
        };
        drops << "drop index \"" + text(0) + '"';
        createAgain << text(1);
    }
    if (stepped != SQLITE_DONE) return false;
    for (const QByteArray& drop : drops)
        if (sqlite3_exec(db, drop.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            return false;
    return true;
}

QByteArray insertStatement(const QString& table, const QStringList& columns) {
    QStringList names, marks;
    for (const QString& column : columns) {
        names << quoted(column);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("insert into %1 (%2) values (%3)")
        .arg(quoted(table), names.join(u','), marks.join(u','))
        .toUtf8();
}

// Binds a value the statement is stepped with at once: text and blobs are not copied.
void bind(sqlite3_stmt* statement, int slot, const Value& value) {
    switch (value.kind) {
        case Value::Kind::Null:
            sqlite3_bind_null(statement, slot);
            break;
        case Value::Kind::Integer:
            sqlite3_bind_int64(statement, slot, value.integer);
            break;
        case Value::Kind::Real:
            sqlite3_bind_double(statement, slot, value.real);
            break;
        case Value::Kind::Text:
            sqlite3_bind_text(statement, slot, value.bytes.data(), int(value.bytes.size()),
                              SQLITE_STATIC);
            break;
        case Value::Kind::Blob:
            sqlite3_bind_blob(statement, slot, value.bytes.data(), int(value.bytes.size()),
                              SQLITE_STATIC);
            break;
    }
}

bool execAll(sqlite3* db, const QList<QByteArray>& statements) {
    for (const QByteArray& statement : statements)
        if (sqlite3_exec(db, statement.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            return false;
    return true;
}

}  // namespace

// A bank table and where its columns are in the Access table.
struct BankConversion::Source {
    QString bankTable;
    QStringList columns;
    QVector<int> accessColumns;
    Table table;
};

BankConversion::BankConversion(const QString& accessPath)
    : accessPath_(accessPath), reader_(std::make_unique<Reader>(accessPath)) {
    const auto refuse = [&](const QString& what) {
        return core::Error(QStringLiteral("%1 不是题库：%2").arg(accessPath, what));
    };
    const QStringList present = reader_->tableNames();
    for (const store::BankTable& bankTable : store::bankTables()) {
        if (!present.contains(bankTable.name, Qt::CaseInsensitive))
            throw refuse(QStringLiteral("缺少数据表 %1").arg(bankTable.name));
        Source source{bankTable.name, bankTable.columns, {}, reader_->table(bankTable.name)};
        for (const QString& column : bankTable.columns) {
            const int index = source.table.columnIndex(column);
            if (index < 0)
                throw refuse(QStringLiteral("数据表 %1 缺少字段 %2").arg(bankTable.name, column));
            source.accessColumns.push_back(index);
        }
        total_ += source.table.recordedRowCount();
        sources_.push_back(std::move(source));
    }
}

BankConversion::~BankConversion() = default;

QVector<TableRows> BankConversion::writeTo(const QString& path, const Progress& progress) {
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(path.toUtf8().constData(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    const Sqlite db(raw);
    const auto fail = [&](const QString& what) {
        return core::Error(
            QStringLiteral("无法把 %1 转换为题库 %2：%3")
                .arg(accessPath_, path,
                     what.isEmpty() ? QString::fromUtf8(sqlite3_errmsg(raw)) : what));
    };
    if (opened != SQLITE_OK) throw fail({});
    // The file is thrown away unless the whole conversion commits: no journal is needed. The
    // commit still syncs the file, so that what is renamed into place is on the disk.
    if (sqlite3_exec(raw, "pragma journal_mode=off; begin", nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_exec(raw, store::bankSchemaSql().constData(), nullptr, nullptr, nullptr) !=
            SQLITE_OK)
        throw fail({});
    QList<QByteArray> indexes;
    if (!takeOffIndexes(raw, indexes)) throw fail({});

    QVector<TableRows> written;
    qint64 done = 0;
    for (Source& source : sources_) {
        const QByteArray insert = insertStatement(source.bankTable, source.columns);
        sqlite3_stmt* prepared = nullptr;
        if (sqlite3_prepare_v2(raw, insert.constData(), -1, &prepared, nullptr) != SQLITE_OK)
            throw fail({});
        const Statement statement(prepared);
        qint64 tableRow = 0;
        const qint64 rows = source.table.readRows([&](const std::vector<Value>& row) {
            ++tableRow;
            for (int i = 0; i < source.accessColumns.size(); ++i)
                bind(prepared, i + 1, row[size_t(source.accessColumns[i])]);
            if (sqlite3_step(prepared) != SQLITE_DONE) {
                throw fail(QStringLiteral("数据表 %1 第 %2 行：%3")
                               .arg(source.bankTable)
                               .arg(tableRow)
                               .arg(QString::fromUtf8(sqlite3_errmsg(raw))));
            }
            sqlite3_reset(prepared);
            if (progress && ++done % kProgressStep == 0) progress(done, total_);
        });
        written.push_back({source.bankTable, rows});
    }
    if (!execAll(raw, indexes) ||
        sqlite3_exec(raw, "commit", nullptr, nullptr, nullptr) != SQLITE_OK)
        throw fail({});
    if (progress) progress(total_, total_);
    return written;
}

QVector<TableRows> convertAccessBank(const QString& accessPath, const QString& bankPath,
                                     const Progress& progress,
                                     const std::function<void()>& beforeInstall) {
    BankConversion conversion(accessPath);
    const QString folder = QFileInfo(bankPath).absolutePath();
    if (!QDir().mkpath(folder)) throw core::Error(QStringLiteral("无法创建目录 %1").arg(folder));
    QVector<TableRows> rows;
    store::ReplacementFile converted(bankPath, [&](const QString& temporary) {
        rows = conversion.writeTo(temporary, progress);
        store::Database{temporary, store::Database::Access::ReadOnly};
    });
    if (beforeInstall) beforeInstall();
    // The bank is the user's to write, whatever the Access file's permissions were.
    converted.commit(store::kOrdinaryFile);
    return rows;
}

}  // namespace jet

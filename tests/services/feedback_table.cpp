#include "feedback_table.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFileInfo>

namespace {

// Runs `sql` on `file` and returns the rows as text.
QList<QStringList> runSql(const QString& file, const QString& sql) {
    sqlite3* db = nullptr;
    QList<QStringList> result;
    if (sqlite3_open(file.toUtf8().constData(), &db) != SQLITE_OK) {
        ADD_FAILURE() << "cannot open " << file.toStdString();
        sqlite3_close(db);
        return result;
    }
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = sql.toUtf8();
    const char* tail = text.constData();
    while (*tail) {
        if (sqlite3_prepare_v2(db, tail, -1, &statement, &tail) != SQLITE_OK) {
            ADD_FAILURE() << sqlite3_errmsg(db);
            break;
        }
        if (!statement) break;  // trailing blanks
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QStringList row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                const auto* value = sqlite3_column_text(statement, i);
                row << (value ? QString::fromUtf8(reinterpret_cast<const char*>(value))
                              : QStringLiteral("<NULL>"));
            }
            result << row;
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return result;
}

}  // namespace

QString sqliteOdbcDriverPath() {
    for (const QFileInfo& dir :
         QDir(QStringLiteral("/usr/lib")).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString path = dir.filePath() + QStringLiteral("/odbc/libsqlite3odbc.so");
        if (QFileInfo::exists(path)) return path;
    }
    return {};
}

QStringList FeedbackTable::columns() {
    return {QStringLiteral("kemu"),    QStringLiteral("tihao"),     QStringLiteral("tigan"),
            QStringLiteral("tupian"),  QStringLiteral("kaoshidg"),  QStringLiteral("xueke"),
            QStringLiteral("chenjiu"), QStringLiteral("cuobiezi"),  QStringLiteral("silutigan"),
            QStringLiteral("silutp"),  QStringLiteral("siluddaan"), QStringLiteral("silucbz"),
            QStringLiteral("shiticf"), QStringLiteral("shuoming")};
}

QStringList FeedbackTable::flagColumns() { return columns().mid(3, 10); }

void FeedbackTable::createIn(const QString& file) {
    runSql(file, QStringLiteral("create table yiyao (%1 text)")
                     .arg(columns().join(QStringLiteral(" text, "))));
}

FeedbackTable::FeedbackTable() : file_(dir_.filePath(QStringLiteral("feedback.db"))) {
    createIn(file_);
}

QString FeedbackTable::connectionString() const {
    return QStringLiteral("DRIVER=%1;Database=%2").arg(sqliteOdbcDriverPath(), file_);
}

QList<QStringList> FeedbackTable::rows() const {
    return runSql(file_, QStringLiteral("select %1 from yiyao order by rowid")
                             .arg(columns().join(QLatin1Char(','))));
}

QStringList FeedbackTable::flagColumnsSetToOne() const {
    QStringList set;
    const QList<QStringList> all = rows();
    if (all.size() != 1) {
        ADD_FAILURE() << "expected one row, found " << all.size();
        return set;
    }
    for (int i = 3; i < 13; ++i) {
        const QString flag = all.front().at(i);
        if (flag != QStringLiteral("0") && flag != QStringLiteral("1"))
            ADD_FAILURE() << "flag " << columns().at(i).toStdString() << " is "
                          << flag.toStdString();
        if (flag == QStringLiteral("1")) set << columns().at(i);
    }
    return set;
}

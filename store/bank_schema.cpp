#include "bank_schema.h"

#include <QFile>
#include <QSet>

#include "core/error.h"
#include "database.h"

namespace store {

const std::vector<BankTable>& bankTables() {
    static const std::vector<BankTable> tables{
        {QStringLiteral("tree"), {"id", "nodename", "code", "parentid", "scbt", "ct"}},
        {QStringLiteral("readtext"), {"id", "treeid", "qtypeid", "content", "opnum"}},
        {QStringLiteral("qtype"), {"id", "code", "title"}},
        {QStringLiteral("question"),
         {"id", "readtextid", "content", "picurl", "answer", "explain", "itemnum", "scbt", "ct",
          "ct1", "lx"}},
        {QStringLiteral("opinion"), {"id", "questionid", "code", "content"}},
        {QStringLiteral("kemu"), {"ID", "mz"}},
        {QStringLiteral("geshu"), {"kemugeshu"}},
        {QStringLiteral("ts"), {"txs", "fg"}},
        {QStringLiteral("sj"), {"tid", "lx", "alt", "tg", "tgid", "da", "tp", "xx", "tjda"}},
        {QStringLiteral("fenshu"), {"tx", "sts", "dd"}},
    };
    return tables;
}

QByteArray bankSchemaSql() {
    QFile schema(QStringLiteral(":/schema.sql"));
    if (!schema.open(QIODevice::ReadOnly))
        throw core::Error(QStringLiteral("题库结构缺失：%1").arg(schema.errorString()));
    return schema.readAll();
}

QString schemaProblem(Database& db) {
    QSet<QString> known;
    for (const BankTable& table : bankTables()) known.insert(table.name.toLower());

    const Database::Rows objects =
        db.select(QStringLiteral("select type, name from sqlite_master"));
    for (const QVector<QVariant>& object : objects.values) {
        const QString type = object[0].toString();
        const QString name = object[1].toString();
        if (type == QStringLiteral("view")) return QStringLiteral("含有视图 %1").arg(name);
        if (type == QStringLiteral("trigger")) return QStringLiteral("含有触发器 %1").arg(name);
        if (type == QStringLiteral("table") && !name.startsWith(QStringLiteral("sqlite_")) &&
            !known.contains(name.toLower()))
            return QStringLiteral("含有题库没有的数据表 %1").arg(name);
    }
    for (const BankTable& table : bankTables()) {
        const Database::Rows info =
            db.select(QStringLiteral("select name from pragma_table_info(?)"), {table.name});
        if (info.values.isEmpty()) return QStringLiteral("缺少数据表 %1").arg(table.name);
        QSet<QString> present;
        for (const QVector<QVariant>& column : info.values)
            present.insert(column[0].toString().toLower());
        for (const QString& column : table.columns)
            if (!present.contains(column.toLower()))
                return QStringLiteral("数据表 %1 缺少字段 %2").arg(table.name, column);
    }
    return {};
}

}  // namespace store

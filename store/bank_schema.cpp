#include "bank_schema.h"

#include <QFile>
#include <QSet>

#include "connection.h"
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

QStringList OwnTable::columnNames() const {
    QStringList names;
    for (const Column& column : columns) names << column.name;
    return names;
}

QString OwnTable::createStatement() const {
    QStringList declared;
    for (const Column& column : columns) declared << column.name + QLatin1Char(' ') + column.type;
    return QStringLiteral("create table if not exists %1 (%2)").arg(name, declared.join(", "));
}

const std::vector<OwnTable>& ownTables() {
    static const std::vector<OwnTable> tables{
        {QStringLiteral("learning_record"),
         {
             {"rid", "INTEGER PRIMARY KEY"},
             {"hand_in", "INTEGER"},  // the number of the hand-in; its rows share it
             {"kind", "TEXT"},        // "practice" or "exam"
             {"handed_in", "TEXT"},   // local date and time, yyyy-MM-dd hh:mm:ss
             {"chapter", "INTEGER"},  // practice: tree.id of the chapter
             {"mode", "TEXT"},  // practice: the questions listed, "all", "favourites", "wrong"
             {"seconds_used", "INTEGER"},  // exam: since the exam window opened
             {"type", "TEXT"},             // the question type as the result table names it
             {"items", "INTEGER"},
             {"correct", "INTEGER"},
         }},
    };
    return tables;
}

void addOwnTables(Connection& bank) {
    for (const OwnTable& table : ownTables()) bank.exec(table.createStatement());
}

QByteArray bankSchemaSql() {
    QFile schema(QStringLiteral(":/schema.sql"));
    if (!schema.open(QIODevice::ReadOnly))
        throw core::Error(QStringLiteral("题库结构缺失：%1").arg(schema.errorString()));
    return schema.readAll();
}

namespace {

QStringList columnsOf(Database& db, const QString& table) {
    QStringList names;
    const Database::Rows info =
        db.select(QStringLiteral("select name from pragma_table_info(?)"), {table});
    for (const QVector<QVariant>& column : info.values) names << column[0].toString().toLower();
    return names;
}

}  // namespace

QString schemaProblem(Database& db) {
    QSet<QString> known;
    for (const BankTable& table : bankTables()) known.insert(table.name.toLower());
    for (const OwnTable& table : ownTables()) known.insert(table.name.toLower());

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
        const QStringList present = columnsOf(db, table.name);
        if (present.isEmpty()) return QStringLiteral("缺少数据表 %1").arg(table.name);
        for (const QString& column : table.columns)
            if (!present.contains(column.toLower()))
                return QStringLiteral("数据表 %1 缺少字段 %2").arg(table.name, column);
    }
    // A table of the program's own comes with its own columns, no more and no fewer; a bank
    // from before the table has none.
    for (const OwnTable& table : ownTables()) {
        QStringList present = columnsOf(db, table.name);
        if (present.isEmpty()) continue;
        QStringList expected;
        for (const QString& name : table.columnNames()) expected << name.toLower();
        present.sort();
        expected.sort();
        if (present != expected)
            return QStringLiteral("数据表 %1 的字段与本程序的不同（%2）")
                .arg(table.name, present.join(QStringLiteral(", ")));
    }
    return {};
}

}  // namespace store

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace store {

class Connection;
class Database;

// A table of the question bank and the columns the program reads or writes in it. A bank may
// hold more columns (the ordering keys this program adds), never fewer.
struct BankTable {
    QString name;
    QStringList columns;
};

// Every table of the question bank, in the order the schema lists them.
const std::vector<BankTable>& bankTables();

// A table the program keeps in the bank of its own accord, beside the question bank's tables. A
// bank may lack it (an older bank, one converted from Access, a backup made before the table
// came) and gains it with the first row written to it; a backup may carry it, with exactly its
// columns.
struct OwnTable {
    struct Column {
        QString name;
        QString type;
    };
    QString name;
    std::vector<Column> columns;

    QStringList columnNames() const;
    QString createStatement() const;  // "create table if not exists …"
};

// Every table of the program's own: the learning record, one row per question type of each
// marked exercise page or exam paper.
const std::vector<OwnTable>& ownTables();

// Creates the program's own tables the bank lacks. Throws core::Error.
void addOwnTables(Connection& bank);

// The statements that create an empty question bank (data/schema.sql, built into the store).
QByteArray bankSchemaSql();

// What keeps the database open on `db` from being let in as a question bank: a missing table
// or column, a view, trigger or table the bank does not have, or a table of the program's own
// with other columns than its own. Empty when there is nothing.
// A restored file is data, never code: a trigger would run on the next hand-in.
QString schemaProblem(Database& db);

}  // namespace store

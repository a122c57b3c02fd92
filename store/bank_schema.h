#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace store {

class Database;

// A table of the question bank and the columns the program reads or writes in it. A bank may
// hold more columns (the ordering keys this program adds), never fewer.
struct BankTable {
    QString name;
    QStringList columns;
};

// Every table of the question bank, in the order the schema lists them.
const std::vector<BankTable>& bankTables();

// The statements that create an empty question bank (data/schema.sql, built into the store).
QByteArray bankSchemaSql();

// What keeps the database open on `db` from being let in as a question bank: a missing table
// or column, or a view, trigger or table the bank does not have. Empty when there is nothing.
// A restored file is data, never code: a trigger would run on the next hand-in.
QString schemaProblem(Database& db);

}  // namespace store

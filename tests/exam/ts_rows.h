#pragma once

#include <QStringList>

#include "temp_bank.h"

// The exam settings table ts: the demo counts (40 single choice, 10, 2, 2) and every row as
// "txs/fg" in stored order.
inline void insertDemoCounts(const TempBank& bank) {
    bank.run(
        QStringLiteral("insert into ts (txs, fg) values ('40', '40');"
                       "insert into ts (txs, fg) values ('10', '');"
                       "insert into ts (txs, fg) values ('2', '');"
                       "insert into ts (txs, fg) values ('2', '');"));
}

inline QStringList tsRowsOf(const TempBank& bank) {
    store::Connection connection = bank.connect();
    store::Recordset ts = connection.table(QStringLiteral("ts"));
    QStringList texts;
    for (ts.first(); !ts.eof(); ts.next())
        texts << ts.text(QStringLiteral("txs")) + u'/' + ts.text(QStringLiteral("fg"));
    return texts;
}

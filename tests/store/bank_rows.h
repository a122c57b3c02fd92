#pragma once

#include <QList>
#include <QString>

#include "store/recordset.h"

// Test helpers: what a result holds, walked the way the program walks it.
inline QList<qint64> integersOf(store::Recordset rs, const QString& column = QStringLiteral("id")) {
    QList<qint64> values;
    for (rs.first(); !rs.eof(); rs.next()) values << rs.integer(column);
    return values;
}

inline QStringList textsOf(store::Recordset rs, const QString& column) {
    QStringList values;
    for (rs.first(); !rs.eof(); rs.next()) values << rs.text(column);
    return values;
}

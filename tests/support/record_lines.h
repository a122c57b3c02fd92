#pragma once

#include <QStringList>

#include "record/learning_record.h"

// A hand-in's types as the record holds them: "type items/right, …".
inline QString typeScoresLine(const record::HandInRecord& handIn) {
    QStringList types;
    for (const record::TypeScore& score : handIn.types)
        types << QStringLiteral("%1 %2/%3").arg(score.type).arg(score.items).arg(score.right);
    return types.join(QStringLiteral(", "));
}

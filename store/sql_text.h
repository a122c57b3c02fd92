#pragma once

#include <QString>

namespace store {

// A text as an SQL string literal: quoted, with every quote in it doubled, so that a value
// read from the bank cannot end the literal early.
inline QString sqlText(const QString& text) {
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

}  // namespace store

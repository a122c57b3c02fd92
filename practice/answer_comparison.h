#pragma once

#include <QString>

namespace practice {

// Removes every leading and trailing character whose code is 32 or less.
QString trimControlsAndBlanks(const QString& text);

// A given answer is right when it equals the stored one after both are trimmed; letter case
// and the order of the letters count.
bool answersMatch(const QString& given, const QString& stored);

}  // namespace practice

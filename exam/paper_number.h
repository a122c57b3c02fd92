#pragma once

#include <QString>

namespace exam {

// Paper numbers travel as the text stored in sj.tid ("7", "4.2"), never as numbers: the tenth
// sub-question of case 4 is "4.10", another question than "4.1".

// The number one below: "16" for "17", "3.10" for "4.10" (the case before, same sub-question).
QString previousPaperNumber(const QString& number);

// The name of a number button: "a" + text without a "."; "a" + before + "f" + after with one
// ("7" → "a7", "4.2" → "a4f2").
QString numberButtonName(const QString& numberText);

// "select * from sj where tid='" + numberText + "'", a quote in the text doubled so that it
// cannot end the literal.
QString paperRowQuery(const QString& numberText);

}  // namespace exam

#pragma once

#include <QString>

namespace exam {

// Paper numbers travel as numbers (sj.tid read as a double: 7, 4.2). Turned back into text they
// are written in general notation with at most 15 significant digits and no trailing zeros, so
// the stored "4.10" comes back as "4.1". Every lookup of sj by tid and of a number button uses
// that text.
double paperNumberFrom(const QString& tid);
QString paperNumberText(double number);

// The name of a number button: "a" + text without a "."; "a" + before + "f" + after with one
// ("7" → "a7", "4.2" → "a4f2").
QString numberButtonName(const QString& numberText);

// "select * from sj where tid='" + numberText + "'", a quote in the text doubled so that it
// cannot end the literal.
QString paperRowQuery(const QString& numberText);

}  // namespace exam

#pragma once

#include <QString>

namespace practice {

// The rate of correct answers as the score tables print it (without the "%"): right / questions
// rounded to two decimals, times 100, in the shortest form with up to 15 significant digits
// ("33", "67", "83", "0"). No questions give "0".
QString correctRate(qint64 right, qint64 questions);

}  // namespace practice

#pragma once

#include <QString>

namespace pages {

// A line of a result table (one question type, or the total): the count, the right answers,
// the same two again as total and score (every question is worth one point) and the rate.
// The chapter result and the exam result write their lines alike.
QString resultTypeLine(const QString& label, const QString& questions, const QString& right,
                       const QString& rate);
QString resultTotalLine(qint64 questions, qint64 right, const QString& rate);

}  // namespace pages

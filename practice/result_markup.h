#pragma once

#include <QString>

namespace practice {

// The markup of the result page: a title paragraph and a table with one line per score row and
// a total line, appended to the page template.
QString resultTitle();
QString resultTable(const QString& lines);
QString resultTypeLine(const QString& label, const QString& questions, const QString& right,
                       const QString& rate);
QString resultTotalLine(qint64 questions, qint64 right, const QString& rate);

}  // namespace practice

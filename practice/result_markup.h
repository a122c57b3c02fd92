#pragma once

#include <QString>

namespace practice {

// The markup of the result page: a title paragraph and a table around the lines of
// pages/score_lines.h, appended to the page template.
QString resultTitle();
QString resultTable(const QString& lines);

}  // namespace practice

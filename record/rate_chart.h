#pragma once

#include <QList>
#include <QString>

#include "record/record_overview.h"

class QChart;

namespace record {

// Draws the rates of one kind of hand-in into `chart`, replacing what it showed: a line with
// its points per series (the series of every type together drawn heavier), the hand-in times
// along the bottom, the rate from 0 to 100 % up the side, and a legend whose entries hide or
// show their line. No series leaves empty axes and a title that says so.
void showRates(QChart& chart, const QString& title, const QList<RateSeries>& series);

}  // namespace record

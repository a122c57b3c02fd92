#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>

#include "exam/paper_drawing.h"

namespace exam {

// One piece of the number-button panel: a type label or a number button, placed inside the
// scroll box below the legend.
struct NumberPanelItem {
    enum class Kind { TypeLabel, Button };
    Kind kind;
    QString caption;
    QString name;  // the button's name ("a7", "a16f2"); empty for labels
    QRect geometry;
};

// The paper numbers (sj.tid) of each exam type a1 … a4, in paper order.
using PaperNumbersByType = std::array<QStringList, 4>;
PaperNumbersByType paperNumbersByType(store::Recordset& paper);

// The panel of a drawn paper: per exam type with a count other than 0, its label and one button
// per row of that type that the drawing wrote, six to a row. With full pools these are the
// numbers K + 1 … K + c of the counts; a pool shorter than its count gives fewer buttons, never
// buttons without a row.
QList<NumberPanelItem> numberPanelLayout(const ExamCounts& counts,
                                         const PaperNumbersByType& numbers);

}  // namespace exam

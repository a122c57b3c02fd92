#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

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

// The panel of a drawn paper: per exam type with a count other than 0, its label and its
// buttons, six to a row. Single choice, multiple choice and matching get their count's numbers
// in a running sequence; cases get one button per case row of the paper (`caseTids`, sj.tid of
// the a3 rows in paper order), whatever their count was.
QList<NumberPanelItem> numberPanelLayout(const ExamCounts& counts, const QStringList& caseTids);

}  // namespace exam

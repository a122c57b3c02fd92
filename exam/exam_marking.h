#pragma once

#include <QList>
#include <QString>
#include <array>

#include "exam/exam_window_host.h"
#include "pageview/page_view.h"
#include "record/hand_in_record.h"
#include "store/connection.h"

namespace exam {

// The marks of a handed-in paper: right and wrong items per exam type (a1 … a4), and per paper
// row its number button and colour (blue right, red wrong; a matching group is red when one of
// its questions is wrong).
struct ExamMarks {
    struct Button {
        QString name;
        ButtonColour colour;
    };
    std::array<qint64, 4> right{};
    std::array<qint64, 4> wrong{};
    QList<Button> buttons;
};

// Marks the paper in sj: a choice or case row is right when its stored answer is exactly its
// correct answer (an unanswered row is wrong unless it has no correct answer either); each
// question of a matching group counts on its own, right when the letter kept in its lx is its
// answer. Reads only. Throws core::Error.
ExamMarks markPaper(store::Connection& bank);

// right ÷ items as a whole percentage, rounded half away from zero ("67" for 2 of 3, "63" for
// 5 of 8); no items give "0".
QString examRate(qint64 right, qint64 items);

// The items and right answers of each exam type that has items, in paper order, named as the
// result table names them ("单项选择题" …).
QList<record::TypeScore> examTypeScores(const ExamMarks& marks);

// The result table appended below the paper: one line per exam type with items, then the
// total line, which is always there.
QString examResultFragment(const ExamMarks& marks);

// Loads the template into the page, waits until it is ready and appends the result table
// (examResultFragment).
void showExamResult(pageview::PageView& page, const QString& templatePath,
                    const QString& resultTable);

}  // namespace exam

#pragma once

#include <QDateTime>
#include <QString>
#include <array>

namespace exam {

// The exam types in paper order; their index runs through TypeHintShown and the counts.
enum class ExamType { A1 = 0, A2 = 1, A3 = 2, A4 = 3 };

// How far the hand-in has come: not yet, marked (the marks are final, the result table may not
// have reached the page), its result shown.
enum class HandIn { Open, Marked, ResultShown };

// The values the exam window keeps for the units that work inside it.
struct ExamWindowState {
    int DrawGuard = 0;                   // 2 once the first activation has run
    std::array<int, 4> TypeHintShown{};  // per exam type a1 … a4
    QString CurrentPaperNumber;          // sj.tid of the question on screen, as stored
    HandIn HandedIn = HandIn::Open;
    QString ResultTable;     // the marked paper's result table, once marked
    QDateTime ClockStarted;  // when the count-down began: the time used is counted from it
};

}  // namespace exam

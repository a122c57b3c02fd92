#pragma once

#include <array>

namespace exam {

// The exam types in paper order; their index runs through TypeHintShown and the counts.
enum class ExamType { A1 = 0, A2 = 1, A3 = 2, A4 = 3 };

// The values the exam window keeps for the units that work inside it.
struct ExamWindowState {
    int DrawGuard = 0;                       // 2 once the first activation has run
    std::array<int, 4> TypeHintShown{};      // per exam type a1 … a4
    double CurrentPaperNumber = 0;           // sj.tid of the question on screen, as a number
};

}  // namespace exam

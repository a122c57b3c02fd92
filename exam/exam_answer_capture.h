#pragma once

#include "exam/exam_window_host.h"

namespace exam {

// Stores the answer given on the exam page for the question on screen (the sj row of
// CurrentPaperNumber) and paints its number button: blue when it has an answer, the
// active-border colour when it has none. Choice questions keep an earlier answer when left
// with nothing ticked; a matching group writes every question's choice into its lx and the
// letters, last question first, into tjda on every leave.
class ExamAnswerCapture {
  public:
    explicit ExamAnswerCapture(ExamWindowHost& host) : host_(host) {}

    // Reads the page's form state in one pass. A number without a paper row, or a page that
    // does not show that row's question (left behind by a move past the paper's end), stores
    // nothing: there is no answer of that question on the page. Throws core::Error.
    void capture();

  private:
    ExamWindowHost& host_;
};

// The answered counter at the start of a move or of the hand-in: the progress bar at the number
// of rows with an answer + 1 (capped at its maximum); Label6 at the bar's position, or, for next
// and previous, at the uncapped count, which can run one past the paper's size.
enum class CounterLabel { FromBar, Uncapped };
void updateAnsweredCounter(ExamWindowHost& host, CounterLabel label);

}  // namespace exam

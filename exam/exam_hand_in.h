#pragma once

#include "exam/exam_window_host.h"

namespace exam {

struct ExamMarks;

// Handing in the paper: stops the clock and the key observer, stores the answer on the page,
// sets the hand-in mark, colours every number button right or wrong and replaces the page with
// the result table. A second hand-in is refused. The marked paper joins the learning record.
//
// The state follows the outcome. When the answer cannot be stored or the paper cannot be
// marked, nothing is handed in: the clock and the keys go on, and the error is reported. Once
// marked the paper is handed in; should its result table not reach the page, the next press
// shows it again instead of the refusal.
class ExamHandIn {
  public:
    explicit ExamHandIn(ExamWindowHost& host) : host_(host) {}

    void handIn();

    static const QString kAlreadyHandedIn;

  private:
    void showResult();
    void keepInRecord(const ExamMarks& marks);

    ExamWindowHost& host_;
};

}  // namespace exam

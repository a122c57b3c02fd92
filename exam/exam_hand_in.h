#pragma once

#include "exam/exam_window_host.h"

namespace exam {

// Handing in the paper: stops the clock and the key observer, stores the answer on the page,
// sets the hand-in mark, colours every number button right or wrong and replaces the page with
// the result table. A second hand-in is refused.
class ExamHandIn {
  public:
    explicit ExamHandIn(ExamWindowHost& host) : host_(host) {}

    void handIn();

    static const QString kAlreadyHandedIn;

  private:
    ExamWindowHost& host_;
};

}  // namespace exam

#pragma once

#include "exam/exam_window_host.h"
#include "exam/paper_drawing.h"

namespace exam {

// The exam window's first activation: describes the paper, draws it behind the wait window,
// places the number buttons, shows the first question and its type hint, and starts the key
// observer. Runs once per window (DrawGuard).
class PaperSetup {
  public:
    PaperSetup(ExamWindowHost& host, PaperDrawing::Random random)
        : host_(host), random_(std::move(random)) {}

    // A failure of the bank or the page ends it where it happened: the error is reported once,
    // the wait window closes, and the paper is not drawn again.
    void FormActivate();

    static const QString kDescriptionWithSingleChoice;
    static const QString kDescriptionWithoutSingleChoice;
    // The hint for the first question's exam type ("a1" … "a4"); empty for anything else.
    static QString firstHint(const QString& lx);

  private:
    void setUp();

    ExamWindowHost& host_;
    PaperDrawing::Random random_;
};

}  // namespace exam

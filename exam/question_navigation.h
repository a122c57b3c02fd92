#pragma once

#include <QString>

#include "exam/exam_answer_capture.h"
#include "exam/exam_page_render.h"
#include "exam/exam_window_host.h"

namespace exam {

// Moving through the paper: next, previous and a click on a number button. Before hand-in every
// move stores the answer on the page first and may leave an exam type only when every question
// of it has an answer; the first move into a type with no answer yet shows its hint. After
// hand-in next and previous are refused and a number click shows the question for review.
class QuestionNavigation {
  public:
    explicit QuestionNavigation(ExamWindowHost& host) : host_(host) {}

    void next();
    void previous();
    // The number button captioned `caption` was clicked.
    void jump(const QString& caption);

    // The hint of an exam type on its first entry by a move ("a1" … "a4"); empty otherwise.
    static QString typeHint(const QString& lx);
    static const QString kTypeIncomplete;
    static const QString kNoMoreQuestions;

  private:
    enum class Direction { Next, Previous };

    struct Leaving {
        QString type;    // lx of the question left
        QString number;  // its paper number
        bool typeOpen;   // that type still has a row without an answer
    };

    void move(Direction direction);
    Leaving leaveCurrent(CounterLabel label);
    void paintCurrentRed();
    void review(const QString& caption);
    QString typeOf(const QString& numberText);
    // Whether some row of type `lx` has an empty (open) or a non-empty (seen) stored answer.
    bool anyRowOfType(const QString& lx, bool withAnswer);
    // Steps through "select * from sj" to the row after or before the current one; returns its
    // type, or nothing when the current number has no row.
    QString stepFromCurrent(Direction direction);
    // The hint step: the key observer comes down and back up around it, hint or none.
    void hintStep(const QString& target, bool seen);
    void refuse(const QString& old);
    void showCurrent(ExamPageVariant variant, bool reportMissing);

    ExamWindowHost& host_;
};

}  // namespace exam

#pragma once

#include "exam/exam_window_host.h"

namespace exam {

// A letter key released over the exam window: on a single-choice page it ticks the option
// whose value, trimmed, is the letter in upper case; on every page the focus then goes to the
// next-question button. Throws core::Error.
void selectOptionByLetter(ExamWindowHost& host, const QString& letter);

}  // namespace exam

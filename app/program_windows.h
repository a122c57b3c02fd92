#pragma once

#include <QString>
#include <functional>

#include "exam/exam_context.h"

namespace exam {
class TForm2;
class TForm3;
class TForm6;
}  // namespace exam

namespace search {
class SearchWindow;
}

namespace services {
class TForm9;
class TForm13;
class TForm14;
}  // namespace services

namespace app {

class TForm16;

// The windows that live as long as the main window besides it: backup and restore and the
// wrong-question manager, created right after it; the exam screens, created when the exam is
// first entered (their full-screen pictures would hold up the start), and the feedback window,
// created for the first report (its page view would hold a renderer's memory from the start). They
// stay hidden until a command shows them and are owned by the main window. The exam window,
// the wait window and the result window are made per use.
struct ProgramWindows {
    // The exam screens reach the program through `examContext`; the feedback window reads the
    // subject through `subjectName`.
    ProgramWindows(const exam::ExamContext& examContext, std::function<QString()> subjectName);

    // Creates the exam screens once; later calls find them made.
    void makeExamScreens();
    // The feedback window, created at the first call.
    services::TForm9& feedbackWindow();
    // The question search, created at the first call.
    search::SearchWindow& searchWindow();

    exam::ExamContext examContext;

    exam::TForm2* Form2 = nullptr;
    exam::TForm3* Form3 = nullptr;
    exam::TForm6* Form6 = nullptr;
    services::TForm9* Form9 = nullptr;
    search::SearchWindow* Search = nullptr;
    services::TForm13* Form13;
    services::TForm14* Form14;
    TForm16* Form16;

  private:
    std::function<QString()> subjectName_;
};

}  // namespace app

#pragma once

#include <QString>
#include <functional>

#include "exam/exam_context.h"

namespace exam {
class TForm2;
class TForm3;
class TForm6;
}  // namespace exam

namespace services {
class TForm9;
class TForm13;
class TForm14;
}  // namespace services

namespace app {

class TForm16;

// The windows that exist from start to end besides the main window, created right after it in
// their fixed order: the exam screens, the feedback window, backup and restore, the
// wrong-question manager. They stay hidden until a command shows them and are owned by the main
// window. The exam window, the wait window and the result window are made per use.
struct ProgramWindows {
    // The exam screens reach the program through `examContext`; the feedback window reads the
    // subject through `subjectName`.
    ProgramWindows(const exam::ExamContext& examContext, std::function<QString()> subjectName);

    exam::ExamContext examContext;

    exam::TForm2* Form2;
    exam::TForm3* Form3;
    exam::TForm6* Form6;
    services::TForm9* Form9;
    services::TForm13* Form13;
    services::TForm14* Form14;
    TForm16* Form16;
};

}  // namespace app

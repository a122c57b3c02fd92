#include "app/program_windows.h"

#include "app/tform16.h"
#include "exam/tform2.h"
#include "exam/tform3.h"
#include "exam/tform6.h"
#include "services/tform13.h"
#include "services/tform14.h"
#include "services/tform9.h"

namespace app {

ProgramWindows::ProgramWindows(const exam::ExamContext& context,
                               std::function<QString()> subjectName)
    : examContext(context),
      Form2(new exam::TForm2(
          context, [this] { Form3->exec(); }, &context.mainWindow)),
      Form3(new exam::TForm3(
          context, [this] { Form2->close(); }, &context.mainWindow)),
      Form6(new exam::TForm6(context, &context.mainWindow)),
      Form9(new services::TForm9(context.messages, std::move(subjectName), &context.mainWindow)),
      Form13(new services::TForm13(context.programDir, context.messages, &context.mainWindow)),
      Form14(new services::TForm14(context.programDir, context.messages, &context.mainWindow)),
      Form16(new TForm16(context.programDir, context.messages, &context.mainWindow)) {}

}  // namespace app

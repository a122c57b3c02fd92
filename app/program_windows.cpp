#include "app/program_windows.h"

#include "app/wrong_question_manager.h"
#include "exam/candidate_screen.h"
#include "exam/exam_settings_dialog.h"
#include "exam/login_screen.h"
#include "search/search_window.h"
#include "services/backup_window.h"
#include "services/feedback_window.h"
#include "services/restore_window.h"
#include "store/connection_string.h"

namespace app {

ProgramWindows::ProgramWindows(const exam::ExamContext& context,
                               std::function<QString()> subjectName)
    : examContext(context),
      Form13(new services::TForm13(context.places, context.messages, &context.mainWindow)),
      Form14(new services::TForm14(context.places, context.messages, &context.mainWindow)),
      Form16(new TForm16(context.places.dataDir, context.messages, &context.mainWindow)),
      subjectName_(std::move(subjectName)) {}

services::TForm9& ProgramWindows::feedbackWindow() {
    if (!Form9)
        Form9 = new services::TForm9(examContext.messages, subjectName_, &examContext.mainWindow);
    return *Form9;
}

search::SearchWindow& ProgramWindows::searchWindow() {
    if (!Search) {
        const QString bank = store::ConnectionString(store::ConnectionString::forDataDirectory(
                                                         examContext.places.dataDir))
                                 .dataSource();
        Search = new search::SearchWindow(bank, &examContext.mainWindow);
    }
    return *Search;
}

void ProgramWindows::makeExamScreens() {
    if (Form2) return;
    Form2 = new exam::TForm2(
        examContext, [this] { Form3->exec(); }, &examContext.mainWindow);
    Form3 = new exam::TForm3(
        examContext, [this] { Form2->close(); }, &examContext.mainWindow);
    Form6 = new exam::TForm6(examContext, &examContext.mainWindow);
}

}  // namespace app

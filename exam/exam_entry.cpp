#include "exam/exam_entry.h"

#include "exam/exam_settings_dialog.h"
#include "exam/login_screen.h"
#include "ui/main_window_state.h"

namespace exam {

void runExamEntry(ui::MainWindowState& mainState, TForm6& settings, TForm2& login) {
    // The flag means "the sequence runs": it must not stay set when the settings dialog was
    // closed without entering.
    struct InProgress {
        int& flag;
        explicit InProgress(int& f) : flag(f) { flag = 1; }
        ~InProgress() { flag = 0; }
    } inProgress(mainState.ExamInProgress);

    settings.exec();
    if (settings.ExamEntryConfirmed != 1) return;
    login.exec();
}

}  // namespace exam

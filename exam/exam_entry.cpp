#include "exam/exam_entry.h"

#include <QScopeGuard>

#include "exam/exam_settings_dialog.h"
#include "exam/login_screen.h"
#include "ui/main_window_state.h"

namespace exam {

void runExamEntry(ui::MainWindowState& mainState, TForm6& settings, TForm2& login) {
    // The flag means "the sequence runs": it must not stay set when the settings dialog was
    // closed without entering.
    mainState.ExamInProgress = 1;
    const auto inProgress = qScopeGuard([&mainState] { mainState.ExamInProgress = 0; });

    settings.exec();
    if (settings.ExamEntryConfirmed != 1) return;
    login.exec();
}

}  // namespace exam

#pragma once

namespace ui {
struct MainWindowState;
}

namespace exam {

class TForm2;
class TForm6;

// The simulated exam's entry sequence (the main window's exam buttons): the settings dialog,
// then, when it was left with "进 入", the login screen, which leads on to the candidate screen
// and the exam window. ExamInProgress is 1 while the sequence runs and 0 once it has ended,
// however it ended.
void runExamEntry(ui::MainWindowState& mainState, TForm6& settings, TForm2& login);

}  // namespace exam

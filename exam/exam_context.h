#pragma once

#include <functional>

#include "core/program_places.h"

class QWidget;

namespace core {
class MessageService;
}
namespace ui {
struct MainWindowState;
}  // namespace ui

namespace exam {

// What the exam screens need of the program: its places, its messages, and the main window
// with its state (ExamInProgress; the wait window places itself by the main window otherwise);
// and, when the program has one, the learning record, opened over a window of the exam.
struct ExamContext {
    core::ProgramPlaces places;
    core::MessageService& messages;
    ui::MainWindowState& mainState;
    QWidget& mainWindow;
    std::function<void(QWidget& over)> showLearningRecord = {};
};

}  // namespace exam

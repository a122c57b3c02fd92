#pragma once

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
// with its state (ExamInProgress; the wait window places itself by the main window otherwise).
struct ExamContext {
    core::ProgramPlaces places;
    core::MessageService& messages;
    ui::MainWindowState& mainState;
    QWidget& mainWindow;
};

}  // namespace exam

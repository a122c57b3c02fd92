#pragma once

#include <QString>

class QWidget;

namespace core {
class MessageService;
}
namespace ui {
struct MainWindowState;
}  // namespace ui

namespace exam {

// What the exam screens need of the program: its directory, its messages, and the main window
// with its state (ExamInProgress; the wait window places itself by the main window otherwise).
struct ExamContext {
    QString programDir;  // with its trailing separator
    core::MessageService& messages;
    ui::MainWindowState& mainState;
    QWidget& mainWindow;
};

}  // namespace exam

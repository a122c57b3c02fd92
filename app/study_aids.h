#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace core {
class MessageService;
}

namespace app {

class StudyController;
struct ProgramWindows;

// The main window's aids beyond its design: the question search and the learning record, each
// opened over the page on display. The page stays unless a question or a chapter is chosen;
// then the chosen one opens before the activation that follows the window.
class StudyAids {
  public:
    // Shows a modal window of the main window and runs `beforeActivation` with its result
    // before the activation its closing causes.
    using OwnWindowRunner = std::function<void(
        QDialog& window, const std::function<void(int result)>& beforeActivation)>;

    StudyAids(QWidget& mainWindow, StudyController& controller, ProgramWindows& windows,
              QString dataDir, core::MessageService& messages, OwnWindowRunner runOwnWindow);

    // Ctrl+F: a question chosen there opens on its chapter page, scrolled to it.
    void openSearch();
    // The learning record over one of the program's windows (Ctrl+L here, the record buttons of
    // the result and exam windows). Over the main window its chapters open here; over the
    // others, which a hand-in or the exam holds, they are listed only.
    void openLearningRecord(QWidget& over);

  private:
    QWidget& mainWindow_;
    StudyController& controller_;
    ProgramWindows& windows_;
    QString dataDir_;
    core::MessageService& messages_;
    OwnWindowRunner runOwnWindow_;
};

}  // namespace app

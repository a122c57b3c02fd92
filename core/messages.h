#pragma once

#include <QString>

namespace core {

// Every message the program shows goes through this service. The window program installs one
// that shows Qt dialogs; tests install one that records what was shown and answers from a script.
// The two kinds differ for the main window: closing an information message activates it,
// closing a system message box does not.
class MessageService {
  public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageService() = default;

    // The program's own small modal window, captioned with the application title, OK button.
    virtual void info(const QString& text) = 0;
    // The platform's modal box with a caption and fixed buttons.
    virtual Answer ask(const QString& caption, const QString& text, Buttons buttons,
                       bool questionIcon = false) = 0;
    // The default error report: a system message box with the error text.
    virtual void reportError(const QString& text) = 0;
};

}  // namespace core

#pragma once

#include <functional>

#include "core/messages.h"

namespace app {

// The main window's messages. Closing an information message activates the main window, and
// that activation runs before the caller goes on: a handler that continues after its message
// (a favourite toggle in the favourites mode reopens the view) finds it done, not queued behind
// its own next steps. The asking boxes and the error report are system message boxes, whose
// closing activates nothing.
class MainWindowMessages : public core::MessageService {
  public:
    MainWindowMessages(core::MessageService& shown, std::function<void()> runDueActivation)
        : shown_(shown), runDueActivation_(std::move(runDueActivation)) {}

    void info(const QString& text) override {
        shown_.info(text);
        runDueActivation_();
    }
    Answer ask(const QString& caption, const QString& text, Buttons buttons,
               bool questionIcon = false) override {
        return shown_.ask(caption, text, buttons, questionIcon);
    }
    void reportError(const QString& text) override { shown_.reportError(text); }

  private:
    core::MessageService& shown_;
    std::function<void()> runDueActivation_;
};

}  // namespace app

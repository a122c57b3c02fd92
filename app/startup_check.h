#pragma once

#include "core/messages.h"

namespace app {

class TForm10;

// The messages of a start that no one watches: written to stderr, every question answered as
// if by its first button.
class PrintedMessages : public core::MessageService {
  public:
    void info(const QString& text) override;
    Answer ask(const QString& caption, const QString& text, Buttons buttons,
               bool questionIcon = false) override;
    void reportError(const QString& text) override;

    bool errorReported() const { return errorReported_; }

  private:
    bool errorReported_ = false;
};

// "vantrel --startup-check", for checking an installation (also without a display, on Qt's
// offscreen platform): the program starts as usual, without its version check, and once the
// first chapter page is on screen prints where it read and where it keeps the data, the
// subject, the chapter tree's parts and the questions on that page, then ends. Returns 1 as
// soon as an error is reported, or when no chapter page came within `timeoutMs`.
int runStartupCheck(TForm10& window, const PrintedMessages& messages, int timeoutMs = 60000);

}  // namespace app

#pragma once

#include <QPointer>

#include "core/messages.h"

class QWidget;

namespace ui {

// The program's messages as Qt dialogs. Information messages are ordinary windows of the
// program (their closing activates the main window); the asking boxes and the error report are
// system message boxes, marked so that their closing does not.
class QtMessageService : public core::MessageService {
  public:
    // Boxes open over the active window of the program, else over `fallbackParent`.
    explicit QtMessageService(QWidget* fallbackParent = nullptr);

    void info(const QString& text) override;
    Answer ask(const QString& caption, const QString& text, Buttons buttons,
               bool questionIcon = false) override;
    void reportError(const QString& text) override;

  private:
    QWidget* boxParent() const;

    QPointer<QWidget> fallbackParent_;
};

}  // namespace ui

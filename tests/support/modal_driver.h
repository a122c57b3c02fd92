#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <functional>

// Acts on the modal windows of a chain as they come up: each step waits until a visible window
// of its type is the active modal one, then runs its action. An action may open the next modal
// window and so not return until the chain unwinds: a step counts as done before its action
// runs, and the action then runs on its own.
//
// Should the chain stop moving (a window that never comes, a step that never gets ready), the
// watchdog closes every modal window after `limitMs`, so that the test fails in seconds instead
// of hanging until CTest's time-out.
class ModalDriver : public QObject {
  public:
    explicit ModalDriver(int limitMs = 60000) {
        connect(&poll_, &QTimer::timeout, this, &ModalDriver::poll);
        poll_.start(30);
        watchdog_.setSingleShot(true);
        connect(&watchdog_, &QTimer::timeout, this, &ModalDriver::unwind);
        watchdog_.start(limitMs);
    }

    // `ready` says when the window is ready for `action`.
    template <typename Window>
    void then(
        std::function<void(Window&)> action,
        std::function<bool(Window&)> ready = [](Window&) { return true; }) {
        steps_.push_back([action, ready](QWidget* modal) {
            QPointer<Window> window = qobject_cast<Window*>(modal);
            if (!window || !window->isVisible() || !ready(*window)) return false;
            QTimer::singleShot(0, window, [window, action] {
                if (window) action(*window);
            });
            return true;
        });
    }

    int stepsDone() const { return int(done_); }
    bool timedOut() const { return timedOut_; }

  private:
    void poll() {
        if (done_ < steps_.size() && steps_[done_](QApplication::activeModalWidget())) ++done_;
    }

    void unwind() {
        timedOut_ = true;
        poll_.stop();
        for (int i = 0; i < 20 && QApplication::activeModalWidget(); ++i) {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(QDialog::Rejected);
            else
                modal->close();
        }
    }

    QList<std::function<bool(QWidget*)>> steps_;
    qsizetype done_ = 0;
    bool timedOut_ = false;
    QTimer poll_;
    QTimer watchdog_;
};

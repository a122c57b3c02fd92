#pragma once

#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>

namespace ui {

// One user action at a time in a window whose actions wait for pages or messages in a local
// event loop, where a second click or key would otherwise start in the middle of the first.
// A command either is ignored while another runs, or waits and runs after it.
class ActionGate {
  public:
    // `owner` ends the life of waiting actions: once it is gone they are dropped.
    explicit ActionGate(QObject* owner) : owner_(owner) {}

    bool busy() const { return running_; }

    // Runs `action` now, unless an action is running: then nothing happens and false returns.
    bool runOrIgnore(const std::function<void()>& action);
    // Runs `action` now, or after the running action has finished, in the order they came.
    void runOrDefer(std::function<void()> action);

  private:
    void runWaitingSoon();

    QPointer<QObject> owner_;
    bool running_ = false;
    std::deque<std::function<void()>> waiting_;
};

}  // namespace ui

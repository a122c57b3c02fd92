#include "ui/action_gate.h"

#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QTimer>

namespace ui {

bool ActionGate::runOrIgnore(const std::function<void()>& action) {
    if (running_) return false;
    {
        // Released on every path, also when the action throws.
        const QScopedValueRollback<bool> running(running_, true);
        const auto runner = qScopeGuard([this] { runWaitingSoon(); });
        action();
    }
    return true;
}

void ActionGate::runOrDefer(std::function<void()> action) {
    if (!running_) {
        runOrIgnore(action);
        return;
    }
    waiting_.push_back(std::move(action));
}

// From the event loop, after the finished action has returned to it.
void ActionGate::runWaitingSoon() {
    if (waiting_.empty() || !owner_) return;
    QTimer::singleShot(0, owner_.data(), [this] {
        while (!waiting_.empty() && !running_) {
            std::function<void()> next = std::move(waiting_.front());
            waiting_.pop_front();
            runOrIgnore(next);
        }
    });
}

}  // namespace ui

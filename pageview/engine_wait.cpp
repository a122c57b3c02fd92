#include "pageview/engine_wait.h"

#include <QTimer>

namespace pageview {

EngineWait::EngineWait(QObject& engine) : engine_(&engine) {
    connect(&engine, &QObject::destroyed, &loop_, &QEventLoop::quit);
}

void EngineWait::finish(bool success) {
    result_ = success;
    loop_.quit();
}

EngineWait::Outcome EngineWait::wait(int timeoutMs) {
    if (!result_ && engine_) {
        QTimer timeout;
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, &loop_, &QEventLoop::quit);
        timeout.start(timeoutMs);
        loop_.exec();
    }
    if (result_) return *result_ ? Outcome::Succeeded : Outcome::Failed;
    return engine_ ? Outcome::TimedOut : Outcome::Gone;
}

}  // namespace pageview

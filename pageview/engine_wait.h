#pragma once

#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <optional>

namespace pageview {

// One asynchronous job of the page engine (a load, a PDF, a print), waited for while events are
// dispatched: the windows stay responsive, and the caller goes on once the engine has answered.
// Connect the engine's answer to finish(), with this object as the connection's context.
class EngineWait : public QObject {
  public:
    enum class Outcome { Succeeded, Failed, TimedOut, Gone };

    // `engine` is the object that answers; its end also ends the wait.
    explicit EngineWait(QObject& engine);

    void finish(bool success);
    Outcome wait(int timeoutMs);

  private:
    QPointer<QObject> engine_;
    QEventLoop loop_;
    std::optional<bool> result_;
};

}  // namespace pageview

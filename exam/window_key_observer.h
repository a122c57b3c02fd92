#pragma once

#include <QObject>

#include "exam/key_observer.h"

class QKeyEvent;
class QWidget;

namespace exam {

// The key observer of an exam window: while installed it watches, as an application event
// filter, the keys released while that window is the active one, by keyboard position. Key
// releases in other windows (the calculator, a message box) never reach it.
class WindowKeyObserver : public QObject, public KeyObserver {
  public:
    explicit WindowKeyObserver(QWidget& window) : window_(window) {}
    ~WindowKeyObserver() override { remove(); }

    // The set-1 scan code of the key's position, from the platform's native scan code; 0 when
    // the platform gives none.
    static quint32 keyPosition(const QKeyEvent& event);

  protected:
    void startObserving() override;
    void stopObserving() override;
    bool eventFilter(QObject* receiver, QEvent* event) override;

  private:
    QWidget& window_;
};

}  // namespace exam

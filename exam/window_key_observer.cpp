#include "exam/window_key_observer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace exam {

quint32 WindowKeyObserver::keyPosition(const QKeyEvent& event) {
#ifdef Q_OS_WIN
    return event.nativeScanCode() & 0xFF;
#else
    // X11 and Wayland give the Linux input code + 8. The Linux codes of the letter keys are
    // their set-1 scan codes; the arrows have codes of their own.
    const quint32 code = event.nativeScanCode();
    if (code < 8) return 0;
    switch (code - 8) {
        case 105:
            return 0x4B;  // left arrow
        case 106:
            return 0x4D;  // right arrow
        default:
            return code - 8;
    }
#endif
}

void WindowKeyObserver::startObserving() { qApp->installEventFilter(this); }

void WindowKeyObserver::stopObserving() { qApp->removeEventFilter(this); }

bool WindowKeyObserver::eventFilter(QObject* receiver, QEvent* event) {
    if (event->type() != QEvent::KeyRelease || QApplication::activeWindow() != &window_)
        return false;
    // A key event that its receiver leaves unhandled travels on to the parents: count it once,
    // at the widget it was sent to.
    QWidget* first = QApplication::focusWidget();
    if (receiver != (first ? first : &window_)) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->isAutoRepeat()) keyReleased(keyPosition(*key));
    return false;
}

}  // namespace exam

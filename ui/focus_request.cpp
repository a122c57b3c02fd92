#include "focus_request.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace ui {

namespace {

// Watches the window's surface until its first expose, asks for the focus then and goes away.
class FocusOnExpose : public QObject {
  public:
    explicit FocusOnExpose(QWidget& window) : QObject(&window), window_(window) {
        window_.windowHandle()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            if (QGuiApplication::focusWindow() != watched) window_.activateWindow();
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget& window_;
};

}  // namespace

void requestFocusOnceExposed(QWidget& window) {
    if (window.windowHandle()) new FocusOnExpose(window);
}

}  // namespace ui

#include "activation_tracker.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace app {

namespace {

const char* const kSystemBoxProperty = "vantrelSystemBox";

bool isPopup(const QWindow* window) {
    const Qt::WindowType type = window->type();
    return type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen;
}

}  // namespace

ActivationTracker::ActivationTracker(QWidget& mainWindow)
    : QObject(&mainWindow), mainWindow_(mainWindow) {
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            &ActivationTracker::focusWindowChanged);
    mainWindow_.installEventFilter(this);
}

// The first showing is an activation by itself: a bare X server without a window manager never
// hands the focus to a new window. The window still asks for the focus once it can be seen.
bool ActivationTracker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &mainWindow_ && event->type() == QEvent::Show && cameFrom_ == CameFrom::Nothing) {
        cameFrom_ = CameFrom::MainWindow;
        emit activated();
        if (QWindow* window = mainWindow_.windowHandle()) window->installEventFilter(this);
    } else if (watched == mainWindow_.windowHandle() && event->type() == QEvent::Expose &&
               mainWindow_.windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        if (QGuiApplication::focusWindow() != watched) mainWindow_.activateWindow();
    }
    return QObject::eventFilter(watched, event);
}

void ActivationTracker::markAsSystemBox(QWidget& box) { box.setProperty(kSystemBoxProperty, true); }

void ActivationTracker::focusWindowChanged(QWindow* now) {
    if (now && isPopup(now)) return;
    if (!now) {
        // A window of ours that just closed hands the focus on (see watchClosing); any other
        // loss of the focus means the user went to another program.
        // (A deleted window closed too.)
        if (lastFocus_ && (belongsToMainWindow(lastFocus_) || lastFocus_->isVisible()))
            cameFrom_ = CameFrom::OtherProgram;
        return;
    }
    lastFocus_ = now;
    if (!belongsToMainWindow(now)) {
        cameFrom_ = isSystemBox(now) ? CameFrom::SystemBox : CameFrom::OwnWindow;
        watchClosing(now);
        return;
    }
    const bool activation = cameFrom_ == CameFrom::Nothing || cameFrom_ == CameFrom::OwnWindow;
    cameFrom_ = CameFrom::MainWindow;
    if (activation) emit activated();
}

bool ActivationTracker::belongsToMainWindow(const QWindow* window) const {
    const QWindow* main = mainWindow_.windowHandle();
    for (const QWindow* w = window; w; w = w->parent())
        if (w == main) return true;
    return false;
}

bool ActivationTracker::isSystemBox(const QWindow* window) {
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == window) return widget->property(kSystemBoxProperty).toBool();
    return false;
}

// A window of ours that closes while it holds the focus hands the main window its activation
// at once, as the window system of the original platform does before the closing call returns:
// a system message box opened right after it (the question after the result window) must not
// swallow it. The focus itself is passed on too, to the window the closing one was opened over,
// because not every platform does so (the offscreen platform and a bare X server without a
// window manager leave it nowhere). Where the window manager does the same, the focus simply
// arrives once.
void ActivationTracker::watchClosing(QWindow* window) {
    connect(window, &QWindow::visibleChanged, this, &ActivationTracker::ownWindowVisibilityChanged,
            Qt::UniqueConnection);
}

void ActivationTracker::ownWindowVisibilityChanged(bool visible) {
    auto* closing = qobject_cast<QWindow*>(sender());
    if (visible || !closing || closing != lastFocus_) return;
    if (cameFrom_ != CameFrom::OwnWindow && cameFrom_ != CameFrom::SystemBox) return;
    QWindow* behind = closing->transientParent();
    if (behind && behind->isVisible() && !belongsToMainWindow(behind)) {
        behind->requestActivate();
        return;
    }
    if (!mainWindow_.isVisible() || mainWindow_.isMinimized()) return;
    const bool activation = cameFrom_ == CameFrom::OwnWindow;
    cameFrom_ = CameFrom::MainWindow;
    mainWindow_.activateWindow();
    if (activation) emit activated();
}

}  // namespace app

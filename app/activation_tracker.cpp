#include "activation_tracker.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <utility>

#include "ui/focus_request.h"
#include "ui/system_box.h"

namespace app {

namespace {

// How long after a window closed a focus the platform had promised it may still arrive. Long
// enough for a loaded machine, short enough not to mistake the user leaving for it.
constexpr int kLateFocusMs = 2000;

bool isPopup(const QWindow* window) {
    const Qt::WindowType type = window->type();
    return type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen;
}

}  // namespace

ActivationTracker::ActivationTracker(QWidget& mainWindow)
    : QObject(&mainWindow), mainWindow_(mainWindow) {
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            &ActivationTracker::focusWindowChanged);
    qApp->installEventFilter(this);
}

// The first showing of the main window is an activation by itself: a bare X server without a
// window manager never hands the focus to a new window. The window still asks for the focus.
// Every other top-level window of ours is watched for its closing.
bool ActivationTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched == &mainWindow_ &&
        cameFrom_ == CameFrom::Nothing) {
        cameFrom_ = CameFrom::MainWindow;
        makeDue();
        ui::requestFocusOnceExposed(mainWindow_);
    } else if (event->type() == QEvent::Hide && !event->spontaneous() && watched->isWidgetType() &&
               watched != &mainWindow_) {
        const auto* widget = static_cast<const QWidget*>(watched);
        const QWindow* handle = widget->windowHandle();
        if (widget->isWindow() && handle && !isPopup(handle) && !belongsToMainWindow(handle))
            ownWindowHidden(*widget);
    }
    return QObject::eventFilter(watched, event);
}

void ActivationTracker::focusWindowChanged(QWindow* now) {
    if (now && isPopup(now)) return;
    const std::optional<ClosedWindow> closedBefore = std::exchange(closedBeforeItsFocus_, {});
    if (now && !now->isVisible() && !belongsToMainWindow(now)) {
        lateFocusOfClosedWindow({now->transientParent(), isSystemBox(now)});
        return;
    }
    if (!now) {
        // The late focus of a closed window that is gone by now arrives as no focus at all.
        if (closedBefore && !lateFocusExpiry_.hasExpired()) {
            lateFocusOfClosedWindow(*closedBefore);
            return;
        }
        // A window of ours that closed hands the focus on (see ownWindowHidden); any other loss
        // of the focus means the user went to another program.
        if (lastFocus_ && (belongsToMainWindow(lastFocus_) || lastFocus_->isVisible()))
            cameFrom_ = CameFrom::OtherProgram;
        return;
    }
    lastFocus_ = now;
    if (!belongsToMainWindow(now)) {
        cameFrom_ = isSystemBox(now) ? CameFrom::SystemBox : CameFrom::OwnWindow;
        return;
    }
    const bool activation = cameFrom_ == CameFrom::Nothing || cameFrom_ == CameFrom::OwnWindow;
    cameFrom_ = CameFrom::MainWindow;
    if (activation) makeDue();
}

bool ActivationTracker::belongsToMainWindow(const QWindow* window) const {
    const QWindow* main = mainWindow_.windowHandle();
    for (const QWindow* w = window; w; w = w->parent())
        if (w == main) return true;
    return false;
}

bool ActivationTracker::isSystemBox(const QWindow* window) {
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == window) return ui::isSystemBox(*widget);
    return false;
}

// A window that closes while it holds the focus (or while the focus is nowhere, as the offscreen
// platform leaves it) hands it on at once. One that closes before its focus arrived changes
// nothing, unless that focus still arrives, late.
void ActivationTracker::ownWindowHidden(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    const QWindow* focus = QGuiApplication::focusWindow();
    const ClosedWindow closed{handle->transientParent(), ui::isSystemBox(window)};
    if (focus && focus != handle) {
        closedBeforeItsFocus_ = closed;
        lateFocusExpiry_.setRemainingTime(kLateFocusMs);
        return;
    }
    if (cameFrom_ == CameFrom::OwnWindow || cameFrom_ == CameFrom::SystemBox) handOnFocus(closed);
}

// The focus reached a window after it had closed: as if it had held the focus and closed now.
void ActivationTracker::lateFocusOfClosedWindow(const ClosedWindow& closed) {
    cameFrom_ = closed.systemBox ? CameFrom::SystemBox : CameFrom::OwnWindow;
    handOnFocus(closed);
}

// The focus goes back to the window the closing one was opened over, else to the main window,
// whose activation is due at once: a system message box opened right after the closing window
// (the question after the result window) must not swallow it. Where the window manager passes
// the focus on as well, it simply arrives once.
void ActivationTracker::handOnFocus(const ClosedWindow& closed) {
    QWindow* behind = closed.openedOver;
    if (behind && behind->isVisible() && !belongsToMainWindow(behind)) {
        behind->requestActivate();
        return;
    }
    if (!mainWindow_.isVisible() || mainWindow_.isMinimized()) return;
    const bool activation = cameFrom_ == CameFrom::OwnWindow;
    cameFrom_ = CameFrom::MainWindow;
    mainWindow_.activateWindow();
    if (activation) makeDue();
}

void ActivationTracker::makeDue() {
    activationDue_ = true;
    QMetaObject::invokeMethod(this, &ActivationTracker::runDueActivation, Qt::QueuedConnection);
}

void ActivationTracker::runDueActivation() {
    if (std::exchange(activationDue_, false)) emit activated();
}

}  // namespace app

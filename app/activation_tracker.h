#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <optional>

class QWidget;
class QWindow;

namespace app {

// Decides when the main window "becomes the active window of the program": at its first
// showing, and whenever one of our own windows (a dialog, an information message) closes or is
// left and the main window gets the focus back. Coming back from another program is no
// activation, and neither is the closing of a system message box (marked with ui::markAsSystemBox).
// Popups (drop-down lists of the page, menus, tooltips) belong to the window they open over and
// are ignored.
//
// Not every platform gives the focus back when a window closes (the offscreen platform and a
// bare X server without a window manager leave it nowhere), so the tracker passes it on itself
// when a top-level window of ours hides while it holds the focus: to the window it was opened
// over, else to the main window.
class ActivationTracker : public QObject {
    Q_OBJECT

  public:
    explicit ActivationTracker(QWidget& mainWindow);

    // Fed by QGuiApplication::focusWindowChanged; public so that tests can replay sequences.
    void focusWindowChanged(QWindow* now);

    // An activation runs once control is back in the event loop, never inside the focus change
    // that causes it. The caller of a modal window or an information message runs it here
    // instead, as soon as the window has closed and before the caller goes on, which is the
    // order the closing of the window gives.
    void runDueActivation();

  signals:
    void activated();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class CameFrom { Nothing, OwnWindow, SystemBox, OtherProgram, MainWindow };

    // What the focus needs to know of a window that closed: where it goes back to.
    struct ClosedWindow {
        QPointer<QWindow> openedOver;
        bool systemBox = false;
    };

    bool belongsToMainWindow(const QWindow* window) const;
    static bool isSystemBox(const QWindow* window);
    void ownWindowHidden(const QWidget& window);
    void lateFocusOfClosedWindow(const ClosedWindow& closed);
    void handOnFocus(const ClosedWindow& closed);
    void makeDue();

    QWidget& mainWindow_;
    CameFrom cameFrom_ = CameFrom::Nothing;
    QPointer<QWindow> lastFocus_;
    // A window that closed before the focus the platform had promised it arrived.
    std::optional<ClosedWindow> closedBeforeItsFocus_;
    QDeadlineTimer lateFocusExpiry_;
    bool activationDue_ = false;
};

}  // namespace app

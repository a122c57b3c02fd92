#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace app {

// Decides when the main window "becomes the active window of the program": at its first
// showing, and whenever one of our own windows (a dialog, an information message) closes or is
// left and the main window gets the focus back. Coming back from another program is no
// activation, and neither is the closing of a system message box (marked with markAsSystemBox).
// Popups (drop-down lists of the page, menus, tooltips) belong to the window they open over and
// are ignored.
class ActivationTracker : public QObject {
    Q_OBJECT

public:
    explicit ActivationTracker(QWidget& mainWindow);

    // A window whose closing must not activate the main window.
    static void markAsSystemBox(QWidget& box);

    // Fed by QGuiApplication::focusWindowChanged; public so that tests can replay sequences.
    void focusWindowChanged(QWindow* now);

signals:
    void activated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class CameFrom { Nothing, OwnWindow, SystemBox, OtherProgram, MainWindow };

    bool belongsToMainWindow(const QWindow* window) const;
    static bool isSystemBox(const QWindow* window);
    void watchClosing(QWindow* window);
    void ownWindowVisibilityChanged(bool visible);

    QWidget& mainWindow_;
    CameFrom cameFrom_ = CameFrom::Nothing;
    QPointer<QWindow> lastFocus_;
};

}  // namespace app

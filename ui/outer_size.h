#pragma once

#include <QMargins>
#include <QSize>
#include <QWidget>
#include <QWindow>

namespace ui {

// The client size that gives a window `outer` as its outside size, frame included. The window
// system's frame is known once the window is shown (none before), so windows whose design
// fixes the outside size apply this on every showing.
inline QSize clientSizeFor(const QWidget& window, const QSize& outer) {
    const QMargins frame =
        window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    return outer.shrunkBy(frame);
}

}  // namespace ui

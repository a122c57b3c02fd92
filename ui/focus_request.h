#pragma once

class QWidget;

namespace ui {

// Asks for the focus for the top-level `window` as soon as it can first be seen after this call
// (call it when the window is shown): a bare X server without a window manager never hands the
// focus to a new window by itself, so the window would never become active.
void requestFocusOnceExposed(QWidget& window);

}  // namespace ui

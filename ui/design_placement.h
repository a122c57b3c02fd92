#pragma once

#include <QPoint>
#include <QRect>

namespace ui {

// The top-left corner that centres a 1024 × 768 design area on a screen: windows laid out for
// that screen size are placed by it, whatever their own size.
inline QPoint centredDesignArea(const QRect& screen) {
    return {screen.x() + screen.width() / 2 - 512, screen.y() + screen.height() / 2 - 384};
}

}  // namespace ui

#pragma once

#include <QObject>

namespace ui {

// A system message box: its closing must not count as an activation of the main window.
inline constexpr char kSystemBoxProperty[] = "vantrelSystemBox";

inline void markAsSystemBox(QObject& box) { box.setProperty(kSystemBoxProperty, true); }
inline bool isSystemBox(const QObject& object) {
    return object.property(kSystemBoxProperty).toBool();
}

}  // namespace ui

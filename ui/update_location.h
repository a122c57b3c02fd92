#pragma once

#include <QString>

namespace ui {

// Base address of the update server: the version file of a subject is
// kUpdateLocation + <subject folder> + "/Predate.ini".
inline const QString kUpdateLocation = QStringLiteral("http://update.vantrel.cn/");

}  // namespace ui

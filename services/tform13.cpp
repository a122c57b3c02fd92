#include "services/tform13.h"

namespace services {

TForm13::TForm13(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm13"));
    setWindowTitle(QStringLiteral("数据备份"));
}

}  // namespace services

#include "services/tform14.h"

namespace services {

TForm14::TForm14(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm14"));
    setWindowTitle(QStringLiteral("数据还原"));
}

}  // namespace services

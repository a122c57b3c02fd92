#include "tform6.h"

namespace exam {

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("参数设置"));
}

}  // namespace exam

#include "tform2.h"

namespace exam {

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("考场登录"));
}

}  // namespace exam

#include "tform3.h"

namespace exam {

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("考生信息"));
}

}  // namespace exam

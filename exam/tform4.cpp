#include "tform4.h"

namespace exam {

TForm4::TForm4(const ExamContext&, int, std::function<void()>, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("人机对话"));
}

}  // namespace exam

#pragma once

#include <QString>

#include "exam/exam_pictures.h"

class QWidget;

namespace ui {
class PictureButton;
}

namespace exam {

// A picture button of the exam screens with its three faces from the program directory, at the
// size every face has.
ui::PictureButton* createFaceButton(QWidget* parent, const QString& name, const QString& label,
                                    const QString& programDir, const pictures::ButtonFaces& faces);

}  // namespace exam

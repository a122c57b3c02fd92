#include "exam/face_button.h"

#include "ui/picture_button.h"

namespace exam {

ui::PictureButton* createFaceButton(QWidget* parent, const QString& name, const QString& label,
                                    const QString& programDir, const pictures::ButtonFaces& faces) {
    auto* button = new ui::PictureButton(label, parent);
    button->setObjectName(name);
    button->setPictures(programDir, faces.leave, faces.move, faces.press);
    button->setCursor(Qt::PointingHandCursor);
    button->setFixedSize(pictures::kButtonSize);
    return button;
}

}  // namespace exam

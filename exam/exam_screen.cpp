#include "exam/exam_screen.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>

#include "ui/focus_request.h"

namespace exam {

QFont pixelFont(int pixels, bool bold) {
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

ExamScreen::ExamScreen(const QString& programDir, const QString& backgroundPicture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), programDir_(programDir) {
    setModal(true);
    background_ = new QLabel(this);
    background_->setObjectName(QStringLiteral("Image1"));
    background_->setScaledContents(true);
    background_->setPixmap(loadPicture(backgroundPicture));
    // Should the picture be missing the screen is still the hall's dark blue.
    QPalette hall = palette();
    hall.setColor(QPalette::Window, QColor(18, 62, 112));
    setPalette(hall);
    setAutoFillBackground(true);
    setWindowState(Qt::WindowFullScreen);
}

QPixmap ExamScreen::loadPicture(const QString& picture) const {
    QPixmap pixmap;
    if (!pixmap.load(programDir_ + picture))
        qWarning("exam screen: cannot read the picture %s",
                 qUtf8Printable(QDir::cleanPath(programDir_ + picture)));
    return pixmap;
}

QLabel* ExamScreen::addPicture(const QString& objectName, const QString& picture,
                               const QSize& size) {
    auto* label = new QLabel(this);
    label->setObjectName(objectName);
    label->setPixmap(loadPicture(picture));
    label->resize(size);
    return label;
}

void ExamScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;  // coming back from minimised is no new showing
    // Without a window manager nothing sizes a window that only asks for full screen.
    setGeometry(screen()->geometry());
    placeControls(screen()->geometry().size());
    ui::requestFocusOnceExposed(*this);
}

void ExamScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ExamScreen::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    background_->setGeometry(rect());
    background_->lower();
}

}  // namespace exam

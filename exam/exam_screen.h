#pragma once

#include <QDialog>
#include <QFont>

class QLabel;

namespace exam {

// A font of the given pixel size: the exam screens are laid out in pixels.
QFont pixelFont(int pixels, bool bold = false);

// A borderless full-screen modal screen of the exam-hall routine (login, candidate
// information) with a background picture stretched over the whole window. Every showing places
// the controls for the screen it is on.
class ExamScreen : public QDialog {
    Q_OBJECT

  public:
    ExamScreen(const QString& programDir, const QString& backgroundPicture, QWidget* parent);

    // Places the controls for a screen of this size (the window fills it); every showing
    // calls it for the screen the window is on.
    virtual void placeControls(const QSize& screenSize) = 0;

  protected:
    // A picture of the program directory on a label of its own size; the label stays empty
    // (and the screen usable) when the picture is missing.
    QLabel* addPicture(const QString& objectName, const QString& picture, const QSize& size);
    QLabel* background() const { return background_; }

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Escape would end the exam-hall routine behind the candidate's back: the screens close
    // only through their own buttons.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPixmap loadPicture(const QString& picture) const;

    QString programDir_;
    QLabel* background_ = nullptr;
};

}  // namespace exam

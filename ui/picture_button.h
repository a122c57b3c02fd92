#pragma once

#include <QHash>
#include <QPixmap>
#include <QSet>
#include <QString>
#include <QWidget>

namespace ui {

// A button made of pictures: leaving it, moving over it and pressing any mouse button on it each
// show a picture file of the program directory. The picture of the last event stays. Until a
// picture could be loaded it draws its label as a plain button. A left press released inside
// is a click. With the keyboard focus it acts like a push button: Enter clicks when pressed,
// Space when released (showing the press picture while held), and a focus mark is drawn.
class PictureButton : public QWidget {
    Q_OBJECT
  public:
    explicit PictureButton(const QString& label, QWidget* parent = nullptr);

    // Names as the program opens them, e.g. "/tp/kstk-1.jpg", relative to the program directory
    // (which ends with its separator). The leave picture is also the picture shown at first.
    void setPictures(const QString& programDir, const QString& leave, const QString& move,
                     const QString& press);

    const QString& label() const { return label_; }
    // The name of the picture now shown, as setPictures got it; empty while the label is drawn.
    const QString& currentPicture() const { return currentFile_; }

    QSize sizeHint() const override;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void showPicture(const QString& name);
    void showMousePicture(const QString& name);
    void releaseSpace();
    void paintLabel(QPainter& painter) const;
    void paintFocusMark(QPainter& painter) const;

    QString label_;
    QString programDir_;
    QString leave_, move_, press_;
    QPixmap current_;
    QString currentFile_;
    QHash<QString, QPixmap> loaded_;  // picture name -> its pixmap, read once
    QSet<QString> failed_;            // picture names that could not be read (warned once)
    bool hovered_ = false;
    bool leftDown_ = false;
    bool spaceDown_ = false;
    QString afterSpace_;  // the picture to show again when Space is let go
};

// Finds a file below a folder by a case-insensitive match of each path component, for picture
// names whose letter case differs from the files on a case-sensitive file system. Folder
// listings are cached and read again only when the folder changed. Returns an empty text when
// nothing matches.
QString findFileIgnoringCase(const QString& baseDir, const QString& relativePath);

}  // namespace ui

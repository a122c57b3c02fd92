#include "ui/picture_button.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QThread>

namespace {

int warningCount = 0;
void countWarnings(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtWarningMsg) ++warningCount;
}

// A program directory whose picture folder is spelled in other letter cases than the names
// the buttons ask for.
class PictureFolder {
  public:
    PictureFolder() { QDir(dir_.path()).mkpath(QStringLiteral("TP")); }
    QString programDir() const { return dir_.path() + QStringLiteral("/"); }
    void write(const QString& fileName, const QColor& colour) const {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(dir_.path() + QStringLiteral("/TP/") + fileName, "BMP"));
    }

  private:
    QTemporaryDir dir_;
};

QColor colourShown(ui::PictureButton& button) {
    return button.grab().toImage().pixelColor(button.width() / 2, button.height() / 2);
}

void send(QWidget& widget, QEvent::Type type, Qt::MouseButton button, QPointF at = {5, 5}) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

void leave(QWidget& widget) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &event);
}

}  // namespace

TEST(PictureButton, EachMouseEventShowsItsPictureFoundWithoutRegardToCase) {
    PictureFolder folder;
    folder.write(QStringLiteral("KSTK-1.bmp"), Qt::red);
    folder.write(QStringLiteral("kstk-2.BMP"), Qt::green);
    folder.write(QStringLiteral("Kstk-3.bmp"), Qt::blue);
    ui::PictureButton button(QStringLiteral("考试题库"));
    button.resize(40, 20);
    // The program directory ends with a separator and the names start with one.
    button.setPictures(folder.programDir(), QStringLiteral("/tp/kstk-1.bmp"),
                       QStringLiteral("/tp/KSTK-2.bmp"), QStringLiteral("/tp/KSTK-3.bmp"));
    EXPECT_EQ(button.currentPicture(), QStringLiteral("/tp/kstk-1.bmp"));
    EXPECT_EQ(colourShown(button), QColor(Qt::red));

    send(button, QEvent::MouseMove, Qt::NoButton);
    EXPECT_EQ(colourShown(button), QColor(Qt::green));
    send(button, QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_EQ(colourShown(button), QColor(Qt::blue));
    send(button, QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(colourShown(button), QColor(Qt::blue)) << "the picture of the last event stays";
    leave(button);
    EXPECT_EQ(colourShown(button), QColor(Qt::red));
}

TEST(PictureButton, MissingPictureKeepsTheCurrentOneAndIsNotedOnce) {
    PictureFolder folder;
    folder.write(QStringLiteral("sjhy-1.bmp"), Qt::red);
    ui::PictureButton button(QStringLiteral("数据还原"));
    button.resize(40, 20);
    button.setPictures(folder.programDir(), QStringLiteral("/tp/sjhy-1.bmp"),
                       QStringLiteral("/tp/sjhy-2.bmp"), QStringLiteral("/tp/sjhy-1.bmp"));
    warningCount = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countWarnings);
    for (int i = 0; i < 5; ++i) send(button, QEvent::MouseMove, Qt::NoButton);
    qInstallMessageHandler(previous);
    EXPECT_EQ(warningCount, 1);
    EXPECT_EQ(button.currentPicture(), QStringLiteral("/tp/sjhy-1.bmp"));
    EXPECT_EQ(colourShown(button), QColor(Qt::red));
    // The press picture of this button is its leave picture.
    send(button, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(button.currentPicture(), QStringLiteral("/tp/sjhy-1.bmp"));
}

TEST(PictureButton, UnreadablePictureAndNoPicturesAtAllDrawTheLabel) {
    PictureFolder folder;
    QFile broken(folder.programDir() + QStringLiteral("TP/xsda-1.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    ui::PictureButton button(QStringLiteral("显示答案"));
    button.resize(95, 25);
    const QtMessageHandler previous = qInstallMessageHandler(countWarnings);
    button.setPictures(folder.programDir(), QStringLiteral("/tp/xsda-1.bmp"),
                       QStringLiteral("/tp/xsda-2.bmp"), QStringLiteral("/tp/xsda-3.bmp"));
    leave(button);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(button.currentPicture().isEmpty());
    // The label is drawn: dark text on a light face.
    const QImage shown = button.grab().toImage();
    int dark = 0, light = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            (shown.pixelColor(x, y).lightness() < 100 ? dark : light)++;
    EXPECT_GT(dark, 20);
    EXPECT_GT(light, dark);
}

TEST(PictureButton, PicturesAddedLaterAreFound) {
    PictureFolder folder;
    ui::PictureButton first(QStringLiteral("放大"));
    first.setPictures(folder.programDir(), QStringLiteral("/tp/da-1.bmp"),
                      QStringLiteral("/tp/da-2.bmp"), QStringLiteral("/tp/da-3.bmp"));
    EXPECT_TRUE(first.currentPicture().isEmpty());
    QThread::msleep(20);  // a new modification time for the folder
    folder.write(QStringLiteral("DA-1.bmp"), Qt::red);
    ui::PictureButton second(QStringLiteral("放大"));
    second.setPictures(folder.programDir(), QStringLiteral("/tp/da-1.bmp"),
                       QStringLiteral("/tp/da-2.bmp"), QStringLiteral("/tp/da-3.bmp"));
    EXPECT_EQ(second.currentPicture(), QStringLiteral("/tp/da-1.bmp"));
}

TEST(PictureButton, ClickIsALeftPressReleasedInside) {
    ui::PictureButton button(QStringLiteral("提交试卷"));
    button.resize(95, 25);
    int clicks = 0;
    QObject::connect(&button, &ui::PictureButton::clicked, [&] { ++clicks; });
    send(button, QEvent::MouseButtonPress, Qt::LeftButton);
    send(button, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    send(button, QEvent::MouseButtonPress, Qt::LeftButton);
    send(button, QEvent::MouseButtonRelease, Qt::LeftButton, {200, 5});
    EXPECT_EQ(clicks, 1) << "released outside";
    send(button, QEvent::MouseButtonPress, Qt::RightButton);
    send(button, QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(clicks, 1) << "right button";
}

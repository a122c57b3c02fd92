#include "ui/picture_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
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

namespace {

// A window with two picture buttons that take the focus, the first one focused, as in the exam
// window's bottom strip. Keys go in through the window, as the platform delivers them.
class FocusedButtons : public ::testing::Test {
  protected:
    void SetUp() override {
        folder.write(QStringLiteral("next-1.bmp"), Qt::red);
        folder.write(QStringLiteral("next-2.bmp"), Qt::green);
        folder.write(QStringLiteral("next-3.bmp"), Qt::blue);
        window.resize(200, 60);
        first.setGeometry(10, 10, 40, 20);
        second.setGeometry(60, 10, 40, 20);
        first.setPictures(folder.programDir(), QStringLiteral("/tp/next-1.bmp"),
                          QStringLiteral("/tp/next-2.bmp"), QStringLiteral("/tp/next-3.bmp"));
        for (ui::PictureButton* button : {&first, &second}) button->setFocusPolicy(Qt::StrongFocus);
        QObject::connect(&first, &ui::PictureButton::clicked, [this] { ++firstClicks; });
        QObject::connect(&second, &ui::PictureButton::clicked, [this] { ++secondClicks; });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        first.setFocus();
        ASSERT_TRUE(first.hasFocus());
    }

    // A key event as the focus widget receives it, also the repeats of a key held down.
    void key(QEvent::Type type, Qt::Key code, bool autoRepeat = false) {
        const QString text = code == Qt::Key_Space ? QStringLiteral(" ") : QString();
        QKeyEvent event(type, code, Qt::NoModifier, text, autoRepeat);
        QCoreApplication::sendEvent(QApplication::focusWidget(), &event);
    }

    PictureFolder folder;
    QWidget window;
    ui::PictureButton first{QStringLiteral("下一题"), &window};
    ui::PictureButton second{QStringLiteral("上一题"), &window};
    int firstClicks = 0;
    int secondClicks = 0;
};

TEST_F(FocusedButtons, EnterAndSpaceClickTheFocusedButtonOnceEach) {
    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(firstClicks, 1);
    QTest::keyClick(window.windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(firstClicks, 2);

    // Space clicks on release and shows the pressed picture while it is held.
    key(QEvent::KeyPress, Qt::Key_Space);
    EXPECT_EQ(firstClicks, 2);
    EXPECT_EQ(first.currentPicture(), QStringLiteral("/tp/next-3.bmp"));
    key(QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(firstClicks, 3);
    EXPECT_EQ(first.currentPicture(), QStringLiteral("/tp/next-1.bmp"));
    EXPECT_EQ(secondClicks, 0);

    // Keys that are no button keys do nothing.
    for (Qt::Key other : {Qt::Key_A, Qt::Key_D, Qt::Key_Escape, Qt::Key_Right})
        QTest::keyClick(window.windowHandle(), other);
    EXPECT_EQ(firstClicks, 3);

    second.setFocus();
    QTest::keyClick(window.windowHandle(), Qt::Key_Space);
    EXPECT_EQ(secondClicks, 1);
    EXPECT_EQ(firstClicks, 3) << "the button without the focus";
}

TEST_F(FocusedButtons, AKeyHeldDownClicksOnce) {
    key(QEvent::KeyPress, Qt::Key_Return);
    for (int i = 0; i < 3; ++i) {
        key(QEvent::KeyRelease, Qt::Key_Return, true);
        key(QEvent::KeyPress, Qt::Key_Return, true);
    }
    key(QEvent::KeyRelease, Qt::Key_Return);
    EXPECT_EQ(firstClicks, 1);

    key(QEvent::KeyPress, Qt::Key_Space);
    for (int i = 0; i < 3; ++i) {
        key(QEvent::KeyRelease, Qt::Key_Space, true);
        key(QEvent::KeyPress, Qt::Key_Space, true);
    }
    EXPECT_EQ(firstClicks, 1) << "Space clicks on its last release";
    key(QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(firstClicks, 2);

    // Losing the focus while Space is down lets the button go without a click.
    key(QEvent::KeyPress, Qt::Key_Space);
    second.setFocus();
    key(QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(firstClicks, 2);
    EXPECT_EQ(secondClicks, 0);
    EXPECT_EQ(first.currentPicture(), QStringLiteral("/tp/next-1.bmp"));
}

TEST_F(FocusedButtons, TheFocusedButtonIsMarkedOnDarkAndLightPicturesAndOnItsLabel) {
    // The second button has no pictures: it draws its label.
    const QImage labelUnfocused = second.grab().toImage();
    folder.write(QStringLiteral("dark.bmp"), Qt::black);
    folder.write(QStringLiteral("light.bmp"), Qt::white);
    for (const QString& picture :
         {QStringLiteral("/tp/dark.bmp"), QStringLiteral("/tp/light.bmp")}) {
        first.setPictures(folder.programDir(), picture, picture, picture);
        first.setFocus();
        const QImage focused = first.grab().toImage();
        second.setFocus();
        EXPECT_TRUE(first.grab().toImage() != focused) << picture.toStdString();
    }
    EXPECT_TRUE(second.grab().toImage() != labelUnfocused);
}

}  // namespace

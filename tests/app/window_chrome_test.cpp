#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "app/main_window.h"
#include "scripted_messages.h"
#include "ui/picture_button.h"
#include "window_bank.h"

namespace {

using ui::PictureButton;

// The main window with recorded messages and web starts, shown on the window bank.
class WindowChromeTest : public testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<app::TForm10>(bank.programDir(), &messages);
        // The start-up check runs once, on the first tick after start-up; not against the
        // network here.
        EXPECT_TRUE(window->controls().Timer1->isActive());
        EXPECT_EQ(window->controls().Timer1->interval(), 1);
        window->controls().Timer1->stop();
        window->setExternalOpener([this](const QUrl& url) {
            opened << url;
            return true;
        });
        window->show();
        // On a real display the pointer tests below need the window mapped, which may come
        // after the first page.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(waitUntil([&] { return window->state().PageShown == 1; }));
    }
    int screenWidth() const { return window->screen()->geometry().width(); }

    WindowBank bank;
    ScriptedMessages messages;
    QList<QUrl> opened;
    std::unique_ptr<app::TForm10> window;
};

TEST_F(WindowChromeTest, ToolbarButtonsInOrderWithTheirPictures) {
    const QList<PictureButton*> toolbar =
        window->controls().ToolBar1->findChildren<PictureButton*>();
    QStringList names;
    for (PictureButton* button : toolbar) names << button->objectName();
    EXPECT_EQ(names, QStringList({"gjst", "NewImage1", "rjdh", "NewImage6", "NewImage20",
                                  "NewImage4", "NewImage2", "rjsj", "zxkf", "zxsc", "sybz"}));
    for (PictureButton* button : toolbar) {
        // Every picture file is there: the button shows its leave picture, not its label.
        EXPECT_TRUE(button->currentPicture().endsWith("-1.jpg")) << names.join(' ').toStdString();
        EXPECT_EQ(button->size(), QSize(button == window->controls().gjst ? 63 : 58, 64));
    }
    QTest::mouseMove(window->controls().gjst);
    // On a real display the move is the pointer's, and its event comes later.
    waitUntil([&] { return window->controls().gjst->currentPicture() == "/tp/KSTK-2.jpg"; }, 5000);
    EXPECT_EQ(window->controls().gjst->currentPicture(),
              "/tp/KSTK-2.jpg");  // found whatever its case
    QTest::mousePress(window->controls().NewImage2, Qt::LeftButton);
    EXPECT_EQ(window->controls().NewImage2->currentPicture(), "/tp/sjhy-1.jpg");
    QTest::mouseRelease(window->controls().NewImage2, Qt::LeftButton, {},
                        QPoint(-5, -5));  // no click
    EXPECT_FALSE(window->controls().AdvOfficeImage3->pixmap().isNull());
    for (PictureButton* button : {window->controls().NewImage9, window->controls().NewImage7,
                                  window->controls().NewImage17})
        EXPECT_TRUE(button->currentPicture().endsWith("-1.bmp"));
}

TEST_F(WindowChromeTest, MaximiseRestoreAndFullScreenEndWhereTheyStarted) {
    EXPECT_EQ(window->controls().NewImage9->x(), 911);
    EXPECT_EQ(window->controls().NewImage8->x(), 940);
    EXPECT_EQ(window->controls().NewImage7->x(), 969);
    EXPECT_TRUE(window->controls().NewImage8->isVisible());
    EXPECT_FALSE(window->controls().NewImage19->isVisible());

    // From the normal window: full screen maximises, leaving it restores.
    window->NewImage17Click();
    EXPECT_TRUE(window->isMaximized());
    EXPECT_FALSE(window->controls().ToolBar1->isVisible() ||
                 window->controls().Panel2->isVisible() || window->controls().Panel5->isVisible());
    EXPECT_TRUE(window->controls().NewImage18->isVisible());
    EXPECT_FALSE(window->controls().NewImage17->isVisible());
    EXPECT_EQ(window->state().FullScreenFromMaximised, 0);
    EXPECT_EQ(window->controls().NewImage9->x(), screenWidth() - 110);
    EXPECT_EQ(window->controls().NewImage19->x(), screenWidth() - 75);
    EXPECT_EQ(window->controls().NewImage7->x(), screenWidth() - 47);
    EXPECT_EQ(window->controls().BitBtn1->x(), screenWidth() - 560);
    window->NewImage18Click();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_TRUE(window->controls().ToolBar1->isVisible() && window->controls().Panel5->isVisible());
    EXPECT_EQ(window->controls().BitBtn1->x(), app::TForm10::kHandInButtonHomeX);
    EXPECT_EQ(window->controls().AdvOfficeImage3->x(), app::TForm10::kLogoHomeX);

    // From the maximised window (a double click on the title strip) it ends maximised.
    QTest::mouseDClick(window->controls().Panel5, Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_TRUE(window->isMaximized());
    EXPECT_FALSE(window->controls().NewImage8->isVisible());
    window->NewImage17Click();
    EXPECT_EQ(window->state().FullScreenFromMaximised, 1);
    window->NewImage18Click();
    EXPECT_TRUE(window->isMaximized());
    EXPECT_TRUE(window->controls().NewImage19->isVisible());
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(WindowChromeTest, ExitAsksFirstAndWebLinksAndHelpOpenOutside) {
    QSignalSpy closed(window.get(), &app::TForm10::closed);
    messages.answers.enqueue(core::MessageService::Answer::Cancel);
    window->tcxtClick();
    ASSERT_EQ(messages.asked.size(), 1);
    EXPECT_EQ(messages.asked[0].caption, QString::fromUtf8("提示"));
    EXPECT_EQ(messages.asked[0].text, QString::fromUtf8("确定退出系统？"));
    EXPECT_TRUE(window->isVisible());

    QTest::mouseClick(window->controls().zxkf, Qt::LeftButton);
    QTest::mouseClick(window->controls().zxsc, Qt::LeftButton);
    QTest::mouseClick(window->controls().sybz, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral(VANTREL_HOME_PAGE)));
    EXPECT_EQ(opened[1], QUrl(QStringLiteral(VANTREL_HOME_PAGE "/gmzx.asp")));
    EXPECT_EQ(opened[2], QUrl::fromLocalFile(bank.programDir() + "hlp.chm"));
    QFile help(QStringLiteral(VANTREL_BIN_DIR "/hlp.chm"));  // the help file the build compiled
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    EXPECT_EQ(help.read(4), "ITSF");

    // The upgrade button compares the dates the last start-up check left.
    for (const char* file : {"tmp.ini", "predate.ini"}) {
        QFile ini(bank.programDir() + file);
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[File1]\nDate=2013-05-01\n");
    }
    QTest::mouseClick(window->controls().rjsj, Qt::LeftButton);
    EXPECT_EQ(messages.infos.last(), QString::fromUtf8("已经是最新版本"));

    messages.answers.enqueue(core::MessageService::Answer::Ok);
    QTest::mouseClick(window->controls().NewImage7, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

}  // namespace

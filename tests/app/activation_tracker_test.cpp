#include "app/activation_tracker.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "message_box_closer.h"
#include "ui/qt_messages.h"
#include "window_bank.h"

namespace {

// A shown main window with its tracker; counts the activations.
class ActivationTrackerTest : public testing::Test {
  protected:
    void SetUp() override {
        main.resize(400, 300);
        QObject::connect(&tracker, &app::ActivationTracker::activated, [this] { ++activations; });
        main.show();
        ASSERT_TRUE(waitUntil([this] { return activations == 1; })) << "first showing";
    }

    QWidget main;
    app::ActivationTracker tracker{main};
    ui::QtMessageService messages{&main};
    int activations = 0;
};

TEST_F(ActivationTrackerTest, ClosingADialogOfOursActivatesOnce) {
    QDialog dialog(&main);
    QTimer::singleShot(100, &dialog, &QDialog::accept);
    dialog.exec();
    EXPECT_TRUE(waitUntil([this] { return activations == 2; }));
    settle();
    EXPECT_EQ(activations, 2);
    EXPECT_EQ(QGuiApplication::focusWindow(), main.windowHandle());
}

TEST_F(ActivationTrackerTest, ClosingAnInformationMessageActivates) {
    MessageBoxCloser closer;
    messages.info(QStringLiteral("收藏成功"));
    EXPECT_EQ(closer.captions, QStringList{QGuiApplication::applicationDisplayName()});
    EXPECT_TRUE(waitUntil([this] { return activations == 2; }));
}

TEST_F(ActivationTrackerTest, ClosingSystemMessageBoxesDoesNotActivate) {
    {
        MessageBoxCloser closer(QStringLiteral("取消"));
        EXPECT_EQ(messages.ask(QStringLiteral("提示"), QStringLiteral("确定退出系统？"),
                               core::MessageService::Buttons::OkCancel),
                  core::MessageService::Answer::Cancel);
        EXPECT_EQ(closer.captions, QStringList{QStringLiteral("提示")});
    }
    {
        MessageBoxCloser closer;
        messages.reportError(QStringLiteral("数据库错误"));
        EXPECT_EQ(closer.texts, QStringList{QStringLiteral("数据库错误")});
    }
    settle();
    EXPECT_EQ(activations, 1);
    // The focus is back on the main window all the same, and a later dialog still counts.
    EXPECT_EQ(QGuiApplication::focusWindow(), main.windowHandle());
    QDialog dialog(&main);
    QTimer::singleShot(100, &dialog, &QDialog::accept);
    dialog.exec();
    EXPECT_TRUE(waitUntil([this] { return activations == 2; }));
}

TEST_F(ActivationTrackerTest, DialogClosedRightBeforeASystemBoxStillActivates) {
    // The result window closes and the wrong-question question follows at once.
    QDialog dialog(&main);
    QTimer::singleShot(100, &dialog, &QDialog::accept);
    dialog.exec();
    MessageBoxCloser closer(QStringLiteral("否"));
    messages.ask(QStringLiteral("提示"), QStringLiteral("您是否把这次的错题放到错题题库中？"),
                 core::MessageService::Buttons::YesNo, true);
    settle();
    EXPECT_EQ(activations, 2);
}

TEST_F(ActivationTrackerTest, YesNoBoxAnswersWithChineseButtons) {
    MessageBoxCloser closer(QStringLiteral("是"));
    EXPECT_EQ(
        messages.ask(QStringLiteral("提示"), QStringLiteral("您是否把这次的错题放到错题题库中？"),
                     core::MessageService::Buttons::YesNo, true),
        core::MessageService::Answer::Yes);
    EXPECT_EQ(closer.texts.size(), 1);
}

TEST_F(ActivationTrackerTest, ComingBackFromAnotherProgramIsNoActivation) {
    tracker.focusWindowChanged(nullptr);
    tracker.focusWindowChanged(main.windowHandle());
    EXPECT_EQ(activations, 1);
}

TEST_F(ActivationTrackerTest, PopupsOverTheMainWindowAreIgnored) {
    QWindow popup;
    popup.setFlags(Qt::Popup);
    tracker.focusWindowChanged(&popup);
    tracker.focusWindowChanged(main.windowHandle());
    EXPECT_EQ(activations, 1);
}

TEST_F(ActivationTrackerTest, ClosingAMessageOverADialogReturnsToThatDialog) {
    QDialog dialog(&main);
    QTimer::singleShot(100, &dialog, [&] {
        {
            MessageBoxCloser closer;
            messages.info(QStringLiteral("删除成功"));
        }
        waitUntil([&] { return QGuiApplication::focusWindow() == dialog.windowHandle(); }, 3000);
        EXPECT_EQ(QGuiApplication::focusWindow(), dialog.windowHandle());
        EXPECT_EQ(activations, 1);
        dialog.accept();
    });
    dialog.exec();
    EXPECT_TRUE(waitUntil([this] { return activations == 2; }));
}

}  // namespace

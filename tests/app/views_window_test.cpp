#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <optional>

#include "app/chapter_tree_view.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/wrong_question_manager.h"
#include "core/program_texts.h"
#include "page_probe.h"
#include "pages/view_mode.h"
#include "pageview/web_page_view.h"
#include "scripted_messages.h"
#include "services/feedback_window.h"
#include "ui/picture_button.h"
#include "view_bank.h"

namespace {

QString bodyHtml(pageview::WebPageView& view) {
    return pageValue(view, QStringLiteral("document.body.innerHTML")).toString();
}

// The main window with the feedback window and the wrong-question manager joined, on a bank
// with the real page template, shown and with its first chapter (a1) open.
class ViewsWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        bank.installPageAssets();
        window = std::make_unique<app::TForm10>(bank.programDir(), &messages);
        window->controls().Timer1->stop();  // no version check against the network
        feedback = &window->windows().feedbackWindow();
        manager = window->windows().Form16;
        window->show();
        ASSERT_TRUE(waitForChapter(ViewBank::kA1));
        ASSERT_TRUE(bodyHtml(*window->controls().WebBrowser1).contains(QStringLiteral("心脏位于")));
    }

    bool waitForChapter(int id) {
        return waitUntil([&] {
            return window->state().PageShown == 1 &&
                   window->state().CurrentChapterId == QString::number(id);
        });
    }

    void clickOnPage(const QString& selector) {
        ::clickOnPage(*window->controls().WebBrowser1, selector);
    }

    void clickToolButton(ui::PictureButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    ViewBank bank;
    ScriptedMessages messages;
    std::unique_ptr<app::TForm10> window;
    services::TForm9* feedback = nullptr;
    app::TForm16* manager = nullptr;
};

TEST_F(ViewsWindowTest, FeedbackButtonOnAChapterPageShowsThatQuestionInTheFeedbackWindow) {
    feedback->Memo1->setPlainText(QStringLiteral("上一次的说明"));
    feedback->CheckBoxes.at(3)->setChecked(true);

    clickOnPage(QStringLiteral("input[name=quelmarctfk][onclick*='ctfk104']"));
    ASSERT_TRUE(waitUntil([&] { return feedback->reportedQuestionId() == "104"; }));
    EXPECT_TRUE(feedback->isVisible());
    EXPECT_TRUE(feedback->Memo1->toPlainText().isEmpty());
    EXPECT_FALSE(feedback->CheckBoxes.at(3)->isChecked());
    EXPECT_EQ(feedback->reportedQuestionText(), QStringLiteral("肾脏的功能单位是"));

    const QString preview = bodyHtml(feedback->previewView());
    EXPECT_TRUE(preview.contains(QStringLiteral("肾脏的功能单位是"))) << preview.toStdString();
    EXPECT_TRUE(preview.contains(QStringLiteral("正确答案："))) << preview.toStdString();
    EXPECT_TRUE(preview.contains(QStringLiteral("肾单位")));
    EXPECT_FALSE(preview.contains(QStringLiteral("心脏位于")));  // the question alone

    // The chapter page stays, and the next activation will not reopen node 2.
    EXPECT_EQ(window->state().SkipAutoOpen, 1);
    EXPECT_TRUE(bodyHtml(*window->controls().WebBrowser1).contains(QStringLiteral("心脏位于")));
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(ViewsWindowTest, FavouriteButtonMarksTheQuestion) {
    clickOnPage(QStringLiteral("input[name=quelmarscbt][onclick*='scbt101']"));
    ASSERT_TRUE(waitUntil([&] { return bank.questionFlag("scbt", 101) == "1"; }));
    EXPECT_EQ(messages.infos, QStringList({QStringLiteral("收藏成功！")}));
    EXPECT_EQ(window->state().CurrentChapterId, QString::number(ViewBank::kA1));
    EXPECT_TRUE(messages.errors.isEmpty());
}

// One command at a time: what arrives while a command waits (for its message, for its page)
// is dropped instead of running in the middle of it.
TEST_F(ViewsWindowTest, ACommandArrivingDuringAnotherIsDropped) {
    // A second click on the favourite button while the first one's message is open.
    int seen = 0;
    messages.onInfo = [&](const QString&) {
        if (seen++ > 0) return;
        bool cancel = false;
        window->WebBrowser1BeforeNavigate2(QStringLiteral("http://scbt101/"), cancel);
        EXPECT_TRUE(cancel);
    };
    bool cancelled = false;
    window->WebBrowser1BeforeNavigate2(QStringLiteral("http://scbt101/"), cancelled);
    EXPECT_EQ(messages.infos, QStringList({QStringLiteral("收藏成功！")}));
    EXPECT_EQ(bank.questionFlag("scbt", 101), "1");
    messages.onInfo = nullptr;

    // While chapter c1 is built: a hand-in, a view switch, an activation, and the tick of the
    // version check, which leaves the check (and its download) to a tick after the build.
    bank.run("insert into fenshu(tx, sts, dd) values ('旧的', '1', '1')");
    const QString mode = window->modeKey();
    QTimer::singleShot(0, window.get(), [&] {
        clickToolButton(window->controls().NewImage12);
        clickToolButton(window->controls().NewImage1);
        window->FormActivate();
        window->controls().Timer1->start();
        window->Timer1Timer();
    });
    QTreeWidgetItem* c1 = window->controls().TreeView1->nodeAt(7);
    window->controls().TreeView1->setCurrentItem(c1);
    window->runCommand([&] { window->TreeView1Click(); });
    EXPECT_TRUE(window->controls().Timer1->isActive());
    window->controls().Timer1->stop();  // no check against the network
    ASSERT_TRUE(waitForChapter(ViewBank::kC1));
    EXPECT_EQ(window->controls().TreeView1->currentItem(), c1);
    EXPECT_EQ(window->modeKey(), mode);
    EXPECT_EQ(bank.connect().query("select * from fenshu").text("tx"), QStringLiteral("旧的"));
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
}

TEST_F(ViewsWindowTest, FavouritesButtonShowsOnlyTheFavourites) {
    bank.run("update question set scbt='1' where id=104;");
    window->state().CurrentChapterId.clear();
    clickToolButton(window->controls().NewImage1);
    ASSERT_TRUE(waitForChapter(ViewBank::kA1));
    EXPECT_EQ(window->modeKey(), pages::kFavouritesKey);
    EXPECT_EQ(window->controls().TreeView1->nodeCount(), 6);  // P1, A, a1, B, P2, C
    const QString page = bodyHtml(*window->controls().WebBrowser1);
    EXPECT_TRUE(page.contains(QStringLiteral("肾脏的功能单位是")));
    EXPECT_FALSE(page.contains(QStringLiteral("心脏位于")));
    EXPECT_TRUE(messages.infos.isEmpty());
}

TEST_F(ViewsWindowTest, WrongQuestionButtonShowsTheManagerModallyFirst) {
    bank.run("update question set ct='1' where id in (101, 103);");
    QList<int> rowsSeen;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (!manager->isVisible() || QApplication::activeModalWidget() != manager) return;
        rowsSeen << manager->lstDetail->rowCount();
        manager->bsSkinButton2->click();
    });
    closer.start(50);
    window->state().CurrentChapterId.clear();
    clickToolButton(window->controls().NewImage20);
    EXPECT_EQ(rowsSeen, QList<int>({2}));
    ASSERT_TRUE(waitForChapter(ViewBank::kA1));
    EXPECT_EQ(window->modeKey(), pages::kWrongQuestionsKey);
    EXPECT_EQ(window->controls().TreeView1->nodeCount(), 7);  // P1, A, a1, B, P2, C, c1
    EXPECT_TRUE(messages.infos.isEmpty());
}

// The program's own windows: the manager exists from the start and page links reach the
// feedback window.
TEST(ProgramWindowsViews, FeedbackLinkOfTheMainWindowFillsTheProgramsFeedbackWindow) {
    ViewBank bank;
    bank.installPageAssets();
    app::TForm10 main(bank.programDir());
    main.controls().Timer1->stop();
    const app::ProgramWindows& windows = main.windows();
    EXPECT_EQ(windows.Form16->windowTitle(), QStringLiteral("错题题库"));
    EXPECT_FALSE(windows.Form16->isVisible());
    main.state().PageShown = 1;
    bool cancel = false;
    main.WebBrowser1BeforeNavigate2(QStringLiteral("http://ctfk102/"), cancel);
    EXPECT_TRUE(cancel);
    EXPECT_TRUE(windows.Form9->isVisible());
    EXPECT_EQ(windows.Form9->reportedQuestionId(), "102");
    EXPECT_TRUE(bodyHtml(windows.Form9->previewView()).contains(QStringLiteral("肺的功能单位是")));
    windows.Form9->hide();
}

}  // namespace

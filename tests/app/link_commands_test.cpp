#include "app/link_commands.h"

#include <gtest/gtest.h>

#include "app/marked_views.h"
#include "core/program_texts.h"
#include "fake_main_window.h"
#include "pages/view_mode.h"
#include "recording_page_view.h"
#include "scripted_messages.h"
#include "view_bank.h"

namespace {

using app::LinkCommands;

// The link commands of a main window without a screen; the feedback window is a recording
// page view whose openings are written into its event list, the favourites switch is the real
// one.
class LinkCommandsTest : public testing::Test {
  protected:
    LinkCommandsTest()
        : host(bank.programDir(), page, messages),
          views(host, [] {}),
          commands(host,
                   {[this] {
                        ++feedbackOpened;
                        preview.events << QStringLiteral("open feedback window");
                        return !feedbackSending;
                    },
                    [this]() -> pageview::PageView& { return preview; },
                    [this](const QString& id, const QString& text) {
                        reportedId = id;
                        reportedText = text;
                    }},
                   [this] { views.NewImage1Click(); }) {
        host.state().PageShown = 1;
    }

    // Follows a link on the shown page; true when the navigation was cancelled.
    bool follow(const QString& url) {
        bool cancel = false;
        commands.WebBrowser1BeforeNavigate2(url, cancel);
        return cancel;
    }

    ViewBank bank;
    RecordingPageView page;
    RecordingPageView preview;
    ScriptedMessages messages;
    FakeMainWindow host;
    app::MarkedViews views;
    LinkCommands commands;
    int feedbackOpened = 0;
    bool feedbackSending = false;
    QString reportedId;
    QString reportedText;
};

TEST(QuestionIdFromAddress, TakesTheIdBetweenCommandAndTrailingSlash) {
    EXPECT_EQ(LinkCommands::questionIdFrom("http://scbt57/"), "57");
    EXPECT_EQ(LinkCommands::questionIdFrom("http://ctfk12345/"), "12345");
    EXPECT_EQ(LinkCommands::questionIdFrom("http://scbt7"), "");  // no trailing character: no id
    EXPECT_EQ(LinkCommands::questionIdFrom("http://scbt/"), "");
    EXPECT_EQ(LinkCommands::questionIdFrom(""), "");
    // Whatever is not a whole number never reaches SQL.
    EXPECT_EQ(LinkCommands::questionIdFrom("http://scbt1 or 1=1/"), "");
    EXPECT_EQ(LinkCommands::questionIdFrom("http://ctfk.example.com/"), "");
}

TEST_F(LinkCommandsTest, WhilePageShownIsZeroEveryNavigationPassesAndNoCommandRuns) {
    host.state().PageShown = 0;
    for (const QString url :
         {"http://scbt101/", "http://ctfk101/", "file:///tmp/ty.html", "http://www.example.com/"}) {
        bool cancel = true;
        commands.WebBrowser1BeforeNavigate2(url, cancel);
        EXPECT_FALSE(cancel) << url.toStdString();
    }
    EXPECT_EQ(host.state().SkipAutoOpen, 0);
    EXPECT_TRUE(messages.infos.isEmpty());
    EXPECT_EQ(feedbackOpened, 0);
    EXPECT_TRUE(bank.isNull("question", "scbt", 101));
}

TEST_F(LinkCommandsTest, LinkInsideQuestionTextIsCancelledWithoutMessage) {
    for (const QString url : {"http://www.example.com/page.html", "http://www.example.com/scbt/",
                              "http://ctfk.example.com/"}) {
        host.state().SkipAutoOpen = 0;
        EXPECT_TRUE(follow(url)) << url.toStdString();
        EXPECT_EQ(host.state().SkipAutoOpen, 1);
    }
    EXPECT_TRUE(messages.infos.isEmpty());
    EXPECT_TRUE(messages.errors.isEmpty());
    EXPECT_EQ(feedbackOpened, 0);
    EXPECT_EQ(bank.value("select count(*) from question where scbt='1'"), "0");
}

TEST_F(LinkCommandsTest, FavouriteToggledTwiceEndsEmptyNotNull) {
    ASSERT_TRUE(bank.isNull("question", "scbt", 101));  // never written: not a favourite
    EXPECT_TRUE(follow("http://scbt101/"));
    EXPECT_EQ(bank.questionFlag("scbt", 101), "1");
    EXPECT_TRUE(follow("http://scbt101/"));
    EXPECT_EQ(bank.questionFlag("scbt", 101), "");
    EXPECT_FALSE(bank.isNull("question", "scbt", 101));
    EXPECT_EQ(messages.infos, QStringList({"收藏成功！", "取消收藏！"}));
    EXPECT_EQ(host.state().SkipAutoOpen, 1);  // closing the message keeps the page
    EXPECT_TRUE(bank.isNull("question", "scbt", 102));
    // Outside the favourites mode the view stays as it is.
    EXPECT_EQ(host.formShows, 0);
    EXPECT_EQ(bank.chapterFlag("scbt", ViewBank::kA1), "");
}

TEST_F(LinkCommandsTest, FavouriteIsStoredOnlyAfterItsMessageCloses) {
    QStringList storedWhileShown;
    messages.onInfo = [&](const QString&) { storedWhileShown << bank.questionFlag("scbt", 103); };
    follow("http://scbt103/");
    follow("http://scbt103/");
    EXPECT_EQ(storedWhileShown, QStringList({"", "1"}));
    EXPECT_EQ(bank.questionFlag("scbt", 103), "");
}

TEST_F(LinkCommandsTest, FavouriteInFavouritesModeReopensTheView) {
    bank.run("update question set scbt='1' where id in (101, 103);");
    host.setModeKeyAndTitle(pages::kFavouritesKey);
    follow("http://scbt103/");
    EXPECT_EQ(messages.infos, QStringList({"取消收藏！"}));
    EXPECT_EQ(host.formShows, 1);
    EXPECT_EQ(host.formActivates, 1);
    EXPECT_EQ(host.state().PageShown, 1);
    EXPECT_EQ(host.state().SkipAutoOpen, 0);  // the view switch clears it
    EXPECT_EQ(bank.chapterFlag("scbt", ViewBank::kA1), "1");
    EXPECT_EQ(bank.chapterFlag("scbt", ViewBank::kC1), "");
}

TEST_F(LinkCommandsTest, RemovingTheLastFavouriteInFavouritesModeReportsNoFavourites) {
    bank.run("update question set scbt='1' where id=102; update tree set scbt='1' where id=32;");
    host.setModeKeyAndTitle(pages::kFavouritesKey);
    follow("http://scbt102/");
    EXPECT_EQ(messages.infos, QStringList({"取消收藏！", "您没有收藏试题！"}));
    EXPECT_EQ(host.modeKey(), pages::kFavouritesKey);
    EXPECT_EQ(host.formShows, 0);
    EXPECT_EQ(host.formActivates, 0);
    EXPECT_EQ(bank.chapterFlag("scbt", ViewBank::kA2), "1");  // left as it was
    EXPECT_EQ(host.state().SkipAutoOpen, 0);                  // closing the message reopens node 2
}

TEST_F(LinkCommandsTest, FavouriteForAMissingQuestionCreatesNoRow) {
    EXPECT_TRUE(follow("http://scbt999/"));
    EXPECT_EQ(bank.value("select count(*) from question where id=999"), "0");
    EXPECT_EQ(bank.value("select count(*) from question"), "4");
    EXPECT_EQ(messages.infos, QStringList({LinkCommands::kQuestionMissing}));
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(LinkCommandsTest, FeedbackOpensTheWindowThenPreviewsTheQuestion) {
    host.state().numbering.QuestionNumber = 9;  // left over from the page build
    EXPECT_TRUE(follow("http://ctfk103/"));
    EXPECT_EQ(feedbackOpened, 1);
    ASSERT_GE(preview.events.size(), 2);
    EXPECT_EQ(preview.events.first(), "open feedback window");
    EXPECT_EQ(preview.loads, QStringList({bank.programDir() + "ty.html"}));
    const QString html = preview.html();
    EXPECT_TRUE(html.contains("肝脏分泌的是")) << html.toStdString();
    EXPECT_TRUE(html.contains("正确答案：")) << html.toStdString();
    EXPECT_TRUE(html.contains("胆汁"));
    EXPECT_FALSE(html.contains("错题反馈"));  // the preview has no buttons
    EXPECT_TRUE(page.appends.isEmpty());      // the main page is left alone
    EXPECT_EQ(reportedId, "103");
    EXPECT_EQ(reportedText, "肝脏分泌的是");
    EXPECT_EQ(host.state().SkipAutoOpen, 1);
    EXPECT_TRUE(messages.errors.isEmpty());
    EXPECT_TRUE(messages.infos.isEmpty());
}

TEST_F(LinkCommandsTest, FeedbackTwiceRefillsTheSameWindow) {
    follow("http://ctfk101/");
    follow("http://ctfk104/");
    EXPECT_EQ(feedbackOpened, 2);
    EXPECT_EQ(preview.loads.size(), 2);
    EXPECT_TRUE(preview.html().contains("肾脏的功能单位是"));
    EXPECT_FALSE(preview.html().contains("心脏位于"));
    EXPECT_EQ(reportedId, "104");
}

// A report on its way to the server stays as it is: the window comes to the front, but neither
// its boxes nor its question are replaced (its sending would then close the new report).
TEST_F(LinkCommandsTest, FeedbackWhileAReportIsSentLeavesThatReport) {
    follow("http://ctfk101/");
    feedbackSending = true;
    EXPECT_TRUE(follow("http://ctfk104/"));
    EXPECT_EQ(feedbackOpened, 2);
    EXPECT_EQ(preview.loads.size(), 1);
    EXPECT_TRUE(preview.html().contains("心脏位于"));
    EXPECT_EQ(reportedId, "101");
}

TEST_F(LinkCommandsTest, FeedbackForAMissingQuestionReportsAndKeepsThePreviousQuestion) {
    follow("http://ctfk102/");
    EXPECT_TRUE(follow("http://ctfk999/"));
    EXPECT_EQ(feedbackOpened, 2);
    EXPECT_EQ(messages.errors.size(), 1);
    EXPECT_EQ(preview.appends, QStringList());  // the empty template
    EXPECT_EQ(reportedId, "102");
    EXPECT_EQ(reportedText, "肺的功能单位是");
}

TEST_F(LinkCommandsTest, BankFailureReachesTheErrorReportAndTheLinkStaysCancelled) {
    bank.run("drop table question;");
    EXPECT_TRUE(follow("http://scbt101/"));
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors.first().contains("question"))
        << messages.errors.first().toStdString();
    EXPECT_TRUE(messages.infos.isEmpty());
    EXPECT_EQ(host.state().SkipAutoOpen, 1);
}

}  // namespace

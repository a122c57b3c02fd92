#include "app/reading_aids.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "recording_page_view.h"
#include "scripted_messages.h"

namespace {

class FailingPageView : public RecordingPageView {
  public:
    void waitUntilReady() override { throw core::Error(QStringLiteral("没有页面")); }
};

struct Aids {
    RecordingPageView page;
    ui::MainWindowState state;
    ScriptedMessages messages;
    app::ReadingAids aids{page, state, messages};
};

const QString kLarger = QStringLiteral("不能将字体设置过大！");
const QString kSmaller = QStringLiteral("不能将字体设置过小！");

}  // namespace

TEST(ReadingAids, ScriptsPressEveryAnswerButtonUpToId10000) {
    Aids a;
    a.aids.showAllAnswers();
    a.aids.hideAllAnswers();
    const QString head = QStringLiteral(
        "function showallans(){var tmpd;  var allnum =10000; var i;  for (i=1;i<=allnum;i++) { "
        "tmpd=document.getElementById(\"xs\"+i);if ((tmpd!=null)&&(tmpd.value=='");
    const QString tail = QStringLiteral("')) tmpd.click(); }\t} showallans();");
    EXPECT_EQ(a.page.scripts, QStringList({head + "显示答案" + tail, head + "隐藏答案" + tail}));
    EXPECT_EQ(a.state.PageShown, 1);
}

TEST(ReadingAids, TextSizeDependsOnTheDirectionOfThePress) {
    Aids a;
    a.state.FontStep = 2;
    a.aids.SpeedButton2Click();
    a.aids.SpeedButton3Click();
    a.aids.SpeedButton3Click();
    EXPECT_EQ(a.page.fontSizes, QList<int>({17, 14, 13}));
    a.aids.SpeedButton3Click();
    EXPECT_EQ(a.messages.infos, QStringList({kSmaller}));
    EXPECT_EQ(a.state.FontStep, 0);
    EXPECT_EQ(a.page.fontSizes.size(), 3);
    EXPECT_EQ(a.state.PageShown, 1);
    EXPECT_EQ(a.page.waits, 3) << "each size waits for a ready page";
}

TEST(ReadingAids, LimitsKeepCountingUpwardsAndStopAtZero) {
    Aids a;
    a.state.FontStep = 11;
    a.aids.SpeedButton2Click();
    a.aids.SpeedButton2Click();
    EXPECT_EQ(a.state.FontStep, 13);
    EXPECT_EQ(a.messages.infos, QStringList({kLarger, kLarger}));
    EXPECT_TRUE(a.page.fontSizes.isEmpty());
    a.aids.SpeedButton3Click();
    EXPECT_EQ(a.page.fontSizes, QList<int>({24}));

    a.state.FontStep = 1;
    a.aids.SpeedButton3Click();
    EXPECT_EQ(a.state.FontStep, 0);
    EXPECT_EQ(a.messages.infos.last(), kSmaller);
    a.aids.SpeedButton2Click();
    EXPECT_EQ(a.page.fontSizes.last(), 15);
}

TEST(ReadingAids, LargerTextLetsAPageFailurePassSmallerDropsIt) {
    FailingPageView page;
    ui::MainWindowState state;
    ScriptedMessages messages;
    app::ReadingAids aids(page, state, messages);
    state.FontStep = 2;
    EXPECT_THROW(aids.SpeedButton2Click(), core::Error);
    EXPECT_EQ(state.PageShown, 0);
    EXPECT_EQ(state.FontStep, 3);
    EXPECT_NO_THROW(aids.SpeedButton3Click());
    EXPECT_EQ(state.PageShown, 1);
    EXPECT_EQ(state.FontStep, 2);
}

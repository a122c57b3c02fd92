#include "practice/result_page.h"

#include <gtest/gtest.h>

#include <QTimer>

#include "fake_main_window.h"
#include "practice/correct_rate.h"
#include "recording_page_view.h"
#include "scripted_messages.h"
#include "temp_bank.h"

namespace {

const QString kTitle =
    QStringLiteral("<p align=\"center\" class=\"TestResultTitle\" >本 次 测 试 结 果</p>");
const QString kTableHead = QStringLiteral(
    "<br><br>  <table align=\"center\"  border=1 bordercolor=skyblue cellpadding=\"0\" "
    "cellspacing=\"0\" "
    "class=\"table1\"  ><tr> <th class=\"table3\"  >题  型</th> <th class=\"table4\"  >试 题 "
    "数</th>  <th "
    "class=\"table3\"   > 答  对 </th>  <th class=\"table3\"  > 总  分 </th>  <th class=\"table3\" "
    " > 得  分 "
    "</th>  <th class=\"table3\"  >正 确 率</th> </tr> ");

QString line(const QString& label, const QString& s, const QString& d, const QString& rate) {
    return "<tr align=\"center\"><td>" + label + "</td> <td>" + s + "</td> <td>" + d + "</td><td>" +
           s + "</td><td>" + d + "</td><td>" + rate + "%</td> </tr> ";
}

// A page view whose load lets the timer fire once more, as waiting for a real page does.
class TickingPageView : public RecordingPageView {
  public:
    std::function<void()> duringLoad;
    void load(const QString& path) override {
        RecordingPageView::load(path);
        if (duringLoad) std::exchange(duringLoad, nullptr)();
    }
};

// Notes whether Timer2 was still running when the error was shown.
class TimerWatchingMessages : public ScriptedMessages {
  public:
    QTimer* timer = nullptr;
    bool runningAtReport = false;
    void reportError(const QString& text) override {
        runningAtReport = timer->isActive();
        ScriptedMessages::reportError(text);
    }
};

struct ResultFixture {
    TempBank bank;
    TickingPageView resultView;
    RecordingPageView mainPage;
    TimerWatchingMessages messages;
    FakeMainWindow host{bank.programDir(), mainPage, messages};
    QTimer timer2;
    practice::ResultPage result{host, timer2};

    ResultFixture() {
        timer2.setInterval(100);
        timer2.start();
        messages.timer = &timer2;
    }
};

}  // namespace

TEST(CorrectRate, RoundsToWholePercents) {
    EXPECT_EQ(practice::correctRate(1, 3), QStringLiteral("33"));
    EXPECT_EQ(practice::correctRate(2, 3), QStringLiteral("67"));
    EXPECT_EQ(practice::correctRate(5, 6), QStringLiteral("83"));
    EXPECT_EQ(practice::correctRate(0, 4), QStringLiteral("0"));
    EXPECT_EQ(practice::correctRate(0, 0), QStringLiteral("0"));
    EXPECT_EQ(practice::correctRate(2, 7), QStringLiteral("29"));  // 0.29 * 100 is not exactly 29
    EXPECT_EQ(practice::correctRate(4, 7), QStringLiteral("57"));
    EXPECT_EQ(practice::correctRate(3, 3), QStringLiteral("100"));
}

TEST(ResultPage, ShowsTheRowsLeftAfterDroppingEmptyOnesAndTheirTotals) {
    ResultFixture f;
    f.bank.run(
        "insert into fenshu(tx, sts, dd) values ('A1型题', '3', '2'), ('A2型题', '0', '0'),"
        " ('A1型题', '6', '5'), ('B型题配伍选择题', '3', '1'), ('A3型题', '0', '0')");
    f.result.Timer2Timer(f.resultView);

    EXPECT_EQ(f.resultView.loads, QStringList({f.bank.programDir() + "ty.html"}));
    const QString lines = line("A1型题", "3", "2", "67") + line("A1型题", "6", "5", "83") +
                          line("B型题配伍选择题", "3", "1", "33") + line("合  计", "12", "8", "67");
    EXPECT_EQ(f.resultView.appends, QStringList({kTitle, kTableHead + lines + "</table>"}));
    EXPECT_FALSE(f.timer2.isActive());
    EXPECT_EQ(f.host.showAllClicks, 1);
    store::Recordset left = f.bank.connect().query("select * from fenshu where sts='0'");
    EXPECT_TRUE(left.isEmpty());
}

TEST(ResultPage, OnlyEmptyRowsShowTheTotalLineAlone) {
    ResultFixture f;
    f.bank.run("insert into fenshu(tx, sts, dd) values ('B型题配伍选择题', '0', '0')");
    f.result.Timer2Timer(f.resultView);
    ASSERT_EQ(f.resultView.appends.size(), 2);
    EXPECT_EQ(f.resultView.appends[1], kTableHead + line("合  计", "0", "0", "0") + "</table>");
}

TEST(ResultPage, TickDuringThePageLoadDoesNotBuildASecondTable) {
    ResultFixture f;
    f.bank.run("insert into fenshu(tx, sts, dd) values ('A1型题', '2', '1')");
    f.resultView.duringLoad = [&] { f.result.Timer2Timer(f.resultView); };
    f.result.Timer2Timer(f.resultView);
    EXPECT_EQ(f.resultView.loads.size(), 1);
    EXPECT_EQ(f.resultView.appends.size(), 2);
    EXPECT_EQ(f.host.showAllClicks, 1);
}

TEST(ResultPage, FailedBuildStopsTheTimerBeforeReportingOnce) {
    ResultFixture f;
    f.bank.run("drop table fenshu");
    f.result.Timer2Timer(f.resultView);
    ASSERT_EQ(f.messages.errors.size(), 1);
    EXPECT_FALSE(f.messages.runningAtReport);
    EXPECT_FALSE(f.timer2.isActive());
    EXPECT_EQ(f.host.showAllClicks, 0);
    EXPECT_TRUE(f.resultView.appends.isEmpty());
}

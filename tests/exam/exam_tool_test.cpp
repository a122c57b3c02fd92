#include <gtest/gtest.h>

#include <QStringDecoder>

#include "exam_bank.h"
#include "tool_run.h"

// The exam commands of vantrel-bank on a bank of their own: draw a paper, print one of its
// pages, print the whole paper.
namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }
QString fromGbk(const QByteArray& bytes) { return QStringDecoder("GBK").decode(bytes); }

TEST(ExamTool, DrawThenPrintAPageAndThePaper) {
    ExamBank bank;
    bank.installPageAssets();
    bank.addGroup(3, 3);   // questions 1-3: three of three are drawn in order, whatever the draw
    bank.addGroup(6, 4);   // 4-7
    bank.addGroup(10, 2);  // cases: 8-9
    bank.addGroup(10, 2);  // 10-11
    bank.addGroup(11, 2, 4);
    bank.run("insert into opinion(id, questionid, code, content) values (901, 1, 'A', '选项甲')");
    bank.setCounts(3, 1, 1, 1);
    const QString dir = bank.programDir();

    const ToolRun drawn = runVantrelBank({"draw", "--dir", dir});
    ASSERT_EQ(drawn.status, 0) << drawn.err.toStdString();
    const QString summary = drawn.outText();
    EXPECT_TRUE(summary.contains(u("a1 单项选择题：3 行"))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(u("a3 阅读案例分析题：2 行")));
    EXPECT_TRUE(summary.contains(u("合计：7 行")));

    // The window's render of row 1, into the template as the program ships it.
    const ToolRun page =
        runVantrelBank({"exam-page", "--dir", dir, "--tid", "1", "--variant", "review"});
    ASSERT_EQ(page.status, 0) << page.err.toStdString();
    const QString html = fromGbk(page.out);
    EXPECT_TRUE(html.contains(u("function xsda"))) << "not the shipped template";
    EXPECT_TRUE(html.contains(u("<br>1.题1<br><br> <input type=\"radio\" id=\"901\"")));
    EXPECT_TRUE(html.contains(u("正确答案：A")));

    const ToolRun printed = runVantrelBank({"paper", "--dir", dir});
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
    const QString paper = fromGbk(printed.out);
    EXPECT_EQ(paper.count(u("<hr>")), 7);
    EXPECT_TRUE(paper.contains(u("<br>5.1.题")));  // the case, numbered from its tid
    EXPECT_TRUE(paper.contains(u("6.组5<br> <br>1. ")));
    EXPECT_FALSE(paper.contains(u("正确答案")));
    const QString withAnswers = fromGbk(runVantrelBank({"paper", "--dir", dir, "--answers"}).out);
    EXPECT_EQ(withAnswers.count(u("正确答案：")), 6 + 2);  // each row but the matching group, and
                                                           // each of its two questions
}

TEST(ExamTool, AMissingNumberOrBankIsAnErrorWithAMessage) {
    ExamBank bank;
    bank.installPageAssets();
    const QString dir = bank.programDir();
    const ToolRun missing = runVantrelBank({"exam-page", "--dir", dir, "--tid", "8"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains(u("试卷中没有题号为 8 的试题"))) << missing.err.toStdString();

    const ToolRun empty = runVantrelBank({"paper", "--dir", dir});
    EXPECT_EQ(empty.status, 1);
    EXPECT_TRUE(empty.err.contains(u("请先抽题"))) << empty.err.toStdString();

    EXPECT_EQ(runVantrelBank({"exam-page", "--dir", dir, "--tid", "1", "--variant", "x"}).status,
              1);
    EXPECT_EQ(runVantrelBank({"draw", "--dir", dir + "nowhere"}).status, 1);
}

}  // namespace

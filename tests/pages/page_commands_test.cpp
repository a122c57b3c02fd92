#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QStringEncoder>

#include "page_bank_rows.h"
#include "pages/chapter_page_builder.h"
#include "recording_page_view.h"
#include "tool_run.h"

// Runs the built vantrel-bank page and preview commands on a temporary program directory.
namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }
QByteArray gbk(const QString& text) { return QStringEncoder("GBK").encode(text); }

class PageCommandsTest : public testing::Test {
  protected:
    void SetUp() override {
        QFile file(bank.programDir() + QStringLiteral("ty.html"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(gbk(kTemplate));
        file.close();
        rows.chapter(10);
        rows.type(1, u("1"), u("A1型题"));
        rows.group(100, 10, 1, u(""));
        rows.question({57, 100, u("发热的原因"), {}, u("B"), u("感染最常见")});
        rows.option(301, 57, u("A"), u("外伤"));
        rows.option(302, 57, u("B"), u("感染"));
    }

    // The page as the chapter page builder writes it, spliced into the template by hand.
    QString expectedPage(pages::ViewMode mode) const {
        RecordingPageView view;
        store::Connection connection(bank.connectionString());
        pages::PageNumbering numbering;
        QString chapter;
        pages::ChapterPageBuilder(connection, view, QString()).build(10, mode, numbering, chapter);
        const qsizetype end = kTemplate.lastIndexOf(u("</body>"));
        return kTemplate.left(end) + view.html() + kTemplate.mid(end);
    }

    const QString kTemplate =
        u("<html><head><meta charset=\"gbk\"><title>试题</title>\n"
          "<!-- an earlier </body> that must stay where it is --></head>\n"
          "<body>\n</body>\n</html>\n");
    TempBank bank;
    PageBankRows rows{bank};
};

}  // namespace

TEST_F(PageCommandsTest, PagePrintsTheTemplateWithTheChapterAsGbk) {
    const ToolRun run =
        runVantrelBank({u("page"), u("--dir"), bank.programDir(), u("--chapter"), u("10")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(gbk(u("发热的原因"))));
    EXPECT_FALSE(run.out.contains(u("发热的原因").toUtf8()));
    QStringDecoder decoder("GBK");
    const QString page = decoder.decode(run.out);
    EXPECT_EQ(page, expectedPage(pages::ViewMode::AllQuestions));
    EXPECT_TRUE(page.contains(u("&nbsp <span  id ='fan57'>1. 发热的原因</span>")));
    EXPECT_TRUE(page.contains(u("正确答案：B 答案解析：感染最常见</div></td></tr> <hr></body>")));
}

TEST_F(PageCommandsTest, PageHonoursTheMode) {
    const ToolRun run = runVantrelBank({u("page"), u("--dir"), bank.programDir(), u("--chapter"),
                                        u("10"), u("--mode"), u("favourites")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(QStringDecoder("GBK").decode(run.out), kTemplate);
}

TEST_F(PageCommandsTest, PreviewPrintsTheFeedbackPreview) {
    const ToolRun run =
        runVantrelBank({u("preview"), u("--dir"), bank.programDir(), u("--question"), u("57")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QString page = QStringDecoder("GBK").decode(run.out);
    EXPECT_TRUE(page.startsWith(u("<html><head>")));
    EXPECT_TRUE(page.contains(
        u("&nbsp1. 发热的原因<br><br>&nbsp <input type=\"radio\" id=\"301\"  name=\"57\" "
          "value=\"A\">A:外伤<br>")));
    EXPECT_TRUE(page.contains(u("style=\"display\">正确答案：B</div></td></tr><br><br> </body>")));
    EXPECT_FALSE(page.contains(u("感染最常见")));
}

TEST_F(PageCommandsTest, FailuresGoToStderrWithExitCodeOne) {
    const QString dir = bank.programDir();
    const QList<QStringList> failing{
        {u("page"), u("--dir"), dir, u("--chapter"), u("99")},
        {u("page"), u("--dir"), dir, u("--chapter"), u("x")},
        {u("page"), u("--dir"), dir, u("--chapter"), u("10"), u("--mode"), u("other")},
        {u("page"), u("--chapter"), u("10")},
        {u("page"), u("--dir"), dir + u("nowhere/"), u("--chapter"), u("10")},
        {u("preview"), u("--dir"), dir, u("--question"), u("999")},
    };
    for (const QStringList& args : failing) {
        const ToolRun run = runVantrelBank(args);
        EXPECT_EQ(run.status, 1) << args.join(u' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(u' ').toStdString();
    }
}

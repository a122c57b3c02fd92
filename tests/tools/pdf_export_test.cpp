#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>

#include "pdf_probe.h"
#include "store/connection.h"
#include "store/connection_string.h"
#include "test_material.h"
#include "tool_run.h"

// vantrel-bank page and paper with --pdf: the documents they print as HTML, laid out by the page
// engine into A4 PDF files, on a synthetic bank with a chapter of a thousand questions.
namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// The texts of a page's markup that the captures of `pattern` pick, in document order.
QStringList captured(const QString& html, const QString& pattern) {
    QStringList texts;
    auto match = QRegularExpression(pattern).globalMatch(html);
    while (match.hasNext()) {
        const QRegularExpressionMatch m = match.next();
        for (int i = 1; i <= m.lastCapturedIndex(); ++i)
            if (!m.captured(i).isEmpty()) texts << m.captured(i);
    }
    return texts;
}

// Stems (a chapter's in their span, the paper's on their own line, a matching question's after
// its drop-down), option lines and answer lines.
const QString kStem = QStringLiteral(R"(id ='fan\d+'>(.*?)</span>|<br>([\d.]+第\d+题[^<]*)<br>)");
const QString kMatching = QStringLiteral(R"(</select>([^<]+)<br>)");
const QString kOption = QStringLiteral(R"(value="[A-Z]">([A-Z]:[^<]*)<br>)");
const QString kAnswer = QStringLiteral(R"(<b>(正确答案：[^<]*)</b>)");

class PdfExportTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const ToolRun generated =
            runVantrelBank({"generate", "--questions", "1200", "--chapter-questions", "1000",
                            "--seed", "7", "--out", dir.path()});
        ASSERT_EQ(generated.status, 0) << generated.err.toStdString();
        chapter = generated.outText().trimmed();
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(VANTREL_BIN_DIR "/ty.html"), dir.filePath("ty.html")));
        // Every seventh stem runs over several lines: page breaks must go around it, not through.
        store::Connection bank(store::ConnectionString::forDataDirectory(dir.path() + "/"));
        bank.exec(
            u("update question set content = content || '，' || replace(hex(zeroblob(60)), "
              "'00', '长题干') where id % 7 = 0"));
    }

    // The command's HTML on stdout, and the same command's PDF in `pdf`.
    QString htmlAndPdf(const QStringList& command, const QString& pdf) {
        const ToolRun html = runVantrelBank(command);
        EXPECT_EQ(html.status, 0) << html.err.toStdString();
        const ToolRun printed = runVantrelBank(command + QStringList{"--pdf", pdf});
        EXPECT_EQ(printed.status, 0) << printed.err.toStdString();
        EXPECT_TRUE(printed.out.isEmpty());
        return QStringDecoder("GBK").decode(html.out);
    }

    static void expectA4WithEmbeddedFonts(const QString& pdf) {
        EXPECT_TRUE(pdf_probe::info(pdf).contains(QStringLiteral("(A4)")))
            << pdf_probe::info(pdf).toStdString();
        const QStringList embedded = pdf_probe::fontsEmbedded(pdf);
        EXPECT_FALSE(embedded.isEmpty());
        EXPECT_EQ(embedded.count(QStringLiteral("yes")), embedded.size())
            << embedded.join(' ').toStdString();
    }

    QTemporaryDir dir;
    QString chapter;
};

TEST_F(PdfExportTest, ChapterPageHoldsEveryStemAndOptionInOrderEachOnOnePage) {
    const QString pdf = dir.filePath("chapter.pdf");
    const QString html = htmlAndPdf({"page", "--dir", dir.path(), "--chapter", chapter}, pdf);
    const QStringList stems = captured(html, kStem);
    ASSERT_EQ(stems.size(), 1000);
    const QStringList shown = captured(html, QStringList{kStem, kOption}.join(u'|'));
    ASSERT_GT(shown.size(), 4000);

    const QString text = pdf_probe::pagedText(pdf);
    const QStringList missing = pdf_probe::missingInOrder(text, shown);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(u'\n').toStdString();
    // A line cut by a page break would be drawn on both pages: every stem is there once.
    for (const QString& stem : stems)
        EXPECT_EQ(text.count(QString(stem).remove(QRegularExpression("\\s+"))), 1)
            << stem.toStdString();
    // Nothing of the buttons or the hidden answers reaches paper.
    EXPECT_FALSE(text.contains(u("显示答案")));
    EXPECT_FALSE(text.contains(u("收藏本题")));
    EXPECT_FALSE(text.contains(u("答案解析")));
    EXPECT_GT(pdf_probe::pageCount(pdf), 100);
    expectA4WithEmbeddedFonts(pdf);
    // Nothing of the render is left beside the template or the file.
    EXPECT_EQ(fileListing(dir.path()), "chapter.pdf ty.html");
}

TEST_F(PdfExportTest, ExamPaperWithAnswersFollowsEachQuestionWithItsAnswer) {
    const ToolRun drawn = runVantrelBank({"draw", "--dir", dir.path()});
    ASSERT_EQ(drawn.status, 0) << drawn.err.toStdString();

    const QString pdf = dir.filePath("paper.pdf");
    const QString html = htmlAndPdf({"paper", "--dir", dir.path(), "--answers"}, pdf);
    const QStringList shown =
        captured(html, QStringList{kStem, kMatching, kOption, kAnswer}.join(u'|'));
    ASSERT_GT(captured(html, kAnswer).size(), 50);
    ASSERT_GT(captured(html, kMatching).size(), 0);

    const QString text = pdf_probe::pagedText(pdf);
    const QStringList missing = pdf_probe::missingInOrder(text, shown);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(u'\n').toStdString();
    expectA4WithEmbeddedFonts(pdf);
}

TEST_F(PdfExportTest, AFailureIsAnErrorAndLeavesNoFileOrTheEarlierOne) {
    // A paper that cannot be made leaves an earlier PDF as it was.
    const QString earlier = dir.filePath("paper.pdf");
    {
        QFile file(earlier);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("earlier");
    }
    const ToolRun empty = runVantrelBank({"paper", "--dir", dir.path(), "--pdf", earlier});
    EXPECT_EQ(empty.status, 1);
    EXPECT_TRUE(empty.err.contains(u("请先抽题"))) << empty.err.toStdString();
    EXPECT_EQ(fileBytes(earlier), QByteArray("earlier"));

    ASSERT_EQ(runVantrelBank({"draw", "--dir", dir.path()}).status, 0);
    const ToolRun nowhere =
        runVantrelBank({"paper", "--dir", dir.path(), "--pdf", dir.filePath("no/such/x.pdf")});
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_TRUE(nowhere.err.contains(u("vantrel-bank: 无法写入"))) << nowhere.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("no")));

    // A folder in the file's place: the PDF is made beside it, and the rename fails.
    QDir(dir.path()).mkdir("taken.pdf");
    const ToolRun taken =
        runVantrelBank({"paper", "--dir", dir.path(), "--pdf", dir.filePath("taken.pdf")});
    EXPECT_EQ(taken.status, 1);
    EXPECT_TRUE(taken.err.contains(u("无法写入"))) << taken.err.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.pdf")).isDir());

    EXPECT_EQ(runVantrelBank({"paper", "--dir", dir.path(), "--pdf"}).status, 1);
    EXPECT_EQ(fileListing(dir.path()), "paper.pdf ty.html");
    EXPECT_EQ(fileBytes(earlier), QByteArray("earlier"));
}

}  // namespace

#include "pages/preview_builder.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "page_bank_rows.h"
#include "pages/question_fragments.h"
#include "recording_page_view.h"

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

class PreviewBuilderTest : public testing::Test {
  protected:
    void SetUp() override {
        rows.type(1, u("1"), u("A1型题"));
        rows.type(10, u("8"), u("案例分析题"));
        rows.type(11, u("9"), u("B型题配伍选择题"));
        // numbering left over from an earlier page: the preview starts afresh
        numbering.QuestionNumber = 40;
        numbering.GroupNumber = 7;
        numbering.CaseHeaderShown = 1;
        numbering.MatchingHeaderShown = 1;
    }

    void build(const QString& questionId) {
        pages::PreviewBuilder(connection, view, templatePath)
            .build(questionId, numbering, [this](const QString& id, const QString& content) {
                readId = id;
                readContent = content;
                appendsWhenRead = view.appends.size();
            });
    }

    TempBank bank;
    PageBankRows rows{bank};
    RecordingPageView view;
    store::Connection connection{bank.connectionString()};
    pages::PageNumbering numbering;
    const QString templatePath = bank.programDir() + QStringLiteral("ty.html");
    QString readId, readContent;
    qsizetype appendsWhenRead = -1;
};

}  // namespace

TEST_F(PreviewBuilderTest, SingleQuestionIsItemOneWithTheAnswerShown) {
    rows.group(100, 10, 1, u(""));
    rows.question({7, 100, u("前一题")});
    rows.question({57, 100, u("<b>题干</b>"), u("tp/a.png"), u("AB"), u("不应出现的解析")});
    rows.option(301, 57, u("A"), u("甲"));
    rows.option(302, 57, u("B"), u("乙"));

    build(u("57"));

    EXPECT_EQ(
        view.appends,
        (QStringList{
            u("&nbsp <b>A1型题</b>"),
            u("<br>"),
            u(R"(&nbsp<br><p> 如图所示：<img src="./tp/a.png"> </p> )"),
            u("&nbsp1. <b>题干</b>"),
            u("<br>"),
            u("<br>"),
            u(R"(&nbsp <input type="radio" id="301"  name="57" value="A">A:甲)"),
            u("<br>"),
            u(R"(&nbsp <input type="radio" id="302"  name="57" value="B">B:乙)"),
            u(R"(<br> <br><div class="Answer" id="ansnote57" value="AB" style="display">正确答案：AB</div></td></tr><br><br> )"),
        }));
    EXPECT_EQ(view.loads, QStringList{templatePath});
    EXPECT_EQ(view.waits, 2);
    EXPECT_EQ(readId, u("57"));
    EXPECT_EQ(readContent, u("<b>题干</b>"));
    EXPECT_EQ(appendsWhenRead, 4);  // after the stem, before its line break
    EXPECT_FALSE(view.html().contains(u("不应出现的解析")));
    EXPECT_TRUE(view.zooms.isEmpty());
    EXPECT_EQ(numbering.QuestionNumber, 2);
    EXPECT_FALSE(connection.isOpen());
}

TEST_F(PreviewBuilderTest, CaseQuestionIsOnePointOneUnderItsCaseText) {
    rows.group(200, 10, 10, u("病例"));
    rows.question({21, 200, u("第一小题")});
    rows.question({22, 200, u("第二小题"), u("tp/b.png"), u("C")});
    rows.option(401, 22, u("C"), u("丙"));

    build(u("22"));

    EXPECT_EQ(
        view.appends,
        (QStringList{
            u("&nbsp <b>案例分析题</b>"),
            u("<br>"),
            u("&nbsp1.病例"),
            u("<br>"),
            u(R"(&nbsp<br><p> 如图所示：<img src="./tp/b.png"> </p> )"),
            u("&nbsp1.1. 第二小题"),
            u("<br>"),
            u("<br>"),
            u(R"(&nbsp <input type="checkbox" id="401" name="22" value="C">C:丙)"),
            u(R"(<br> <br><div class="Answer" id="ansnote22" value="C" style="display">正确答案：C</div></td></tr><br><br> )"),
        }));
}

TEST_F(PreviewBuilderTest, MatchingQuestion57ShowsTheListAsItemOneAndTheQuestionAsOnePointOne) {
    rows.group(300, 10, 11, u("A.肝 B.肾 C.脾"), u("3"));
    rows.question({56, 300, u("前一题")});
    rows.question({57, 300, u("配伍题干"), u("tp/never.png"), u("B")});
    rows.option(901, 57, u("A"), u("多余的选项"));

    build(u("57"));

    EXPECT_EQ(
        view.appends,
        (QStringList{
            u("&nbsp <b>B型题配伍选择题</b>"),
            u("<br>"),
            u("&nbsp1.A.肝 B.肾 C.脾"),
            u("<br>"),
            u(R"(&nbsp1.1.  <select name="cars" id="a57"> <option value="daan" selected>答案 )"
              R"(<option value="A">A <option value="B">B <option value="C">C </select>配伍题干)"),
            u("<br>"),
            u(R"(<br> <br><div class="Answer" id="ansnote57" value="B" style="display">正确答案：B</div></td></tr><br><br> )"),
        }));
}

TEST_F(PreviewBuilderTest, MissingQuestionLoadsTheTemplateThenFailsAtTheGroupQuery) {
    EXPECT_THROW(build(u("999")), core::Error);
    EXPECT_EQ(view.loads, QStringList{templatePath});
    EXPECT_TRUE(view.appends.isEmpty());
    EXPECT_EQ(appendsWhenRead, -1);
    EXPECT_EQ(numbering.QuestionNumber, 1);
}

TEST_F(PreviewBuilderTest, IdThatIsNotANumberIsRefusedBeforeAnythingHappens) {
    rows.group(100, 10, 1, u(""));
    rows.question({57, 100, u("q")});
    EXPECT_THROW(build(u("57 or 1=1")), core::Error);
    EXPECT_THROW(build(u("")), core::Error);
    EXPECT_TRUE(view.loads.isEmpty());
}

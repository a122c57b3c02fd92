#include "pages/chapter_page_builder.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "core/error.h"
#include "page_bank_rows.h"
#include "pages/question_fragments.h"
#include "recording_page_view.h"

using pages::ViewMode;
namespace f = pages::fragments;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

class ChapterPageBuilderTest : public testing::Test {
  protected:
    void build(qint32 chapterId, ViewMode mode = ViewMode::AllQuestions) {
        pages::ChapterPageBuilder(connection, view, templatePath)
            .build(chapterId, mode, numbering, currentChapter);
    }

    // The visible numbers of the page in order: stems "N.", case stems and matching lines "N.i.",
    // and group lines "N.".
    QStringList labels() const {
        static const QRegularExpression stem(
            QStringLiteral("^&nbsp <span  id ='fan\\d+'>([0-9.]+)\\. "));
        static const QRegularExpression line(QStringLiteral("^&nbsp(\\d+(\\.\\d+)?)\\."));
        QStringList found;
        for (const QString& html : view.appends) {
            const auto s = stem.match(html);
            const auto l = line.match(html);
            if (s.hasMatch())
                found << s.captured(1);
            else if (l.hasMatch() && !html.startsWith(QStringLiteral("&nbsp<br>")))
                found << l.captured(1);
        }
        return found;
    }
    int countOf(const QString& html) const { return int(view.appends.count(html)); }
    int countContaining(const QString& part) const {
        return int(std::count_if(view.appends.cbegin(), view.appends.cend(),
                                 [&](const QString& a) { return a.contains(part); }));
    }

    TempBank bank;
    PageBankRows rows{bank};
    RecordingPageView view;
    store::Connection connection{bank.connectionString()};
    pages::PageNumbering numbering;
    QString currentChapter = QStringLiteral("old");
    const QString templatePath = bank.programDir() + QStringLiteral("ty.html");
};

}  // namespace

TEST_F(ChapterPageBuilderTest, SingleChoiceQuestionIsWrittenInOrderWithWaitsAndZoom) {
    rows.chapter(10);
    rows.type(1, u("1"), u("A1型题"));
    rows.group(100, 10, 1, u("无"));
    rows.question({57, 100, u("题干"), u("tp/a.png"), u("B"), u("解析")});
    rows.option(301, 57, u("A"), u("甲"));
    rows.option(302, 57, u("B"), u("乙"));

    build(10);

    const QStringList expected{
        u("&nbsp <b>A1型题</b>"),
        u("<br><br>"),
        u(R"(&nbsp<br><p> 如图所示：<img src="./tp/a.png"> </p> <br>)"),
        u(R"(&nbsp <span  id ='fan57'>1. 题干</span>)"),
        u("<br>"),
        u("<br>"),
        u(R"(&nbsp <input type="radio" id="301"  name="57" value="A">A:甲<br>)"),
        u("<br>"),
        u(R"(&nbsp <input type="radio" id="302"  name="57" value="B">B:乙<br>)"),
        f::answerBlock({u("57"), u("B"), u("解析"), false}),
        u("<hr>"),
    };
    EXPECT_EQ(view.appends, expected);
    EXPECT_EQ(view.loads, QStringList{templatePath});
    // load, a wait before the group head, a wait before the question, zoom 1 at the very end
    EXPECT_EQ(view.events.first(), QStringLiteral("load ") + templatePath);
    EXPECT_EQ(view.events[1], QStringLiteral("wait"));
    EXPECT_EQ(view.events[4], QStringLiteral("wait"));
    EXPECT_EQ(view.waits, 2);
    EXPECT_EQ(view.events.last(), QStringLiteral("zoom 1"));
    EXPECT_EQ(view.zooms, QList<int>{1});
    EXPECT_EQ(currentChapter, QStringLiteral("10"));
    EXPECT_FALSE(connection.isOpen());
    const QString block = view.appends[9];
    for (const char* id : {"fan57", "xs57", "ansnote57", "http://scbt57", "http://ctfk57"})
        EXPECT_TRUE(view.html().contains(QString::fromLatin1(id))) << id;
    EXPECT_TRUE(block.contains(u("收藏本题")));
}

TEST_F(ChapterPageBuilderTest, LabelsRunAcrossSinglesCaseAndMatchingGroups) {
    rows.chapter(10);
    rows.type(1, u("1"), u("A1型题"));
    rows.type(10, u("8"), u("案例分析题"));
    rows.type(11, u("9"), u("B型题配伍选择题"));
    rows.group(300, 10, 11, u("共用选项"), u("4"));  // inserted first: the type order decides
    rows.group(100, 10, 1, u("无"));
    rows.group(200, 10, 10, u("病例"));
    for (int q : {1, 2, 3}) rows.question({q, 100, u("单选")});
    for (int q : {21, 22}) rows.question({q, 200, u("案例小题")});
    for (int q : {31, 32, 57}) rows.question({q, 300, u("配伍")});
    rows.option(401, 21, u("A"), u("甲"));

    build(10);

    EXPECT_EQ(labels(), (QStringList{u("1"), u("2"), u("3"), u("4"), u("4.1"), u("4.2"), u("5"),
                                     u("5.1"), u("5.2"), u("5.3")}));
    EXPECT_EQ(numbering.QuestionNumber, 6);
    EXPECT_EQ(countOf(f::typeHeader(u("案例分析题"))), 1);
    EXPECT_EQ(countOf(f::typeHeader(u("B型题配伍选择题"))), 1);
    EXPECT_EQ(countOf(u("&nbsp4.病例")), 1);
    EXPECT_EQ(countOf(u("&nbsp5.共用选项")), 1);
    // one separator per single and case question, one after the whole matching group
    EXPECT_EQ(countOf(u("<hr>")), 6);
    EXPECT_EQ(view.appends.last(), u("<hr>"));
    EXPECT_TRUE(view.appends[view.appends.size() - 2].contains(u(R"(id="ansnote57")")));
    // case questions have check boxes; the matching question 57 its drop-down "a57"
    EXPECT_EQ(
        countContaining(u(R"( <input type="checkbox" id="401" name="21" value="A">A:甲<br>)")), 1);
    EXPECT_EQ(countContaining(u(R"(<select name="cars" id="a57">)")), 1);
    EXPECT_EQ(countContaining(u(R"(<span id ='fan57'>配伍</span>)")), 1);
}

TEST_F(ChapterPageBuilderTest, MatchingChoicesFollowOpnumUpToO) {
    rows.chapter(10);
    rows.type(11, u("9"), u("配伍"));
    rows.group(300, 10, 11, u("五项"), u("5"));
    rows.group(301, 10, 11, u("二十项"), u("20"));
    rows.group(302, 10, 11, u("无项"), u("0"));
    rows.question({31, 300, u("x")});
    rows.question({32, 301, u("y")});
    rows.question({33, 302, u("z")});

    build(10);

    const QString head = u(R"( <select name="cars" id="a%1"> <option value="daan" selected>答案 )");
    EXPECT_EQ(countContaining(head.arg(31) +
                              u(R"(<option value="A">A <option value="B">B <option value="C">C )"
                                R"(<option value="D">D <option value="E">E </select>)")),
              1);
    EXPECT_EQ(countContaining(head.arg(32) + u(R"(<option value="A">A )")), 1);
    EXPECT_EQ(countContaining(u(R"(<option value="O">O </select>)")), 1);
    EXPECT_EQ(countContaining(u(R"(<option value="P">)")), 0);
    EXPECT_EQ(countContaining(head.arg(33) + u("</select>")), 1);
    EXPECT_EQ(labels(), (QStringList{u("1"), u("1.1"), u("2"), u("2.1"), u("3"), u("3.1")}));
}

TEST_F(ChapterPageBuilderTest, PicturesOnlyForNonBlankPicurlAndNeverOnMatchingQuestions) {
    rows.chapter(10);
    rows.type(1, u("1"), u("单选"));
    rows.type(10, u("8"), u("案例"));
    rows.type(11, u("9"), u("配伍"));
    rows.group(100, 10, 1, u(""));
    rows.group(200, 10, 10, u("病例"));
    rows.group(300, 10, 11, u("选项"), u("2"));
    rows.question({1, 100, u("无图"), u("")});
    rows.question({2, 100, u("空白"), u(" \t ")});
    rows.question({3, 100, u("控制字符"), QStringLiteral("\x01\x1f ")});
    rows.question({21, 200, u("案例无图"), u("")});
    rows.question({22, 200, u("案例有图"), u(" tp/b.png")});
    rows.question({31, 300, u("配伍"), u("tp/c.png")});

    build(10);

    EXPECT_EQ(countContaining(u("如图所示")), 1);
    const qsizetype picture =
        view.appends.indexOf(u(R"(&nbsp<br><p> 如图所示：<img src="./ tp/b.png"> </p> <br>)"));
    ASSERT_GE(picture, 0);
    EXPECT_TRUE(view.appends[picture + 1].contains(u("fan22'>4.2. 案例有图")));
}

TEST_F(ChapterPageBuilderTest, FavouritesModeDropsGroupsWithoutListedQuestions) {
    rows.chapter(10);
    rows.type(1, u("1"), u("单选"));
    rows.type(10, u("8"), u("案例"));
    rows.type(11, u("9"), u("配伍"));
    rows.group(100, 10, 1, u(""));
    rows.group(200, 10, 10, u("病例"));
    rows.group(300, 10, 11, u("选项"), u("2"));
    rows.question({1, 100, u("收藏的"), {}, u("A"), u("e"), u("1")});
    rows.question({2, 100, u("未收藏")});
    rows.question({21, 200, u("案例未收藏")});
    rows.question({31, 300, u("配伍未收藏")});

    build(10, ViewMode::Favourites);

    EXPECT_EQ(labels(), QStringList{u("1")});
    EXPECT_EQ(countContaining(u("病例")), 0);
    EXPECT_EQ(countContaining(u("选项")), 0);
    EXPECT_EQ(countContaining(u("<b>案例</b>")), 0);
    EXPECT_EQ(countOf(u("<hr>")), 1);
    EXPECT_EQ(view.waits, 2);
}

TEST_F(ChapterPageBuilderTest, AllModeKeepsHeadAndSeparatorOfGroupsWithoutQuestions) {
    rows.chapter(10);
    rows.type(1, u("1"), u("单选"));
    rows.type(11, u("9"), u("配伍"));
    rows.group(100, 10, 1, u(""));
    rows.group(300, 10, 11, u("选项"), u("2"));

    build(10);

    EXPECT_EQ(view.appends,
              (QStringList{f::typeHeader(u("单选")), u("<br><br>"), f::typeHeader(u("配伍")),
                           u("<br><br>"), u("&nbsp1.选项"), u("<br><br>"), u("<hr>")}));
    EXPECT_EQ(view.waits, 2);
}

TEST_F(ChapterPageBuilderTest, WrongQuestionModeListsOnlyTheBank) {
    rows.chapter(10);
    rows.type(1, u("1"), u("单选"));
    rows.group(100, 10, 1, u(""));
    rows.question({1, 100, u("对的")});
    rows.question({2, 100, u("错的"), {}, u("A"), u("e"), {}, u("1")});

    build(10, ViewMode::WrongQuestions);

    EXPECT_EQ(labels(), QStringList{u("1")});
    EXPECT_EQ(countContaining(u("fan2'>1. 错的")), 1);
    EXPECT_EQ(countContaining(u("对的")), 0);
}

TEST_F(ChapterPageBuilderTest, TwoCaseGroupsShareOneHeader) {
    rows.chapter(10);
    rows.type(10, u("8"), u("案例"));
    rows.group(200, 10, 10, u("甲病例"));
    rows.group(201, 10, 10, u("乙病例"));
    rows.question({21, 200, u("a")});
    rows.question({22, 201, u("b")});
    rows.question({23, 201, u("c")});

    build(10);

    EXPECT_EQ(countOf(f::typeHeader(u("案例"))), 1);
    EXPECT_EQ(labels(), (QStringList{u("1"), u("1.1"), u("2"), u("2.1"), u("2.2")}));
    EXPECT_EQ(numbering.CaseHeaderShown, 1);
}

TEST_F(ChapterPageBuilderTest, FavouriteCaptionInEveryMode) {
    rows.chapter(10);
    rows.type(1, u("1"), u("单选"));
    rows.group(100, 10, 1, u(""));
    rows.question({1, 100, u("q"), {}, u("A"), u("e"), u("1"), u("1")});
    for (ViewMode mode : {ViewMode::AllQuestions, ViewMode::Favourites, ViewMode::WrongQuestions}) {
        numbering.reset();
        build(10, mode);
        EXPECT_EQ(countContaining(u(R"(value="取消收藏"/>)")), 1);
        EXPECT_EQ(countContaining(u("收藏本题")), 0);
    }
}

TEST_F(ChapterPageBuilderTest, ChapterWithoutGroupsIsOnlyTheTemplate) {
    rows.chapter(10);
    build(10);
    EXPECT_EQ(view.loads, QStringList{templatePath});
    EXPECT_TRUE(view.appends.isEmpty());
    EXPECT_EQ(view.waits, 0);
    EXPECT_EQ(currentChapter, u("10"));
}

TEST_F(ChapterPageBuilderTest, MissingChapterFailsAndKeepsTheCurrentChapter) {
    EXPECT_THROW(build(99), core::Error);
    EXPECT_EQ(currentChapter, u("old"));
    EXPECT_EQ(view.loads.size(), 1);
}

TEST_F(ChapterPageBuilderTest, CodeThatIsNotANumberEndsTheBuildAfterWhatCameBefore) {
    rows.chapter(10);
    rows.type(1, u("1"), u("单选"));
    rows.type(2, u("'abc'"), u("坏类型"));
    rows.group(100, 10, 1, u(""));
    rows.group(101, 10, 2, u(""));
    rows.question({1, 100, u("q")});
    rows.question({2, 101, u("r")});

    EXPECT_THROW(build(10), core::Error);

    EXPECT_EQ(currentChapter, u("10"));
    EXPECT_EQ(view.appends.last(), u("<hr>"));
    EXPECT_EQ(labels(), QStringList{u("1")});
    EXPECT_TRUE(view.zooms.isEmpty());
}

TEST_F(ChapterPageBuilderTest, MatchingOpnumThatIsNotANumberFails) {
    rows.chapter(10);
    rows.type(11, u("9"), u("配伍"));
    rows.group(300, 10, 11, u("选项"), u("'五'"));
    rows.question({31, 300, u("q")});
    EXPECT_THROW(build(10), core::Error);
}

// A blank type code or choice count is no number either: the build stops there instead of
// going on as if it read 0.
TEST_F(ChapterPageBuilderTest, BlankCodeOrOpnumFailsLikeAnyFailedConversion) {
    rows.chapter(10);
    rows.type(1, u("''"), u("空类型"));
    rows.group(100, 10, 1, u(""));
    rows.question({1, 100, u("q")});
    EXPECT_THROW(build(10), core::Error);

    rows.chapter(20);
    rows.type(11, u("9"), u("配伍"));
    rows.group(300, 20, 11, u("选项"), u("' '"));
    rows.question({31, 300, u("r")});
    EXPECT_THROW(build(20), core::Error);
}

// The choice count is converted where a matching line is built: a matching group that shows no
// question never converts it, however it is stored, and the page goes on past the group.
TEST_F(ChapterPageBuilderTest, AMatchingGroupShowingNoQuestionLeavesItsChoiceCountUnread) {
    rows.chapter(10);
    rows.type(1, u("9"), u("配伍"));
    rows.type(2, u("1"), u("单选"));
    rows.group(300, 10, 1, u("选项"), u("' '"));
    rows.question({31, 300, u("配伍未收藏")});
    rows.group(100, 10, 2, u(""));
    rows.question({1, 100, u("后面收藏的"), {}, u("A"), u("e"), u("1")});

    build(10, ViewMode::Favourites);

    EXPECT_EQ(labels(), QStringList{u("1")});
    EXPECT_EQ(countContaining(u("fan1'>1. 后面收藏的")), 1);
    EXPECT_EQ(view.zooms, QList<int>{1});

    // All questions: a matching group without questions keeps its head and separator.
    rows.chapter(20);
    rows.group(400, 20, 1, u("空组"), u("'五'"));
    rows.group(500, 20, 2, u(""));
    rows.question({5, 500, u("后面的题")});
    numbering.reset();

    build(20);

    EXPECT_EQ(labels(), (QStringList{u("1"), u("2")}));
    EXPECT_EQ(countOf(u("<hr>")), 2);
    EXPECT_EQ(countContaining(u("fan5'>2. 后面的题")), 1);
}

TEST_F(ChapterPageBuilderTest, UnknownTypeCodeWritesOnlyAnswerBlocksAndSeparators) {
    rows.chapter(10);
    rows.type(12, u("12"), u("未知"));
    rows.group(500, 10, 12, u("组"));
    rows.question({5, 500, u("看不见的题干"), u("tp/x.png"), u("C"), u("e")});
    rows.option(501, 5, u("A"), u("看不见的选项"));

    build(10);

    EXPECT_EQ(view.appends,
              (QStringList{u("<br>"), f::answerBlock({u("5"), u("C"), u("e"), false}), u("<hr>")}));
}

TEST_F(ChapterPageBuilderTest, OpinionsOfMatchingQuestionsAreNotShown) {
    rows.chapter(10);
    rows.type(11, u("9"), u("配伍"));
    rows.group(300, 10, 11, u("选项"), u("3"));
    rows.question({31, 300, u("q")});
    rows.option(901, 31, u("A"), u("多余的选项"));

    build(10);

    EXPECT_EQ(countContaining(u("多余的选项")), 0);
    EXPECT_EQ(countContaining(u("<input type=")), 0);
}

TEST_F(ChapterPageBuilderTest, MultipleChoiceTypesUseCheckBoxes) {
    rows.chapter(10);
    rows.type(6, u("5"), u("多选"));
    rows.group(100, 10, 6, u(""));
    rows.question({1, 100, u("q")});
    rows.option(11, 1, u("A"), u("甲"));
    build(10);
    EXPECT_EQ(countOf(u(R"(&nbsp <input type="checkbox" id="11" name="1" value="A">A:甲<br>)")), 1);
}

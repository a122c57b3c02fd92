#include "pages/question_fragments.h"

#include <gtest/gtest.h>

// Expected texts are written out in full here, piece by piece as the page markup defines them.
namespace f = pages::fragments;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

const f::OptionData kOption{u("301"), u("57"), u("B"), u("<i>肝脏</i>")};

}  // namespace

TEST(QuestionFragments, HeaderGroupLinePictureAndSeparator) {
    EXPECT_EQ(f::typeHeader(u("A1型题")), u(R"(&nbsp <b>A1型题</b>)"));
    EXPECT_EQ(f::groupLine(4, u("病例：男，45岁")), u(R"(&nbsp4.病例：男，45岁)"));
    EXPECT_EQ(f::pictureParagraph(u(" tp/x 1.png ")),
              u(R"(<p> 如图所示：<img src="./ tp/x 1.png "> </p> )"));
    EXPECT_EQ(f::pictureOpening(u("a.png")),
              u(R"(&nbsp<br><p> 如图所示：<img src="./a.png"> </p> )"));
    EXPECT_EQ(f::separator(), u("<hr>"));
    EXPECT_EQ(f::kBreak, u("<br>"));
    EXPECT_EQ(f::kDoubleBreak, u("<br><br>"));
}

TEST(QuestionFragments, StemsCarryTheStemSpanAndNumbers) {
    EXPECT_EQ(f::questionStem(u("57"), 12, u("<b>题干</b>")),
              u(R"(&nbsp <span  id ='fan57'>12. <b>题干</b></span>)"));
    EXPECT_EQ(f::subQuestionStem(u("57"), 4, 2, u("题干")),
              u(R"(&nbsp <span  id ='fan57'>4.2. 题干</span>)"));
}

TEST(QuestionFragments, MatchingLineWithItsDropDown) {
    EXPECT_EQ(
        f::matchingLine(u("57"), 5, 3, 2, u("题干")),
        u(R"(&nbsp5.3.  <select name="cars" id="a57"> <option value="daan" selected>答案 )"
          R"(<option value="A">A <option value="B">B </select><span id ='fan57'>题干</span>)"));
}

TEST(QuestionFragments, ChoiceListRunsFromAUpToAtMostO) {
    EXPECT_EQ(f::choiceList(5), u(R"(<option value="A">A <option value="B">B <option value="C">C )"
                                  R"(<option value="D">D <option value="E">E )"));
    QString fifteen;
    for (const char letter : QByteArray("ABCDEFGHIJKLMNO"))
        fifteen += QStringLiteral("<option value=\"%1\">%1 ").arg(QChar(letter));
    EXPECT_EQ(f::choiceList(15), fifteen);
    EXPECT_EQ(f::choiceList(20), fifteen);
    EXPECT_EQ(f::choiceList(0), QString());
    EXPECT_EQ(f::choiceList(-3), QString());
}

TEST(QuestionFragments, OptionLines) {
    EXPECT_EQ(f::radioOption(kOption),
              u(R"( <input type="radio" id="301"  name="57" value="B">B:<i>肝脏</i><br>)"));
    EXPECT_EQ(f::checkboxOption(kOption),
              u(R"( <input type="checkbox" id="301" name="57" value="B">B:<i>肝脏</i><br>)"));
}

TEST(QuestionFragments, AnswerBlockOfQuestion57) {
    const QString expectedStart =
        u(R"(<div  style="cursor:hand;"><tr><td width="100%"> <div align="right" > <input id="xs)") +
        u("57") + u(R"(" onclick="xsda(this,')") + u("ansnote") + u("57") +
        u(R"~(')" name="quelmarxsda" type="button" value="显示答案"/>)~") +
        u(R"(<input id="sc"  onclick="scbt(this); window.location.href('http://scbt)") + u("57");
    const QString notFavourite = u(R"~(')" name="quelmarscbt" type="button" value="收藏本题"/>)~");
    const QString favourite = u(R"~(')" name="quelmarscbt" type="button" value="取消收藏"/>)~");
    const QString expectedEnd =
        u(R"(<input  name="quelmarctfk" onclick="window.location.href('http://ctfk)") + u("57") +
        u(R"~(')" type="button" value="错题反馈" /> </div>)~") +
        u(R"(&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</div><div  class="Answer" id="ansnote)") +
        u("57") + u(R"(" value=")") + u("ACD") + u(R"(" style="display:none">)") + u("正确答案：") +
        u("ACD") + u(" 答案解析：") + u("<p>解析</p>") + u("</div></td></tr> ");

    EXPECT_EQ(f::answerBlock({u("57"), u("ACD"), u("<p>解析</p>"), false}),
              expectedStart + notFavourite + expectedEnd);
    EXPECT_EQ(f::answerBlock({u("57"), u("ACD"), u("<p>解析</p>"), true}),
              expectedStart + favourite + expectedEnd);
}

TEST(QuestionFragments, PreviewForms) {
    EXPECT_EQ(f::preview::questionStem(1, u("题干")), u("&nbsp1. 题干"));
    EXPECT_EQ(f::preview::subQuestionStem(1, 1, u("题干")), u("&nbsp1.1. 题干"));
    EXPECT_EQ(f::preview::matchingLine(u("57"), 1, 1, 1, u("题干")),
              u(R"(&nbsp1.1.  <select name="cars" id="a57"> <option value="daan" selected>答案 )"
                R"(<option value="A">A </select>题干)"));
    EXPECT_EQ(f::preview::radioOption(kOption),
              u(R"( <input type="radio" id="301"  name="57" value="B">B:<i>肝脏</i>)"));
    EXPECT_EQ(f::preview::checkboxOption(kOption),
              u(R"( <input type="checkbox" id="301" name="57" value="B">B:<i>肝脏</i>)"));
    EXPECT_EQ(f::preview::answerBlock(u("57"), u("BE")),
              u(R"(<br> <br><div class="Answer" id="ansnote)") + u("57") + u(R"(" value=")") +
                  u("BE") + u(R"(" style="display">)") + u("正确答案：") + u("BE") +
                  u("</div></td></tr><br><br> "));
}

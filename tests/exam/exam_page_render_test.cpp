#include "exam/exam_page_render.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringEncoder>

#include "core/error.h"
#include "exam_bank.h"
#include "pageview/text_page_view.h"

namespace {

using exam::ExamPageVariant;

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// A bank with one paper row of each kind and a bare template; renders rows into a text page.
class ExamPageRenderTest : public testing::Test {
  protected:
    void SetUp() override {
        QFile page(bank.programDir() + "ty.html");
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write(QStringEncoder("GBK").encode(u("<html><body></body></html>")));
        bank.run(u(R"sql(
insert into sj(tid, lx, tg, tgid, da, tp, tjda) values ('3', 'a1', '单选题干', '10', 'B', 'tp/x.png', 'B');
insert into sj(tid, lx, alt, tg, tgid, da, tjda) values ('4.2', 'a3', '病例', '多选题干', '11', 'BD', 'BD');
insert into sj(tid, lx, alt, tgid, xx, tjda) values ('5', 'a4', '备选', '7', '5', 'C');
insert into opinion(id, questionid, code, content) values
  (101, 10, 'A', '甲'), (102, 10, 'B', '乙'),
  (111, 11, 'A', '一'), (112, 11, 'B', '二'), (113, 11, 'C', '三'), (114, 11, 'D', '四'),
  (171, 7, 'A', '组的选项');
insert into question(id, readtextid, content, answer, itemnum, lx) values
  (201, 7, '配一', 'C', 1, 'C'), (202, 7, '配二', 'A', 2, 'a4'), (203, 7, '配三', 'E', 3, '');
)sql"));
    }

    // The body of the page that show() leaves.
    QString show(const QString& tid, ExamPageVariant variant) {
        store::Connection connection = bank.connect();
        EXPECT_TRUE(exam::ExamPageRender(connection, view).show(tid, templatePath(), variant));
        const QString html = view.html();
        return html.mid(12, html.size() - 12 - 14);  // between <html><body> and </body></html>
    }
    QString templatePath() const { return bank.programDir() + "ty.html"; }

    ExamBank bank;
    pageview::TextPageView view;
};

const QString kPicture = u("&nbsp<br><p> 如图所示：<img src=\"./tp/x.png\"> </p> <br>");
const QString kSingleChoice =
    u("<br>3.单选题干<br>"
      "<br> <input type=\"radio\" id=\"101\"  name=\"10\" value=\"A\">A:甲<br><br>"
      "<br> <input type=\"radio\" id=\"102\"  name=\"10\" value=\"B\" checked>B:乙<br><br>");

TEST_F(ExamPageRenderTest, PicturesOnlyWhenMovingAndTheAnswerOnlyInTheReview) {
    EXPECT_EQ(show("3", ExamPageVariant::First), kPicture + kSingleChoice);
    EXPECT_EQ(show("3", ExamPageVariant::Later), kPicture + kSingleChoice);
    EXPECT_EQ(show("3", ExamPageVariant::Jump), kSingleChoice);
    EXPECT_EQ(show("3", ExamPageVariant::Review),
              kSingleChoice + u("<body> <b>正确答案：B</b> </body><br> <br>"));
    EXPECT_TRUE(view.checked("102"));
    EXPECT_FALSE(view.checked("101"));

    bank.run("update sj set tp='   ', tjda='' where tid='3'");
    const QString blankPicture = show("3", ExamPageVariant::First);
    EXPECT_FALSE(blankPicture.contains("<img")) << blankPicture.toStdString();
    EXPECT_FALSE(blankPicture.contains("checked"));  // nothing answered yet
}

TEST_F(ExamPageRenderTest, ACaseQuestionIsNumberedFromItsTidAndGetsItsLettersBack) {
    EXPECT_EQ(show("4.2", ExamPageVariant::Jump),
              u("4.病例<br>"
                "<br>4.2.多选题干<br>"
                "<br> <input type=\"checkbox\" id=\"111\"  name=\"11\" value=\"A\">A:一<br><br>"
                "<br> <input type=\"checkbox\" id=\"112\"  name=\"11\" value=\"B\" checked>B:二<br>"
                "<br>"
                "<br> <input type=\"checkbox\" id=\"113\"  name=\"11\" value=\"C\">C:三<br><br>"
                "<br> <input type=\"checkbox\" id=\"114\"  name=\"11\" value=\"D\" checked>D:四<br>"
                "<br>"));
}

TEST_F(ExamPageRenderTest, AMatchingGroupOffersItsLettersAndRestoresOnlyRealChoices) {
    const QString letters =
        u("<option value=\"A\">A <option value=\"B\">B <option value=\"C\">C "
          "<option value=\"D\">D <option value=\"E\">E ");
    const auto line = [&](const QString& item, const QString& id, const QString& content,
                          bool chosen, const QString& lineEnd) {
        QString list = letters;
        if (chosen) list.replace(u("\"C\">"), u("\"C\" selected>"));
        return item + ". " + " <select name=\"cars\" id=\"" + id +
               (chosen ? u("\"> <option value=\"daan\">答案 ")
                       : u("\"> <option value=\"daan\" selected>答案 ")) +
               list + "</select>" + content + "<br>" + lineEnd;
    };
    // The group's own opinion rows only add line breaks.
    const QString groupOptions = u("<br><br>");
    EXPECT_EQ(show("5", ExamPageVariant::Later),
              u("5.备选<br> <br>") + line("1", "201", u("配一"), true, "<br> <br>") +
                  line("2", "202", u("配二"), false, "<br> <br>") +
                  line("3", "203", u("配三"), false, "<br> <br>") + groupOptions);
    EXPECT_EQ(view.value("201"), "C");
    EXPECT_EQ(view.value("202"), "daan");  // lx still "a4": never answered

    EXPECT_EQ(show("5", ExamPageVariant::Review),
              u("5.备选<br> <br>") + line("1", "201", u("配一"), true, "<br>") +
                  u("<body> <b>正确答案：C</b> </body><br> <br>") +
                  line("2", "202", u("配二"), false, "<br>") +
                  u("<body> <b>正确答案：A</b> </body><br> <br>") +
                  line("3", "203", u("配三"), false, "<br>") +
                  u("<body> <b>正确答案：E</b> </body><br> <br>") + groupOptions);

    bank.run("update sj set xx='20' where tid='5'");
    const QString many = show("5", ExamPageVariant::First);
    EXPECT_TRUE(many.contains(u("<option value=\"O\">O </select>配一<br><br>")));
    EXPECT_FALSE(many.contains(u("value=\"P\"")));
    bank.run("update sj set xx='' where tid='5'");
    EXPECT_TRUE(
        show("5", ExamPageVariant::First).contains(u("<option value=\"daan\">答案 </select>配一")));
}

TEST_F(ExamPageRenderTest, ShowFindsTheRowByItsNumberTextOnly) {
    store::Connection connection = bank.connect();
    exam::ExamPageRender render(connection, view);
    EXPECT_FALSE(render.show("99", templatePath(), ExamPageVariant::First));
    // A quote in the number stays inside the quoted text.
    EXPECT_FALSE(render.show("3' or '1'='1", templatePath(), ExamPageVariant::First));
    EXPECT_TRUE(view.html().isEmpty());  // nothing loaded
    EXPECT_TRUE(render.show("4.2", templatePath(), ExamPageVariant::First));
    EXPECT_THROW(render.show("3", bank.programDir() + "none.html", ExamPageVariant::First),
                 core::Error);
}

}  // namespace

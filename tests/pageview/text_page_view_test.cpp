#include "pageview/text_page_view.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "core/error.h"

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("ty.html"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QByteArray gbk(const QString& text) { return QStringEncoder("GBK").encode(text); }

}  // namespace

TEST(TextPageView, FragmentsGoBeforeTheLastBodyEndInAppendOrder) {
    QTemporaryDir dir;
    const QString page =
        u("<html><head><!-- 不是结尾 </body> --></head><BODY>试题</Body >\n</BODY>\n</html>\n");
    pageview::TextPageView view;
    view.load(writeFile(dir, gbk(page)));
    view.append(u("<b>一</b>"));
    view.append(u("<span>二"));  // unbalanced markup stays as written
    view.append(u("三"));
    EXPECT_EQ(view.html(), u("<html><head><!-- 不是结尾 </body> --></head><BODY>试题</Body >\n"
                             "<b>一</b><span>二三</BODY>\n</html>\n"));
    EXPECT_EQ(view.gbkDocument(), gbk(view.html()));
}

TEST(TextPageView, LoadStartsANewPageAndATemplateWithoutBodyEndTakesFragmentsAtTheEnd) {
    QTemporaryDir dir;
    pageview::TextPageView view;
    const QString path = writeFile(dir, gbk(u("<p>无结尾")));
    view.load(path);
    view.append(u("旧"));
    view.load(path);
    view.append(u("新"));
    EXPECT_EQ(view.html(), u("<p>无结尾新"));
}

TEST(TextPageView, ElementReadsAnswerFromTheFragmentsAsABrowserWould) {
    pageview::TextPageView view;
    // The forms the page fragments write: two blanks before name, a blank before '=', single
    // quotes, attributes in another order, unquoted values, a '>' inside an onclick.
    view.append(u(" <input type=\"radio\" id=\"301\"  name=\"57\" value=\"A\">A:甲<br>"));
    view.append(u("<input checked value=B name=57 type='radio' id='302'>B:乙"));
    view.append(u("&nbsp <span  id ='fan57'>1. 题干</span>"));
    view.append(
        u("1.  <select name=\"cars\" id=\"57\"> <option value=\"daan\" selected>答案 "
          "<option value=\"A\">A <option value=\"B\">B </select>"));
    view.append(u("<select id=\"58\"><option value=\"A\">A<option value=\"B\">B</select>"));
    view.append(u("<input id=\"xs57\" onclick=\"if (a > b) go('x')\" value=\"显示答案\"/>"));
    view.append(u("<input id=\"301\" value=\"later\" checked>"));  // the first of an id counts

    EXPECT_EQ(view.value(u("301")), u("A"));
    EXPECT_FALSE(view.checked(u("301")));
    EXPECT_EQ(view.value(u("302")), u("B"));
    EXPECT_TRUE(view.checked(u("302")));
    EXPECT_EQ(view.value(u("fan57")), QString());
    EXPECT_EQ(view.value(u("57")), u("daan"));
    EXPECT_EQ(view.value(u("58")), u("A"));  // nothing selected: the first option
    EXPECT_EQ(view.value(u("xs57")), u("显示答案"));
    EXPECT_THROW(view.value(u("a57")), core::Error);
    EXPECT_THROW(view.checked(u("30")), core::Error);
    EXPECT_THROW(view.setChecked(u("999"), true), core::Error);
    EXPECT_THROW(view.setValue(u("a57"), u("A")), core::Error);
    EXPECT_THROW(view.setColor(u("fan58"), u("red")), core::Error);
    view.setColor(u("fan57"), u("red"));  // a known id: nothing to print

    const QHash<QString, pageview::ElementState> snapshot = view.formSnapshot();
    EXPECT_EQ(snapshot.size(), 6);
    EXPECT_EQ(snapshot.value(u("301")).value, u("A"));
    EXPECT_FALSE(snapshot.value(u("301")).checked);
    EXPECT_TRUE(snapshot.value(u("302")).checked);
    EXPECT_EQ(snapshot.value(u("57")).value, u("daan"));
    EXPECT_TRUE(snapshot.contains(u("fan57")));
}

TEST(TextPageView, ElementWritesChangeThePrintedMarkup) {
    QTemporaryDir dir;
    pageview::TextPageView view;
    const QString path = writeFile(dir, gbk(u("<body></body>")));
    view.load(path);
    view.append(u(" <input type=\"radio\" id=\"1\"  name=\"7\" value=\"A\">"));
    view.append(
        u(" <input type=\"radio\" id=\"2\"  name=\"7\" value=\"B\">"
          " <input type=\"radio\" id=\"3\"  name=\"8\" value=\"A\" checked>"));
    view.append(u(" <input type=\"checkbox\" id=\"4\"  name=\"9\" value=\"C\"/>"));
    view.append(
        u("<select name=\"cars\" id=\"9\"> <option value=\"daan\" selected>答案 "
          "<option value=\"A\">A <option value=\"C\">C </select>"));

    view.setChecked(u("1"), true);
    view.setChecked(u("2"), true);  // takes the group's mark from 1, not from 3 of group 8
    view.setChecked(u("4"), true);
    view.setChecked(u("4"), true);  // set twice, written once
    view.setValue(u("9"), u("C"));
    EXPECT_EQ(view.html(),
              u("<body> <input type=\"radio\" id=\"1\"  name=\"7\" value=\"A\">"
                " <input type=\"radio\" id=\"2\"  name=\"7\" value=\"B\" checked>"
                " <input type=\"radio\" id=\"3\"  name=\"8\" value=\"A\" checked>"
                " <input type=\"checkbox\" id=\"4\"  name=\"9\" value=\"C\" checked/>"
                "<select name=\"cars\" id=\"9\"> <option value=\"daan\">答案 "
                "<option value=\"A\">A <option value=\"C\" selected>C </select></body>"));
    EXPECT_FALSE(view.checked(u("1")));
    EXPECT_TRUE(view.checked(u("2")));
    EXPECT_EQ(view.value(u("9")), u("C"));

    view.setChecked(u("4"), false);
    EXPECT_FALSE(view.checked(u("4")));
    view.setValue(u("9"), u("Z"));  // no such option: none stays selected, the first shows
    EXPECT_EQ(view.value(u("9")), u("daan"));
    view.setValue(u("4"), u("say \"D\""));
    EXPECT_EQ(view.value(u("4")), u("say \"D\""));
    EXPECT_EQ(view.formSnapshot().value(u("4")).value, u("say \"D\""));

    // Fragments appended after the first lookups are found too, and join their radio group.
    view.append(u(" <input type=\"radio\" id=\"5\"  name=\"7\" value=\"C\">"));
    view.setChecked(u("5"), true);
    EXPECT_FALSE(view.checked(u("2")));
    EXPECT_TRUE(view.checked(u("5")));
    view.load(path);  // a new page: the old elements are gone
    EXPECT_THROW(view.value(u("5")), core::Error);
}

TEST(TextPageView, MissingTemplateAndTextGbkCannotHoldAreErrors) {
    QTemporaryDir dir;
    pageview::TextPageView view;
    EXPECT_THROW(view.load(dir.filePath(QStringLiteral("none.html"))), core::Error);
    view.load(writeFile(dir, gbk(u("<body></body>"))));
    view.append(u("😀"));
    EXPECT_THROW(view.gbkDocument(), core::Error);
}

#include "pageview/text_page_view.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "store/error.h"

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

TEST(TextPageView, ElementAccessIsAnErrorAndOtherCallsAreKept) {
    pageview::TextPageView view;
    EXPECT_THROW(view.value(u("a57")), store::Error);
    EXPECT_THROW(view.checked(u("301")), store::Error);
    EXPECT_THROW(view.setChecked(u("301"), true), store::Error);
    EXPECT_THROW(view.setValue(u("a57"), u("A")), store::Error);
    EXPECT_THROW(view.setColor(u("fan57"), u("red")), store::Error);
    EXPECT_THROW(view.formSnapshot(), store::Error);
    view.zoom(1);
    view.setBodyFontSize(14);
    view.execScript(u("xsda()"));
    EXPECT_EQ(view.zoomLevel(), 1);
    EXPECT_EQ(view.bodyFontSize(), 14);
    EXPECT_EQ(view.scripts(), QStringList{u("xsda()")});
}

TEST(TextPageView, MissingTemplateAndTextGbkCannotHoldAreErrors) {
    QTemporaryDir dir;
    pageview::TextPageView view;
    EXPECT_THROW(view.load(dir.filePath(QStringLiteral("none.html"))), store::Error);
    view.load(writeFile(dir, gbk(u("<body></body>"))));
    view.append(u("😀"));
    EXPECT_THROW(view.gbkDocument(), store::Error);
}

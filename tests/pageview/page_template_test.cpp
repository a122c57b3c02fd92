// The template ty.html in the real view: its answer buttons, its link buttons and its scripts.
#include <QFile>

#include "core/error.h"
#include "page_fixture.h"

namespace {

using PageTemplate = PageFixture;

const QString kShowAllScript = QStringLiteral(
    "function showallans(){var tmpd;  var allnum =10000; var i;  for (i=1;i<=allnum;i++) { "
    "tmpd=document.getElementById(\"xs\"+i);if ((tmpd!=null)&&(tmpd.value=='显示答案')) "
    "tmpd.click(); }\t} showallans();");
const QString kHideAllScript = QStringLiteral(
    "function showallans(){var tmpd;  var allnum =10000; var i;  for (i=1;i<=allnum;i++) { "
    "tmpd=document.getElementById(\"xs\"+i);if ((tmpd!=null)&&(tmpd.value=='隐藏答案')) "
    "tmpd.click(); }\t} showallans();");

QString displayOf(PageFixture& page, int q);

TEST(PageTemplateFile, IsStoredAsGbkAndSaysSo) {
    QFile file(QStringLiteral(VANTREL_BIN_DIR "/ty.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("<meta charset=\"gbk\">"));
    EXPECT_TRUE(bytes.contains("\xCF\xD4\xCA\xBE\xB4\xF0\xB0\xB8"));  // 显示答案 in GBK
    EXPECT_FALSE(bytes.contains("\xE6\x98\xBE\xE7\xA4\xBA"));         // 显示 in UTF-8
    EXPECT_LT(bytes.indexOf("<meta charset"), 1024);  // where the engine looks for it
}

TEST_F(PageTemplate, DecodesAsGbkAndStylesThePageClasses) {
    EXPECT_EQ(probe(QStringLiteral("document.characterSet")).toString(), QStringLiteral("GBK"));
    EXPECT_EQ(probe(QStringLiteral("document.body.children.length")).toInt(), 0);
    view_->append(QStringLiteral(
        R"(<p align="center" class="TestResultTitle" >本 次 测 试 结 果</p><table class="table1"><tr><th class="table3">题  型</th><th class="table4">试 题 数</th></tr></table><div class="Answer" id="x">a</div>)"));
    view_->waitUntilReady();
    // Every class the pages name has a rule of its own in the template.
    const QString selectors =
        probe(QStringLiteral("Array.from(document.styleSheets[0].cssRules).map(function(r){return "
                             "r.selectorText}).join('|')"))
            .toString();
    for (const char* cls : {".Answer", ".TestResultTitle", ".table1", ".table3", ".table4"})
        EXPECT_TRUE(selectors.contains(QLatin1String(cls))) << cls;
    EXPECT_TRUE(probe(QStringLiteral("getComputedStyle(document.body).fontFamily"))
                    .toString()
                    .contains(QStringLiteral("Noto Sans CJK SC")));
}

TEST_F(PageTemplate, AnswerButtonTogglesItsBlockAndCaption) {
    view_->append(answerBlock(57, QStringLiteral("B"), QStringLiteral("因为")));
    view_->waitUntilReady();
    EXPECT_EQ(displayOf(*this, 57), QStringLiteral("none"));

    clickElement(QStringLiteral("document.getElementById('xs57')"));
    EXPECT_TRUE(waitUntil(
        [&] { return view_->value(QStringLiteral("xs57")) == QStringLiteral("隐藏答案"); }));
    EXPECT_EQ(displayOf(*this, 57), QStringLiteral("block"));
    EXPECT_TRUE(probe(QStringLiteral("document.getElementById('ansnote57').innerText"))
                    .toString()
                    .contains(QStringLiteral("正确答案：B 答案解析：因为")));

    view_->execScript(QStringLiteral("document.getElementById('xs57').click();"));
    EXPECT_EQ(view_->value(QStringLiteral("xs57")), QStringLiteral("显示答案"));
    EXPECT_EQ(displayOf(*this, 57), QStringLiteral("none"));
    EXPECT_TRUE(navigations_.filter(QStringLiteral("http")).isEmpty());
}

TEST_F(PageTemplate, ShowAllScriptOpensAnswersUpToIdTenThousandOnly) {
    for (int q : {5, 57, 10000, 10001})
        view_->append(answerBlock(q, QStringLiteral("A"), QStringLiteral("解析")));
    view_->execScript(kShowAllScript);
    for (int q : {5, 57, 10000}) {
        EXPECT_EQ(displayOf(*this, q), QStringLiteral("block")) << q;
        EXPECT_EQ(view_->value(QStringLiteral("xs%1").arg(q)), QStringLiteral("隐藏答案")) << q;
    }
    EXPECT_EQ(displayOf(*this, 10001), QStringLiteral("none"));
    EXPECT_EQ(view_->value(QStringLiteral("xs10001")), QStringLiteral("显示答案"));

    view_->execScript(kHideAllScript);
    for (int q : {5, 57, 10000, 10001}) {
        EXPECT_EQ(displayOf(*this, q), QStringLiteral("none")) << q;
        EXPECT_EQ(view_->value(QStringLiteral("xs%1").arg(q)), QStringLiteral("显示答案")) << q;
    }
}

TEST_F(PageTemplate, FavouriteAndFeedbackButtonsReachTheHookAndACancelKeepsThePage) {
    view_->append(QStringLiteral("&nbsp <span  id ='fan57'>1. 题干</span>"));
    view_->append(answerBlock(57, QStringLiteral("B"), QStringLiteral("解析")));
    view_->waitUntilReady();
    navigations_.clear();

    clickElement(QStringLiteral("document.getElementById('sc')"));
    ASSERT_TRUE(waitUntil([&] { return !navigations_.isEmpty(); }));
    EXPECT_EQ(navigations_, QStringList{QStringLiteral("http://scbt57/")});

    navigations_.clear();
    clickElement(QStringLiteral("document.getElementsByName('quelmarctfk')[0]"));
    ASSERT_TRUE(waitUntil([&] { return !navigations_.isEmpty(); }));
    EXPECT_EQ(navigations_, QStringList{QStringLiteral("http://ctfk57/")});

    // Cancelled: the same document, with what was appended, is still there and usable.
    EXPECT_TRUE(probe(QStringLiteral("location.protocol")).toString() == QStringLiteral("file:"));
    EXPECT_EQ(view_->value(QStringLiteral("xs57")), QStringLiteral("显示答案"));
    view_->setColor(QStringLiteral("fan57"), QStringLiteral("red"));
    view_->append(QStringLiteral("<span id='after'>x</span>"));
    EXPECT_EQ(view_->formSnapshot().count(QStringLiteral("after")), 1);
}

TEST_F(PageTemplate, BodyFontSizeIsTakenInPixels) {
    view_->append(QStringLiteral("<p id='p'>正文</p>"));
    view_->setBodyFontSize(17);
    EXPECT_EQ(
        probe(QStringLiteral("getComputedStyle(document.getElementById('p')).fontSize")).toString(),
        QStringLiteral("17px"));
    view_->setBodyFontSize(24);
    EXPECT_EQ(probe(QStringLiteral("document.body.style.fontSize")).toString(),
              QStringLiteral("24px"));
}

TEST_F(PageTemplate, ScriptEffectsAreVisibleAtOnceAndScriptErrorsAreReported) {
    view_->append(QStringLiteral("<span id='s'>a</span>"));
    view_->execScript(
        QStringLiteral("var pageCounter = 41; function bump(){ pageCounter++; } bump();"));
    // Declared in the page's global scope, like a script of the page itself.
    EXPECT_EQ(probe(QStringLiteral("window.pageCounter")).toInt(), 42);
    view_->execScript(QStringLiteral("document.getElementById('s').value='v'+pageCounter;"));
    EXPECT_EQ(view_->value(QStringLiteral("s")), QStringLiteral("v42"));
    EXPECT_THROW(view_->execScript(QStringLiteral("document.getElementById('nope').click();")),
                 core::Error);
    EXPECT_THROW(view_->execScript(QStringLiteral("function (")), core::Error);
}

TEST_F(PageTemplate, ZoomLevelOneIsTheDesignedSize) {
    view_->zoom(1);
    EXPECT_DOUBLE_EQ(view_->zoomFactor(), 1.0);
    view_->zoom(3);
    EXPECT_DOUBLE_EQ(view_->zoomFactor(), 1.25);
    view_->zoom(9);
    EXPECT_DOUBLE_EQ(view_->zoomFactor(), 1.375);
    view_->zoom(-2);
    EXPECT_DOUBLE_EQ(view_->zoomFactor(), 0.875);
}

QString displayOf(PageFixture& page, int q) {
    return page
        .probe(
            QStringLiteral("getComputedStyle(document.getElementById('ansnote%1')).display").arg(q))
        .toString();
}

}  // namespace

#include "page_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <memory>

void PageFixture::SetUp() {
    auto* layout = new QVBoxLayout(&window_);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new pageview::WebPageView(&window_);
    layout->addWidget(view_);
    window_.resize(1000, 760);
    window_.show();
    view_->setNavigationHook([this](const QString& url, bool& cancel) {
        navigations_ << url;
        cancel = !url.startsWith(QStringLiteral("file:"));  // as a shown page refuses its links
    });
    view_->load(templatePath());
}

QString PageFixture::templatePath() { return QStringLiteral(VANTREL_BIN_DIR "/ty.html"); }

bool PageFixture::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

QVariant PageFixture::probe(const QString& expression) {
    struct Answer {
        bool done = false;
        QVariant value;
    };
    const auto answer = std::make_shared<Answer>();
    view_->page()->runJavaScript(expression, [answer](const QVariant& value) {
        answer->done = true;
        answer->value = value;
    });
    EXPECT_TRUE(waitUntil([&] { return answer->done; }))
        << "no answer to " << expression.toStdString();
    return answer->value;
}

void PageFixture::clickElement(const QString& element) {
    const QVariantList box =
        probe(QStringLiteral("(function(e){if(!e)return [];e.scrollIntoView();"
                             "var r=e.getBoundingClientRect();"
                             "return [r.left+r.width/2,r.top+r.height/2];})(") +
              element + QStringLiteral(")"))
            .toList();
    ASSERT_EQ(box.size(), 2) << "no element " << element.toStdString();
    QWidget* renderWidget = view_->focusProxy();
    ASSERT_NE(renderWidget, nullptr);
    const QPoint at(qRound(box[0].toDouble()), qRound(box[1].toDouble()));
    QTest::mouseMove(renderWidget, at);
    QTest::mouseClick(renderWidget, Qt::LeftButton, Qt::NoModifier, at);
}

QString PageFixture::answerBlock(int q, const QString& answer, const QString& explain) {
    const QString id = QString::number(q);
    return QStringLiteral(
               R"~(<div  style="cursor:hand;"><tr><td width="100%"> <div align="right" > <input id="xs)~") +
           id + QStringLiteral(R"~(" onclick="xsda(this,')~") + QStringLiteral("ansnote") + id +
           QStringLiteral(R"~(')" name="quelmarxsda" type="button" value="显示答案"/>)~") +
           QStringLiteral(
               R"~(<input id="sc"  onclick="scbt(this); window.location.href('http://scbt)~") +
           id + QStringLiteral(R"~(')" name="quelmarscbt" type="button" value="收藏本题"/>)~") +
           QStringLiteral(
               R"~(<input  name="quelmarctfk" onclick="window.location.href('http://ctfk)~") +
           id + QStringLiteral(R"~(')" type="button" value="错题反馈" /> </div>)~") +
           QStringLiteral(
               R"~(&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</div><div  class="Answer" id="ansnote)~") +
           id + QStringLiteral(R"~(" value=")~") + answer +
           QStringLiteral(R"~(" style="display:none">)~") + QStringLiteral("正确答案：") + answer +
           QStringLiteral(" 答案解析：") + explain + QStringLiteral("</div></td></tr> ");
}

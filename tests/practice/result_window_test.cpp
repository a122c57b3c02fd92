#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <memory>

#include "app/reading_aids.h"
#include "fake_main_window.h"
#include "pages/chapter_page_builder.h"
#include "pageview/web_page_view.h"
#include "practice/hand_in.h"
#include "practice/result_display.h"
#include "scripted_messages.h"
#include "temp_bank.h"

namespace {

// Runs a script in a real page and waits for its answer.
QVariant evaluate(pageview::WebPageView& view, const QString& script) {
    QVariant answer;
    bool done = false;
    QEventLoop loop;
    view.page()->runJavaScript(script, [&](const QVariant& value) {
        answer = value;
        done = true;
        loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    if (!done) loop.exec();
    return answer;
}

const QString kTableText = QStringLiteral(
    "Array.from(document.querySelectorAll('tr')).map(function(r){return Array.from(r.cells)"
    ".map(function(c){return c.textContent.trim();}).join('|');}).join('\\n')");

// The main window around a real page view. Its show-all command runs the real reading aid and
// records what the open result window shows before closing it, as the user would.
class WindowHost : public FakeMainWindow {
  public:
    using FakeMainWindow::FakeMainWindow;
    pageview::WebPageView* view = nullptr;
    QWidget* mainWindow = nullptr;
    QString resultTable, resultTitle, windowCaption;
    QSize windowSize;
    QPoint windowCentreOffset;
    QRect closeButton;
    int tables = 0;

    void showAllAnswers() override {
        FakeMainWindow::showAllAnswers();
        app::ReadingAids(*view, state(), messages()).showAllAnswers();
        auto* form = qobject_cast<practice::TForm15*>(QApplication::activeModalWidget());
        if (!form) return;
        resultTable = evaluate(*form->WebBrowser1, kTableText).toString();
        resultTitle =
            evaluate(*form->WebBrowser1, "document.querySelector('.TestResultTitle').textContent")
                .toString();
        tables = evaluate(*form->WebBrowser1, "document.querySelectorAll('table').length").toInt();
        windowCaption = form->windowTitle();
        windowSize = form->size();
        windowCentreOffset = form->frameGeometry().center() - mainWindow->frameGeometry().center();
        closeButton = form->Image1->geometry();
        QTimer::singleShot(0, form, [form] { form->Image1->click(); });
    }
};

// Stands for a platform that reports the result window's activation late or not at all: eats
// the activation events of result windows until released.
class ActivationEater : public QObject {
  public:
    ActivationEater() { qApp->installEventFilter(this); }
    ~ActivationEater() override { qApp->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::WindowActivate && qobject_cast<practice::TForm15*>(watched);
    }
};

// Runs `drive` on the result window once it is up, then closes it; returns when it is closed.
void withResultWindow(practice::ResultDisplay& display,
                      const std::function<void(practice::TForm15&)>& drive) {
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<practice::TForm15*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        drive(*form);
        form->close();
    });
    display.showResultWindow();
}

void letEventsRun(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The result display of a main window without a screen, its Timer2 wired to it.
struct ResultDisplayRig {
    explicit ResultDisplayRig(bool withTemplate) {
        if (withTemplate) bank.installPageAssets();
        QObject::connect(&timer2, &QTimer::timeout, [this] { display.Timer2Timer(); });
    }
    TempBank bank;
    ScriptedMessages messages;
    pageview::WebPageView mainPage;
    FakeMainWindow host{bank.programDir(), mainPage, messages};
    QTimer timer2;
    practice::ResultDisplay display{host, nullptr, timer2};
};

TEST(ResultWindow, TheTableIsBuiltOnceShownWhateverThePlatformSaysOfActivation) {
    ResultDisplayRig rig(true);
    rig.bank.run("insert into fenshu(tx, sts, dd) values ('A1型题', '3', '2')");
    FakeMainWindow& host = rig.host;
    ScriptedMessages& messages = rig.messages;
    practice::ResultDisplay& display = rig.display;

    std::unique_ptr<ActivationEater> eater = std::make_unique<ActivationEater>();
    withResultWindow(display, [&](practice::TForm15& form) {
        for (int i = 0; i < 250 && host.showAllClicks == 0; ++i) letEventsRun(20);
        EXPECT_EQ(host.showAllClicks, 1) << "no table without an activation";
        // The activation the platform reports late is no second build.
        eater.reset();
        QEvent late(QEvent::WindowActivate);
        QApplication::sendEvent(&form, &late);
        letEventsRun(600);
    });
    EXPECT_EQ(host.showAllClicks, 1);
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
}

TEST(ResultWindow, AFailedBuildIsReportedOnceAndThenWaitsForTheUser) {
    ResultDisplayRig rig(false);  // no page template: every build fails
    ScriptedMessages& messages = rig.messages;
    practice::ResultDisplay& display = rig.display;

    withResultWindow(display, [&](practice::TForm15& form) {
        for (int i = 0; i < 250 && messages.errors.isEmpty(); ++i) letEventsRun(20);
        // Closing the error report makes the result window active again, more than once.
        for (int again = 0; again < 3; ++again) {
            QEvent activation(QEvent::WindowActivate);
            QApplication::sendEvent(&form, &activation);
            letEventsRun(300);
        }
    });
    EXPECT_EQ(messages.errors.size(), 1) << messages.errors.join('\n').toStdString();
}

}  // namespace

TEST(ResultWindow, HandInOfARealPageColoursStemsFlagsAndShowsTheScoreTable) {
    TempBank bank;
    bank.installPageAssets();
    bank.run(
        "insert into tree(id, nodename, code, parentid) values (1, '第一篇', 1, 0), (2, '第一章', "
        "0, 1);"
        "insert into qtype(id, code, title) values (3, 1, 'A1型题'), (6, 4, 'X型题'), (11, 9, "
        "'B型题配伍选择题'),"
        " (10, 8, "
        "'A3/A4型题：每个案例至少有3个提问，每个提问有4-12个备选答案，其中正确答案有一个或多个。');"
        "insert into readtext(id, treeid, qtypeid, content, opnum) values (10, 2, 3, '', 0), (11, "
        "2, 6, '', 0),"
        " (12, 2, 11, 'A.铅 B.汞 C.锰 D.砷 E.苯', 5);"
        "insert into question(id, readtextid, content, answer, \"explain\") values"
        " (101, 10, '第一题', 'B', '解析一'), (102, 10, '第二题', 'C', '解析二'), (111, 11, "
        "'第三题', 'AC', '解析三'),"
        " (121, 12, '第四题', 'A', ''), (122, 12, '第五题', 'D', '');");
    for (int q : {101, 102, 111})
        for (int k = 0; k < 5; ++k)
            bank.run(QStringLiteral("insert into opinion(id, questionid, code, content) values "
                                    "(%1, %2, '%3', '选项')")
                         .arg(q * 10 + k)
                         .arg(q)
                         .arg(QChar('A' + k)));

    QWidget mainWindow;
    mainWindow.resize(1001, 545);
    auto* view = new pageview::WebPageView(&mainWindow);
    (new QVBoxLayout(&mainWindow))->addWidget(view);
    mainWindow.show();
    ScriptedMessages messages;
    messages.answers.enqueue(core::MessageService::Answer::Yes);
    WindowHost host(bank.programDir(), *view, messages);
    host.view = view;
    host.mainWindow = &mainWindow;

    pages::ChapterPageBuilder builder(host.connection(), *view, bank.programDir() + "ty.html");
    host.state().numbering.reset();
    builder.build(2, pages::ViewMode::AllQuestions, host.state().numbering,
                  host.state().CurrentChapterId);
    view->setChecked("1011", true);  // 101: B, right
    view->setChecked("1020", true);  // 102: A, wrong
    view->setChecked("1110", true);  // 111: A and C, right
    view->setChecked("1112", true);
    view->setValue("a121", "A");  // 121 right; 122 left at its first entry

    QTimer timer2;
    practice::ResultDisplay display(host, &mainWindow, timer2);
    QObject::connect(&timer2, &QTimer::timeout, [&] { display.Timer2Timer(); });
    practice::HandIn handIn(host, [&] { display.showResultWindow(); });
    QTimer safety;  // never hang the run if the window does not get built
    QObject::connect(&safety, &QTimer::timeout, [] {
        if (QWidget* open = QApplication::activeModalWidget()) open->close();
    });
    safety.start(60000);
    handIn.BitBtn1Click();
    safety.stop();

    EXPECT_EQ(host.resultTitle, QStringLiteral("本 次 测 试 结 果"));
    EXPECT_EQ(host.tables, 1);
    EXPECT_EQ(host.resultTable, QStringLiteral("题  型|试 题 数|答  对|总  分|得  分|正 确 率\n"
                                               "A1型题|2|1|2|1|50%\n"
                                               "X型题|1|1|1|1|100%\n"
                                               "B型题配伍选择题|2|1|2|1|50%\n"
                                               "合  计|5|3|5|3|60%"));
    EXPECT_EQ(host.windowCaption, QStringLiteral("测试结果"));
    EXPECT_EQ(host.windowSize, QSize(915, 450));
    EXPECT_LE(host.windowCentreOffset.manhattanLength(), 2);
    EXPECT_EQ(host.closeButton, QRect(696, 4, 105, 33));
    EXPECT_FALSE(timer2.isActive());

    for (int q : {102, 122})
        EXPECT_EQ(
            evaluate(*view, QStringLiteral("document.getElementById('fan%1').style.color").arg(q))
                .toString(),
            QStringLiteral("red"))
            << q;
    for (int q : {101, 111, 121})
        EXPECT_EQ(
            evaluate(*view, QStringLiteral("document.getElementById('fan%1').style.color").arg(q))
                .toString(),
            QString())
            << q;
    EXPECT_EQ(evaluate(*view, "document.getElementById('xs102').value").toString(),
              QStringLiteral("隐藏答案"))
        << "the result display opens every answer block";
    EXPECT_EQ(host.state().PageShown, 1);

    store::Recordset wrong =
        host.connection().query("select * from question where ct='1' and ct1='1'");
    QStringList ids;
    for (wrong.first(); !wrong.eof(); wrong.next()) ids << wrong.text("id");
    EXPECT_EQ(ids, QStringList({"102", "122"}));
    store::Recordset scores = host.connection().query("select * from fenshu");
    EXPECT_EQ(scores.count(), 3) << "the empty case row was dropped by the display";
    ASSERT_EQ(messages.asked.size(), 1);
}

TEST(ResultWindow, ActivationStartsTheTimerAndTheCloseButtonClosesIt) {
    int activations = 0;
    QList<QWidget*> recordOpenedOver;
    practice::TForm15 form(
        nullptr, [&] { ++activations; }, [&](QWidget& over) { recordOpenedOver << &over; });
    form.show();
    form.activateWindow();
    QEventLoop loop;
    for (int i = 0; i < 100 && activations == 0; ++i) {
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    EXPECT_GE(activations, 1);
    // The learning record opens over the window, from a button left of the design's controls.
    ASSERT_TRUE(form.RecordButton->isVisible());
    EXPECT_LT(form.RecordButton->geometry().right(), form.Image1->geometry().left());
    form.RecordButton->click();
    EXPECT_EQ(recordOpenedOver, QList<QWidget*>({&form}));
    form.Image1->click();
    EXPECT_FALSE(form.isVisible());

    // Without a record to open there is no button.
    practice::TForm15 plain(nullptr, [] {});
    plain.show();
    EXPECT_FALSE(plain.RecordButton->isVisible());
}

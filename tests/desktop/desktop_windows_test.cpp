#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/wrong_question_manager.h"
#include "exam/candidate_screen.h"
#include "exam/exam_settings_dialog.h"
#include "exam/exam_window.h"
#include "exam/login_screen.h"
#include "exam/number_button.h"
#include "modal_driver.h"
#include "page_probe.h"
#include "practice/result_window.h"
#include "scripted_messages.h"
#include "services/feedback_window.h"
#include "services/version_check.h"
#include "temp_bank.h"
#include "ui/picture_button.h"
#include "x_server.h"

namespace {

void click(QWidget* button) { xserver::click(*button); }

// The window on top, active and with the keyboard, as the X server has it.
::testing::AssertionResult inFront(const QWidget& window, const QList<QWidget*>& ours) {
    const quint64 id = xserver::windowOf(window);
    const bool ok = waitUntil(
        [&] {
            return xserver::topmost(ours) == id && xserver::activeWindow() == id &&
                   xserver::focusWindow() == id;
        },
        10000);
    if (ok) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << window.objectName().toStdString() << " " << window.windowTitle().toStdString()
           << " (0x" << std::hex << id << ") is not in front: top 0x" << xserver::topmost(ours)
           << ", active 0x" << xserver::activeWindow() << ", focus 0x" << xserver::focusWindow();
}

// The main window on the demo bank with the program's own message boxes, on a real X server
// with a window manager (openbox) or none.
class DesktopWindowsTest : public testing::Test {
  protected:
    void SetUp() override {
        bank.useDemoBank();
        bank.installPageAssets();
        window = std::make_unique<app::TForm10>(bank.programDir());
        window->controls().Timer1->stop();  // no version check against the network
        window->show();
        ASSERT_TRUE(waitUntil([&] { return window->state().PageShown == 1; }, 30000));
    }

    // Every top-level window of the program that is open now.
    static QList<QWidget*> ours() {
        QList<QWidget*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget->windowHandle()) windows << widget;
        return windows;
    }

    // The option of `letter` of the question on screen, ticked on the exam page.
    bool ticked(exam::TForm4& exam, char letter) {
        store::Connection connection = bank.connect();
        const QString tgid =
            connection
                .query("select * from sj where tid='" + exam.examState().CurrentPaperNumber + "'")
                .text("tgid");
        const QString option = connection
                                   .query("select * from opinion where questionid=" + tgid +
                                          " and code='" + QChar(letter) + "'")
                                   .text("id");
        return pageValue(*exam.controls().WebBrowser1,
                         "document.getElementById('" + option + "').checked")
            .toBool();
    }

    // The box of `caption` in front of everything; Enter on the real keyboard closes it.
    void closeBoxByKeyboard(ModalDriver& driver, const QString& caption) {
        driver.then<QMessageBox>(
            [this, caption](QMessageBox& box) {
                EXPECT_TRUE(inFront(box, ours())) << caption.toStdString();
                xserver::pressKey(QStringLiteral("Return"));
            },
            [caption](QMessageBox& box) { return box.windowTitle() == caption; });
    }

    TempBank bank;
    std::unique_ptr<app::TForm10> window;
};

TEST_F(DesktopWindowsTest, TheExamWindowComesUpInFrontAndKeepsTheKeyboardAfterEveryBox) {
    ModalDriver driver(90000);
    driver.then<exam::TForm6>([](exam::TForm6& settings) { click(settings.RzBitBtn2); });
    driver.then<exam::TForm2>([](exam::TForm2& login) {
        EXPECT_TRUE(inFront(login, ours()));
        EXPECT_TRUE(xserver::fillsScreen(login));
        click(login.RzBitBtn1);
    });
    driver.then<exam::TForm3>([](exam::TForm3& candidate) {
        EXPECT_TRUE(inFront(candidate, ours()));
        EXPECT_TRUE(xserver::fillsScreen(candidate));
        click(candidate.SpeedButton2);
    });
    closeBoxByKeyboard(driver, QStringLiteral("试卷描述"));
    closeBoxByKeyboard(driver, QStringLiteral("提示"));
    bool sat = false;
    driver.then<exam::TForm4>(
        [this](exam::TForm4& exam) {
            EXPECT_TRUE(inFront(exam, ours()));
            EXPECT_TRUE(xserver::fillsScreen(exam));
            // The letter keys of the real keyboard reach the paper.
            xserver::pressKey(QStringLiteral("d"));
            EXPECT_TRUE(waitUntil([&] { return ticked(exam, 'D'); }, 5000));
            // Leaving single choice too early: a refusal box comes and goes.
            click(exam.numberButton(QStringLiteral("a41")));
        },
        [](exam::TForm4& exam) { return exam.keyObserver().isInstalled(); });
    closeBoxByKeyboard(driver, QApplication::applicationDisplayName());
    driver.then<exam::TForm4>([&](exam::TForm4& exam) {
        // The keyboard is back with the paper.
        EXPECT_TRUE(inFront(exam, ours()));
        xserver::pressKey(QStringLiteral("b"));
        EXPECT_TRUE(waitUntil([&] { return ticked(exam, 'B'); }, 5000));
        sat = true;
        exam.close();
    });

    click(window->controls().rjdh);
    // The real click comes back through the X server: the chain runs in the wait below.
    waitUntil([&] { return driver.timedOut() || (sat && !QApplication::activeModalWidget()); },
              120000);
    EXPECT_FALSE(driver.timedOut());
    EXPECT_EQ(driver.stepsDone(), 8);
    EXPECT_TRUE(sat);
    // The chain unwinds to the main window, which has the keyboard again.
    EXPECT_TRUE(inFront(*window, ours()));
}

// A real click on the middle of the first element of the page that matches `selector`.
void clickOnPageByX(pageview::WebPageView& view, const QString& selector) {
    const QVariantList centre =
        pageValue(view, QStringLiteral("(function(e){e.scrollIntoView();"
                                       "var r=e.getBoundingClientRect();"
                                       "return [r.left+r.width/2,r.top+r.height/2];})"
                                       "(document.querySelector(\"%1\"))")
                            .arg(selector))
            .toList();
    ASSERT_EQ(centre.size(), 2) << selector.toStdString();
    const QPoint at =
        view.mapToGlobal(QPoint(qRound(centre[0].toDouble()), qRound(centre[1].toDouble())));
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("mousemove"), QString::number(at.x()),
                       QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

// The main window's other windows come up in front and give the keyboard back when they close:
// the wrong-question manager and the feedback window.
TEST_F(DesktopWindowsTest, TheMainWindowsOtherWindowsComeUpInFront) {
    bank.run("update question set ct='1' where id in (select id from question limit 3)");
    ModalDriver driver(90000);
    bool managed = false;
    driver.then<app::TForm16>([&](app::TForm16& manager) {
        EXPECT_TRUE(inFront(manager, ours()));
        managed = true;
        click(manager.bsSkinButton2);
    });
    click(window->controls().NewImage20);
    ASSERT_TRUE(waitUntil(
        [&] { return driver.timedOut() || (managed && !QApplication::activeModalWidget()); },
        60000));
    EXPECT_FALSE(driver.timedOut());
    EXPECT_TRUE(inFront(*window, ours()));

    // The feedback window of a question on the page, made by its first report.
    ASSERT_TRUE(waitUntil([&] { return window->state().PageShown == 1; }, 60000));
    clickOnPageByX(*window->controls().WebBrowser1, QStringLiteral("input[name=quelmarctfk]"));
    services::TForm9* const& feedback = window->windows().Form9;
    ASSERT_TRUE(waitUntil([&] { return feedback && feedback->isVisible(); }, 15000));
    EXPECT_TRUE(inFront(*feedback, ours()));
    feedback->close();
    EXPECT_TRUE(inFront(*window, ours()));
}

// An exercise page handed in: the result window, then the question whether the wrong questions
// stay in the bank, each in front; then the main window has the keyboard again.
TEST_F(DesktopWindowsTest, TheResultWindowAndItsQuestionComeUpInFront) {
    for (int attempt = 0; attempt < 10 && !window->controls().NewImage12->isVisible(); ++attempt) {
        click(window->controls().gjst);
        waitUntil([&] { return window->controls().NewImage12->isVisible(); }, 3000);
    }
    ASSERT_TRUE(waitUntil(
        [&] {
            return window->controls().NewImage12->isVisible() && window->state().PageShown == 1;
        },
        60000));
    ModalDriver results(90000);
    bool resultSeen = false;
    results.then<practice::TForm15>([&](practice::TForm15& result) {
        EXPECT_TRUE(inFront(result, ours()));
        resultSeen = true;
        click(result.Image1);
    });
    bool asked = false;
    results.then<QMessageBox>([&](QMessageBox& box) {
        EXPECT_TRUE(inFront(box, ours()));
        asked = true;
        xserver::pressKey(QStringLiteral("Return"));
    });
    // A click that lands while the window still settles is dropped, as every command during
    // another one is: click again until the paper is handed in.
    for (int attempt = 0; attempt < 10 && !resultSeen; ++attempt) {
        click(window->controls().NewImage12);
        waitUntil([&] { return resultSeen; }, 3000);
    }
    ASSERT_TRUE(waitUntil(
        [&] { return results.timedOut() || (asked && !QApplication::activeModalWidget()); },
        60000));
    EXPECT_TRUE(resultSeen);
    EXPECT_FALSE(results.timedOut());
    EXPECT_TRUE(inFront(*window, ours()));
}

// The start-up version check waits for a server that never answers; a real click made
// meanwhile is handled at once, not when the check gives up.
TEST(DesktopVersionCheck, AClickDuringTheCheckIsHandledAtOnce) {
    QTcpServer silent;  // accepts, never answers
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    QTemporaryDir dir;
    ScriptedMessages messages;
    const QString url =
        QStringLiteral("http://127.0.0.1:%1/zyb/Predate.ini").arg(silent.serverPort());
    services::VersionCheck check(
        dir.path() + "/", url, messages, [](const QString&) {}, [] { return true; });
    check.setTimeoutMs(4000);

    QPushButton button(QStringLiteral("章节"));
    button.resize(200, 80);
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    QElapsedTimer clock;
    qint64 clickedAt = -1;
    QObject::connect(&button, &QPushButton::clicked, [&] { clickedAt = clock.elapsed(); });
    const qint64 clickAt = 300;
    QTimer::singleShot(clickAt, &button, [&] { xserver::click(button); });
    clock.start();
    EXPECT_FALSE(check.DownloadFile(url, dir.filePath("tmp.ini")));
    ASSERT_GE(clickedAt, 0);
    EXPECT_LT(clickedAt - clickAt, 500);
}

}  // namespace

#include "exam/exam_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "exam/candidate_screen.h"
#include "exam/exam_settings_dialog.h"
#include "exam/login_screen.h"
#include "exam/number_button.h"
#include "exam/paper_number.h"
#include "modal_driver.h"
#include "page_probe.h"
#include "scripted_messages.h"
#include "temp_bank.h"
#include "ui/picture_button.h"

namespace {

void click(ui::PictureButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// The main window on the demo bank with the real page template and the exam pictures, shown
// with its first chapter open.
class ExamWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        bank.useDemoBank();
        bank.installPageAssets();
        window = std::make_unique<app::TForm10>(bank.programDir(), &messages);
        window->controls().Timer1->stop();  // no version check against the network
        window->show();
        ASSERT_TRUE(waitUntil([&] { return window->state().PageShown == 1; }, 30000));
    }

    store::Recordset paper() {
        store::Connection bankConnection = bank.connect();
        return bankConnection.query(QStringLiteral("select * from sj"));
    }

    // Goes from the toolbar through settings, login and candidate screen into the exam window,
    // and runs `inExam` there once the window's first activation has ended with the type hint
    // of the first question.
    void sitExam(ModalDriver& driver, const std::function<void(exam::TForm4&)>& inExam) {
        driver.then<exam::TForm6>([](exam::TForm6& settings) {
            settings.RzBitBtn2->click();  // 进 入
        });
        driver.then<exam::TForm2>([](exam::TForm2& login) {
            login.RzBitBtn1->click();  // 登录考场
        });
        driver.then<exam::TForm3>([](exam::TForm3& candidate) {
            click(candidate.SpeedButton2);  // 开始考试
        });
        driver.then<exam::TForm4>(inExam, [&](exam::TForm4&) {
            return !messages.asked.isEmpty() &&
                   messages.asked.last().caption == QStringLiteral("提示");
        });
        click(window->controls().rjdh);
    }

    TempBank bank;
    ScriptedMessages messages;
    std::unique_ptr<app::TForm10> window;
};

TEST_F(ExamWindowTest, ToolbarLeadsThroughSettingsLoginAndCandidateScreenToADrawnPaper) {
    ModalDriver driver;
    QStringList seen;
    sitExam(driver, [&](exam::TForm4& exam) {
        const store::Recordset rows = paper();
        EXPECT_EQ(exam.controls().Label5->text(),
                  QStringLiteral("/") + QString::number(rows.count()));
        EXPECT_EQ(exam.controls().ProgressBar1->maximum(), rows.count());
        const QString first = rows.text(QStringLiteral("tid"));
        EXPECT_EQ(first, QStringLiteral("1"));
        EXPECT_EQ(exam.numberButton(QStringLiteral("a1"))->colour(),
                  exam::TForm4::colourOf(exam::ButtonColour::Red));
        EXPECT_EQ(exam.numberButton(QStringLiteral("a2"))->colour(),
                  exam::TForm4::colourOf(exam::ButtonColour::Face));
        EXPECT_EQ(exam.examState().CurrentPaperNumber, QStringLiteral("1"));
        EXPECT_TRUE(exam.keyObserver().isInstalled());
        // Every case question has its button, named after its paper number.
        for (store::Recordset row = paper(); !row.eof(); row.next()) {
            const QString name = exam::numberButtonName(row.text(QStringLiteral("tid")));
            if (row.text(QStringLiteral("lx")) == QStringLiteral("a3")) {
                EXPECT_NE(exam.numberButton(name), nullptr) << name.toStdString();
            }
        }
        seen << pageText(*exam.controls().WebBrowser1);
        exam.close();
    });
    EXPECT_FALSE(driver.timedOut());
    EXPECT_EQ(driver.stepsDone(), 4);
    ASSERT_EQ(seen.size(), 1);
    const store::Recordset rows = paper();
    EXPECT_TRUE(seen[0].contains(QStringLiteral("1.") + rows.text(QStringLiteral("tg"))));
    ASSERT_GE(messages.asked.size(), 2);
    EXPECT_EQ(messages.asked[0].caption, QStringLiteral("试卷描述"));
    EXPECT_EQ(messages.asked[0].text,
              QStringLiteral("第一部分单选题，第二部分是多选题，第三部分是阅读案例分析题，"
                             "第四部分是配伍选择题"));
    EXPECT_EQ(messages.asked.last().text,
              QStringLiteral("单选题：每个题有一个正确答案，请选择一个正确答案"));
    // Closing the exam window unwinds the chain to the main window.
    EXPECT_FALSE(window->windows().Form2->isVisible());
    EXPECT_FALSE(window->windows().Form3->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->state().ExamInProgress, 0);
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
}

TEST_F(ExamWindowTest, SettingsClosedByItsCloseBoxEndsTheSequenceBeforeTheLoginScreen) {
    ModalDriver driver;
    driver.then<exam::TForm6>([](exam::TForm6& settings) { settings.close(); });
    bool loginShown = false;
    driver.then<exam::TForm2>([&](exam::TForm2& login) {
        loginShown = true;
        login.close();
    });
    click(window->controls().NewImage6);
    settle(300);
    EXPECT_EQ(driver.stepsDone(), 1);
    EXPECT_FALSE(loginShown);
    EXPECT_EQ(paper().count(), 0);
}

// An exam-hall terminal prints nothing: the exam window's page has no menu, and Ctrl+P there
// reaches neither the main window's printing nor anything else.
TEST_F(ExamWindowTest, ExamWindowOffersNoPageMenuAndNoPrinting) {
    int dialogsAsked = 0;
    window->printing().setDialogs({
        [&](QWidget*) -> std::unique_ptr<QPrinter> {
            ++dialogsAsked;
            return nullptr;
        },
        [&](QWidget*, const QString&) {
            ++dialogsAsked;
            return QString();
        },
    });
    ModalDriver driver;
    bool checked = false;
    sitExam(driver, [&](exam::TForm4& exam) {
        pageview::WebPageView& page = *exam.controls().WebBrowser1;
        EXPECT_EQ(page.contextMenuPolicy(), Qt::NoContextMenu);
        page.waitUntilReady();
        QTest::mouseClick(page.focusProxy(), Qt::RightButton, Qt::NoModifier, QPoint(40, 40));
        QTest::keyClick(page.focusProxy(), Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(&exam, Qt::Key_P, Qt::ControlModifier);
        settle();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_FALSE(window->controls().PageMenu->isVisible());
        EXPECT_EQ(dialogsAsked, 0);
        EXPECT_EQ(QApplication::activeModalWidget(), &exam);
        checked = true;
        exam.close();
    });
    EXPECT_FALSE(driver.timedOut());
    EXPECT_TRUE(checked);
    // Back in the main window (its first chapter opened again by the activation), its page
    // prints again.
    settle();
    ASSERT_TRUE(waitUntil(
        [&] { return window->state().PageShown == 1 && !window->controller().buildRunning(); },
        30000));
    window->controls().ExportPdf->trigger();
    EXPECT_EQ(dialogsAsked, 1);
}

}  // namespace

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "exam/calculator_window.h"
#include "exam/exam_context.h"
#include "exam/number_button.h"
#include "exam/question_navigation.h"
#include "exam/tform4.h"
#include "exam_bank.h"
#include "page_probe.h"
#include "scripted_messages.h"
#include "ui/main_window_state.h"
#include "ui/picture_button.h"

namespace {

using exam::ButtonColour;
using exam::TForm4;

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// X11 hands the Linux input code + 8 as the native scan code: D sits at 0x20.
constexpr quint32 kKeyD = 0x20 + 8;

void click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void releaseKey(quint32 nativeScanCode, const QString& text) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget()
                                                  : QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, nativeScanCode, 0, 0,
                      text);
    QApplication::sendEvent(target, &release);
}

// Saves what the candidate sees when VANTREL_SCREENSHOTS names a folder.
void screenshot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("VANTREL_SCREENSHOTS");
    if (!folder.isEmpty()) widget.grab().save(QDir(folder).filePath(name + ".png"));
}

// A small paper drawn by the real exam window: single choice 1 and 2, multiple choice 3 and 4
// (pools that the drawing takes in order), every question with the options A-D, ids
// question × 10 + 1 … 4.
class ExamSittingTest : public testing::Test {
  protected:
    void SetUp() override {
        bank.installPageAssets();
        bank.addGroup(3, 2);  // questions 1, 2
        bank.addGroup(6, 3);  // 3, 4, 5: the drawing takes 4 and 5
        bank.setCounts(2, 2, 0, 0);
        bank.run("update question set answer='B' where id=1; update question set answer='D' where id=2;"
                 "update question set answer='AC' where id in (4, 5)");
        bank.addOptions(1, 5);
        window = std::make_unique<TForm4>(context(), 1, [this] { ++screensClosed; });
    }

    exam::ExamContext context() { return {bank.programDir(), messages, mainState, mainWindow}; }

    // The option id of `letter` for the question of paper number `tid`.
    QString option(const QString& tid, char letter) {
        store::Connection connection = bank.connect();
        const int question =
            connection.query("select * from sj where tid='" + tid + "'").text("tgid").toInt();
        return QString::number(question * 10 + (letter - 'A') + 1);
    }
    bool ticked(const QString& id) {
        return pageValue(*window->WebBrowser1, "document.getElementById('" + id + "').checked")
            .toBool();
    }
    // A real mouse click into the page, on the element's centre.
    void clickOption(const QString& id) {
        const QVariantList box =
            pageValue(*window->WebBrowser1,
                      "(function(){var r=document.getElementById('" + id +
                          "').getBoundingClientRect();return [r.left+r.width/2,r.top+r.height/2];})()")
                .toList();
        ASSERT_EQ(box.size(), 2);
        QWidget* surface = window->WebBrowser1->focusProxy();
        const QPoint at(qRound(box[0].toDouble()), qRound(box[1].toDouble()));
        QTest::mouseClick(surface, Qt::LeftButton, {}, at);
        ASSERT_TRUE(waitUntil([&] { return ticked(id); }, 5000)) << id.toStdString();
    }
    bool showsText(const QString& text) {
        return waitUntil([&] { return pageText(*window->WebBrowser1).contains(text); }, 10000);
    }
    ButtonColour colourOf(const char* name) {
        const QColor colour = window->numberButton(name)->colour();
        for (ButtonColour c : {ButtonColour::Red, ButtonColour::Blue, ButtonColour::ActiveBorder})
            if (TForm4::colourOf(c) == colour) return c;
        return ButtonColour::Face;
    }

    ExamBank bank;
    ScriptedMessages messages;
    ui::MainWindowState mainState;
    QWidget mainWindow;
    std::unique_ptr<TForm4> window;
    int screensClosed = 0;
};

TEST_F(ExamSittingTest, ACandidateSitsAPaperHandsItInAndReviewsIt) {
    window->show();
    ASSERT_TRUE(waitUntil([&] { return window->keyObserver().isInstalled(); }, 30000));
    ASSERT_TRUE(showsText(u("1.题1")));
    EXPECT_EQ(window->geometry(), window->screen()->availableGeometry());

    // The caption neither moves the window nor restores it.
    const QRect placed = window->geometry();
    QTest::mousePress(window->CaptionStrip, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(window->CaptionStrip, QPoint(400, 200));
    QTest::mouseRelease(window->CaptionStrip, Qt::LeftButton, {}, QPoint(400, 200));
    QTest::mouseDClick(window->CaptionStrip, Qt::LeftButton, {}, QPoint(200, 10));
    settle(200);
    EXPECT_EQ(window->geometry(), placed);
    EXPECT_EQ(window->windowState(), Qt::WindowMaximized);

    // Leaving single choice with question 1 unanswered is refused.
    click(window->numberButton("a3"));
    ASSERT_TRUE(waitUntil([&] { return messages.infos.size() == 1; }));
    EXPECT_EQ(messages.infos[0], exam::QuestionNavigation::kTypeIncomplete);

    clickOption(option("1", 'B'));
    click(window->BitBtn2);
    ASSERT_TRUE(showsText(u("2.题2")));
    EXPECT_EQ(window->Label6->text(), "1");
    EXPECT_EQ(colourOf("a1"), ButtonColour::Blue);
    EXPECT_EQ(colourOf("a2"), ButtonColour::Red);

    // A letter key ticks the single-choice option by its position and hands the focus on.
    window->WebBrowser1->setFocus();
    releaseKey(kKeyD, "d");
    ASSERT_TRUE(waitUntil([&] { return ticked(option("2", 'D')); }));
    EXPECT_TRUE(window->BitBtn2->hasFocus());

    click(window->BitBtn2);
    ASSERT_TRUE(showsText(u("3.题4")));
    EXPECT_EQ(messages.infos.last(), u("多项选择题，里边有多个正确答案"));
    releaseKey(kKeyD, "d");  // multiple choice: nothing is ticked
    clickOption(option("3", 'A'));
    clickOption(option("3", 'C'));
    EXPECT_FALSE(ticked(option("3", 'D')));
    screenshot(*window, "exam-window-answering");

    // The calculator works over the paper; what is typed into it stays there.
    click(window->BitBtn3);
    exam::CalculatorWindow* calculator = window->calculator();
    ASSERT_NE(calculator, nullptr);
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == calculator; }));
    QTest::keyClicks(calculator, "12+30");
    QTest::keyClick(calculator, Qt::Key_Return);
    EXPECT_EQ(calculator->display(), "42");
    click(calculator->key(u("√")));
    EXPECT_EQ(calculator->display(), "6.48074069840786");
    releaseKey(kKeyD, "d");
    settle(100);
    EXPECT_FALSE(ticked(option("3", 'D')));
    screenshot(*calculator, "calculator");
    calculator->close();
    window->activateWindow();

    // Back to single choice once multiple choice is complete; it has answers, so no hint.
    click(window->BitBtn2);
    ASSERT_TRUE(showsText(u("4.题5")));
    clickOption(option("4", 'B'));
    click(window->BitBtn1);
    ASSERT_TRUE(showsText(u("3.题4")));
    click(window->BitBtn1);
    ASSERT_TRUE(showsText(u("2.题2")));
    EXPECT_TRUE(ticked(option("2", 'D')));
    click(window->numberButton("a3"));
    ASSERT_TRUE(showsText(u("3.题4")));
    EXPECT_TRUE(ticked(option("3", 'A')) && ticked(option("3", 'C')));
    EXPECT_EQ(messages.infos.size(), 2);

    click(window->BitBtn5);
    ASSERT_TRUE(showsText(u("批 阅 试 卷 结 果")));
    EXPECT_EQ(window->Label1->text(), u("答对"));
    EXPECT_EQ(window->Label2->text(), u("答错"));
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_FALSE(window->keyObserver().isInstalled());
    EXPECT_EQ(colourOf("a1"), ButtonColour::Blue);
    EXPECT_EQ(colourOf("a2"), ButtonColour::Blue);
    EXPECT_EQ(colourOf("a3"), ButtonColour::Blue);
    EXPECT_EQ(colourOf("a4"), ButtonColour::Red);
    const QString result = pageText(*window->WebBrowser1);
    EXPECT_TRUE(result.contains(u("单项选择题\t2\t2\t2\t2\t100%"))) << result.toStdString();
    EXPECT_TRUE(result.contains(u("多项选择题\t2\t1\t2\t1\t50%")));
    EXPECT_TRUE(result.contains(u("合 计\t4\t3\t4\t3\t75%")));
    screenshot(*window, "exam-window-handed-in");

    click(window->BitBtn2);
    ASSERT_TRUE(waitUntil([&] { return messages.infos.size() == 3; }));
    EXPECT_EQ(messages.infos.last(), u("您已经交卷，不能进行\"下一题\"的操作！"));
    click(window->numberButton("a1"));
    ASSERT_TRUE(showsText(u("正确答案：B")));
    EXPECT_TRUE(ticked(option("1", 'B')));
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();

    window->close();
    EXPECT_EQ(screensClosed, 1);
}

TEST_F(ExamSittingTest, TheClockCountsDownToZeroAndStops) {
    window->FormShow();
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_EQ(window->Timer1->interval(), 60000);
    window->Timer1Timer();
    EXPECT_EQ(window->Label9->text(), "89");
    for (int minute = 2; minute <= 90; ++minute) window->Timer1Timer();
    EXPECT_EQ(window->Label9->text(), "0");
    EXPECT_FALSE(window->Timer1->isActive());
}

}  // namespace

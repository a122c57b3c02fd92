#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "exam/calculator_window.h"
#include "exam/exam_context.h"
#include "exam/exam_window.h"
#include "exam/number_button.h"
#include "exam/question_navigation.h"
#include "exam/wait_window.h"
#include "exam_bank.h"
#include "page_probe.h"
#include "record/learning_record.h"
#include "record_lines.h"
#include "scripted_messages.h"
#include "ui/main_window_state.h"
#include "ui/picture_button.h"

namespace {

using exam::ButtonColour;
using exam::TForm4;

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// X11 hands the Linux input code + 8 as the native scan code: D sits at 0x20.
constexpr quint32 kKeyD = 0x20 + 8;
constexpr quint32 kKeyB = 0x30 + 8;

void click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void releaseKey(quint32 nativeScanCode, const QString& text) {
    QWidget* target =
        QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
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
        bank.run(
            "update question set answer='B' where id=1; update question set answer='D' where id=2;"
            "update question set answer='AC' where id in (4, 5)");
        bank.addOptions(1, 5);
        window = std::make_unique<TForm4>(context(), 1, [this] { ++screensClosed; });
    }

    // The learning record is "opened" by noting the window it is opened over.
    exam::ExamContext context() {
        return {bank.programDir(), messages, mainState, mainWindow,
                [this](QWidget& over) { recordOpenedOver << &over; }};
    }

    // The exam hand-ins of the learning record as "type items/right, …".
    QStringList recordedSittings() {
        store::Connection connection = bank.connect();
        QStringList lines;
        for (const record::HandInRecord& handIn : record::LearningRecord(connection).history())
            lines << typeScoresLine(handIn);
        return lines;
    }

    // The option id of `letter` for the question of paper number `tid`.
    QString option(const QString& tid, char letter) {
        store::Connection connection = bank.connect();
        const int question =
            connection.query("select * from sj where tid='" + tid + "'").text("tgid").toInt();
        return QString::number(question * 10 + (letter - 'A') + 1);
    }
    bool ticked(const QString& id) {
        return pageValue(*window->controls().WebBrowser1,
                         "document.getElementById('" + id + "').checked")
            .toBool();
    }
    // A real mouse click into the page, on the element's centre.
    void clickOption(const QString& id) {
        const QVariantList box =
            pageValue(
                *window->controls().WebBrowser1,
                "(function(){var r=document.getElementById('" + id +
                    "').getBoundingClientRect();return [r.left+r.width/2,r.top+r.height/2];})()")
                .toList();
        ASSERT_EQ(box.size(), 2);
        QWidget* surface = window->controls().WebBrowser1->focusProxy();
        const QPoint at(qRound(box[0].toDouble()), qRound(box[1].toDouble()));
        QTest::mouseClick(surface, Qt::LeftButton, {}, at);
        ASSERT_TRUE(waitUntil([&] { return ticked(id); }, 5000)) << id.toStdString();
    }
    // Shows the window and answers questions 1 and 2 right (B, D), leaving 2 on screen.
    void answerTheSingleChoicePart() {
        window->show();
        ASSERT_TRUE(waitUntil([&] { return window->keyObserver().isInstalled(); }, 30000));
        ASSERT_TRUE(showsText(u("1.题1")));
        clickOption(option("1", 'B'));
        click(window->controls().BitBtn2);
        ASSERT_TRUE(showsText(u("2.题2")));
        clickOption(option("2", 'D'));
    }
    bool showsText(const QString& text) {
        return waitUntil([&] { return pageText(*window->controls().WebBrowser1).contains(text); },
                         10000);
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
    QList<QWidget*> recordOpenedOver;
};

TEST_F(ExamSittingTest, ACandidateSitsAPaperHandsItInAndReviewsIt) {
    window->show();
    ASSERT_TRUE(waitUntil([&] { return window->keyObserver().isInstalled(); }, 30000));
    ASSERT_TRUE(showsText(u("1.题1")));
    EXPECT_EQ(window->geometry(), window->screen()->availableGeometry());

    // The caption neither moves the window nor restores it.
    const QRect placed = window->geometry();
    QTest::mousePress(window->controls().CaptionStrip, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(window->controls().CaptionStrip, QPoint(400, 200));
    QTest::mouseRelease(window->controls().CaptionStrip, Qt::LeftButton, {}, QPoint(400, 200));
    QTest::mouseDClick(window->controls().CaptionStrip, Qt::LeftButton, {}, QPoint(200, 10));
    settle(200);
    EXPECT_EQ(window->geometry(), placed);
    EXPECT_EQ(window->windowState(), Qt::WindowMaximized);

    // Leaving single choice with question 1 unanswered is refused.
    click(window->numberButton("a3"));
    ASSERT_TRUE(waitUntil([&] { return messages.infos.size() == 1; }));
    EXPECT_EQ(messages.infos[0], exam::QuestionNavigation::kTypeIncomplete);

    clickOption(option("1", 'B'));
    click(window->controls().BitBtn2);
    ASSERT_TRUE(showsText(u("2.题2")));
    EXPECT_EQ(window->controls().Label6->text(), "1");
    EXPECT_EQ(colourOf("a1"), ButtonColour::Blue);
    EXPECT_EQ(colourOf("a2"), ButtonColour::Red);

    // A letter key ticks the single-choice option by its position and hands the focus on.
    window->controls().WebBrowser1->setFocus();
    releaseKey(kKeyD, "d");
    ASSERT_TRUE(waitUntil([&] { return ticked(option("2", 'D')); }));
    EXPECT_TRUE(window->controls().BitBtn2->hasFocus());

    click(window->controls().BitBtn2);
    ASSERT_TRUE(showsText(u("3.题4")));
    EXPECT_EQ(messages.infos.last(), u("多项选择题，里边有多个正确答案"));
    releaseKey(kKeyD, "d");  // multiple choice: nothing is ticked
    clickOption(option("3", 'A'));
    clickOption(option("3", 'C'));
    EXPECT_FALSE(ticked(option("3", 'D')));
    screenshot(*window, "exam-window-answering");

    // The calculator works over the paper; what is typed into it stays there.
    click(window->controls().BitBtn3);
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
    click(window->controls().BitBtn2);
    ASSERT_TRUE(showsText(u("4.题5")));
    clickOption(option("4", 'B'));
    click(window->controls().BitBtn1);
    ASSERT_TRUE(showsText(u("3.题4")));
    click(window->controls().BitBtn1);
    ASSERT_TRUE(showsText(u("2.题2")));
    EXPECT_TRUE(ticked(option("2", 'D')));
    click(window->numberButton("a3"));
    ASSERT_TRUE(showsText(u("3.题4")));
    EXPECT_TRUE(ticked(option("3", 'A')) && ticked(option("3", 'C')));
    EXPECT_EQ(messages.infos.size(), 2);
    EXPECT_FALSE(window->controls().RecordButton->isVisible());

    click(window->controls().BitBtn5);
    ASSERT_TRUE(showsText(u("批 阅 试 卷 结 果")));
    EXPECT_EQ(window->controls().Label1->text(), u("答对"));
    EXPECT_EQ(window->controls().Label2->text(), u("答错"));
    EXPECT_FALSE(window->controls().Timer1->isActive());
    EXPECT_FALSE(window->keyObserver().isInstalled());
    EXPECT_EQ(colourOf("a1"), ButtonColour::Blue);
    EXPECT_EQ(colourOf("a2"), ButtonColour::Blue);
    EXPECT_EQ(colourOf("a3"), ButtonColour::Blue);
    EXPECT_EQ(colourOf("a4"), ButtonColour::Red);
    const QString result = pageText(*window->controls().WebBrowser1);
    EXPECT_TRUE(result.contains(u("单项选择题\t2\t2\t2\t2\t100%"))) << result.toStdString();
    EXPECT_TRUE(result.contains(u("多项选择题\t2\t1\t2\t1\t50%")));
    EXPECT_TRUE(result.contains(u("合 计\t4\t3\t4\t3\t75%")));
    screenshot(*window, "exam-window-handed-in");
    // The paper is in the learning record, which opens over the exam window.
    EXPECT_EQ(recordedSittings(), QStringList({u("单项选择题 2/2, 多项选择题 2/1")}));
    ASSERT_TRUE(window->controls().RecordButton->isVisible());
    click(window->controls().RecordButton);
    EXPECT_EQ(recordOpenedOver, QList<QWidget*>({window.get()}));

    click(window->controls().BitBtn2);
    ASSERT_TRUE(waitUntil([&] { return messages.infos.size() == 3; }));
    EXPECT_EQ(messages.infos.last(), u("您已经交卷，不能进行\"下一题\"的操作！"));
    click(window->numberButton("a1"));
    ASSERT_TRUE(showsText(u("正确答案：B")));
    EXPECT_TRUE(ticked(option("1", 'B')));
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();

    window->close();
    EXPECT_EQ(screensClosed, 1);
}

// After the first click the paper goes by keyboard alone: a letter ticks the single-choice
// option and hands the focus to 下一题, Enter goes on, Tab reaches 交 卷.
TEST_F(ExamSittingTest, ACandidateSitsAPaperByKeyboardAlone) {
    bank.setCounts(2, 0, 0, 0);
    window->show();
    ASSERT_TRUE(waitUntil([&] { return window->keyObserver().isInstalled(); }, 30000));
    ASSERT_TRUE(showsText(u("1.题1")));
    window->controls().WebBrowser1->setFocus();
    releaseKey(kKeyB, "b");
    ASSERT_TRUE(waitUntil([&] { return ticked(option("1", 'B')); }));
    ASSERT_TRUE(window->controls().BitBtn2->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(showsText(u("2.题2")));
    releaseKey(kKeyD, "d");
    ASSERT_TRUE(waitUntil([&] { return ticked(option("2", 'D')); }));
    for (int tab = 0; tab < 6 && !window->controls().BitBtn5->hasFocus(); ++tab)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(window->controls().BitBtn5->hasFocus());
    QTest::keyClick(window->controls().BitBtn5, Qt::Key_Space);
    ASSERT_TRUE(showsText(u("批 阅 试 卷 结 果")));
    EXPECT_TRUE(
        pageText(*window->controls().WebBrowser1).contains(u("单项选择题\t2\t2\t2\t2\t100%")));
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
}

// Clicks that arrive while the paper is described, drawn and first shown are dropped, and a
// close waits until the first question and its hint are there.
TEST_F(ExamSittingTest, TheFirstActivationIsOneActionThatClicksAndTheCloseBoxWaitFor) {
    bool visibleAtHint = false;
    messages.onAsk = [&](const QString& caption, const QString&) {
        if (caption == u("试卷描述")) {
            click(window->controls().BitBtn5);  // 交 卷
            click(window->controls().BitBtn2);  // 下一题
            window->close();
        } else if (caption == u("提示")) {
            visibleAtHint = window->isVisible();
        }
    };
    window->show();
    ASSERT_TRUE(waitUntil([&] { return screensClosed == 1; }, 30000));
    EXPECT_TRUE(visibleAtHint);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->handedIn());
    EXPECT_EQ(window->controls().Label1->text(), u("已答"));
    EXPECT_EQ(window->examState().CurrentPaperNumber, "1");
    EXPECT_EQ(colourOf("a2"), ButtonColour::Face);
    EXPECT_FALSE(window->keyObserver().isInstalled());
    EXPECT_TRUE(messages.infos.isEmpty()) << messages.infos.join('\n').toStdString();
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
    // A later activation draws nothing again.
    const auto paper = [&] {
        QStringList rows;
        store::Connection connection = bank.connect();
        for (store::Recordset row = connection.query("select * from sj"); !row.eof(); row.next())
            rows << row.text("tid") + "/" + row.text("tgid");
        return rows;
    };
    const QStringList drawn = paper();
    window->FormActivate();
    settle(200);
    EXPECT_EQ(paper(), drawn);
    EXPECT_EQ(messages.asked.size(), 2);
}

// A hand-in that cannot store the answer hands nothing in: the clock and the keys go on. One
// whose result page fails is handed in, and the next press shows its result.
TEST_F(ExamSittingTest, AHandInThatFailsPartWayLeavesAStateTheCandidateCanGoOnFrom) {
    window->show();
    ASSERT_TRUE(waitUntil([&] { return window->keyObserver().isInstalled(); }, 30000));
    ASSERT_TRUE(showsText(u("1.题1")));
    clickOption(option("1", 'B'));

    bank.run("alter table sj rename to sj_away");
    click(window->controls().BitBtn5);
    ASSERT_TRUE(waitUntil([&] { return messages.errors.size() == 1; }));
    EXPECT_FALSE(window->handedIn());
    EXPECT_FALSE(window->controls().RecordButton->isVisible());
    EXPECT_EQ(window->controls().Label1->text(), u("已答"));
    EXPECT_TRUE(window->controls().Timer1->isActive());
    EXPECT_TRUE(window->keyObserver().isInstalled());
    bank.run("alter table sj_away rename to sj");
    EXPECT_TRUE(recordedSittings().isEmpty()) << "a paper not marked is not recorded";

    ASSERT_TRUE(QFile::rename(bank.programDir() + "ty.html", bank.programDir() + "ty.away"));
    click(window->controls().BitBtn5);
    ASSERT_TRUE(waitUntil([&] { return messages.errors.size() == 2; }));
    EXPECT_TRUE(window->handedIn());
    EXPECT_FALSE(window->controls().Timer1->isActive());
    EXPECT_FALSE(window->keyObserver().isInstalled());
    ASSERT_TRUE(QFile::rename(bank.programDir() + "ty.away", bank.programDir() + "ty.html"));
    click(window->controls().BitBtn5);
    ASSERT_TRUE(showsText(u("批 阅 试 卷 结 果")));
    EXPECT_TRUE(
        pageText(*window->controls().WebBrowser1).contains(u("单项选择题\t2\t1\t2\t1\t50%")));
    EXPECT_EQ(recordedSittings(), QStringList({u("单项选择题 2/1, 多项选择题 2/0")}))
        << "marked once, recorded once";
    EXPECT_TRUE(messages.infos.isEmpty()) << messages.infos.join('\n').toStdString();
    click(window->controls().BitBtn5);
    ASSERT_TRUE(waitUntil([&] { return messages.infos.size() == 1; }));
    EXPECT_EQ(messages.infos[0], u("您已经交卷，不能重复交卷！"));
}

// Before the paper and on an empty paper the bar is a plain bar at 0, never Qt's busy bar.
// An empty paper still has its wait window, over the exam window, and no type hint.
TEST_F(ExamSittingTest, AnEmptyPaperShowsAPlainBarAndNoHint) {
    EXPECT_LT(window->controls().ProgressBar1->minimum(),
              window->controls().ProgressBar1->maximum());
    bank.setCounts(0, 0, 0, 0);
    // While the entry sequence runs the wait window stands over the exam window.
    mainState.ExamInProgress = 1;
    QList<QPoint> waitWindowAt;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<exam::TForm7*>(widget) && widget->isVisible())
                waitWindowAt << widget->pos();
    });
    watch.start(5);
    window->show();
    ASSERT_TRUE(waitUntil([&] { return window->keyObserver().isInstalled(); }, 30000));
    ASSERT_FALSE(waitWindowAt.isEmpty());
    EXPECT_EQ(waitWindowAt.last(), window->pos() + QPoint(165, 350));
    EXPECT_LT(window->controls().ProgressBar1->minimum(),
              window->controls().ProgressBar1->maximum());
    EXPECT_EQ(window->controls().ProgressBar1->value(), 0);
    EXPECT_EQ(window->controls().Label5->text(), "/0");
    EXPECT_EQ(messages.asked.size(), 1);  // the description, no type hint
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
}

// A case of twelve sub-questions: 4.10 is its tenth, not its first, and the matching part after
// the cases can be reached. The single-choice pool is shorter than its count, so the buttons
// are those of the rows drawn (1-3, 4.1-4.12, 5), none without a row.
TEST_F(ExamSittingTest, NumbersStayTextAndTheButtonsFollowTheDrawnRows) {
    bank.addGroup(10, 12);    // the case: questions 6-17
    bank.addGroup(11, 2, 4);  // the matching group: 18, 19
    bank.addOptions(6, 17);
    bank.setCounts(4, 0, 1, 1);
    window->show();
    ASSERT_TRUE(waitUntil([&] { return window->keyObserver().isInstalled(); }, 30000));
    EXPECT_EQ(window->numberButton("a4"), nullptr);
    EXPECT_EQ(window->numberButton("a6"), nullptr);
    for (const char* name : {"a1", "a3", "a4f1", "a4f10", "a4f12", "a5"})
        EXPECT_NE(window->numberButton(name), nullptr) << name;

    QStringList rows;
    store::Connection connection = bank.connect();
    for (store::Recordset paper = connection.query("select * from sj"); !paper.eof(); paper.next())
        rows << paper.text("tid");
    ASSERT_EQ(rows.size(), 16);
    for (const QString& tid : rows) {
        const store::Recordset row = connection.query("select * from sj where tid='" + tid + "'");
        const QString tgid = row.text("tgid");
        if (row.text("lx") == "a4") {
            ASSERT_TRUE(showsText(tid + "." + u("组4")));
            window->controls().WebBrowser1->setValue("18", "A");
            window->controls().WebBrowser1->setValue("19", "A");
        } else {
            ASSERT_TRUE(showsText(tid + "." + u("题") + tgid)) << tid.toStdString();
            const QString answer = row.text("da");
            window->controls().WebBrowser1->setChecked(
                QString::number(tgid.toInt() * 10 + (answer[0].unicode() - 'A') + 1), true);
        }
        if (tid != rows.last()) click(window->controls().BitBtn2);
    }
    click(window->controls().BitBtn5);
    ASSERT_TRUE(showsText(u("批 阅 试 卷 结 果")));
    const QString result = pageText(*window->controls().WebBrowser1);
    EXPECT_TRUE(result.contains(u("单项选择题\t3\t3\t3\t3\t100%"))) << result.toStdString();
    EXPECT_TRUE(result.contains(u("案例分析题\t12\t12\t12\t12\t100%")));
    EXPECT_TRUE(result.contains(u("配伍选择题\t2\t2\t2\t2\t100%")));
    EXPECT_EQ(colourOf("a4f10"), ButtonColour::Blue);
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
}

// A failed first activation is reported once; the wait window goes, and a later activation
// draws nothing again.
TEST_F(ExamSittingTest, AFailedFirstActivationIsReportedOnceAndNotRetried) {
    ASSERT_TRUE(QFile::remove(bank.programDir() + "ty.html"));
    window->show();
    ASSERT_TRUE(waitUntil([&] { return messages.errors.size() == 1; }, 30000));
    settle(200);
    EXPECT_EQ(messages.errors.size(), 1);
    EXPECT_FALSE(window->keyObserver().isInstalled());
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<exam::TForm7*>(widget) && widget->isVisible());
    window->FormActivate();
    settle(200);
    EXPECT_EQ(messages.errors.size(), 1);
    EXPECT_EQ(messages.asked.size(), 1);  // the description only
}

// Clicks that arrive while a move waits for its hint or its page are dropped; a letter key
// waits for the move and then acts on the page it left on screen.
TEST_F(ExamSittingTest, ClicksDuringAMoveAreDropped) {
    ASSERT_NO_FATAL_FAILURE(answerTheSingleChoicePart());
    messages.onInfo = [&](const QString&) {
        click(window->controls().BitBtn5);  // 交 卷
        click(window->controls().BitBtn2);  // 下一题
        // A letter released while the next page loads waits until the move has finished.
        QTimer::singleShot(0, window.get(), [] { releaseKey(kKeyB, "b"); });
    };
    click(window->controls().BitBtn2);  // into multiple choice: its hint
    ASSERT_TRUE(showsText(u("3.题4")));
    settle(200);
    EXPECT_EQ(messages.infos, QStringList{u("多项选择题，里边有多个正确答案")});
    EXPECT_FALSE(window->handedIn());
    EXPECT_EQ(window->examState().CurrentPaperNumber, "3");
    EXPECT_TRUE(waitUntil([&] { return window->controls().BitBtn2->hasFocus(); }));
    EXPECT_FALSE(ticked(option("3", 'B')));  // multiple choice takes no letters
    store::Connection connection = bank.connect();
    EXPECT_EQ(connection.query("select * from sj where tid='2'").text("tjda"), "D");
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
}

// The close box during a move waits for the move: its page comes, then the window goes, and
// nothing of the exam shows after that.
TEST_F(ExamSittingTest, ACloseDuringAMoveWaitsForTheMove) {
    ASSERT_NO_FATAL_FAILURE(answerTheSingleChoicePart());
    bool visibleAfterClose = false;
    messages.onInfo = [&](const QString&) {
        window->close();
        visibleAfterClose = window->isVisible();
    };
    click(window->controls().BitBtn2);  // into multiple choice: its hint, then its page
    ASSERT_TRUE(waitUntil([&] { return screensClosed == 1; }));
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->examState().CurrentPaperNumber, "3");
    EXPECT_FALSE(window->keyObserver().isInstalled());
    EXPECT_EQ(messages.infos, QStringList{u("多项选择题，里边有多个正确答案")});
}

TEST_F(ExamSittingTest, TheClockCountsDownToZeroAndStops) {
    window->FormShow();
    EXPECT_TRUE(window->controls().Timer1->isActive());
    EXPECT_EQ(window->controls().Timer1->interval(), 60000);
    window->Timer1Timer();
    EXPECT_EQ(window->controls().Label9->text(), "89");
    for (int minute = 2; minute <= 90; ++minute) window->Timer1Timer();
    EXPECT_EQ(window->controls().Label9->text(), "0");
    EXPECT_FALSE(window->controls().Timer1->isActive());
}

}  // namespace

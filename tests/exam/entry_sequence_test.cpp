#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "exam/candidate_screen.h"
#include "exam/exam_entry.h"
#include "exam/exam_settings_dialog.h"
#include "exam/exam_window.h"
#include "exam/login_screen.h"
#include "screens_fixture.h"
#include "ui/picture_button.h"

namespace {

// The three screens wired as the program wires them.
class EntrySequenceTest : public ExamScreensTest {
  protected:
    void SetUp() override {
        ExamScreensTest::SetUp();
        settings = new exam::TForm6(context(), &mainWindow);
        login = new exam::TForm2(
            context(), [this] { candidate->exec(); }, &mainWindow);
        candidate = new exam::TForm3(
            context(), [this] { login->close(); }, &mainWindow);
    }

    void run() { exam::runExamEntry(mainState, *settings, *login); }

    template <typename Window>
    static Window* as(QWidget* modal) {
        return qobject_cast<Window*>(modal);
    }

    static void click(QWidget* button) {
        ModalScript::later(button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
    }

    exam::TForm6* settings = nullptr;
    exam::TForm2* login = nullptr;
    exam::TForm3* candidate = nullptr;
};

TEST_F(EntrySequenceTest, ClosingTheSettingsDialogEndsTheSequenceBeforeTheLoginScreen) {
    int inProgressMeanwhile = -1;
    ModalScript script({[&](QWidget* modal) {
        if (modal != settings) return false;
        inProgressMeanwhile = mainState.ExamInProgress;
        ModalScript::later(settings, [this] { settings->close(); });
        return true;
    }});
    bool loginShown = false;
    QObject::connect(login, &QDialog::finished, [&] { loginShown = true; });
    run();
    EXPECT_FALSE(script.timedOut);
    EXPECT_EQ(script.stepsLeft(), 0);
    EXPECT_EQ(inProgressMeanwhile, 1);
    EXPECT_EQ(settings->ExamEntryConfirmed, 0);
    EXPECT_FALSE(loginShown);
    EXPECT_EQ(mainState.ExamInProgress, 0);
}

// A stray Escape ends neither screen: only their own buttons do.
TEST_F(EntrySequenceTest, LoggingInAgainStepsBackAndLeavingTheLoginEndsTheSequence) {
    ModalScript script({
        [&](QWidget* modal) {
            if (modal != settings) return false;
            click(settings->RzBitBtn2);
            return true;
        },
        [&](QWidget* modal) {
            if (modal != login) return false;
            EXPECT_EQ(login->Image1->geometry(), login->rect());  // stretched over the window
            QTest::keyClick(login, Qt::Key_Escape);
            EXPECT_TRUE(login->isVisible());
            login->Edit1->clear();  // any admission number logs in, an empty one too
            click(login->RzBitBtn1);
            return true;
        },
        [&](QWidget* modal) {
            if (modal != candidate) return false;
            EXPECT_FALSE(candidate->SpeedButton3->isVisible());
            QTest::keyClick(candidate, Qt::Key_Escape);
            EXPECT_TRUE(candidate->isVisible());
            candidate->SpeedButton3Click();
            EXPECT_EQ(candidate->titleChoice(), 1);
            click(candidate->SpeedButton1);  // 重新登录
            return true;
        },
        [&](QWidget* modal) {
            if (modal != login) return false;
            EXPECT_FALSE(candidate->isVisible());
            click(login->RzBitBtn2);  // 退出考场
            return true;
        },
    });
    run();
    EXPECT_FALSE(script.timedOut);
    EXPECT_EQ(script.stepsLeft(), 0);
    EXPECT_EQ(messages.infos, QStringList{QStringLiteral("该视频完善中~！！")});
    EXPECT_FALSE(login->isVisible());
    EXPECT_EQ(mainState.ExamInProgress, 0);
    EXPECT_EQ(tsRows(), QStringList({"40/40", "10/", "2/", "2/"}));
}

// Settings saved with 12 single-choice questions, then through login and candidate screen
// into an exam window, closed as soon as it is shown: the chain unwinds to the main window.
TEST_F(EntrySequenceTest, StartingAnExamUsesTheSavedCountAndClosingItUnwindsTheChain) {
    // Row 1 as a previous start with the other title choice left it.
    bank.run(QStringLiteral("update ts set txs = '0' where rid = 1;"));
    QPointer<exam::TForm4> examWindow;
    ModalScript script({
        [&](QWidget* modal) {
            if (modal != settings) return false;
            settings->RzEdits[0]->setText(QStringLiteral("12"));
            settings->RzBitBtn1Click();
            click(settings->RzBitBtn2);
            return true;
        },
        [&](QWidget* modal) {
            if (modal != login) return false;
            click(login->RzBitBtn1);
            return true;
        },
        [&](QWidget* modal) {
            if (modal != candidate) return false;
            click(candidate->SpeedButton2);
            return true;
        },
        [&](QWidget* modal) {
            examWindow = as<exam::TForm4>(modal);
            if (!examWindow) return false;
            EXPECT_EQ(tsRows().first(), QStringLiteral("12/12"));
            EXPECT_EQ(examWindow->parentWidget(), candidate);
            ModalScript::later(examWindow, [&] { examWindow->close(); });
            return true;
        },
    });
    run();
    EXPECT_FALSE(script.timedOut);
    EXPECT_EQ(script.stepsLeft(), 0);
    EXPECT_TRUE(messages.infos.contains(exam::kSettingsSaved));
    EXPECT_EQ(tsRows().first(), QStringLiteral("12/12"));
    EXPECT_FALSE(candidate->isVisible());
    EXPECT_FALSE(login->isVisible());
    EXPECT_TRUE(examWindow.isNull());  // a new window per start, gone with its close
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(mainState.ExamInProgress, 0);
}

}  // namespace

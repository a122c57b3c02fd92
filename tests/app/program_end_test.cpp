#include "app/program_end.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTimer>

#include "app/main_window.h"
#include "core/program_texts.h"
#include "scripted_messages.h"
#include "services/feedback_sender.h"
#include "services/feedback_window.h"
#include "temp_bank.h"

// Its own executable: ending the program leaves every event loop of the process for good.
namespace {

// Exit confirmed while a feedback report waits for a server that never answers: the program
// ends once the send has given up, instead of living on without its main window.
TEST(ProgramEnd, ExitDuringAFeedbackSendEndsTheProgram) {
    TempBank bank;
    ScriptedMessages messages;  // answers every question with OK
    app::TForm10 window(bank.programDir(), &messages);
    window.controls().Timer1->stop();
    window.show();
    app::endProgramWithMainWindow(window);

    QTcpServer silent;  // accepts, never answers
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    services::TForm9 feedback(
        messages, [] { return QStringLiteral("测试科目"); }, nullptr,
        services::FeedbackSender(services::FeedbackSender::sqlServerConnectionString(
            QStringLiteral("127.0.0.1"), silent.serverPort())));
    feedback.resetForReport();
    feedback.setReportedQuestion(QStringLiteral("57"), QString());
    feedback.show();

    QTimer::singleShot(0, &feedback, [&] { feedback.Button1Click(); });
    QTimer::singleShot(300, &window, [&] { window.tcxtClick(); });
    // Should the program live on, the test ends it with another code.
    QTimer::singleShot(6 * services::FeedbackSender::kTimeoutSeconds * 1000, qApp,
                       [] { QCoreApplication::exit(1); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_LT(clock.elapsed(), 3 * services::FeedbackSender::kTimeoutSeconds * 1000);
    EXPECT_FALSE(feedback.isSending());
}

}  // namespace

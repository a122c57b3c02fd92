#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "exam/exam_context.h"
#include "scripted_messages.h"
#include "store/connection.h"
#include "temp_bank.h"
#include "ts_rows.h"
#include "ui/main_window_state.h"

// A program directory with the demo counts in ts (40 single choice, 10, 2, 2), the page
// template and the exam pictures, a main window and recorded messages.
class ExamScreensTest : public testing::Test {
  protected:
    void SetUp() override {
        insertDemoCounts(bank);
        bank.installPageAssets();
    }

    exam::ExamContext context() { return {bank.programDir(), messages, mainState, mainWindow}; }

    QStringList tsRows() const { return tsRowsOf(bank); }

    TempBank bank;
    ScriptedMessages messages;
    ui::MainWindowState mainState;
    QWidget mainWindow;
};

// Drives a chain of nested exec() calls: every 20 ms the active modal window is offered to
// the next step, which returns true once it has acted. Steps post their clicks (`later`), so
// that a click opening the next modal window runs outside the polling slot. Should the chain
// hang, the watchdog closes every window and the test fails.
class ModalScript : public QObject {
  public:
    using Step = std::function<bool(QWidget* modal)>;

    explicit ModalScript(QList<Step> steps) : steps_(std::move(steps)) {
        connect(&poll_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!steps_.isEmpty() && modal && modal->isVisible() && steps_.first()(modal))
                steps_.removeFirst();
        });
        poll_.start(20);
        watchdog_.setSingleShot(true);
        connect(&watchdog_, &QTimer::timeout, this, [this] {
            timedOut = true;
            for (int i = 0; i < 10 && QApplication::activeModalWidget(); ++i)
                QApplication::activeModalWidget()->close();
        });
        watchdog_.start(60000);
    }

    static void later(QObject* context, std::function<void()> action) {
        QTimer::singleShot(0, context, std::move(action));
    }

    int stepsLeft() const { return int(steps_.size()); }
    bool timedOut = false;

  private:
    QList<Step> steps_;
    QTimer poll_;
    QTimer watchdog_;
};

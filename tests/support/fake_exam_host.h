#pragma once

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

#include "exam/exam_window_host.h"
#include "pageview/text_page_view.h"
#include "scripted_messages.h"
#include "store/connection_string.h"
#include "temp_bank.h"

// The exam window as the exam logic sees it, without widgets: a text page (or a page view of
// the caller's), recorded messages, button colours by name, the counter, the legend and the
// clock as plain values.
class FakeExamHost : public exam::ExamWindowHost {
  public:
    explicit FakeExamHost(const TempBank& bank) : bank_(bank.connect()), dir_(bank.programDir()) {}
    // On a real page view, whose events the logic's waits must let through.
    FakeExamHost(const QString& programDir, pageview::PageView& page)
        : bank_(store::ConnectionString::forDataDirectory(programDir)),
          dir_(programDir),
          page_(&page),
          runsEvents_(true) {}

    exam::ExamWindowState& examState() override { return state; }
    store::Connection& connection() override { return bank_; }
    pageview::PageView& page() override { return page_ ? *page_ : view; }
    core::MessageService& messages() override { return shown; }
    exam::KeyObserver& keyObserver() override { return observer; }
    QString programDir() const override { return dir_; }
    int titleChoice() const override { return 1; }
    void paintNumberButton(const QString& name, exam::ButtonColour colour) override {
        buttons[name] = colour;
    }
    void setPaperSize(int rows) override { progressMaximum = rows; }
    int setAnsweredProgress(int position) override {
        progress = std::min(position, progressMaximum);
        return progress;
    }
    void setAnsweredLabel(const QString& text) override { answeredLabel = text; }
    void setHandedInLegend() override { handedInLegend = true; }
    void stopCountDown() override { clockRunning = false; }
    void resumeCountDown() override { clockRunning = true; }
    void focusNextButton() override { ++focusMoves; }
    void processPendingEvents() override {
        if (runsEvents_) QCoreApplication::processEvents();
    }
    void showWaitWindow() override {}
    void closeWaitWindow() override {}
    void buildNumberPanel(const QList<exam::NumberPanelItem>&) override {}

    exam::ExamWindowState state;
    pageview::TextPageView view;
    ScriptedMessages shown;
    exam::KeyObserver observer;
    QHash<QString, exam::ButtonColour> buttons;
    int progressMaximum = 0;
    int progress = 0;
    QString answeredLabel = QStringLiteral("0");
    bool handedInLegend = false;
    bool clockRunning = true;
    int focusMoves = 0;

  private:
    store::Connection bank_;
    QString dir_;
    pageview::PageView* page_ = nullptr;
    bool runsEvents_ = false;
};

#pragma once

#include "store/connection_string.h"
#include "ui/main_window_host.h"

// A main window without a screen: real state, a real bank connection, the page view and the
// message service a test hands in; the window-level calls are counted.
class FakeMainWindow : public ui::MainWindowHost {
  public:
    FakeMainWindow(const QString& programDir, pageview::PageView& page,
                   core::MessageService& messages)
        : programDir_(programDir),
          page_(page),
          messages_(messages),
          connection_(store::ConnectionString::forDataDirectory(programDir)) {}

    ui::MainWindowState& state() override { return state_; }
    pageview::PageView& page() override { return page_; }
    core::MessageService& messages() override { return messages_; }
    store::Connection& connection() override { return connection_; }
    QString programDir() const override { return programDir_; }

    QString modeKey() const override { return modeKey_; }
    QString modeTitle() const override { return modeTitle_; }
    void setModeKeyAndTitle(const QString& text) override { modeKey_ = modeTitle_ = text; }

    void rebuildTree() override { ++formShows; }
    void applyActivationRule() override { ++formActivates; }
    void openSelectedNode() override { ++treeClicks; }
    void expandAllNodes() override { ++expands; }
    void resetAnswerButtons() override {
        showAllShown = true;
        hideAllShown = false;
    }
    void showExerciseCommands() override { exerciseCommandsShown = true; }
    void showAllAnswers() override {
        ++showAllClicks;
        showAllShown = false;
        hideAllShown = true;
    }

    int formShows = 0, formActivates = 0, treeClicks = 0, expands = 0, showAllClicks = 0;
    bool showAllShown = true, hideAllShown = false, exerciseCommandsShown = false;
    QString modeKey_ = QStringLiteral("高 级 试 题");
    QString modeTitle_ = QStringLiteral("习 题 集");

  private:
    ui::MainWindowState state_;
    QString programDir_;
    pageview::PageView& page_;
    core::MessageService& messages_;
    store::Connection connection_;
};

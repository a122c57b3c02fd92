#pragma once

#include <QString>

#include "core/messages.h"
#include "pageview/page_view.h"
#include "store/connection.h"
#include "ui/main_window_state.h"

namespace ui {

// What the units working inside the main window (tree, page commands, views, marking, reading
// aids) need of it. TForm10 implements it; logic tests use a fake.
class MainWindowHost {
  public:
    virtual ~MainWindowHost() = default;

    virtual MainWindowState& state() = 0;
    virtual pageview::PageView& page() = 0;  // WebBrowser1
    virtual core::MessageService& messages() = 0;
    virtual store::Connection& connection() = 0;  // the main window's own connection
    virtual QString programDir() const = 0;       // with its trailing separator

    // The view-mode key (caption of Panel6) and the mode title (caption of Label3).
    virtual QString modeKey() const = 0;
    virtual QString modeTitle() const = 0;
    virtual void setModeKeyAndTitle(const QString& text) = 0;

    virtual void rebuildTree() = 0;          // the tree of the current mode (FormShow)
    virtual void applyActivationRule() = 0;  // expand, reopen node 2 (FormActivate)
    virtual void openSelectedNode() = 0;     // the selected node's page (TreeView1Click)
    virtual void expandAllNodes() = 0;

    // Command strip: NewImage16 hidden and NewImage10 shown.
    virtual void resetAnswerButtons() = 0;
    // NewImage10, NewImage11, NewImage12 and the left column Panel2 shown.
    virtual void showExerciseCommands() = 0;
    // Show all answers (NewImage10Click).
    virtual void showAllAnswers() = 0;
};

}  // namespace ui

#pragma once

#include <QString>
#include <optional>

#include "pages/view_mode.h"
#include "ui/main_window_state.h"

namespace pageview {
class PageView;
}

namespace store {
class Connection;
}

namespace app {

// A node of the chapter tree as the study controller sees it: its level (0 part, 1 section,
// 2 chapter), whether it has no children, and its absolute index in display order.
struct TreeNode {
    int level = 0;
    bool leaf = true;
    int absoluteIndex = 0;
};

// What the study controller needs of the main window's widgets. TForm10 implements it.
class StudyView {
  public:
    using NodeRecordIds = decltype(ui::MainWindowState::NodeRecordIds);

    virtual ~StudyView() = default;

    virtual pageview::PageView& page() = 0;  // WebBrowser1

    // Fills the chapter tree for a mode from the bank (ChapterTreeBuilder); throws core::Error.
    virtual void fillTree(store::Connection& bank, NodeRecordIds& ids, pages::ViewMode mode) = 0;
    virtual std::optional<TreeNode> selectedNode() const = 0;
    // Selects the node at an absolute index; nothing when the tree has no such node.
    virtual std::optional<TreeNode> selectNode(int absoluteIndex) = 0;
    virtual int nodeCount() const = 0;
    virtual void expandAllNodes() = 0;
    // While a chapter is built, the tree takes no clicks.
    virtual void holdTreeInput(bool held) = 0;

    virtual void setModeCaption(const QString& text) = 0;    // Panel6 and Label3
    virtual void setProductLabel(const QString& text) = 0;   // Label4
    virtual void setQuestionCount(const QString& text) = 0;  // first status panel
    virtual void setDateLine(const QString& text) = 0;       // third status panel

    // Command strip: NewImage16 hidden and NewImage10 shown.
    virtual void resetAnswerButtons() = 0;
    // NewImage10 hidden and NewImage16 shown.
    virtual void showHideAnswersButton() = 0;
    // NewImage10, NewImage11, NewImage12 and the left column Panel2 shown.
    virtual void showExerciseCommands() = 0;
    // BitBtn1's x: it moves when the layout is maximised or restored.
    virtual int handInButtonX() const = 0;
};

}  // namespace app

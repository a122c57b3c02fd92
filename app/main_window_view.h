#pragma once

#include "app/main_window_controls.h"
#include "app/study_view.h"

namespace app {

// What the study controller decides, shown on the main window's controls.
class MainWindowView : public StudyView {
  public:
    explicit MainWindowView(MainWindowControls& controls) : ui_(controls) {}

    pageview::PageView& page() override;
    void fillTree(store::Connection& bank, NodeRecordIds& ids, pages::ViewMode mode) override;
    std::optional<TreeNode> selectedNode() const override;
    std::optional<TreeNode> selectNode(int absoluteIndex) override;
    int nodeCount() const override;
    void expandAllNodes() override;
    void holdTreeInput(bool held) override;
    void setModeCaption(const QString& text) override;
    void setProductLabel(const QString& text) override;
    void setQuestionCount(const QString& text) override;
    void setDateLine(const QString& text) override;
    void resetAnswerButtons() override;
    void showHideAnswersButton() override;
    void showExerciseCommands() override;
    int handInButtonX() const override;

  private:
    MainWindowControls& ui_;
};

}  // namespace app

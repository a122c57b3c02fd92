#include "app/view_mode_switch.h"

namespace app {

void switchViewMode(ui::MainWindowHost& host, const QString& modeKey,
                    const std::function<void()>& beforeTreeBuild) {
    host.resetAnswerButtons();
    host.showExerciseCommands();
    host.setModeKeyAndTitle(modeKey);
    if (beforeTreeBuild) beforeTreeBuild();
    host.rebuildTree();
    host.applyActivationRule();
    host.expandAllNodes();
}

}  // namespace app

#pragma once

#include <QString>
#include <functional>

#include "ui/main_window_host.h"

namespace app {

// Switches the main window to a view mode: the answer buttons back to "show", the exercise
// commands shown, the mode's caption, then `beforeTreeBuild` (what the mode must derive first),
// the tree built for the mode and the activation rule applied, every node expanded. Throws
// core::Error from the tree build.
void switchViewMode(ui::MainWindowHost& host, const QString& modeKey,
                    const std::function<void()>& beforeTreeBuild = {});

}  // namespace app

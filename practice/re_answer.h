#pragma once

#include "ui/main_window_host.h"

namespace practice {

// Answering the page again (NewImage11): after the user agrees, the selected node is opened
// anew, which clears every answer, red stem and open answer block.
void NewImage11Click(ui::MainWindowHost& host);

}  // namespace practice

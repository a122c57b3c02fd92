#pragma once

namespace app {

class TForm10;

// Closing the main window ends the program, whatever other window is still open or busy: a
// feedback window in the middle of a send refuses to close, which would refuse a quit that asks
// every window, so the program's event loops are left outright. A send under way ends on its
// own time-out before the process goes.
void endProgramWithMainWindow(TForm10& mainWindow);

}  // namespace app

#include "app/program_end.h"

#include <QCoreApplication>

#include "app/main_window.h"

namespace app {

void endProgramWithMainWindow(TForm10& mainWindow) {
    QObject::connect(&mainWindow, &TForm10::closed, qApp, [] { QCoreApplication::exit(0); });
}

}  // namespace app

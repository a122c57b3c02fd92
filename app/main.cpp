#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/access_bank_start.h"
#include "app/main_window.h"
#include "app/program_end.h"
#include "core/error.h"
#include "store/program_places.h"
#include "ui/qt_messages.h"

namespace {

// The program's places, with the user's bank made on the first start. A bank that cannot be
// made is reported, and the program starts on the data directory all the same: the main window
// then reports the missing bank and offers the way back through a restore into it.
core::ProgramPlaces programPlacesReporting() {
    const core::ProgramPlaces places = store::programPlaces();
    try {
        store::provideUserBank(places);
    } catch (const core::Error& error) {
        ui::QtMessageService().reportError(error.message());
    }
    return places;
}

}  // namespace

int main(int argc, char** argv) {
    // The page views of several windows share one graphics context.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vantrel"));
    // Qt's own dialogs (the file dialogs of backup and restore) speak Chinese like the rest.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    const core::ProgramPlaces places = programPlacesReporting();
    {
        ui::QtMessageService startMessages;
        app::convertAccessBankOnStart(places.dataDir, startMessages);
    }
    app::TForm10 mainWindow(places);
    app::endProgramWithMainWindow(mainWindow);
    mainWindow.show();
    return QApplication::exec();
}

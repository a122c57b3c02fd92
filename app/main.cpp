#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/access_bank_start.h"
#include "app/main_window.h"
#include "app/program_end.h"
#include "app/startup_check.h"
#include "core/error.h"
#include "store/program_places.h"
#include "ui/qt_messages.h"

namespace {

// The program's places, with the user's bank made on the first start. A bank that cannot be
// made is reported, and the program starts on the data directory all the same: the main window
// then reports the missing bank and offers the way back through a restore into it.
core::ProgramPlaces programPlacesReporting(core::MessageService& messages) {
    const core::ProgramPlaces places = store::programPlaces();
    try {
        store::provideUserBank(places);
    } catch (const core::Error& error) {
        messages.reportError(error.message());
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
    // The desktop entry of the installed program, so that the desktop matches its windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrel.Vantrel"));
    // Qt's own dialogs (the file dialogs of backup and restore) speak Chinese like the rest.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    const bool startupCheck = QApplication::arguments().contains(QStringLiteral("--startup-check"));
    app::PrintedMessages printedMessages;
    ui::QtMessageService startMessages;
    core::MessageService& messages =
        startupCheck ? static_cast<core::MessageService&>(printedMessages) : startMessages;
    const core::ProgramPlaces places = programPlacesReporting(messages);
    app::convertAccessBankOnStart(places.dataDir, messages);

    app::TForm10 mainWindow(places, startupCheck ? &printedMessages : nullptr);
    app::endProgramWithMainWindow(mainWindow);
    mainWindow.show();
    return startupCheck ? app::runStartupCheck(mainWindow, printedMessages) : QApplication::exec();
}

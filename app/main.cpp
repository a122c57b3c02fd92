#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/access_bank_start.h"
#include "app/main_window.h"
#include "app/program_end.h"
#include "store/connection_string.h"
#include "ui/qt_messages.h"

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

    const QString programDir = store::programDirectory();
    {
        ui::QtMessageService startMessages;
        app::convertAccessBankOnStart(programDir, startMessages);
    }
    app::TForm10 mainWindow(programDir);
    app::endProgramWithMainWindow(mainWindow);
    mainWindow.show();
    return QApplication::exec();
}

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/tform10.h"
#include "store/connection_string.h"

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

    app::TForm10 mainWindow(store::programDirectory());
    // Closing the main window ends the program, whatever other window is still open.
    QObject::connect(&mainWindow, &app::TForm10::closed, &application, &QApplication::quit);
    mainWindow.show();
    return QApplication::exec();
}

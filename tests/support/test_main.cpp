#include <gtest/gtest.h>

#include <QApplication>

// One main for every test executable: a QApplication exists, so window tests can open widgets
// and WebEngine views (which need shared OpenGL contexts set before the application starts).
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    return RUN_ALL_TESTS();
}

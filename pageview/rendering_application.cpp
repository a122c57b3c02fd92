#include "pageview/rendering_application.h"

#include <QLoggingCategory>

namespace pageview {

std::unique_ptr<QGuiApplication> makeRenderingApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without OpenGL (offscreen) the engine draws a PDF all the same; its report of the graphics
    // it did not find would only fill the tool's error output.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace pageview

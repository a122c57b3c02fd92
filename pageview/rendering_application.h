#pragma once

#include <QGuiApplication>
#include <memory>

namespace pageview {

// The application object of a program without windows that renders pages into PDFs: the page
// engine needs a GUI application with shared graphics contexts. Without a display (neither a
// platform chosen nor an X or Wayland display), it runs on the offscreen platform.
std::unique_ptr<QGuiApplication> makeRenderingApplication(int& argc, char** argv);

}  // namespace pageview

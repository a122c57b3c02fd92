#pragma once

#include <QPointer>
#include <QTimer>
#include <functional>

#include "result_page.h"
#include "result_window.h"
#include "ui/main_window_host.h"

namespace practice {

// The main window's side of the result window: it drives the main window's Timer2 (set here to
// 100 ms and stopped; the main window connects its timeout to its Timer2Timer, which calls
// Timer2Timer here) and knows the result window that is open.
//   ResultDisplay display(mainWindowHost, mainWindowWidget, Timer2);
//   HandIn handIn(mainWindowHost, [&] { display.showResultWindow(); });
// showRecord, when given, opens the learning record over the result window (its record button).
class ResultDisplay {
  public:
    ResultDisplay(ui::MainWindowHost& host, QWidget* mainWindow, QTimer& timer2,
                  std::function<void(QWidget& over)> showRecord = {});

    // A new TForm15 shown modally; returns when it is closed.
    void showResultWindow();
    // Timer2's handler: fills the open result window's page.
    void Timer2Timer();

  private:
    QWidget* mainWindow_;
    QTimer& timer2_;
    ResultPage page_;
    QPointer<TForm15> open_;
    std::function<void(QWidget& over)> showRecord_;
};

}  // namespace practice

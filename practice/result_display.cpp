#include "result_display.h"

namespace practice {

ResultDisplay::ResultDisplay(ui::MainWindowHost& host, QWidget* mainWindow, QTimer& timer2,
                             std::function<void(QWidget& over)> showRecord)
    : mainWindow_(mainWindow),
      timer2_(timer2),
      page_(host, timer2),
      showRecord_(std::move(showRecord)) {
    timer2_.stop();
    timer2_.setInterval(100);
}

void ResultDisplay::showResultWindow() {
    page_.forgetFailure();
    // After a reported failure the window waits for the user instead of failing again.
    TForm15 form(
        mainWindow_,
        [this] {
            if (!page_.failed()) timer2_.start();
        },
        showRecord_);
    open_ = &form;
    form.exec();
    open_ = nullptr;
}

void ResultDisplay::Timer2Timer() {
    if (!open_) {
        timer2_.stop();  // no result window to fill
        return;
    }
    page_.Timer2Timer(*open_->WebBrowser1);
}

}  // namespace practice

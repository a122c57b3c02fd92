#pragma once

#include <QTimer>

#include "pageview/page_view.h"
#include "ui/main_window_host.h"

namespace practice {

// Fills the result window's page from the score table: the main window's Timer2 handler.
// Timer2 (100 ms) is enabled when the result window becomes active and disabled here once the
// page is built. A failed build stops Timer2 before the error is reported, so one failure is
// reported once instead of every 100 ms; the window keeps what its page holds and waits for the
// user: later activations (closing the report activates it again) do not try again.
class ResultPage {
  public:
    ResultPage(ui::MainWindowHost& host, QTimer& timer2) : host_(host), timer2_(timer2) {}

    void Timer2Timer(pageview::PageView& resultView);
    // A build of this result window has failed and been reported.
    bool failed() const { return failed_; }
    void forgetFailure() { failed_ = false; }

  private:
    void build(pageview::PageView& resultView);

    ui::MainWindowHost& host_;
    QTimer& timer2_;
    bool building_ = false;  // ticks while the template loads are not a second build
    bool failed_ = false;
};

}  // namespace practice

#pragma once

#include <QString>

#include "core/messages.h"
#include "pageview/page_view.h"
#include "ui/main_window_state.h"

namespace app {

// Scripts that press the answer button of every question whose button reads "显示答案"
// (respectively "隐藏答案"). They only reach the ids "xs1" to "xs10000".
extern const QString kShowAllAnswersScript;
extern const QString kHideAllAnswersScript;

// The reading aids of the main window's page: open or close every answer block, make the text
// larger or smaller. Showing and hiding the two answer buttons stays with the window.
class ReadingAids {
  public:
    ReadingAids(pageview::PageView& page, ui::MainWindowState& state,
                core::MessageService& messages)
        : page_(page), state_(state), messages_(messages) {}

    // The page part of NewImage10Click and NewImage16Click.
    void showAllAnswers();
    void hideAllAnswers();
    // Larger text: a failing page access propagates and leaves PageShown at 0.
    void SpeedButton2Click();
    // Smaller text: a failing page access is dropped.
    void SpeedButton3Click();

  private:
    void runWithLinksOff(const QString& script);

    pageview::PageView& page_;
    ui::MainWindowState& state_;
    core::MessageService& messages_;
};

}  // namespace app

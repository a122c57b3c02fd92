#pragma once

#include <QString>
#include <functional>

#include "ui/main_window_host.h"

namespace services {
class TForm9;
}

namespace app {

// The commands that the buttons of a question page send as pseudo-links: "http://scbt" + id
// toggles the question's favourite flag, "http://ctfk" + id opens the feedback window with a
// preview of the question. While a built page is on display every navigation is cancelled.
class LinkCommands {
  public:
    // The feedback window as the feedback command fills it.
    struct FeedbackWindow {
        // Clears remark and boxes and shows the window without waiting; false while a report
        // is still being sent, which then stays as it is.
        std::function<bool()> openForReport;
        std::function<pageview::PageView&()> preview;  // its page view
        // Hands over the question the report is about, once its preview is built.
        std::function<void(const QString& id, const QString& text)> reportQuestion;
    };
    // The program's feedback window, reached through `form` when a report is made.
    static FeedbackWindow feedbackWindowOf(std::function<services::TForm9&()> form);

    // `favouritesSwitch` reopens the favourites view (NewImage1Click).
    LinkCommands(ui::MainWindowHost& host, FeedbackWindow feedback,
                 std::function<void()> favouritesSwitch);

    // The page view's navigation hook. A failing command reaches the default error report;
    // the navigation stays cancelled.
    void WebBrowser1BeforeNavigate2(const QString& url, bool& cancel);

    // The question id of a pseudo-link: the address without "http://scbt" (or "http://ctfk")
    // in front and without the "/" that the page view appends. Empty unless it is a whole
    // number, since it goes into SQL as it stands.
    static QString questionIdFrom(const QString& url);

    static const QString kFavouriteAdded;
    static const QString kFavouriteRemoved;
    static const QString kQuestionMissing;

  private:
    void runCommands(const QString& url);
    void toggleFavourite(const QString& questionId);
    void openFeedback(const QString& questionId);

    ui::MainWindowHost& host_;
    FeedbackWindow feedback_;
    std::function<void()> favouritesSwitch_;
};

}  // namespace app

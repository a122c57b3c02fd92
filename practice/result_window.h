#pragma once

#include <QDialog>
#include <QPushButton>
#include <functional>

#include "pageview/web_page_view.h"

namespace practice {

// The result window: the score table of a hand-in, shown modally over the main window. It does
// not fill its page itself: becoming active starts the main window's result timer, whose
// handler builds the page into WebBrowser1. The first build starts once the window is shown,
// also where the platform reports its activation late or never; that first activation then
// starts no second build.
class TForm15 : public QDialog {
    Q_OBJECT
  public:
    // onActivate is run every time the window becomes active (it enables Timer2). showRecord,
    // when given, opens the learning record over the window from RecordButton.
    TForm15(QWidget* mainWindow, std::function<void()> onActivate,
            std::function<void(QWidget& over)> showRecord = {});

    void FormActivate();
    void Image1Click();

    // Controls under their design names, in the order they are made.
    QWidget* Panel1;
    pageview::WebPageView* WebBrowser1;  // the result page
    QWidget* Panel2;
    QPushButton* Image1;  // "关闭"
    // Not one of the window's design controls: "学习记录", at the left of Panel2, where it moves
    // nothing of the design. Shown only when there is a record to open.
    QPushButton* RecordButton;

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void centreOverMainWindow();
    void startFirstBuild();

    std::function<void()> onActivate_;
    bool firstBuildStarted_ = false;
    bool activatedBefore_ = false;
};

}  // namespace practice

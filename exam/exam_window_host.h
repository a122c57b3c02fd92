#pragma once

#include <QList>
#include <QString>

#include "core/messages.h"
#include "exam/exam_window_state.h"
#include "exam/key_observer.h"
#include "exam/number_panel.h"
#include "pageview/page_view.h"
#include "store/connection.h"

namespace exam {

// The colours of a number button: not yet visited, on screen, left with an answer, left without
// one. After hand-in blue means right and red wrong.
enum class ButtonColour { Face, Red, Blue, ActiveBorder };

// What the units working inside the exam window (paper set-up, navigation, marking) need of it.
// TForm4 implements it; logic tests use a fake.
class ExamWindowHost {
  public:
    virtual ~ExamWindowHost() = default;

    virtual ExamWindowState& examState() = 0;
    virtual store::Connection& connection() = 0;  // the window's own connection
    virtual pageview::PageView& page() = 0;       // WebBrowser1
    virtual core::MessageService& messages() = 0;
    virtual KeyObserver& keyObserver() = 0;
    virtual QString programDir() const = 0;  // with its trailing separator
    // The candidate screen's title choice (1: the paper has a single-choice part).
    virtual int titleChoice() const = 0;

    // A number button by its name ("a7", "a4f2"); a name without a button paints nothing.
    virtual void paintNumberButton(const QString& name, ButtonColour colour) = 0;
    // ProgressBar1's maximum and Label5 ("/" + rows).
    virtual void setPaperSize(int rows) = 0;
    // ProgressBar1's position, capped at its maximum; returns the position the bar then shows.
    virtual int setAnsweredProgress(int position) = 0;
    // Label6, the answered counter.
    virtual void setAnsweredLabel(const QString& text) = 0;
    // Whether the paper is handed in, as the window's state has it.
    bool handedIn() { return examState().HandedIn != HandIn::Open; }
    // The legend after hand-in: its first two captions read "答对" and "答错" instead of
    // "已答" and "在答".
    virtual void setHandedInLegend() = 0;
    // Timer1 off, and on again while minutes are left.
    virtual void stopCountDown() = 0;
    virtual void resumeCountDown() = 0;
    // The keyboard focus to BitBtn2 (下一题).
    virtual void focusNextButton() = 0;
    // Lets the events waiting in the queue run (the end of a move).
    virtual void processPendingEvents() = 0;

    // The first activation's window steps: the wait window shown and painted (then a short
    // pause), the wait window gone, the number buttons placed.
    virtual void showWaitWindow() = 0;
    virtual void closeWaitWindow() = 0;
    virtual void buildNumberPanel(const QList<NumberPanelItem>& items) = 0;
};

}  // namespace exam

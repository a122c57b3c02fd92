#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "core/error.h"
#include "pages/view_mode.h"
#include "record/hand_in_record.h"
#include "store/connection.h"
#include "ui/main_window_host.h"

namespace pages {
class AnswerCapture;
}

namespace practice {

class ScoreTable;

// Handing in the chapter page of the main window: marks every question the view mode lists,
// colours the stems of wrong ones red, puts them into the wrong-question bank, writes the score
// table, shows the result window and asks whether the wrong questions stay in the bank. A
// marking that is written whole joins the learning record in the same write.
class HandIn {
  public:
    // showResultWindow opens a new result window modally and returns when it is closed.
    HandIn(ui::MainWindowHost& host, std::function<void()> showResultWindow)
        : host_(host), showResultWindow_(std::move(showResultWindow)) {}

    // The hand-in (NewImage12 and BitBtn1), run as the main window's one action at a time: it
    // reads the page in waits that let other events through. Clearing the latest-marking flags is
    // not guarded: its failure propagates to the caller's error report. A failure while marking
    // ends the hand-in silently and keeps what was written so far; a marking that cannot be written
    // to the bank is reported.
    void BitBtn1Click();
    // The closing step: result window, then the wrong-question question.
    void Button1Click();

  private:
    void clearLatestMarks();
    void markChapter();
    void markGroup(const QString& groupId, const QString& typeId, pages::ViewMode mode,
                   pages::AnswerCapture& answers, ScoreTable& scores);
    void colourWrongStems();
    void keepInRecord(const QString& chapterKey, pages::ViewMode mode);
    void keepMarks(store::Connection::Transaction& writes);

    // The marking could not be written to the bank.
    struct SaveFailed : core::Error {
        using core::Error::Error;
    };

    ui::MainWindowHost& host_;
    std::function<void()> showResultWindow_;
    QStringList wrongStems_;       // "fan" + id of every question marked wrong, not yet coloured
    record::HandInRecord marked_;  // this marking's types, for the learning record
};

}  // namespace practice

#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <optional>

#include "record/record_overview.h"
#include "record/record_window_controls.h"

namespace record {

// The learning record (学习记录): the rates over time of exercise pages and exams per question
// type, the totals, and the weakest chapters, which open in the main window when the window
// was opened from there. It reads the bank on a thread of its own through a connection of its
// own, so that a bank held by another writer never holds up the window; what could not be read
// is said in the window, with a button to read again.
class RecordWindow : public QDialog {
    Q_OBJECT

  public:
    // Whether a chosen chapter can be opened where the window was opened: in the main window
    // yes; over the result or the exam window, which the hand-in or the exam still holds, the
    // chapters are listed only.
    enum class Chapters { Openable, ListedOnly };

    RecordWindow(const QString& dataDir, Chapters chapters, QWidget* parent);
    ~RecordWindow() override;

    // The chapter the user chose to open; the window closes with it.
    std::optional<qint64> chosenChapter() const { return chosen_; }
    // Reading the bank, until the record or the failure is shown.
    bool reading() const { return reading_; }

    RecordWindowControls& controls() { return ui_; }

  signals:
    // The record is shown, or why it could not be read.
    void shown();

  private:
    struct Reading {
        RecordOverview overview;
        QString failure;
    };

    void read();
    void showReading();
    void showOverview(const RecordOverview& overview);
    void showChapters(const QList<WeakChapter>& chapters);
    void showFailure(const QString& failure);
    void chooseChapter(int row);

    QString connectionString_;
    Chapters chapters_;
    RecordWindowControls ui_;
    QFutureWatcher<Reading> watcher_;
    bool reading_ = false;
    std::optional<qint64> chosen_;
};

}  // namespace record

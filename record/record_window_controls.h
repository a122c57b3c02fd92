#pragma once

class QChartView;
class QDialog;
class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace record {

// The record window's controls and their layout: the totals line, the loading or failure line,
// the two rate charts on the left, the weakest chapters on the right, the close button.
struct RecordWindowControls {
    // The weakest chapters' columns.
    enum ChapterColumn { NameColumn, WrongColumn, RateColumn, HandInsColumn, ChapterColumns };

    // Builds every control on the window; called once by its constructor.
    void setupUi(QDialog* window);

    QLabel* Totals = nullptr;
    QLabel* Status = nullptr;      // reading, or why the record could not be read
    QPushButton* Retry = nullptr;  // read again after a failure
    QWidget* Record = nullptr;     // charts and chapters, shown once the record is read
    QChartView* PracticeChart = nullptr;
    QChartView* ExamChart = nullptr;
    QTableWidget* WeakChapters = nullptr;  // the chapter's id in NameColumn's Qt::UserRole
    QLabel* ChapterHint = nullptr;
    QPushButton* OpenChapter = nullptr;
    QPushButton* CloseButton = nullptr;
};

}  // namespace record

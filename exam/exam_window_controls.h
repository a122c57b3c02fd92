#pragma once

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTimer;
class QWidget;

namespace pageview {
class WebPageView;
}

namespace ui {
class PictureButton;
}

namespace exam {

// The exam window's controls under their design names, built by its layout
// (exam_window_layout.cpp): the hand-written counterpart of a Designer Ui class.
struct ExamWindowControls {
    QWidget* CaptionStrip = nullptr;  // the caption with the close box
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label10 = nullptr;
    pageview::WebPageView* WebBrowser1 = nullptr;
    ui::PictureButton* BitBtn1 = nullptr;  // previous question
    ui::PictureButton* BitBtn2 = nullptr;  // next question
    ui::PictureButton* BitBtn3 = nullptr;  // calculator
    ui::PictureButton* BitBtn5 = nullptr;  // hand in
    ui::PictureButton* BitBtn4 = nullptr;  // help, hidden
    // Not a design control: "学习记录" after the buttons, shown once the paper is handed in.
    QPushButton* RecordButton = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label9 = nullptr;  // minutes left
    QLabel* Label8 = nullptr;
    QLabel* Label4 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label6 = nullptr;  // answered counter
    QLabel* Label5 = nullptr;  // "/" + paper rows
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* Label1 = nullptr;  // legend: answered ("答对" after hand-in)
    QLabel* Label2 = nullptr;  // legend: on screen ("答错" after hand-in)
    QLabel* Label3 = nullptr;  // legend: not answered
    QTimer* Timer1 = nullptr;  // the count-down, one tick a minute
};

}  // namespace exam

#pragma once

#include <QString>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QShortcut;
class QSplitter;
class QTimer;
class QWidget;

namespace pageview {
class WebPageView;
}

namespace ui {
class PictureButton;
}

namespace app {

class ChapterTreeView;
class StatusPanels;

// The main window's controls under their design names and their layout at the design sizes:
// the hand-written counterpart of a Designer Ui class.
struct MainWindowControls {
    static constexpr int kHandInButtonHomeX = 488;  // BitBtn1 in the normal layout
    static constexpr int kLogoHomeX = -10;          // AdvOfficeImage3 in the normal layout

    // Builds every region on the window; called once by its constructor. The pictures are read
    // from the program directory, which ends with its separator.
    void setupUi(QWidget* window, const QString& programDir);
    // The window buttons at their positions of the normal or the maximised layout.
    void placeWindowButtons(int screenWidth, bool maximised);

    QWidget* Panel5 = nullptr;                // title strip
    QLabel* Image1 = nullptr;                 // title picture
    QLabel* Label4 = nullptr;                 // product label
    QLabel* Label2 = nullptr;                 // hidden subject name sent with error reports
    ui::PictureButton* NewImage9 = nullptr;   // minimise
    ui::PictureButton* NewImage8 = nullptr;   // maximise (normal layout only)
    ui::PictureButton* NewImage19 = nullptr;  // restore (maximised layout only)
    ui::PictureButton* NewImage7 = nullptr;   // close: exit the program
    QWidget* ToolBar1 = nullptr;
    ui::PictureButton* gjst = nullptr;
    ui::PictureButton* NewImage1 = nullptr;
    ui::PictureButton* rjdh = nullptr;       // the simulated exam
    ui::PictureButton* NewImage6 = nullptr;  // the same
    ui::PictureButton* NewImage20 = nullptr;
    ui::PictureButton* NewImage4 = nullptr;  // backup
    ui::PictureButton* NewImage2 = nullptr;  // restore
    ui::PictureButton* rjsj = nullptr;       // version check
    ui::PictureButton* zxkf = nullptr;       // online service
    ui::PictureButton* zxsc = nullptr;       // online shop
    ui::PictureButton* sybz = nullptr;       // help
    QLabel* Panel7 = nullptr;                // toolbar picture panel
    QLabel* AdvOfficeImage3 = nullptr;       // logo on Panel7
    QSplitter* Splitter1 = nullptr;
    QWidget* Panel2 = nullptr;  // left column
    QLabel* Panel6 = nullptr;   // mode strip; its text is the view-mode key, never seen
    QLabel* Image8 = nullptr;   // strip picture over Panel6
    QLabel* Label3 = nullptr;   // mode title
    ChapterTreeView* TreeView1 = nullptr;
    QWidget* Panel3 = nullptr;                // right column
    QWidget* Panel4 = nullptr;                // command strip
    ui::PictureButton* NewImage10 = nullptr;  // show all answers
    ui::PictureButton* NewImage16 = nullptr;  // hide all answers
    ui::PictureButton* NewImage11 = nullptr;  // answer again
    ui::PictureButton* NewImage12 = nullptr;  // hand in
    ui::PictureButton* NewImage14 = nullptr;  // larger text
    ui::PictureButton* NewImage15 = nullptr;  // smaller text
    ui::PictureButton* NewImage17 = nullptr;  // enter the full-screen view
    ui::PictureButton* NewImage18 = nullptr;  // leave it
    QPushButton* BitBtn1 = nullptr;           // hidden hand-in button; its x is part of the layout
    QPushButton* Button1 = nullptr;           // hidden closing step of the hand-in
    pageview::WebPageView* WebBrowser1 = nullptr;
    QMenu* PageMenu = nullptr;     // the page view's context menu: the two entries below
    QAction* PrintPage = nullptr;  // 打印… (also Ctrl+P anywhere in the window)
    QAction* ExportPdf = nullptr;  // 导出为 PDF…
    StatusPanels* StatusBar1 = nullptr;
    QTimer* Timer2 = nullptr;  // fills the result window after a hand-in (100 ms)
    QTimer* Timer1 = nullptr;  // the start-up version check (1 ms, runs once)
    // Not a design control: Ctrl+L opens the learning record, which has no button of its own
    // here so that no control of the design moves.
    QShortcut* RecordShortcut = nullptr;

  private:
    void createTitleStrip(QWidget* window, const QString& programDir);
    void createToolBar(QWidget* window, const QString& programDir);
    void createLeftColumn();
    void createRightColumn(const QString& programDir);
    void createCommandStrip(const QString& programDir);
    void createPageMenu(QWidget* window);
    void createStatusBar(QWidget* window);
    static void setStripPictures(ui::PictureButton* button, const QString& programDir,
                                 const QString& picture);
    static ui::PictureButton* addPictureButton(QWidget* parent, const QString& label,
                                               const QString& name);
};

}  // namespace app

#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "app/main_window_messages.h"
#include "app/program_windows.h"
#include "app/reading_aids.h"
#include "store/connection.h"
#include "ui/action_gate.h"
#include "ui/main_window_host.h"

class QLabel;
class QPushButton;
class QSplitter;
class QTimer;
class QUrl;

namespace practice {
class HandIn;
class ResultDisplay;
}  // namespace practice

namespace pageview {
class WebPageView;
}

namespace services {
class VersionCheck;
}

namespace ui {
class PictureButton;
class QtMessageService;
}  // namespace ui

class QDialog;

namespace app {

// The product label of the title strip; the subject's name follows it.
inline const QString kProductLabel = QStringLiteral("Vantrel 中级职称");

class ActivationTracker;
class ChapterTreeView;
class LinkCommands;
class MarkedViews;
class StatusPanels;

// The main window: title strip, toolbar, chapter tree, command strip, page view, status bar.
// It opens the question bank at creation, builds the chapter tree when shown, and reopens the
// first chapter whenever it becomes the active window of the program (ActivationTracker).
class TForm10 : public QWidget, public ui::MainWindowHost {
    Q_OBJECT

  public:
    // `messages` defaults to the program's Qt dialogs; tests hand in their own.
    explicit TForm10(const QString& programDir, core::MessageService* messages = nullptr);
    ~TForm10() override;

    // MainWindowHost
    ui::MainWindowState& state() override { return state_; }
    pageview::PageView& page() override;
    core::MessageService& messages() override { return messages_; }
    store::Connection& connection() override { return bank_; }
    QString programDir() const override { return programDir_; }
    QString modeKey() const override;
    QString modeTitle() const override;
    void setModeKeyAndTitle(const QString& text) override;
    void rebuildTree() override { FormShow(); }
    void applyActivationRule() override { FormActivate(); }
    void openSelectedNode() override { TreeView1Click(); }
    void expandAllNodes() override;
    void resetAnswerButtons() override;
    void showExerciseCommands() override;
    void showAllAnswers() override { NewImage10Click(); }

    void FormShow();  // throws core::Error
    void FormActivate();
    void TreeView1Click();
    void NewImage10Click();

    void FormCreate();
    void FormClose();
    void TreeView1Expanded();
    void TreeView1Collapsed();
    void gjstClick();  // throws core::Error (from FormShow)
    void NewImage16Click();
    // The simulated exam: settings, login, candidate screen, exam window (also NewImage6).
    void rjdhClick();

    // Window chrome: maximise and restore, full screen, minimise, exit, moving by the title
    // strip, the web links and help, backup and restore.
    void Image6Click();
    void NewImage8Click();
    void Panel5DblClick();
    void Panel5MouseMove();
    void NewImage17Click();
    void NewImage18Click();
    void Image4Click();
    void tcxtClick();
    void zxkfClick();
    void zxscClick();
    void sybzClick();
    void NewImage4Click();
    void NewImage2Click();
    // The version check: once by itself on the first tick of Timer1 after start-up, and on the
    // upgrade button.
    void Timer1Timer();
    void rjsjClick();
    // Where web links and the help file go: the desktop's browser and viewer by default; a
    // start that fails is logged, never reported.
    void setExternalOpener(std::function<bool(const QUrl&)> opener) {
        openExternal_ = std::move(opener);
    }
    // The navigation hook of the page view: while a built page is on display every navigation
    // is cancelled (the page link commands act on them instead).
    void WebBrowser1BeforeNavigate2(const QString& url, bool& cancel);
    // The program's other windows, created with the main window.
    const ProgramWindows& windows() const { return *windows_; }
    ProgramWindows& windows() { return *windows_; }

    // Runs a command of a control; a bank failure reaches the default error report.
    void runReportingErrors(const std::function<void()>& command);
    // A user's command (toolbar, title and command strips, tree, page links): one at a time.
    // Page builds, hand-ins and link commands wait in local event loops, where a second
    // command would start in the middle of the first; while one runs, others are ignored.
    void runCommand(const std::function<void()>& command);

    // The top-left corner for a screen: centred as a 1024 × 768 area, not by the window's size.
    static QPoint placementOn(const QRect& screen);

    // Controls under their design names.
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
    StatusPanels* StatusBar1 = nullptr;
    QTimer* Timer2 = nullptr;  // fills the result window after a hand-in (100 ms)
    QTimer* Timer1 = nullptr;  // the start-up version check (1 ms, runs once)

    static constexpr int kHandInButtonHomeX = 488;  // BitBtn1 in the normal layout
    static constexpr int kLogoHomeX = -10;          // AdvOfficeImage3 in the normal layout

  signals:
    void closed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void createRegions();
    void createTitleStrip();
    void createToolBar();
    void createLeftColumn();
    void createRightColumn();
    void createCommandStrip();
    void createStatusBar();
    ui::PictureButton* addPictureButton(QWidget* parent, const QString& label, const QString& name);
    void setStripPictures(ui::PictureButton* button, const QString& picture);
    // The window buttons at their positions of the normal or the maximised layout.
    void placeWindowButtons(bool maximised);
    void createChromeCommands();
    // A picture button's click runs `command` as a user's command (runCommand).
    void onClick(ui::PictureButton* button, std::function<void()> command);
    void openExternal(const QUrl& target);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void createCommands();
    void readSubject();
    // After a restore: what start-up read from the bank, read again, the tree built anew and
    // the first chapter opened.
    void followRestoredBank();
    void openNode2();
    // Shows one of the program's windows modally; the activation its closing causes runs
    // before the command that opened it goes on.
    // Shows one of the program's modal windows; returns how it was left.
    int execOwnWindow(QDialog& window,
                      const std::function<void(int result)>& beforeActivation = {});

    QString programDir_;
    std::unique_ptr<ui::QtMessageService> ownMessages_;
    MainWindowMessages messages_;
    store::Connection bank_;
    ui::MainWindowState state_;
    std::unique_ptr<ProgramWindows> windows_;
    std::unique_ptr<ReadingAids> readingAids_;
    std::unique_ptr<practice::ResultDisplay> resultDisplay_;
    std::unique_ptr<practice::HandIn> handIn_;
    std::unique_ptr<MarkedViews> markedViews_;
    std::unique_ptr<LinkCommands> linkCommands_;
    std::unique_ptr<services::VersionCheck> versionCheck_;
    ActivationTracker* activation_ = nullptr;
    bool buildRunning_ = false;
    ui::ActionGate gate_{this};
    std::function<bool(const QUrl&)> openExternal_;
};

}  // namespace app

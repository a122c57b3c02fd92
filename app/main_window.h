#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "app/main_window_controls.h"
#include "app/main_window_messages.h"
#include "app/main_window_view.h"
#include "app/page_printing.h"
#include "app/program_windows.h"
#include "app/study_aids.h"
#include "app/study_controller.h"
#include "ui/action_gate.h"

class QDialog;
class QUrl;

namespace practice {
class HandIn;
class ResultDisplay;
}  // namespace practice

namespace services {
class VersionCheck;
}

namespace ui {
class PictureButton;
class QtMessageService;
}  // namespace ui

namespace app {

class ActivationTracker;
class LinkCommands;
class MarkedViews;

// The main window: title strip, toolbar, chapter tree, command strip, page view, status bar.
// Its state and logic are the study controller's; the window shows what the controller decides
// (MainWindowView), and its handlers hand over to it. It opens the question bank at creation,
// builds the chapter tree when shown, and reopens the first chapter whenever it becomes the active
// window of the program (ActivationTracker).
class TForm10 : public QWidget {
    Q_OBJECT

  public:
    // `messages` defaults to the program's Qt dialogs; tests hand in their own.
    // A directory alone is a portable program directory that holds the user's data too.
    explicit TForm10(const core::ProgramPlaces& places, core::MessageService* messages = nullptr);
    ~TForm10() override;

    // The main window's state and logic; the units working in the window reach it as their
    // host.
    StudyController& controller() { return *controller_; }
    ui::MainWindowState& state() { return controller_->state(); }
    pageview::PageView& page() { return view_.page(); }
    core::MessageService& messages() { return messages_; }
    store::Connection& connection() { return controller_->connection(); }
    QString programDir() const { return places_.programDir; }
    const core::ProgramPlaces& places() const { return places_; }
    QString modeKey() const { return controller_->modeKey(); }
    QString modeTitle() const { return controller_->modeTitle(); }
    void setModeKeyAndTitle(const QString& text) { controller_->setModeKeyAndTitle(text); }

    void FormShow() { controller_->rebuildTree(); }  // throws core::Error
    void FormActivate() { controller_->applyActivationRule(); }
    void TreeView1Click() { controller_->openSelectedNode(); }
    void NewImage10Click() { controller_->showAllAnswers(); }

    void FormCreate();
    void FormClose();
    void TreeView1Expanded();
    void TreeView1Collapsed();
    void gjstClick() { controller_->openExerciseSet(); }  // throws core::Error (from FormShow)
    void NewImage16Click() { controller_->hideAllAnswers(); }
    // The simulated exam: settings, login, candidate screen, exam window (also NewImage6).
    void rjdhClick();
    // The question search (Ctrl+F) and the learning record (Ctrl+L).
    StudyAids& studyAids() { return *aids_; }

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

    // Printing and PDF export of the page shown (the page menu and Ctrl+P): user's commands, run
    // only while a built page is shown.
    PagePrinting& printing() { return *printing_; }

    // The top-left corner for a screen: centred as a 1024 × 768 area, not by the window's size.
    static QPoint placementOn(const QRect& screen);

    // The controls under their design names, built by the layout.
    MainWindowControls& controls() { return ui_; }
    const MainWindowControls& controls() const { return ui_; }

    static constexpr int kHandInButtonHomeX = MainWindowControls::kHandInButtonHomeX;
    static constexpr int kLogoHomeX = MainWindowControls::kLogoHomeX;

  signals:
    void closed();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void createChromeCommands();
    // A picture button's click runs `command` as a user's command (runCommand).
    void onClick(ui::PictureButton* button, std::function<void()> command);
    void openExternal(const QUrl& target);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void createCommands();
    // Shows one of the program's modal windows and returns how it was left; the activation its
    // closing causes runs before the command that opened it goes on.
    int execOwnWindow(QDialog& window,
                      const std::function<void(int result)>& beforeActivation = {});

    core::ProgramPlaces places_;
    std::unique_ptr<ui::QtMessageService> ownMessages_;
    MainWindowControls ui_;
    MainWindowView view_{ui_};
    MainWindowMessages messages_;
    std::unique_ptr<StudyController> controller_;
    std::unique_ptr<ProgramWindows> windows_;
    std::unique_ptr<practice::ResultDisplay> resultDisplay_;
    std::unique_ptr<practice::HandIn> handIn_;
    std::unique_ptr<MarkedViews> markedViews_;
    std::unique_ptr<LinkCommands> linkCommands_;
    std::unique_ptr<services::VersionCheck> versionCheck_;
    std::unique_ptr<PagePrinting> printing_;
    std::unique_ptr<StudyAids> aids_;
    ActivationTracker* activation_ = nullptr;
    ui::ActionGate gate_{this};
    std::function<bool(const QUrl&)> openExternal_;
};

}  // namespace app

#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include "app/activation_tracker.h"
#include "app/chapter_tree_view.h"
#include "app/link_commands.h"
#include "app/marked_views.h"
#include "app/wrong_question_manager.h"
#include "core/error.h"
#include "core/error_report.h"
#include "exam/exam_entry.h"
#include "pageview/web_page_view.h"
#include "practice/hand_in.h"
#include "practice/re_answer.h"
#include "practice/result_display.h"
#include "services/feedback_window.h"
#include "services/version_check.h"
#include "ui/design_placement.h"
#include "ui/picture_button.h"
#include "ui/qt_messages.h"

namespace app {

TForm10::TForm10(const core::ProgramPlaces& places, core::MessageService* messages)
    : places_(places),
      ownMessages_(messages ? nullptr : std::make_unique<ui::QtMessageService>(this)),
      messages_(messages ? *messages : *ownMessages_, [this] {
          if (activation_) activation_->runDueActivation();
      }) {
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QGuiApplication::applicationDisplayName());
    ui_.setupUi(this, places_.programDir);
    controller_ = std::make_unique<StudyController>(places_, messages_, view_);
    ui_.WebBrowser1->setNavigationHook(
        [this](const QString& url, bool& cancel) { WebBrowser1BeforeNavigate2(url, cancel); });
    activation_ = new ActivationTracker(*this);
    connect(activation_, &ActivationTracker::activated, this, &TForm10::FormActivate);
    FormCreate();
    const auto showRecord = [this](QWidget& over) { aids_->openLearningRecord(over); };
    windows_ = std::make_unique<ProgramWindows>(
        exam::ExamContext{places_, messages_, state(), *this, showRecord},
        [this] { return ui_.Label2->text(); });
    aids_ = std::make_unique<StudyAids>(
        *this, *controller_, *windows_, places_.dataDir, messages_,
        [this](QDialog& window, const std::function<void(int)>& beforeActivation) {
            execOwnWindow(window, beforeActivation);
        });
    createCommands();
}

TForm10::~TForm10() = default;

// The units behind the command buttons, and the wiring of every button to its handler.
void TForm10::createCommands() {
    ui_.Timer2 = new QTimer(this);
    resultDisplay_ = std::make_unique<practice::ResultDisplay>(
        *controller_, this, *ui_.Timer2,
        [this](QWidget& over) { aids_->openLearningRecord(over); });
    handIn_ = std::make_unique<practice::HandIn>(*controller_,
                                                 [this] { resultDisplay_->showResultWindow(); });
    connect(ui_.Timer2, &QTimer::timeout, this,
            [this] { runReportingErrors([this] { resultDisplay_->Timer2Timer(); }); });

    const auto on = [this](ui::PictureButton* button, std::function<void()> command) {
        onClick(button, std::move(command));
    };
    on(ui_.gjst, [this] { gjstClick(); });
    on(ui_.NewImage10, [this] { NewImage10Click(); });
    on(ui_.NewImage16, [this] { NewImage16Click(); });
    on(ui_.NewImage11, [this] { practice::NewImage11Click(*controller_); });
    on(ui_.NewImage12, [this] { handIn_->BitBtn1Click(); });
    connect(ui_.BitBtn1, &QPushButton::clicked, this,
            [this] { runCommand([this] { handIn_->BitBtn1Click(); }); });
    markedViews_ =
        std::make_unique<MarkedViews>(*controller_, [this] { execOwnWindow(*windows_->Form16); });
    linkCommands_ = std::make_unique<LinkCommands>(
        *controller_, LinkCommands::feedbackWindowOf([this]() -> services::TForm9& {
            return windows_->feedbackWindow();
        }),
        [this] { markedViews_->NewImage1Click(); });
    on(ui_.NewImage1, [this] { markedViews_->NewImage1Click(); });
    on(ui_.rjdh, [this] { rjdhClick(); });
    on(ui_.NewImage6, [this] { rjdhClick(); });
    on(ui_.NewImage20, [this] { markedViews_->NewImage20Click(); });
    auto* searchKey = new QShortcut(QKeySequence::Find, this);
    connect(searchKey, &QShortcut::activated, this,
            [this] { runCommand([this] { aids_->openSearch(); }); });
    on(ui_.NewImage14, [this] { controller_->readingAids().SpeedButton2Click(); });
    on(ui_.NewImage15, [this] { controller_->readingAids().SpeedButton3Click(); });
    connect(ui_.TreeView1, &ChapterTreeView::nodeClicked, this,
            [this] { runCommand([this] { TreeView1Click(); }); });
    connect(ui_.TreeView1, &QTreeWidget::itemExpanded, this, &TForm10::TreeView1Expanded);
    connect(ui_.TreeView1, &QTreeWidget::itemCollapsed, this, &TForm10::TreeView1Collapsed);
    ui_.RecordShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(ui_.RecordShortcut, &QShortcut::activated, this,
            [this] { runCommand([this] { aids_->openLearningRecord(*this); }); });
    createChromeCommands();
    // The page menu's commands act on a built page only.
    printing_ = std::make_unique<PagePrinting>(ui_, [this](const std::function<void()>& command) {
        runCommand([&] {
            if (state().PageShown == 1) command();
        });
    });
}

void TForm10::onClick(ui::PictureButton* button, std::function<void()> command) {
    connect(button, &ui::PictureButton::clicked, this,
            [this, command = std::move(command)] { runCommand(command); });
}

int TForm10::execOwnWindow(QDialog& window,
                           const std::function<void(int result)>& beforeActivation) {
    const int result = window.exec();
    if (beforeActivation) beforeActivation(result);
    activation_->runDueActivation();
    return result;
}

void TForm10::runCommand(const std::function<void()>& command) {
    gate_.runOrIgnore([&] { runReportingErrors(command); });
}

void TForm10::runReportingErrors(const std::function<void()>& command) {
    core::runReportingErrors(messages(), command);
}

QPoint TForm10::placementOn(const QRect& screen) { return ui::centredDesignArea(screen); }

void TForm10::FormCreate() {
    if (!isMaximized()) move(placementOn(screen()->geometry()));
    controller_->start();
}

void TForm10::TreeView1Expanded() { ui_.TreeView1->viewport()->update(); }

void TForm10::TreeView1Collapsed() { ui_.TreeView1->viewport()->update(); }

void TForm10::WebBrowser1BeforeNavigate2(const QString& url, bool& cancel) {
    // A page build's own loads pass; a page's command while another action runs is dropped.
    if (state().PageShown == 0) {
        linkCommands_->WebBrowser1BeforeNavigate2(url, cancel);
        return;
    }
    cancel = true;
    gate_.runOrIgnore([&] { linkCommands_->WebBrowser1BeforeNavigate2(url, cancel); });
}

void TForm10::rjdhClick() {
    windows_->makeExamScreens();
    exam::runExamEntry(state(), *windows_->Form6, *windows_->Form2);
}

void TForm10::FormClose() { controller_->close(); }

void TForm10::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;  // coming back from minimised is no new showing
    try {
        FormShow();
    } catch (const core::Error& e) {
        // Reported once the window is on screen, so that the report stands over it and not
        // behind it; the user learns which file failed and the way back to a good bank.
        const QString text =
            e.message() + QStringLiteral(
                              "\n\n题库无法使用。如果您备份过数据，可以点击工具栏的"
                              "“数据还原”恢复备份的题库。");
        QTimer::singleShot(0, this, [this, text] { messages().reportError(text); });
    }
}

void TForm10::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
    emit closed();
}

// The window has no system frame. Where the platform asks the window what lies under the mouse,
// the bare client area answers "caption"; on this platform a left press on any bare part of
// the window (presses on labels and plain panels arrive here, the controls keep theirs) hands
// the window to the platform's interactive move instead.
void TForm10::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && windowHandle()) {
        windowHandle()->startSystemMove();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

}  // namespace app

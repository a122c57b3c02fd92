#include "app/main_window.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "app/activation_tracker.h"
#include "app/chapter_tree_builder.h"
#include "app/chapter_tree_view.h"
#include "app/link_commands.h"
#include "app/marked_views.h"
#include "app/status_panels.h"
#include "app/view_mode_switch.h"
#include "app/wrong_question_manager.h"
#include "core/error.h"
#include "core/error_report.h"
#include "core/program_texts.h"
#include "exam/exam_entry.h"
#include "pages/chapter_page_builder.h"
#include "pageview/web_page_view.h"
#include "practice/hand_in.h"
#include "practice/re_answer.h"
#include "practice/result_display.h"
#include "services/feedback_window.h"
#include "services/version_check.h"
#include "store/connection_string.h"
#include "ui/design_placement.h"
#include "ui/picture_button.h"
#include "ui/qt_messages.h"

namespace app {

TForm10::TForm10(const QString& programDir, core::MessageService* messages)
    : programDir_(programDir),
      ownMessages_(messages ? nullptr : std::make_unique<ui::QtMessageService>(this)),
      messages_(messages ? *messages : *ownMessages_, [this] {
          if (activation_) activation_->runDueActivation();
      }) {
    setObjectName(QStringLiteral("TForm10"));
    setWindowTitle(QGuiApplication::applicationDisplayName());
    createRegions();
    WebBrowser1->setNavigationHook(
        [this](const QString& url, bool& cancel) { WebBrowser1BeforeNavigate2(url, cancel); });
    activation_ = new ActivationTracker(*this);
    connect(activation_, &ActivationTracker::activated, this, &TForm10::FormActivate);
    FormCreate();
    windows_ =
        std::make_unique<ProgramWindows>(exam::ExamContext{programDir_, messages_, state_, *this},
                                         [this] { return Label2->text(); });
    createCommands();
}

TForm10::~TForm10() = default;

pageview::PageView& TForm10::page() { return *WebBrowser1; }

QString TForm10::modeKey() const { return Panel6->text(); }

QString TForm10::modeTitle() const { return Label3->text(); }

void TForm10::setModeKeyAndTitle(const QString& text) {
    Panel6->setText(text);
    Label3->setText(text);
}

// The units behind the command buttons, and the wiring of every button to its handler.
void TForm10::createCommands() {
    readingAids_ = std::make_unique<ReadingAids>(*WebBrowser1, state_, messages_);
    Timer2 = new QTimer(this);
    resultDisplay_ = std::make_unique<practice::ResultDisplay>(*this, this, *Timer2);
    handIn_ =
        std::make_unique<practice::HandIn>(*this, [this] { resultDisplay_->showResultWindow(); });
    connect(Timer2, &QTimer::timeout, this,
            [this] { runReportingErrors([this] { resultDisplay_->Timer2Timer(); }); });

    const auto on = [this](ui::PictureButton* button, std::function<void()> command) {
        onClick(button, std::move(command));
    };
    on(gjst, [this] { gjstClick(); });
    on(NewImage10, [this] { NewImage10Click(); });
    on(NewImage16, [this] { NewImage16Click(); });
    on(NewImage11, [this] { practice::NewImage11Click(*this); });
    on(NewImage12, [this] { handIn_->BitBtn1Click(); });
    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { runCommand([this] { handIn_->BitBtn1Click(); }); });
    markedViews_ =
        std::make_unique<MarkedViews>(*this, [this] { execOwnWindow(*windows_->Form16); });
    linkCommands_ = std::make_unique<LinkCommands>(
        *this, LinkCommands::feedbackWindowOf([this]() -> services::TForm9& {
            return windows_->feedbackWindow();
        }),
        [this] { markedViews_->NewImage1Click(); });
    on(NewImage1, [this] { markedViews_->NewImage1Click(); });
    on(rjdh, [this] { rjdhClick(); });
    on(NewImage6, [this] { rjdhClick(); });
    on(NewImage20, [this] { markedViews_->NewImage20Click(); });
    on(NewImage14, [this] { readingAids_->SpeedButton2Click(); });
    on(NewImage15, [this] { readingAids_->SpeedButton3Click(); });
    connect(TreeView1, &ChapterTreeView::nodeClicked, this,
            [this] { runCommand([this] { TreeView1Click(); }); });
    connect(TreeView1, &QTreeWidget::itemExpanded, this, &TForm10::TreeView1Expanded);
    connect(TreeView1, &QTreeWidget::itemCollapsed, this, &TForm10::TreeView1Collapsed);
    createChromeCommands();
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
    state_.SkipAutoOpen = 0;
    state_.PageShown = 0;
    bank_.setConnectionString(store::ConnectionString::forProgramDirectory(programDir_));
    try {
        bank_.open();
        readSubject();
    } catch (const core::Error&) {
        // Without a readable bank the product label and the count keep their design texts.
    }
}

void TForm10::readSubject() {
    const store::Recordset kemu = bank_.query(QStringLiteral("select * from kemu"));
    Label4->setText(kProductLabel + QStringLiteral("  ") + kemu.text(QStringLiteral("ID")));
    core::ProgramTexts& texts = core::programTexts();
    texts.SubjectFolder = kemu.text(QStringLiteral("mz"));
    texts.VersionFileUrl =
        services::updateBaseUrl() + texts.SubjectFolder + QStringLiteral("/Predate.ini");
    bank_.close();
    const store::Recordset geshu = bank_.query(QStringLiteral("select * from geshu"));
    StatusBar1->setPanelText(0,
                             QStringLiteral("试题量：") + geshu.text(QStringLiteral("kemugeshu")));
}

void TForm10::followRestoredBank() {
    Label4->setText(kProductLabel);
    bank_.close();
    bank_.open();
    readSubject();
    FormShow();
    openNode2();
    // Open already: the activation that follows the dialog keeps it.
    state_.SkipAutoOpen = 1;
}

void TForm10::FormShow() {
    state_.ExamInProgress = 0;
    state_.FullScreenFromMaximised = 0;
    state_.HandInButtonHome = BitBtn1->x();
    StatusBar1->setPanelText(
        2, QStringLiteral("现在的日期和时间是： ") +
               QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    bank_.close();
    bank_.open();
    ChapterTreeBuilder(bank_, *TreeView1, state_.NodeRecordIds)
        .build(pages::viewModeFromKey(modeKey()));
}

void TForm10::FormActivate() {
    if (state_.SkipAutoOpen == 1) {
        state_.SkipAutoOpen = 0;
        return;
    }
    // A moved hand-in button means the layout was maximised or restored since the tree build.
    if (state_.HandInButtonHome != BitBtn1->x()) return;
    // While a chapter is being built, node 2 is neither selected nor opened over it.
    if (buildRunning_) return;
    openNode2();
    state_.SkipAutoOpen = 0;
}

// Expands the whole tree and opens node 2, the first chapter of the first section. A tree with
// fewer than three nodes leaves the page as it is. So does a section without chapters at node
// 2: its "本章节无试题!" message would activate the window again on closing and so reopen
// itself without end.
void TForm10::openNode2() {
    expandAllNodes();
    QTreeWidgetItem* node = TreeView1->nodeAt(2);
    if (!node) return;
    TreeView1->setCurrentItem(node);
    if (!(ChapterTreeView::level(node) == 1 && node->childCount() == 0)) TreeView1Click();
    state_.FontStep = 2;
}

void TForm10::expandAllNodes() {
    const int count = TreeView1->nodeCount();
    for (int k = 0; k < count; ++k) TreeView1->nodeAt(k)->setExpanded(true);
}

void TForm10::TreeView1Click() {
    QTreeWidgetItem* node = TreeView1->currentItem();
    if (!node || buildRunning_) return;  // a build dispatches events while it waits
    const int level = ChapterTreeView::level(node);
    const bool leaf = node->childCount() == 0;
    if (level == 1 && leaf) {
        messages().info(QStringLiteral("本章节无试题!"));
        return;
    }
    state_.PageShown = 0;
    resetAnswerButtons();
    // Released on every path, whatever the build throws: the tree never stays locked.
    buildRunning_ = true;
    TreeView1->setInputHeld(true);
    const auto running = qScopeGuard([this] {
        TreeView1->setInputHeld(false);
        buildRunning_ = false;
    });
    try {
        const pages::ViewMode mode = pages::viewModeFromKey(modeKey());
        state_.numbering.reset();
        if (level == 2 && leaf) {
            const auto index = static_cast<std::size_t>(TreeView1->absoluteIndex(node));
            pages::ChapterPageBuilder(bank_, *WebBrowser1, programDir_ + QStringLiteral("ty.html"))
                .build(state_.NodeRecordIds.at(index), mode, state_.numbering,
                       state_.CurrentChapterId);
        }
    } catch (const core::Error&) {
        // A failed build keeps what it appended; the page is still taken as shown.
    }
    state_.PageShown = 1;
}

void TForm10::TreeView1Expanded() { TreeView1->viewport()->update(); }

void TForm10::TreeView1Collapsed() { TreeView1->viewport()->update(); }

void TForm10::gjstClick() {
    state_.SkipAutoOpen = 0;
    switchViewMode(*this, pages::kExerciseSetKey);
}

void TForm10::resetAnswerButtons() {
    NewImage16->hide();
    NewImage10->show();
}

void TForm10::showExerciseCommands() {
    NewImage10->show();
    NewImage11->show();
    NewImage12->show();
    Panel2->show();
}

void TForm10::NewImage10Click() {
    NewImage10->hide();
    NewImage16->show();
    readingAids_->showAllAnswers();
}

void TForm10::NewImage16Click() {
    NewImage16->hide();
    NewImage10->show();
    readingAids_->hideAllAnswers();
}

void TForm10::WebBrowser1BeforeNavigate2(const QString& url, bool& cancel) {
    // A page build's own loads pass; a page's command while another action runs is dropped.
    if (state_.PageShown == 0) {
        linkCommands_->WebBrowser1BeforeNavigate2(url, cancel);
        return;
    }
    cancel = true;
    gate_.runOrIgnore([&] { linkCommands_->WebBrowser1BeforeNavigate2(url, cancel); });
}

void TForm10::rjdhClick() {
    windows_->makeExamScreens();
    exam::runExamEntry(state_, *windows_->Form6, *windows_->Form2);
}

void TForm10::FormClose() { bank_.close(); }

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

#include "app/study_controller.h"

#include <QDateTime>
#include <QScopeGuard>
#include <algorithm>

#include "app/view_mode_switch.h"
#include "core/error.h"
#include "core/program_texts.h"
#include "pages/bank_queries.h"
#include "pages/chapter_page_builder.h"
#include "services/version_check.h"
#include "store/connection_string.h"

namespace app {

StudyController::StudyController(const core::ProgramPlaces& places, core::MessageService& messages,
                                 StudyView& view)
    : places_(places),
      messages_(messages),
      view_(view),
      modeKey_(pages::kStartKey),
      modeTitle_(pages::kExerciseSetKey),
      readingAids_(view.page(), state_, messages) {}

StudyController::~StudyController() = default;

void StudyController::setModeKeyAndTitle(const QString& text) {
    modeKey_ = text;
    modeTitle_ = text;
    view_.setModeCaption(text);
}

void StudyController::start() {
    state_.SkipAutoOpen = 0;
    state_.PageShown = 0;
    bank_.setConnectionString(store::ConnectionString::forDataDirectory(places_.dataDir));
    try {
        bank_.open();
        readSubject();
    } catch (const core::Error&) {
        // Without a readable bank the product label and the count keep their design texts.
    }
}

void StudyController::readSubject() {
    const store::Recordset kemu = bank_.query(QStringLiteral("select * from kemu"));
    view_.setProductLabel(kProductLabel + QStringLiteral("  ") + kemu.text(QStringLiteral("ID")));
    core::ProgramTexts& texts = core::programTexts();
    texts.SubjectFolder = kemu.text(QStringLiteral("mz"));
    texts.VersionFileUrl =
        services::updateBaseUrl() + texts.SubjectFolder + QStringLiteral("/Predate.ini");
    bank_.close();
    const store::Recordset geshu = bank_.query(QStringLiteral("select * from geshu"));
    view_.setQuestionCount(QStringLiteral("试题量：") + geshu.text(QStringLiteral("kemugeshu")));
}

void StudyController::followRestoredBank() {
    view_.setProductLabel(kProductLabel);
    bank_.close();
    bank_.open();
    readSubject();
    rebuildTree();
    openNode2();
    // Open already: the activation that follows the dialog keeps it.
    state_.SkipAutoOpen = 1;
}

void StudyController::rebuildTree() {
    state_.ExamInProgress = 0;
    state_.FullScreenFromMaximised = 0;
    state_.HandInButtonHome = view_.handInButtonX();
    view_.setDateLine(QStringLiteral("现在的日期和时间是： ") +
                      QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    bank_.close();
    bank_.open();
    view_.fillTree(bank_, state_.NodeRecordIds, pages::viewModeFromKey(modeKey_));
}

void StudyController::applyActivationRule() {
    if (state_.SkipAutoOpen == 1) {
        state_.SkipAutoOpen = 0;
        return;
    }
    // A moved hand-in button means the layout was maximised or restored since the tree build.
    if (state_.HandInButtonHome != view_.handInButtonX()) return;
    // While a chapter is being built, node 2 is neither selected nor opened over it.
    if (buildRunning_) return;
    openNode2();
    state_.SkipAutoOpen = 0;
}

// Expands the whole tree and opens node 2, the first chapter of the first section. A tree with
// fewer than three nodes leaves the page as it is. So does a section without chapters at node
// 2: its "本章节无试题!" message would activate the window again on closing and so reopen
// itself without end.
void StudyController::openNode2() {
    view_.expandAllNodes();
    const std::optional<TreeNode> node = view_.selectNode(2);
    if (!node) return;
    if (!(node->level == 1 && node->leaf)) openSelectedNode();
    state_.FontStep = 2;
}

void StudyController::openSelectedNode() {
    const std::optional<TreeNode> node = view_.selectedNode();
    if (!node || buildRunning_) return;  // a build dispatches events while it waits
    if (node->level == 1 && node->leaf) {
        messages_.info(QStringLiteral("本章节无试题!"));
        return;
    }
    state_.PageShown = 0;
    view_.resetAnswerButtons();
    // Released on every path, whatever the build throws: the tree never stays locked.
    buildRunning_ = true;
    view_.holdTreeInput(true);
    const auto running = qScopeGuard([this] {
        view_.holdTreeInput(false);
        buildRunning_ = false;
    });
    try {
        const pages::ViewMode mode = pages::viewModeFromKey(modeKey_);
        state_.numbering.reset();
        if (node->level == 2 && node->leaf) {
            const auto index = static_cast<std::size_t>(node->absoluteIndex);
            pages::ChapterPageBuilder(bank_, view_.page(),
                                      places_.programDir + QStringLiteral("ty.html"))
                .build(state_.NodeRecordIds.at(index), mode, state_.numbering,
                       state_.CurrentChapterId);
        }
    } catch (const core::Error&) {
        // A failed build keeps what it appended; the page is still taken as shown.
    }
    state_.PageShown = 1;
}

bool StudyController::openQuestion(qint64 questionId) {
    const QString id = QString::number(questionId);
    bank_.close();
    const store::Recordset question = bank_.query(pages::questionQuery(id));
    if (question.isEmpty()) return false;
    const store::Recordset group =
        bank_.query(pages::groupQuery(question.text(QStringLiteral("readtextid"))));
    bank_.close();
    if (group.isEmpty()) return false;
    const auto chapterId = qint32(group.integer(QStringLiteral("treeid")));

    const pages::ViewMode mode = pages::viewModeFromKey(modeKey_);
    const QString flag = mode == pages::ViewMode::Favourites       ? QStringLiteral("scbt")
                         : mode == pages::ViewMode::WrongQuestions ? QStringLiteral("ct")
                                                                   : QString();
    const bool listed = flag.isEmpty() || question.text(flag) == QStringLiteral("1");
    int node = listed ? chapterNodeIndex(chapterId) : -1;
    if (node < 0) {
        // The switch's own activation step would open node 2 only to replace it at once.
        state_.SkipAutoOpen = 1;
        switchViewMode(*this, pages::kExerciseSetKey);
        node = chapterNodeIndex(chapterId);
        if (node < 0) return false;
    }
    view_.selectNode(node);
    openSelectedNode();
    // The stem carries the id "fan" + question id on every chapter page.
    view_.page().execScript(
        QStringLiteral("document.getElementById('fan%1')?.scrollIntoView({block: 'center'});")
            .arg(id));
    state_.SkipAutoOpen = 1;
    return true;
}

int StudyController::chapterNodeIndex(qint32 chapterId) const {
    if (chapterId == 0) return -1;  // the entry of every part and section
    const int count = std::min(view_.nodeCount(), int(state_.NodeRecordIds.size()));
    for (int k = 0; k < count; ++k)
        if (state_.NodeRecordIds[std::size_t(k)] == chapterId) return k;
    return -1;
}

void StudyController::showAllAnswers() {
    view_.showHideAnswersButton();
    readingAids_.showAllAnswers();
}

void StudyController::hideAllAnswers() {
    view_.resetAnswerButtons();
    readingAids_.hideAllAnswers();
}

// The node is found by the chapter ids of the tree table, where only chapters have an id;
// entries beyond the tree's last node are what an earlier, larger tree left there.
void StudyController::openChapter(qint64 chapterId) {
    for (int k = 0; chapterId > 0 && k < ui::kNodeRecordCapacity; ++k) {
        if (state_.NodeRecordIds[std::size_t(k)] != chapterId) continue;
        if (!view_.selectNode(k)) break;
        openSelectedNode();
        return;
    }
    state_.SkipAutoOpen = 1;  // the page on display stays
    messages_.info(
        QStringLiteral("这个章节不在当前的题目列表中，请点击工具栏的“习题集”后再打开。"));
}

void StudyController::openExerciseSet() {
    state_.SkipAutoOpen = 0;
    switchViewMode(*this, pages::kExerciseSetKey);
}

}  // namespace app

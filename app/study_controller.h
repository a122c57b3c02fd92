#pragma once

#include <QString>
#include <memory>

#include "app/reading_aids.h"
#include "app/study_view.h"
#include "core/program_places.h"
#include "store/connection.h"
#include "ui/main_window_host.h"

namespace app {

// The product label of the title strip; the subject's name follows it.
inline const QString kProductLabel = QStringLiteral("Vantrel 中级职称");

// The main window's state and logic without its widgets: the bank reads of start-up, the tree
// of the view mode, the activation rule, opening a chapter, the answers shown or hidden, the
// view mode itself. The window shows what it decides through StudyView; the units working in
// the main window (marking, page links, marked views) reach it as their MainWindowHost.
class StudyController : public ui::MainWindowHost {
  public:
    StudyController(const core::ProgramPlaces& places, core::MessageService& messages,
                    StudyView& view);
    ~StudyController() override;

    // MainWindowHost
    ui::MainWindowState& state() override { return state_; }
    pageview::PageView& page() override { return view_.page(); }
    core::MessageService& messages() override { return messages_; }
    store::Connection& connection() override { return bank_; }
    QString programDir() const override { return places_.programDir; }
    QString modeKey() const override { return modeKey_; }
    QString modeTitle() const override { return modeTitle_; }
    void setModeKeyAndTitle(const QString& text) override;
    void rebuildTree() override;  // throws core::Error
    void applyActivationRule() override;
    void openSelectedNode() override;
    void expandAllNodes() override { view_.expandAllNodes(); }
    void resetAnswerButtons() override { view_.resetAnswerButtons(); }
    void showExerciseCommands() override { view_.showExerciseCommands(); }
    void showAllAnswers() override;

    // Opens the bank and reads the subject and the question count; an unreadable bank leaves
    // the design texts.
    void start();
    // After a restore: the subject and count read again, the tree built anew and the first
    // chapter opened, which the activation after the dialog keeps.
    void followRestoredBank();
    // Opens the chapter of a question found by the search and scrolls its page to the question,
    // in the view mode on display when that lists the question. One it does not list (not a
    // favourite in the favourites view, say) is opened in the exercise set, which lists every
    // question: the user asked to see it, and the mode title shows the switch. The activation
    // that follows the search window keeps the page. False when the bank has no such question
    // or its chapter is in no tree. Throws core::Error from the bank.
    bool openQuestion(qint64 questionId);
    void hideAllAnswers();
    // Opens a chapter as a click on its node does, in the current view mode; a chapter the
    // mode's tree does not list is refused with an information message.
    void openChapter(qint64 chapterId);
    // The exercise set (gjst): all questions, the tree anew, the first chapter.
    void openExerciseSet();
    void close() { bank_.close(); }
    // A chapter page is being built (its waits let other events through).
    bool buildRunning() const { return buildRunning_; }
    ReadingAids& readingAids() { return readingAids_; }

  private:
    void readSubject();
    // The absolute index of a chapter's node in the tree on display, or -1.
    int chapterNodeIndex(qint32 chapterId) const;
    void openNode2();

    core::ProgramPlaces places_;
    core::MessageService& messages_;
    StudyView& view_;
    store::Connection bank_;
    ui::MainWindowState state_;
    QString modeKey_;
    QString modeTitle_;
    ReadingAids readingAids_;
    bool buildRunning_ = false;
};

}  // namespace app

#include "app/study_aids.h"

#include <optional>

#include "app/program_windows.h"
#include "app/study_controller.h"
#include "core/messages.h"
#include "record/record_window.h"
#include "search/search_window.h"

namespace app {

StudyAids::StudyAids(QWidget& mainWindow, StudyController& controller, ProgramWindows& windows,
                     QString dataDir, core::MessageService& messages, OwnWindowRunner runOwnWindow)
    : mainWindow_(mainWindow),
      controller_(controller),
      windows_(windows),
      dataDir_(std::move(dataDir)),
      messages_(messages),
      runOwnWindow_(std::move(runOwnWindow)) {}

void StudyAids::openSearch() {
    search::SearchWindow& searchWindow = windows_.searchWindow();
    controller_.state().SkipAutoOpen = 1;  // closed unused, the page stays
    runOwnWindow_(searchWindow, [&](int result) {
        if (result == QDialog::Accepted && !controller_.openQuestion(searchWindow.chosenQuestion()))
            messages_.info(QStringLiteral("章节目录中找不到这道试题所在的节"));
    });
}

void StudyAids::openLearningRecord(QWidget& over) {
    if (&over != &mainWindow_) {
        record::RecordWindow(dataDir_, record::RecordWindow::Chapters::ListedOnly, &over).exec();
        return;
    }
    record::RecordWindow window(dataDir_, record::RecordWindow::Chapters::Openable, &mainWindow_);
    controller_.state().SkipAutoOpen = 1;  // a look at the record keeps the page
    runOwnWindow_(window, [&](int) {
        if (const std::optional<qint64> chapter = window.chosenChapter())
            controller_.openChapter(*chapter);
    });
}

}  // namespace app

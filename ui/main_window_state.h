#pragma once

#include <QString>
#include <array>

#include "pages/page_numbering.h"

namespace ui {

// The tree table has room for this many nodes; a tree build stops adding nodes beyond it.
inline constexpr int kNodeRecordCapacity = 1001;

// The values the main window keeps for the units that work inside it.
struct MainWindowState {
    std::array<qint32, kNodeRecordCapacity> NodeRecordIds{};
    QString CurrentChapterId;
    int PageShown = 0;
    int SkipAutoOpen = 0;
    int HandInButtonHome = 0;
    int FullScreenFromMaximised = 0;
    int ExamInProgress = 0;
    int FontStep = 0;
    pages::PageNumbering numbering;
};

}  // namespace ui

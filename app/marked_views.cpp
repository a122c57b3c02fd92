#include "app/marked_views.h"

#include <QScopeGuard>

#include "app/view_mode_switch.h"
#include "pages/view_mode.h"
#include "store/connection.h"

namespace app {

MarkedViews::MarkedViews(ui::MainWindowHost& host, ShowManagerModally showManager)
    : host_(host), showManager_(std::move(showManager)) {}

const MarkedViews::View& MarkedViews::favourites() {
    static const View view{
        {QStringLiteral("scbt")}, pages::kFavouritesKey, QStringLiteral("您没有收藏试题！")};
    return view;
}

const MarkedViews::View& MarkedViews::wrongQuestions() {
    static const View view{
        {QStringLiteral("ct")}, pages::kWrongQuestionsKey, QStringLiteral("您没有错题！")};
    return view;
}

void MarkedViews::NewImage1Click() { open(favourites()); }

void MarkedViews::NewImage20Click() {
    // The manager comes first, also for an empty bank: it is where questions leave the bank.
    showManager_();
    open(wrongQuestions());
}

void MarkedViews::open(const View& view) {
    ui::MainWindowState& state = host_.state();
    state.SkipAutoOpen = 0;
    store::Connection& bank = host_.connection();
    if (bank.query(view.flag.flaggedQuestionsQuery()).isEmpty()) {
        host_.messages().info(view.emptyMessage);
        return;
    }
    // A page is on screen again at the end, also when the switch fails part-way: the old page
    // stays, and its buttons must act as commands instead of navigating the view away.
    state.PageShown = 0;
    const auto shownAgain = qScopeGuard([&state] { state.PageShown = 1; });
    switchViewMode(host_, view.modeKey, [&] { rebuildChapterFlags(bank, view.flag); });
}

}  // namespace app

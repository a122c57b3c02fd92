#include "app/link_commands.h"

#include "core/error.h"
#include "core/error_report.h"
#include "pages/bank_queries.h"
#include "pages/preview_builder.h"
#include "pages/question_group.h"
#include "pages/view_mode.h"
#include "pageview/web_page_view.h"
#include "services/feedback_window.h"

namespace app {

namespace {

const QString kFeedbackCommand = QStringLiteral("ctfk");
const QString kFavouriteCommand = QStringLiteral("scbt");
// "http://scbt" and "http://ctfk" are both this long.
constexpr int kCommandPrefixLength = 11;

}  // namespace

const QString LinkCommands::kFavouriteAdded = QStringLiteral("收藏成功！");
const QString LinkCommands::kFavouriteRemoved = QStringLiteral("取消收藏！");
const QString LinkCommands::kQuestionMissing = QStringLiteral("题库中已没有这道试题！");

LinkCommands::FeedbackWindow LinkCommands::feedbackWindowOf(
    std::function<services::TForm9&()> window) {
    return {[window] {
                services::TForm9& form = window();
                form.show();
                form.raise();
                // The report is typed here next; without a window manager nobody else hands
                // the window the keyboard.
                form.activateWindow();
                if (form.isSending()) return false;
                form.resetForReport();
                return true;
            },
            [window]() -> pageview::PageView& { return window().previewView(); },
            [window](const QString& id, const QString& text) {
                window().setReportedQuestion(id, text);
            }};
}

LinkCommands::LinkCommands(ui::MainWindowHost& host, FeedbackWindow feedback,
                           std::function<void()> favouritesSwitch)
    : host_(host), feedback_(std::move(feedback)), favouritesSwitch_(std::move(favouritesSwitch)) {}

QString LinkCommands::questionIdFrom(const QString& url) {
    if (url.size() <= kCommandPrefixLength + 1) return {};
    const QString id = url.mid(kCommandPrefixLength, url.size() - kCommandPrefixLength - 1);
    return pages::isQuestionId(id) ? id : QString();
}

void LinkCommands::WebBrowser1BeforeNavigate2(const QString& url, bool& cancel) {
    ui::MainWindowState& state = host_.state();
    // Page builds clear PageShown before they load the template, so their own loads pass.
    if (state.PageShown == 0) {
        cancel = false;
        return;
    }
    state.SkipAutoOpen = 1;
    cancel = true;
    core::runReportingErrors(host_.messages(), [&] { runCommands(url); });
}

// An address that carries a command text but no question id (a link inside a question's text)
// is no command: it is only cancelled.
void LinkCommands::runCommands(const QString& url) {
    const QString questionId = questionIdFrom(url);
    if (questionId.isEmpty()) return;
    if (url.contains(kFeedbackCommand)) openFeedback(questionId);
    if (url.contains(kFavouriteCommand)) toggleFavourite(questionId);
}

void LinkCommands::toggleFavourite(const QString& questionId) {
    store::Connection& bank = host_.connection();
    bank.close();
    bank.open();
    store::Recordset question = bank.query(pages::questionQuery(questionId));
    if (question.isEmpty()) {
        // A page older than the bank (restored meanwhile): nothing to mark, and no row is made.
        host_.messages().info(kQuestionMissing);
        return;
    }
    const QString column = QStringLiteral("scbt");
    question.edit();
    const bool wasFavourite = question.text(column) == QStringLiteral("1");
    question.set(column, wasFavourite ? QStringLiteral("") : QStringLiteral("1"));
    // The row is stored once the message has been closed.
    host_.messages().info(wasFavourite ? kFavouriteRemoved : kFavouriteAdded);
    question.post();
    if (host_.modeKey() == pages::kFavouritesKey) favouritesSwitch_();
}

void LinkCommands::openFeedback(const QString& questionId) {
    if (!feedback_.openForReport()) return;
    pages::PreviewBuilder(host_.connection(), feedback_.preview(),
                          host_.programDir() + QStringLiteral("ty.html"))
        .build(questionId, host_.state().numbering, feedback_.reportQuestion);
}

}  // namespace app

#include "pageview/web_page_view.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <algorithm>
#include <memory>
#include <utility>

#include "core/error.h"

namespace pageview {
namespace {

constexpr int kLoadTimeoutMs = 60000;
constexpr int kScriptTimeoutMs = 30000;
// A batch of appends larger than this is sent at once instead of waiting for the event loop.
constexpr qsizetype kMaxBatchChars = 1 << 20;

// The view's own page: every navigation is decided by the view.
class NavigationPage : public QWebEnginePage {
  public:
    using Decide = std::function<bool(const QUrl& url, bool isMainFrame)>;
    NavigationPage(Decide decide, QObject* parent)
        : QWebEnginePage(parent), decide_(std::move(decide)) {}

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        return decide_(url, isMainFrame);
    }

  private:
    Decide decide_;
};

// A JavaScript literal of any value: JSON text is valid JavaScript, so nothing a page text
// holds (quotes, backslashes, "</script>", line breaks) can end the literal early.
QString scriptLiteral(const QJsonValue& value) {
    const QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

// How a value reads on any element: form controls by their property, other elements (the
// answer division) by their value attribute.
const QString kValueOf = QStringLiteral(
    "function valueOf(e){return typeof e.value=='string'?e.value:(e.getAttribute('value')||'');}");

bool sameAddress(const QUrl& a, const QUrl& b) { return a == b || a.toEncoded() == b.toEncoded(); }

}  // namespace

WebPageView::WebPageView(QWidget* parent) : QWebEngineView(parent) {
    auto* navigationPage = new NavigationPage(
        [this, alive = std::weak_ptr(alive_)](const QUrl& url, bool isMainFrame) {
            return !alive.expired() && decideNavigation(url, isMainFrame);
        },
        this);
    setPage(navigationPage);
    // Starts the page now, so that its drawing surface is part of the window before the window
    // is first shown. Added later, it makes Qt create the window anew, and the new one loses
    // its modality and the keyboard under a window manager.
    navigationPage->runJavaScript(QStringLiteral("0"));
    connect(navigationPage, &QWebEnginePage::loadingChanged, this, &WebPageView::onLoadingChanged);
    connect(navigationPage, &QWebEnginePage::renderProcessTerminated, this,
            [this] { onRenderProcessEnded(); });
    // The engine's own menu would offer Back and Reload, which replace a built page.
    setContextMenuPolicy(Qt::NoContextMenu);
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(0);
    connect(&flushTimer_, &QTimer::timeout, this, &WebPageView::flushAppends);
}

WebPageView::~WebPageView() {
    // The page is deleted after this part of the view, with the widget's children: from here on
    // neither its signals nor its last script callbacks may reach this object.
    disconnect(page(), nullptr, this, nullptr);
    alive_.reset();
    wakeWaiters();
}

double WebPageView::zoomFactorForLevel(int level) {
    return 1.0 + 0.125 * (std::clamp(level, 0, 4) - 1);
}

void WebPageView::zoom(int level) { setZoomFactor(zoomFactorForLevel(level)); }

// --- navigation -----------------------------------------------------------------------------

void WebPageView::load(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile()) throw core::Error(QStringLiteral("找不到页面文件：%1").arg(path));
    flushAppends();
    // Whatever could not be sent belongs to a page that is being replaced.
    pendingAppends_.clear();
    pendingChars_ = 0;

    if (takeWarmUpDocument(file.absoluteFilePath())) {
        if (!allowNavigation(documentUrl_.toString()))
            throw core::Error(QStringLiteral("页面加载被取消：%1").arg(path));
    } else {
        QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
        url.setQuery(QStringLiteral("v=%1").arg(++loadCount_));
        if (!allowNavigation(url.toString()))
            throw core::Error(QStringLiteral("页面加载被取消：%1").arg(path));
        navigateApproved(url);
    }

    const quint64 serial = documentSerial_;
    const bool ended = waitFor(
        [&] { return documentSerial_ != serial || documentState_ != DocumentState::Loading; },
        kLoadTimeoutMs);
    if (documentSerial_ != serial)
        throw core::Error(QStringLiteral("页面加载被新的页面取代：%1").arg(path));
    if (!ended) {
        page()->triggerAction(QWebEnginePage::Stop);
        finishDocument(DocumentState::Failed, QStringLiteral("页面加载超时：%1").arg(path));
    }
    if (documentState_ == DocumentState::Failed) throw core::Error(documentFailure_);
}

bool WebPageView::decideNavigation(const QUrl& url, bool isMainFrame) {
    if (isMainFrame && takeApproval(url)) return true;
    if (!isMainFrame || isSameDocument(url)) return allowNavigation(url.toString());
    // The owner is asked outside the engine's callback, because it may show a message or load
    // another page meanwhile; a navigation it lets pass is then started again from here. The
    // engine reports the one turned down here as stopped, at times only once the new one has
    // begun: that stop is not the new document's.
    turnedDownUrls_.append(url);
    QTimer::singleShot(0, this, [this, url] {
        if (allowNavigation(url.toString())) navigateApproved(url);
    });
    return false;
}

bool WebPageView::isSameDocument(const QUrl& url) const {
    return url.hasFragment() && sameAddress(url.adjusted(QUrl::RemoveFragment),
                                            documentUrl_.adjusted(QUrl::RemoveFragment));
}

bool WebPageView::takeApproval(const QUrl& url) {
    const auto approved = std::find_if(approvedUrls_.cbegin(), approvedUrls_.cend(),
                                       [&](const QUrl& a) { return sameAddress(a, url); });
    if (approved == approvedUrls_.cend()) return false;
    approvedUrls_.erase(approved);
    return true;
}

void WebPageView::navigateApproved(const QUrl& url) {
    approvedUrls_.append(url);
    beginDocument(url);
    page()->load(url);
}

void WebPageView::warmUp(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile()) {
        const QUrl blank(QStringLiteral("about:blank"));
        approvedUrls_.append(blank);
        page()->load(blank);
        return;
    }
    QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    url.setQuery(QStringLiteral("v=%1").arg(++loadCount_));
    navigateApproved(url);
    warmUpFile_ = file.absoluteFilePath();
    warmUpSerial_ = documentSerial_;
}

bool WebPageView::takeWarmUpDocument(const QString& file) {
    const bool untouched = !warmUpFile_.isEmpty() && warmUpSerial_ == documentSerial_ &&
                           documentState_ != DocumentState::Failed;
    const bool same = untouched && warmUpFile_ == file;
    warmUpFile_.clear();
    return same;
}

void WebPageView::beginDocument(const QUrl& url) {
    ++documentSerial_;
    documentState_ = DocumentState::Loading;
    documentUrl_ = url;
    documentFailure_.clear();
    appendFailure_.clear();
    wakeWaiters();
}

void WebPageView::finishDocument(DocumentState state, const QString& failure) {
    documentState_ = state;
    documentFailure_ = failure;
    if (state == DocumentState::Ready && !pendingAppends_.isEmpty()) flushTimer_.start();
    if (state == DocumentState::Failed) {
        pendingAppends_.clear();
        pendingChars_ = 0;
    }
    wakeWaiters();
}

void WebPageView::onLoadingChanged(const QWebEngineLoadingInfo& info) {
    // The late stop of a navigation turned down to be asked about is not the end of the one the
    // view started for it since, to the same address: that one keeps its approval.
    if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus && takeTurnedDown(info.url()))
        return;
    if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus) takeApproval(info.url());
    if (documentState_ != DocumentState::Loading || !sameAddress(info.url(), documentUrl_)) return;
    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) {
        finishDocument(DocumentState::Ready, {});
    } else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus ||
               info.status() == QWebEngineLoadingInfo::LoadStoppedStatus) {
        const QString place = info.url().adjusted(QUrl::RemoveQuery).toDisplayString();
        finishDocument(DocumentState::Failed,
                       QStringLiteral("页面加载失败：%1（%2）").arg(place, info.errorString()));
    }
}

bool WebPageView::takeTurnedDown(const QUrl& url) {
    for (qsizetype i = 0; i < turnedDownUrls_.size(); ++i) {
        if (sameAddress(turnedDownUrls_[i], url)) {
            turnedDownUrls_.removeAt(i);
            return true;
        }
    }
    return false;
}

void WebPageView::onRenderProcessEnded() {
    ++documentSerial_;
    finishDocument(DocumentState::Failed, QStringLiteral("页面进程意外结束，请重新打开页面"));
}

// --- appends --------------------------------------------------------------------------------

void WebPageView::append(const QString& html) {
    throwUnlessDocument();
    warmUpFile_.clear();  // the page is in use: a load starts afresh
    pendingAppends_ << html;
    pendingChars_ += html.size();
    if (pendingChars_ >= kMaxBatchChars) {
        flushAppends();
    } else if (!flushTimer_.isActive()) {
        flushTimer_.start();
    }
}

void WebPageView::flushAppends() {
    flushTimer_.stop();
    // While a page loads its appends wait for it; finishDocument sends or drops them.
    if (pendingAppends_.isEmpty() || documentState_ != DocumentState::Ready) return;
    const QString script =
        QStringLiteral(
            "(function(fragments){try{var body=document.body;"
            "for(var i=0;i<fragments.length;i++)body.insertAdjacentHTML('beforeend',fragments[i]);"
            "return '';}catch(e){return String(e)||'error';}})(") +
        scriptLiteral(QJsonArray::fromStringList(pendingAppends_)) + QStringLiteral(")");
    pendingAppends_.clear();
    pendingChars_ = 0;
    page()->runJavaScript(script, [this, alive = std::weak_ptr(alive_)](const QVariant& result) {
        if (!alive.expired() && !result.toString().isEmpty())
            appendFailure_ = QStringLiteral("页面内容插入失败：%1").arg(result.toString());
    });
}

// --- waiting --------------------------------------------------------------------------------

void WebPageView::throwUnlessDocument() const {
    if (documentState_ == DocumentState::None)
        throw core::Error(QStringLiteral("页面视图中还没有打开页面"));
    if (documentState_ == DocumentState::Failed) throw core::Error(documentFailure_);
}

void WebPageView::requireDocument() {
    if (documentState_ == DocumentState::Loading)
        waitFor([this] { return documentState_ != DocumentState::Loading; }, kLoadTimeoutMs);
    if (documentState_ == DocumentState::Loading)
        throw core::Error(QStringLiteral("页面加载超时：%1").arg(documentUrl_.toDisplayString()));
    throwUnlessDocument();
}

void WebPageView::waitUntilReady() {
    // A page is ready once its load has ended well (the engine reports that after the document
    // is complete), so only a load in progress is waited for; asking the page itself each time
    // would make the renderer lay the growing page out before every question of a build.
    requireDocument();
    flushAppends();
    // Like every wait for the page, let the events that came meanwhile run.
    const quint64 serial = documentSerial_;
    waitFor([&] { return documentSerial_ != serial; }, 0);
    if (documentSerial_ != serial) throw core::Error(QStringLiteral("等待期间页面已被替换"));
    requireDocument();
}

QVariant WebPageView::evaluate(const QString& script) {
    requireDocument();
    warmUpFile_.clear();
    flushAppends();
    const quint64 serial = documentSerial_;
    struct Answer {
        bool done = false;
        QVariant value;
    };
    // Shared with the callback, which may still arrive after this call gave up waiting.
    const auto answer = std::make_shared<Answer>();
    page()->runJavaScript(script,
                          [this, answer, alive = std::weak_ptr(alive_)](const QVariant& value) {
                              answer->done = true;
                              answer->value = value;
                              if (!alive.expired()) wakeWaiters();
                          });
    const bool answered =
        waitFor([&] { return answer->done || documentSerial_ != serial; }, kScriptTimeoutMs);
    if (documentSerial_ != serial) throw core::Error(QStringLiteral("页面在读取时已被替换"));
    if (!answered) throw core::Error(QStringLiteral("页面长时间没有响应"));
    if (!appendFailure_.isEmpty()) throw core::Error(std::exchange(appendFailure_, QString()));
    return answer->value;
}

bool WebPageView::waitFor(const std::function<bool()>& done, int timeoutMs) {
    QPointer<WebPageView> self(this);
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(timeoutMs);
    waiters_.append(&loop);
    while (!done() && timeout.isActive()) {
        loop.exec();
        if (!self) throw core::Error(QStringLiteral("页面视图已关闭"));
    }
    waiters_.removeOne(&loop);
    return done();
}

void WebPageView::wakeWaiters() {
    for (const QPointer<QEventLoop>& loop : std::as_const(waiters_))
        if (loop) loop->quit();
}

// --- element access -------------------------------------------------------------------------

QVariant WebPageView::evaluateOnElement(const QString& id, const QString& expression) {
    const QVariantList answer =
        evaluate(QStringLiteral("(function(e){") + kValueOf +
                 QStringLiteral("if(!e)return [false];return [true,") + expression +
                 QStringLiteral("];})(document.getElementById(") + scriptLiteral(id) +
                 QStringLiteral("))"))
            .toList();
    if (answer.isEmpty() || !answer.first().toBool())
        throw core::Error(QStringLiteral("页面中没有 id 为“%1”的元素").arg(id));
    return answer.value(1);
}

QString WebPageView::value(const QString& id) {
    return evaluateOnElement(id, QStringLiteral("valueOf(e)")).toString();
}

bool WebPageView::checked(const QString& id) {
    return evaluateOnElement(id, QStringLiteral("!!e.checked")).toBool();
}

void WebPageView::setChecked(const QString& id, bool checked) {
    evaluateOnElement(id, QStringLiteral("e.checked=") + scriptLiteral(checked));
}

void WebPageView::setValue(const QString& id, const QString& value) {
    evaluateOnElement(id, QStringLiteral("e.value=") + scriptLiteral(value));
}

void WebPageView::setColor(const QString& id, const QString& color) {
    evaluateOnElement(id, QStringLiteral("e.style.color=") + scriptLiteral(color));
}

QHash<QString, ElementState> WebPageView::formSnapshot() {
    // [id, checked, value] per element in document order; the first of a repeated id wins,
    // as getElementById would find it.
    const QVariantList rows =
        evaluate(QStringLiteral("(function(){") + kValueOf +
                 QStringLiteral("var all=document.querySelectorAll('[id]'),rows=[];"
                                "for(var i=0;i<all.length;i++)"
                                "rows.push([all[i].id,!!all[i].checked,valueOf(all[i])]);"
                                "return rows;})()"))
            .toList();
    QHash<QString, ElementState> snapshot;
    snapshot.reserve(rows.size());
    for (const QVariant& row : rows) {
        const QVariantList fields = row.toList();
        const QString id = fields.value(0).toString();
        if (!snapshot.contains(id))
            snapshot.insert(id, {fields.value(1).toBool(), fields.value(2).toString()});
    }
    return snapshot;
}

// --- page-wide operations -------------------------------------------------------------------

void WebPageView::setBodyFontSize(int size) {
    const bool done =
        evaluate(QStringLiteral("(function(){if(!document.body)return false;"
                                "document.body.style.fontSize='%1px';return true;})()")
                     .arg(size))
            .toBool();
    if (!done) throw core::Error(QStringLiteral("页面没有正文，无法设置字号"));
}

void WebPageView::execScript(const QString& code) {
    // Run as the page's own script (global scope, like a script element); report what it throws.
    const QVariantList answer =
        evaluate(QStringLiteral("(function(){try{(0,eval)(") + scriptLiteral(code) +
                 QStringLiteral(");return [true];}catch(e){return [false,String(e)];}})()"))
            .toList();
    if (answer.isEmpty() || !answer.first().toBool())
        throw core::Error(QStringLiteral("页面脚本出错：%1").arg(answer.value(1).toString()));
}

}  // namespace pageview

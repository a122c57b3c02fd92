#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QVariant>
#include <QWebEngineView>
#include <functional>
#include <memory>

#include "pageview/page_view.h"

class QEventLoop;
class QWebEngineLoadingInfo;

namespace pageview {

// The page view of every window (its WebBrowser1), on Qt WebEngine.
//
// WebEngine runs the page in another process and answers scripts asynchronously, so:
// - appends are queued and sent as one script per batch (each fragment still inserted by its
//   own insertAdjacentHTML, so unbalanced markup cannot swallow the next fragment); the queue
//   is sent before every read, before a load, by waitUntilReady and when control returns to
//   the event loop;
// - reads and writes by id run a script and wait for its answer in a local event loop that
//   dispatches events, like a load does;
// - every load gets an address of its own (a serial query after the file's URL), so that the
//   end of an earlier, overtaken load is never taken for the end of this one;
// - a page counts as ready once its load has ended well (the engine reports that after the
//   document is complete): waitUntilReady waits only for a load in progress, sends the queue
//   and lets the pending events run;
// - a handler that runs during such a wait may load another page: a load, read or wait that
//   was overtaken like this fails with core::Error instead of working on the new page;
// - the navigation hook is never run inside the engine's own callback, since the owner may
//   show a message or load a page from it: a navigation of the page is refused at once, the
//   hook is asked right after, and one it lets pass is started again by the view. A load asks
//   the hook before it starts; a refused load is a core::Error and leaves the page as it was.
//
// Zoom levels: factor = 1.0 + 0.125 × (level − 1), level clamped to 0..4, so level 1 is the
// template's own size (1.0), 0 is 0.875 and 4 is 1.375.
class WebPageView : public QWebEngineView, public PageView {
  public:
    explicit WebPageView(QWidget* parent = nullptr);
    ~WebPageView() override;

    void load(const QString& path) override;
    void waitUntilReady() override;
    // Starts the page process on the page at `path` (an empty page when there is no such
    // file), without waiting and without asking the navigation hook, so that the first real
    // load does not wait for the process as well. A load of the same file while nothing else
    // has been done on the page takes this document over instead of starting again.
    void warmUp(const QString& path);
    void append(const QString& html) override;

    QString value(const QString& id) override;
    bool checked(const QString& id) override;
    void setChecked(const QString& id, bool checked) override;
    void setValue(const QString& id, const QString& value) override;
    void setColor(const QString& id, const QString& color) override;
    QHash<QString, ElementState> formSnapshot() override;

    void setBodyFontSize(int size) override;
    void execScript(const QString& code) override;
    void zoom(int level) override;

  private:
    static double zoomFactorForLevel(int level);

    enum class DocumentState { None, Loading, Ready, Failed };

    bool decideNavigation(const QUrl& url, bool isMainFrame);
    bool isSameDocument(const QUrl& url) const;
    bool takeApproval(const QUrl& url);
    // Whether `url` is a navigation turned down to be asked about (and forgets it once).
    bool takeTurnedDown(const QUrl& url);
    void navigateApproved(const QUrl& url);
    // Whether a load of `file` may take over the warm-up document (and forgets it either way).
    bool takeWarmUpDocument(const QString& file);
    void onLoadingChanged(const QWebEngineLoadingInfo& info);
    void onRenderProcessEnded();
    void beginDocument(const QUrl& url);
    void finishDocument(DocumentState state, const QString& failure);

    void flushAppends();
    void throwUnlessDocument() const;
    // Waits for a load in progress, then throws unless a page is there to work on.
    void requireDocument();
    QVariant evaluate(const QString& script);
    // Evaluates an expression on the element e with that id; throws when the page lacks it.
    QVariant evaluateOnElement(const QString& id, const QString& expression);

    // Waits, dispatching events, until done() holds or the time is up; false on time-out.
    // Throws when the view is destroyed meanwhile.
    bool waitFor(const std::function<bool()>& done, int timeoutMs);
    void wakeWaiters();

    QStringList pendingAppends_;
    qsizetype pendingChars_ = 0;
    QString appendFailure_;
    QTimer flushTimer_;

    DocumentState documentState_ = DocumentState::None;
    QString documentFailure_;
    QUrl documentUrl_;
    QList<QUrl> approvedUrls_;    // navigations started here, let pass without asking again
    QList<QUrl> turnedDownUrls_;  // main-frame navigations turned down, their stop not yet seen
    quint64 documentSerial_ = 0;
    quint64 loadCount_ = 0;
    // The warm-up document a load may take over: its file and serial, until the page is used.
    QString warmUpFile_;
    quint64 warmUpSerial_ = 0;

    QList<QPointer<QEventLoop>> waiters_;
    // Held only by the view: callbacks that outlive it see it expired.
    std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

}  // namespace pageview

#pragma once

#include <QHash>
#include <QString>
#include <functional>

namespace pageview {

// The form state of one element of a page, as read in a single pass over the document.
struct ElementState {
    bool checked = false;
    QString value;
};

// The operations the logic needs of an embedded HTML page view. WebPageView implements them
// on Qt WebEngine; tests and the command-line tool use implementations of their own.
// Failures (an element id that the page lacks, a view that never became ready) are core::Error.
class PageView {
  public:
    virtual ~PageView() = default;

    // Navigates to a local file (a full path) and waits, dispatching events, until it is ready.
    virtual void load(const QString& path) = 0;
    // Waits, dispatching events, until the document can be touched.
    virtual void waitUntilReady() = 0;
    // document.body.insertAdjacentHTML('beforeend', html)
    virtual void append(const QString& html) = 0;

    // Element access by id.
    virtual QString value(const QString& id) = 0;
    virtual bool checked(const QString& id) = 0;
    virtual void setChecked(const QString& id, bool checked) = 0;
    virtual void setValue(const QString& id, const QString& value) = 0;
    virtual void setColor(const QString& id, const QString& color) = 0;
    // Every element that has an id, read at once (a marking pass answers its lookups from it).
    virtual QHash<QString, ElementState> formSnapshot() = 0;

    // document.body.style.fontSize, given as a bare integer (taken as pixels).
    virtual void setBodyFontSize(int size) = 0;
    virtual void execScript(const QString& code) = 0;
    virtual void zoom(int level) = 0;

    // Called before every navigation with the target address; setting cancel stops it.
    using NavigationHook = std::function<void(const QString& url, bool& cancel)>;
    void setNavigationHook(NavigationHook hook) { navigationHook_ = std::move(hook); }

  protected:
    // Returns true when the navigation may proceed.
    bool allowNavigation(const QString& url) {
        bool cancel = false;
        if (navigationHook_) navigationHook_(url, cancel);
        return !cancel;
    }

  private:
    NavigationHook navigationHook_;
};

}  // namespace pageview

#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QStringList>
#include <functional>

#include "core/error.h"
#include "pageview/page_view.h"

// A page view without a browser for logic tests. It records what the code under test does to
// the page and answers element reads from `elements`, which the test fills; an id that is not
// in the map is a core::Error, as it is on a real page.
//
// `appends` holds the fragments of the current page (a load starts a new page); `events` keeps
// the whole history in order ("load <path>", "wait", "append <html>", "zoom <level>", …).
class RecordingPageView : public pageview::PageView {
  public:
    // --- what was done to the page ---
    QStringList loads;    // every path loaded, in order
    QStringList appends;  // fragments appended since the last load, in order
    QStringList events;   // every operation, in order
    QList<int> zooms;
    QStringList scripts;
    QList<QPair<QString, QString>> colours;  // (id, colour) in the order set
    QList<int> fontSizes;
    int waits = 0;

    // --- what element reads answer; writes update it ---
    QHash<QString, pageview::ElementState> elements;

    // When set, the n-th append (counting from 1 over the view's life) throws core::Error.
    int failOnAppendNumber = 0;
    // Runs while the form state is read (as a real read lets other events run).
    std::function<void()> onSnapshot;

    // The body of the current page as the appended fragments make it.
    QString html() const { return appends.join(QString()); }
    int lastFontSize() const { return fontSizes.isEmpty() ? 0 : fontSizes.last(); }

    // Lets a test follow a link on the page: runs the navigation hook, true when it proceeds.
    bool navigate(const QString& url) { return allowNavigation(url); }

    void load(const QString& path) override {
        loads << path;
        appends.clear();
        events << QStringLiteral("load ") + path;
    }
    void waitUntilReady() override {
        ++waits;
        events << QStringLiteral("wait");
    }
    void append(const QString& html) override {
        if (++appendCount_ == failOnAppendNumber)
            throw core::Error(QStringLiteral("追加页面内容失败"));
        appends << html;
        events << QStringLiteral("append ") + html;
    }

    QString value(const QString& id) override { return element(id).value; }
    bool checked(const QString& id) override { return element(id).checked; }
    void setChecked(const QString& id, bool checked) override {
        element(id).checked = checked;
        events << QStringLiteral("setChecked %1 %2").arg(id).arg(checked);
    }
    void setValue(const QString& id, const QString& value) override {
        element(id).value = value;
        events << QStringLiteral("setValue %1 %2").arg(id, value);
    }
    void setColor(const QString& id, const QString& color) override {
        element(id);
        colours.append({id, color});
        events << QStringLiteral("setColor %1 %2").arg(id, color);
    }
    QHash<QString, pageview::ElementState> formSnapshot() override {
        events << QStringLiteral("snapshot");
        if (onSnapshot) onSnapshot();
        return elements;
    }

    void setBodyFontSize(int size) override {
        fontSizes << size;
        events << QStringLiteral("fontSize %1").arg(size);
    }
    void execScript(const QString& code) override {
        scripts << code;
        events << QStringLiteral("script ") + code;
    }
    void zoom(int level) override {
        zooms << level;
        events << QStringLiteral("zoom %1").arg(level);
    }

  private:
    pageview::ElementState& element(const QString& id) {
        const auto found = elements.find(id);
        if (found == elements.end()) throw core::Error(QStringLiteral("页面中没有元素 %1").arg(id));
        return found.value();
    }

    int appendCount_ = 0;
};

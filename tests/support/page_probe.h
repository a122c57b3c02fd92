#pragma once

#include <QElapsedTimer>
#include <QTest>
#include <QWebEnginePage>
#include <functional>

#include "pageview/web_page_view.h"

inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 15000) {
    return QTest::qWaitFor(condition, timeoutMs);
}

// Lets events run for a while, for checks that something does NOT happen.
inline void settle(int ms = 400) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QTest::qWait(20);
}

// A script expression's value, read straight from WebEngine once the queued appends are sent.
inline QVariant pageValue(pageview::WebPageView& view, const QString& expression) {
    view.waitUntilReady();
    QVariant value;
    bool done = false;
    view.page()->runJavaScript(expression, [&](const QVariant& result) {
        value = result;
        done = true;
    });
    waitUntil([&] { return done; }, 10000);
    return value;
}

// The page's visible text.
inline QString pageText(pageview::WebPageView& view) {
    return pageValue(view, QStringLiteral("document.body.innerText")).toString();
}

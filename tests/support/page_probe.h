#pragma once

#include <gtest/gtest.h>

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

// A real mouse click on the centre of the first element of the page that matches `selector`.
inline void clickOnPage(pageview::WebPageView& view, const QString& selector) {
    const QVariantList centre =
        pageValue(view, QStringLiteral("(function(e){if(!e)return [];e.scrollIntoView();"
                                       "var r=e.getBoundingClientRect();"
                                       "return [r.left+r.width/2,r.top+r.height/2];})"
                                       "(document.querySelector(\"%1\"))")
                            .arg(selector))
            .toList();
    ASSERT_EQ(centre.size(), 2) << "nothing on the page matches " << selector.toStdString();
    QWidget* renderWidget = view.focusProxy();
    ASSERT_NE(renderWidget, nullptr);
    const QPoint at(qRound(centre[0].toDouble()), qRound(centre[1].toDouble()));
    QTest::mouseMove(renderWidget, at);
    QTest::mouseClick(renderWidget, Qt::LeftButton, Qt::NoModifier, at);
}

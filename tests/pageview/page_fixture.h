#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <functional>

#include "pageview/web_page_view.h"

// A shown window holding a WebPageView with the built template loaded. The probes below look
// into the page directly (not through the view under test) to check what it did.
class PageFixture : public testing::Test {
  public:
    void SetUp() override;

    static QString templatePath();
    // Evaluates an expression in the page and returns its value (fails the test on time-out).
    QVariant probe(const QString& expression);
    // Polls, dispatching events, until the condition holds or the time is up.
    static bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);
    // Clicks the element (a script expression) with a real mouse click on the render widget.
    void clickElement(const QString& element);

    // The answer block of question q with its three buttons, as the chapter pages write it.
    static QString answerBlock(int q, const QString& answer, const QString& explain);

    QWidget window_;
    pageview::WebPageView* view_ = nullptr;
    QStringList navigations_;  // every address the navigation hook was asked about
};

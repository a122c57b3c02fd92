#pragma once

#include <QElapsedTimer>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QWebEnginePage>
#include <functional>

#include "pageview/web_page_view.h"
#include "temp_bank.h"
#include "tree_rows.h"

// A program directory for the main window: the page template, the subject, the question count
// and the example tree with one single-choice question in each of the chapters a1, a2, c1.
class WindowBank : public TempBank {
public:
    WindowBank() {
        installPageAssets();
        tree_rows::insertExampleTree(*this);
        run("insert into kemu(ID, mz) values('职业病学', 'zyb');"
            "insert into geshu(kemugeshu) values('5230');"
            "insert into qtype(id, code, title) values(1, 1, 'A1型题');"
            "insert into readtext(id, treeid, qtypeid, content, opnum) values"
            " (1, 31, 1, '', 0), (2, 32, 1, '', 0), (3, 71, 1, '', 0);"
            "insert into question(id, readtextid, content, picurl, answer, \"explain\", scbt) values"
            " (101, 1, '第一章节的题目', '', 'A', '解析', ''),"
            " (102, 2, '第二章节的题目', '', 'B', '解析', ''),"
            " (103, 3, '另一篇的题目', '', 'A', '解析', '');"
            "insert into opinion(questionid, code, content) values"
            " (101, 'A', '甲'), (101, 'B', '乙'), (102, 'A', '甲'), (102, 'B', '乙'),"
            " (103, 'A', '甲'), (103, 'B', '乙');");
    }

    // Replaces the bank with the demo bank of the build and copies its question pictures.
    void useDemoBank(const QString& binDir) const {
        QFile::remove(bankPath());
        QFile::copy(binDir + QStringLiteral("/Data/med.mdb"), bankPath());
        QDir().mkpath(programDir() + QStringLiteral("pic"));
        const QDir pictures(binDir + QStringLiteral("/pic"));
        for (const QString& name : pictures.entryList(QDir::Files))
            QFile::copy(pictures.filePath(name), programDir() + QStringLiteral("pic/") + name);
    }
};

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

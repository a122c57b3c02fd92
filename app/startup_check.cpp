#include "app/startup_check.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTextStream>
#include <QTimer>
#include <QTreeWidgetItem>

#include "app/chapter_tree_view.h"
#include "app/main_window.h"
#include "core/error.h"
#include "pageview/web_page_view.h"

namespace app {

namespace {

void printMessage(const QString& kind, const QString& text) {
    QTextStream(stderr) << "vantrel: " << kind << "：" << text << Qt::endl;
}

// The answer blocks of the page, one per question ("ansnote" + question id).
qsizetype questionsOnPage(pageview::PageView& page) {
    const QStringList ids = page.formSnapshot().keys();
    return std::count_if(ids.begin(), ids.end(), [](const QString& id) {
        return id.startsWith(QStringLiteral("ansnote"));
    });
}

void printStart(TForm10& window) {
    const MainWindowControls& ui = window.controls();
    QStringList parts;
    for (int i = 0; i < ui.TreeView1->topLevelItemCount(); ++i)
        parts << ui.TreeView1->topLevelItem(i)->text(0);
    const QTreeWidgetItem* chapter = ui.TreeView1->currentItem();
    QTextStream out(stdout);
    out << "程序目录：" << window.places().programDir << "\n"
        << "数据目录：" << window.places().dataDir << "\n"
        << "科目：" << ui.Label4->text() << "\n"
        << "章节树：" << ui.TreeView1->nodeCount() << " 个节点（" << parts.join(u'、') << "）\n"
        << "第一章：" << (chapter ? chapter->text(0) : QString()) << "，页面上 "
        << questionsOnPage(window.page()) << " 题" << Qt::endl;
}

}  // namespace

void PrintedMessages::info(const QString& text) { printMessage(QStringLiteral("信息"), text); }

core::MessageService::Answer PrintedMessages::ask(const QString& caption, const QString& text,
                                                  Buttons buttons, bool) {
    printMessage(caption, text);
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

void PrintedMessages::reportError(const QString& text) {
    errorReported_ = true;
    printMessage(QStringLiteral("错误"), text);
}

int runStartupCheck(TForm10& window, const PrintedMessages& messages, int timeoutMs) {
    window.controls().Timer1->stop();  // no version check against the network
    int status = 1;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const ui::MainWindowState& state = window.state();
        const bool shown = state.PageShown == 1 && !state.CurrentChapterId.isEmpty();
        if (!shown && !messages.errorReported() && clock.elapsed() < timeoutMs) return;
        poll.stop();  // reading the page lets timer events through
        if (messages.errorReported()) {
            QCoreApplication::exit(status);
            return;
        }
        try {
            if (!shown) throw core::Error(QStringLiteral("启动后没有打开任何章节"));
            printStart(window);
            status = 0;
        } catch (const core::Error& error) {
            printMessage(QStringLiteral("错误"), error.message());
        }
        QCoreApplication::exit(status);
    });
    poll.start(50);
    QApplication::exec();
    return status;
}

}  // namespace app

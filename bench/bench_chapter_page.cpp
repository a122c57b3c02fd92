// Building a chapter page of 1,000 questions in a shown WebEngine view, against the floor: the
// time the same view needs to load the finished page, written to a file, in one go.
//
// usage: bench_chapter_page [--questions N] [--runs R]
// The synthetic bank comes from "vantrel-bank generate" beside this program, the template from
// the ty.html the build puts there.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTextStream>
#include <algorithm>

#include "bench_support.h"
#include "core/error.h"
#include "pages/chapter_page_builder.h"
#include "pageview/text_page_view.h"
#include "pageview/web_page_view.h"
#include "store/connection.h"
#include "store/connection_string.h"

namespace {

QTextStream out(stdout);

struct Page {
    QString path;          // the finished page, as the export writes it
    QString lastButtonId;  // the show-answer button of the page's last question
    qint64 textBuildMs = 0;
};

// The chapter page in the all-questions mode, as a click on the chapter builds it.
void buildChapterPage(pageview::PageView& view, const QString& programDir, qint32 chapterId) {
    store::Connection bank(store::ConnectionString::forDataDirectory(programDir));
    pages::PageNumbering numbering;
    QString chapter;
    pages::ChapterPageBuilder(bank, view, programDir + QStringLiteral("ty.html"))
        .build(chapterId, pages::ViewMode::AllQuestions, numbering, chapter);
}

// Builds the page without a browser (bank reads and fragments only) and writes it to a file.
Page exportPage(const QString& programDir, qint32 chapterId) {
    pageview::TextPageView text;
    QElapsedTimer timer;
    timer.start();
    buildChapterPage(text, programDir, chapterId);
    Page page{programDir + QStringLiteral("page.html"), {}, timer.elapsed()};
    QFile file(page.path);
    if (!file.open(QIODevice::WriteOnly)) throw core::Error(QStringLiteral("cannot write page"));
    file.write(text.gbkDocument());
    static const QRegularExpression button(QStringLiteral("<input id=\"(xs\\d+)\""));
    for (const auto& match : button.globalMatch(text.html())) page.lastButtonId = match.captured(1);
    return page;
}

qint64 timeBuild(pageview::WebPageView& view, const QString& programDir, qint32 chapterId,
                 const QString& lastButtonId) {
    QElapsedTimer timer;
    timer.start();
    buildChapterPage(view, programDir, chapterId);
    view.value(lastButtonId);  // the page is really there only once its last element answers
    return timer.elapsed();
}

qint64 timeLoad(pageview::WebPageView& view, const Page& page) {
    QElapsedTimer timer;
    timer.start();
    view.load(page.path);
    view.value(page.lastButtonId);
    return timer.elapsed();
}

int run(const QStringList& args) {
    const bench::ChapterBank bank = bench::makeChapterBank(args);
    const int questions = bank.questions, runs = bank.runs;
    const QString& programDir = bank.programDir;
    const qint32 chapterId = bank.chapterId;
    const Page page = exportPage(programDir, chapterId);

    pageview::WebPageView view;
    view.resize(1280, 900);
    view.show();
    timeLoad(view, page);  // warm-up: starts the engine's processes
    QList<qint64> builds, loads;
    for (int i = 0; i < runs; ++i) {
        builds << timeBuild(view, programDir, chapterId, page.lastButtonId);
        loads << timeLoad(view, page);
    }
    const qint64 build = bench::median(builds), floor = bench::median(loads);
    out << "chapter page, " << questions << " questions of mixed types, median of " << runs
        << " runs\n";
    out << "  bank reads + fragments only (text page): " << page.textBuildMs << " ms\n";
    out << "  build into the shown view:  " << bench::medianLine(builds) << "\n";
    out << "  load of the finished page:  " << bench::medianLine(loads) << "\n";
    out << "  ratio build / load: "
        << QString::number(double(build) / double(std::max<qint64>(floor, 1)), 'f', 2)
        << "   (aim < 1.5)\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return bench::runGuiBenchmark(argc, argv, "bench_chapter_page", run);
}

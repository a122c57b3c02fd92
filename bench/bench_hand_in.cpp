// Handing in a chapter page of 1,000 questions in a shown WebEngine view, next to the time the
// same page takes to build. Two hand-ins: every question answered right (no stem to colour, no
// flag to write) and the untouched page (every question wrong: 1,000 red stems and flags).
//
// usage: bench_hand_in [--questions N] [--runs R]
// The synthetic bank comes from "vantrel-bank generate" beside this program, the template from
// the ty.html the build puts there.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTextStream>
#include <algorithm>

#include "bench_support.h"
#include "core/error.h"
#include "fake_main_window.h"
#include "pages/chapter_page_builder.h"
#include "pageview/web_page_view.h"
#include "practice/hand_in.h"
#include "scripted_messages.h"

namespace {

QTextStream out(stdout);

// One script that answers every question of the chapter right: the options whose letters the
// stored answer holds are ticked, the drop-downs of matching questions set to the answer.
QString answerAllRightScript(store::Connection& bank, const QString& chapterId) {
    QJsonArray ticks, choices;
    store::Recordset groups =
        bank.query(QStringLiteral("select * from readtext where treeid=") + chapterId);
    for (groups.first(); !groups.eof(); groups.next()) {
        store::Recordset questions =
            bank.query(QStringLiteral("select * from question where readtextid=") +
                       groups.text(QStringLiteral("id")));
        for (questions.first(); !questions.eof(); questions.next()) {
            const QString id = questions.text(QStringLiteral("id"));
            const QString answer = questions.text(QStringLiteral("answer")).trimmed();
            store::Recordset options =
                bank.query(QStringLiteral("select * from opinion where questionid=") + id);
            if (options.isEmpty()) choices.append(QJsonArray{QStringLiteral("a") + id, answer});
            for (options.first(); !options.eof(); options.next())
                if (answer.contains(options.text(QStringLiteral("code"))))
                    ticks.append(options.text(QStringLiteral("id")));
        }
    }
    return QStringLiteral(
               "(function(){var t=%1,c=%2;"
               "t.forEach(function(id){var e=document.getElementById(id);if(e)e.checked=true;});"
               "c.forEach(function(p){var "
               "e=document.getElementById(p[0]);if(e)e.value=p[1];});})()")
        .arg(QString::fromUtf8(QJsonDocument(ticks).toJson(QJsonDocument::Compact)),
             QString::fromUtf8(QJsonDocument(choices).toJson(QJsonDocument::Compact)));
}

struct Figures {
    QList<qint64> builds, rightHandIns, wrongHandIns;
    qint64 marked = 0, wrong = 0;
};

qint64 timeBuild(FakeMainWindow& host, pageview::WebPageView& view, qint32 chapterId) {
    host.state().numbering.reset();
    QElapsedTimer timer;
    timer.start();
    pages::ChapterPageBuilder(host.connection(), view,
                              host.programDir() + QStringLiteral("ty.html"))
        .build(chapterId, pages::ViewMode::AllQuestions, host.state().numbering,
               host.state().CurrentChapterId);
    view.formSnapshot();  // the page is really there only once all its elements answer
    return timer.elapsed();
}

qint64 timeHandIn(practice::HandIn& handIn) {
    QElapsedTimer timer;
    timer.start();
    handIn.BitBtn1Click();
    return timer.elapsed();
}

void countScores(store::Connection& bank, Figures& figures) {
    store::Recordset rows = bank.query(QStringLiteral("select * from fenshu"));
    figures.marked = figures.wrong = 0;
    for (rows.first(); !rows.eof(); rows.next()) {
        figures.marked += rows.integer(QStringLiteral("sts"));
        figures.wrong += rows.integer(QStringLiteral("sts")) - rows.integer(QStringLiteral("dd"));
    }
}

int run(const QStringList& args) {
    const bench::ChapterBank bank = bench::makeChapterBank(args);
    const int questions = bank.questions, runs = bank.runs;
    const QString& programDir = bank.programDir;
    const qint32 chapterId = bank.chapterId;

    pageview::WebPageView view;
    view.resize(1280, 900);
    view.show();
    ScriptedMessages messages;
    messages.defaultAnswer = core::MessageService::Answer::Yes;
    FakeMainWindow host(programDir, view, messages);
    practice::HandIn handIn(host, [] {});
    timeBuild(host, view, chapterId);  // warm-up: starts the engine's processes
    const QString answerAll = answerAllRightScript(host.connection(), QString::number(chapterId));

    Figures figures, wrongCounts;
    for (int i = 0; i < runs; ++i) {
        figures.builds << timeBuild(host, view, chapterId);
        view.execScript(answerAll);
        figures.rightHandIns << timeHandIn(handIn);
        countScores(host.connection(), figures);
        timeBuild(host, view, chapterId);
        figures.wrongHandIns << timeHandIn(handIn);
        countScores(host.connection(), wrongCounts);
    }
    const qint64 build = bench::median(figures.builds);
    out << "hand-in of a chapter page, " << questions << " questions of mixed types, median of "
        << runs << " runs\n";
    out << "  page build into the shown view:     " << bench::medianLine(figures.builds) << "\n";
    out << "  hand-in, all answered right:        " << bench::medianLine(figures.rightHandIns)
        << "   (" << figures.marked << " marked, " << figures.wrong << " wrong)\n";
    out << "  hand-in, untouched page (all wrong): " << bench::medianLine(figures.wrongHandIns)
        << "   (" << wrongCounts.marked << " marked, " << wrongCounts.wrong << " wrong)\n";
    const auto ratio = [&](const QList<qint64>& v) {
        return QString::number(double(bench::median(v)) / double(std::max<qint64>(build, 1)), 'f',
                               2);
    };
    out << "  ratio hand-in / build: " << ratio(figures.rightHandIns) << " (all right), "
        << ratio(figures.wrongHandIns) << " (all wrong)   (aim < 1)\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) { return bench::runGuiBenchmark(argc, argv, "bench_hand_in", run); }

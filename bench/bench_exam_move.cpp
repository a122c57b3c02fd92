// One move of the exam window (next question: capture the answer, load the template, render
// the row) on a 200-row paper drawn from a 20,000-question synthetic bank, next to its floor:
// loading ty.html alone into the same shown WebEngine view. Then the hand-in of the whole
// paper (capture, marking every row, the result page). Prints medians and the ratio.
//
// usage: bench_exam_move [--questions N] [--moves M] [--runs R]

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <random>

#include "bench_support.h"
#include "exam/exam_hand_in.h"
#include "exam/exam_page_render.h"
#include "exam/paper_drawing.h"
#include "exam/paper_number.h"
#include "exam/question_navigation.h"
#include "fake_exam_host.h"
#include "pageview/web_page_view.h"
#include "store/connection_string.h"

namespace {

QTextStream out(stdout);

int run(const QStringList& args) {
    const QString questions = bench::argument(args, QStringLiteral("--questions"), "20000");
    const int moves = std::max(1, bench::argument(args, QStringLiteral("--moves"), "40").toInt());
    const int runs = std::max(1, bench::argument(args, QStringLiteral("--runs"), "3").toInt());
    QTemporaryDir dir;
    const QString programDir = dir.path() + u'/';
    bench::generateBank(programDir, {QStringLiteral("--questions"), questions});
    bench::copyTemplate(programDir);
    store::Connection bank(store::ConnectionString::forDataDirectory(programDir));
    // 100 single choice, 50 multiple choice, cases and matching groups: about 200 rows.
    bank.exec(QStringLiteral("delete from ts"));
    bank.exec(
        QStringLiteral("insert into ts(txs, fg) values ('100', '100'), ('50', ''), ('9', ''), "
                       "('12', '')"));
    std::mt19937_64 engine(7);
    exam::PaperDrawing(bank, [&engine](qint64 bound) {
        return std::uniform_int_distribution<qint64>(0, bound - 1)(engine);
    }).draw();
    const int rows = bank.query(QStringLiteral("select * from sj")).count();
    bank.close();
    out << "exam move: " << questions << " synthetic questions, paper of " << rows << " rows, "
        << moves << " moves, " << runs << " runs\n";

    pageview::WebPageView view;
    view.resize(1000, 700);
    view.show();
    FakeExamHost host(programDir, view);
    host.setPaperSize(rows);
    const QString templatePath = programDir + QStringLiteral("ty.html");
    QList<qint64> move;
    QList<qint64> floor;
    QElapsedTimer clock;
    for (int r = 0; r < runs; ++r) {
        host.examState().CurrentPaperNumber = QStringLiteral("1");
        exam::ExamPageRender(host.connection(), view)
            .show(QStringLiteral("1"), templatePath, exam::ExamPageVariant::First);
        for (int m = 0; m < moves; ++m) {
            clock.start();
            exam::QuestionNavigation(host).next();
            view.formSnapshot();  // the page is there once it answers
            move << clock.elapsed();
            clock.start();
            view.load(templatePath);
            view.formSnapshot();
            floor << clock.elapsed();
        }
    }
    out << "  move      " << bench::medianLine(move).section(QStringLiteral("(runs"), 0, 0) << "\n";
    out << "  floor     " << bench::medianLine(floor).section(QStringLiteral("(runs"), 0, 0)
        << "\n";
    out << QStringLiteral("  ratio     %1x\n")
               .arg(double(bench::median(move)) / double(std::max<qint64>(1, bench::median(floor))),
                    0, 'f', 2);

    // Every row answered, then the hand-in of the page on screen.
    bank.exec(QStringLiteral("update sj set tjda='A'"));
    bank.close();
    clock.start();
    exam::ExamHandIn(host).handIn();
    view.formSnapshot();
    out << "  hand-in   " << clock.elapsed() << " ms for " << rows << " rows\n";
    if (!host.shown.errors.isEmpty()) {
        out << "failed: " << host.shown.errors.join(u'\n') << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return bench::runGuiBenchmark(argc, argv, "bench_exam_move", run);
}

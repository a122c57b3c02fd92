// One move of the exam window (next question: capture the answer, load the template, render
// the row) on a 200-row paper drawn from a 20,000-question synthetic bank, next to its floor:
// loading ty.html alone into the same shown WebEngine view. Then the hand-in of the whole
// paper (capture, marking every row, the result page). Prints medians and the ratio.
//
// usage: bench_exam_move [--questions N] [--moves M] [--runs R]

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <random>

#include "bench_support.h"
#include "core/error.h"
#include "exam/exam_hand_in.h"
#include "exam/exam_page_render.h"
#include "exam/paper_drawing.h"
#include "exam/paper_number.h"
#include "exam/question_navigation.h"
#include "pageview/web_page_view.h"
#include "store/connection_string.h"

namespace {

QTextStream out(stdout);

class SilentMessages : public core::MessageService {
  public:
    void info(const QString&) override {}
    Answer ask(const QString&, const QString&, Buttons, bool) override { return Answer::Ok; }
    void reportError(const QString& text) override { throw core::Error(text); }
};

// The exam window's parts that the logic touches, around a shown page view.
class BenchHost : public exam::ExamWindowHost {
  public:
    explicit BenchHost(const QString& programDir)
        : bank_(store::ConnectionString::forProgramDirectory(programDir)), dir_(programDir) {
        view.resize(1000, 700);
        view.show();
    }

    exam::ExamWindowState& examState() override { return state_; }
    store::Connection& connection() override { return bank_; }
    pageview::PageView& page() override { return view; }
    core::MessageService& messages() override { return messages_; }
    exam::KeyObserver& keyObserver() override { return observer_; }
    QString programDir() const override { return dir_; }
    int titleChoice() const override { return 1; }
    void paintNumberButton(const QString&, exam::ButtonColour) override {}
    void setPaperSize(int rows) override { rows_ = rows; }
    int setAnsweredProgress(int position) override { return std::min(position, rows_); }
    void setAnsweredLabel(const QString&) override {}
    void setHandedInLegend() override {}
    void stopCountDown() override {}
    void resumeCountDown() override {}
    void focusNextButton() override {}
    void processPendingEvents() override { QApplication::processEvents(); }
    void showWaitWindow() override {}
    void closeWaitWindow() override {}
    void buildNumberPanel(const QList<exam::NumberPanelItem>&) override {}

    pageview::WebPageView view;

  private:
    store::Connection bank_;
    QString dir_;
    exam::ExamWindowState state_;
    SilentMessages messages_;
    exam::KeyObserver observer_;
    int rows_ = 0;
};

int run(const QStringList& args) {
    const QString questions = bench::argument(args, QStringLiteral("--questions"), "20000");
    const int moves = std::max(1, bench::argument(args, QStringLiteral("--moves"), "40").toInt());
    const int runs = std::max(1, bench::argument(args, QStringLiteral("--runs"), "3").toInt());
    QTemporaryDir dir;
    const QString programDir = dir.path() + u'/';
    bench::generateBank(programDir, {QStringLiteral("--questions"), questions});
    bench::copyTemplate(programDir);
    store::Connection bank(store::ConnectionString::forProgramDirectory(programDir));
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

    BenchHost host(programDir);
    host.setPaperSize(rows);
    const QString templatePath = programDir + QStringLiteral("ty.html");
    QList<qint64> move;
    QList<qint64> floor;
    QElapsedTimer clock;
    for (int r = 0; r < runs; ++r) {
        host.examState().CurrentPaperNumber = QStringLiteral("1");
        exam::ExamPageRender(host.connection(), host.view)
            .show(QStringLiteral("1"), templatePath, exam::ExamPageVariant::First);
        for (int m = 0; m < moves; ++m) {
            clock.start();
            exam::QuestionNavigation(host).next();
            host.view.formSnapshot();  // the page is there once it answers
            move << clock.elapsed();
            clock.start();
            host.view.load(templatePath);
            host.view.formSnapshot();
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
    host.view.formSnapshot();
    out << "  hand-in   " << clock.elapsed() << " ms for " << rows << " rows\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return bench::runGuiBenchmark(argc, argv, "bench_exam_move", run);
}

// Times relabelling the exam type of every question of a synthetic bank, the way the exam
// drawing does it (per group "select * from  question  where (readtextid=…)", then edit / set
// lx / post per question), once with every post committed on its own and once inside one
// Connection::Transaction, and prints both figures and their ratio.
//
// usage: bench_relabel [--questions N] [--subset N] [--dir DIR]
//   --subset: questions relabelled with separate commits (each waits for the disk); the time
//             for the whole bank is extrapolated per question.
//   --dir:    where the bank is written (default: a temporary folder in the current directory,
//             which should be on a real disk, not a memory file system).

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include "bank_file_writer.h"
#include "bank_generator.h"
#include "store/connection.h"
#include "store/connection_string.h"

namespace {

// The four group statements of the drawing, with the exam type each one gives its questions.
const struct {
    const char* groups;
    const char* lx;
} kRelabelSteps[] = {
    {"select * from readtext where (qtypeid=3 or qtypeid=4 or qtypeid=5 ) order by qtypeid", "a1"},
    {"select * from readtext where (qtypeid=6 or qtypeid=7 or qtypeid=8 or qtypeid=9 ) order by "
     "qtypeid",
     "a2"},
    {"select * from readtext where (qtypeid=10) order by qtypeid", "a3"},
    {"select * from readtext where (qtypeid=11) order by qtypeid", "a4"},
};

struct Timing {
    int questions = 0;
    double seconds = 0;
    double perQuestion() const { return questions > 0 ? seconds / questions : 0; }
};

// Relabels questions until `limit` have been posted (or all of them).
Timing relabel(store::Connection& bank, int limit) {
    QElapsedTimer clock;
    clock.start();
    Timing timing;
    for (const auto& step : kRelabelSteps) {
        store::Recordset groups = bank.query(QString::fromLatin1(step.groups));
        for (groups.first(); !groups.eof() && timing.questions < limit; groups.next()) {
            store::Recordset questions =
                bank.query("select * from  question  where (readtextid=" + groups.text("id") + ")");
            for (questions.first(); !questions.eof() && timing.questions < limit;
                 questions.next()) {
                questions.edit();
                questions.set("lx", QString::fromLatin1(step.lx));
                questions.post();
                ++timing.questions;
            }
        }
    }
    timing.seconds = clock.nsecsElapsed() / 1e9;
    return timing;
}

int intOption(const QStringList& args, const QString& name, int fallback) {
    const int at = int(args.indexOf(name));
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int total = intOption(args, "--questions", 20000);
    const int subset = std::min(intOption(args, "--subset", 500), total);
    const int dirAt = int(args.indexOf("--dir"));
    QTemporaryDir temporary(QDir::currentPath() + "/bench-relabel-XXXXXX");
    const QString dir = dirAt >= 0 && dirAt + 1 < args.size() ? args[dirAt + 1] : temporary.path();

    QTextStream out(stdout);
    BankGenerator::Options options;
    options.questions = total;
    options.seed = 2024;
    BankGenerator generator(options);
    BankFileWriter::write(
        dir, {BankFileWriter::readScript(":/schema.sql"), {"rows", generator.rowsSql()}});
    store::Connection bank(store::ConnectionString::forDataDirectory(dir + "/"));
    out << "relabel benchmark: " << total << " synthetic questions, bank in " << dir << "\n";
    relabel(bank, 0);  // opens the file and warms the cache

    // The transaction's time includes its begin and its commit (the one wait for the disk).
    QElapsedTimer clock;
    clock.start();
    Timing grouped;
    {
        store::Connection::Transaction transaction(bank);
        grouped = relabel(bank, total);
        transaction.commit();
    }
    grouped.seconds = clock.nsecsElapsed() / 1e9;
    bank.exec("update question set lx=''");
    const Timing separate = relabel(bank, subset);

    const double extrapolated = separate.perQuestion() * grouped.questions;
    out << QString(
               "%1 of the %2 questions are in groups of the exam types (qtypeid 3-11) and are "
               "relabelled\n")
               .arg(grouped.questions)
               .arg(total);
    out << QString("one transaction:  %1 posts in %2 s (%3 ms per question)\n")
               .arg(grouped.questions)
               .arg(grouped.seconds, 0, 'f', 2)
               .arg(grouped.perQuestion() * 1e3, 0, 'f', 3);
    out << QString("separate commits: %1 posts in %2 s (%3 ms per question)")
               .arg(separate.questions)
               .arg(separate.seconds, 0, 'f', 2)
               .arg(separate.perQuestion() * 1e3, 0, 'f', 3);
    if (separate.questions < grouped.questions)
        out << QString(" -> %1 s for all %2, extrapolated from this subset")
                   .arg(extrapolated, 0, 'f', 1)
                   .arg(grouped.questions);
    out << "\n";
    out << QString("ratio (separate / one transaction): %1x\n")
               .arg(extrapolated / grouped.seconds, 0, 'f', 1);
    return 0;
}

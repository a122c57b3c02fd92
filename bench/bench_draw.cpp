// Times drawing an exam paper (relabelling every question, then 50 questions, cases and
// matching groups of each exam type) on a 20,000-question synthetic bank, next to its floor:
// the same label writes as one set-based update per exam type plus the same paper rows inserted
// by one prepared statement, all in one transaction. Two cases: a later drawing, whose labels
// are already in place, and the first drawing of a bank, which writes every label. Prints the
// medians and their ratio. Each run's seed draws the same paper in both cases, or the benchmark
// fails; the digest of the papers lets two builds be checked for drawing the same papers.
//
// usage: bench_draw [--questions N] [--count C] [--runs R]

#include <sqlite3.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <random>

#include "bench_support.h"
#include "core/error.h"
#include "exam/paper_drawing.h"
#include "store/connection_string.h"

namespace {

const char* const kPaperColumns[] = {"tid", "lx", "alt", "tg", "tgid", "da", "tp", "xx"};

using PaperRows = QList<QStringList>;

PaperRows readPaper(store::Connection& bank) {
    PaperRows rows;
    store::Recordset paper = bank.query(QStringLiteral("select * from sj"));
    for (paper.first(); !paper.eof(); paper.next()) {
        QStringList row;
        for (const char* column : kPaperColumns) row << paper.text(QString::fromLatin1(column));
        rows << row;
    }
    return rows;
}

void run(sqlite3* db, const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error);
        sqlite3_free(error);
        throw core::Error(message);
    }
}

// Times are in microseconds: a later drawing takes a few milliseconds.
QString medianLine(const QList<qint64>& us) {
    QStringList runs;
    for (const qint64 t : us) runs << QString::number(double(t) / 1000, 'f', 1);
    return QStringLiteral("%1 ms   (runs: %2)")
        .arg(double(bench::median(us)) / 1000, 0, 'f', 1)
        .arg(runs.join(QStringLiteral(", ")));
}

// The floor: what the drawing writes, written the cheapest way.
qint64 floorRun(const QString& bankPath, const PaperRows& paper) {
    QElapsedTimer clock;
    clock.start();
    sqlite3* db = nullptr;
    sqlite3_open(bankPath.toUtf8().constData(), &db);
    run(db, "begin immediate");
    // Like the drawing, only labels that change are written.
    run(db,
        "update question set lx='a1' where lx is not 'a1' and readtextid in "
        "(select id from readtext where qtypeid in (3,4,5))");
    run(db,
        "update question set lx='a2' where lx is not 'a2' and readtextid in "
        "(select id from readtext where qtypeid in (6,7,8,9))");
    run(db,
        "update question set lx='a3' where lx is not 'a3' and readtextid in "
        "(select id from readtext where qtypeid=10)");
    run(db,
        "update question set lx='a4' where lx is not 'a4' and readtextid in "
        "(select id from readtext where qtypeid=11)");
    run(db, "delete from sj");
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "insert into sj (tid, lx, alt, tg, tgid, da, tp, xx) "
                       "values (?, ?, ?, ?, ?, ?, ?, ?)",
                       -1, &insert, nullptr);
    for (const QStringList& row : paper) {
        for (int c = 0; c < row.size(); ++c) {
            const QByteArray text = row[c].toUtf8();
            sqlite3_bind_text(insert, c + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        if (sqlite3_step(insert) != SQLITE_DONE) throw core::Error(QStringLiteral("insert failed"));
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    run(db, "commit");
    sqlite3_close(db);
    return clock.nsecsElapsed() / 1000;
}

// Times one drawing; drawn receives the paper it drew.
qint64 drawingRun(store::Connection& bank, quint64 seed, PaperRows* drawn = nullptr) {
    auto engine = std::make_shared<std::mt19937_64>(seed);
    exam::PaperDrawing drawing(bank, [engine](qint64 bound) {
        return std::uniform_int_distribution<qint64>(0, bound - 1)(*engine);
    });
    QElapsedTimer clock;
    clock.start();
    drawing.draw();
    const qint64 us = clock.nsecsElapsed() / 1000;
    if (drawn) *drawn = readPaper(bank);
    bank.close();
    return us;
}

int benchmark(const QStringList& args) {
    const QString questions = bench::argument(args, QStringLiteral("--questions"), "20000");
    const QString count = bench::argument(args, QStringLiteral("--count"), "50");
    const int runs = std::max(1, bench::argument(args, QStringLiteral("--runs"), "5").toInt());
    // In the current directory: the commits should wait for a real disk.
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-draw-XXXXXX"));
    const QString programDir = dir.path() + u'/';
    bench::generateBank(programDir, {QStringLiteral("--questions"), questions});
    store::Connection bank(store::ConnectionString::forDataDirectory(programDir));
    bank.exec(QStringLiteral("update ts set txs='") + count + u'\'');

    QTextStream out(stdout);
    out << "paper drawing: " << questions << " synthetic questions, " << count
        << " of each exam type, " << runs << " runs each\n";
    drawingRun(bank, 0);  // warms the file cache
    const PaperRows paper = readPaper(bank);
    out << "paper rows: " << paper.size() << "\n";
    const QString bankPath = programDir + QStringLiteral("Data/med.mdb");
    QList<PaperRows> papers(runs);  // by seed, from the later drawings
    QCryptographicHash digest(QCryptographicHash::Sha1);
    for (const bool fresh : {false, true}) {
        QList<qint64> drawing;
        QList<qint64> floor;
        for (int r = 0; r < runs; ++r) {
            if (fresh) bank.exec(QStringLiteral("update question set lx=''"));
            PaperRows drawn;
            drawing << drawingRun(bank, quint64(r) + 1, &drawn);
            if (!fresh) {
                papers[r] = drawn;
                for (const QStringList& row : drawn) digest.addData(row.join(u'|').toUtf8());
            } else if (drawn != papers[r]) {
                throw core::Error(
                    QStringLiteral("seed %1 drew another paper on a fresh bank").arg(r + 1));
            }
            if (fresh) bank.exec(QStringLiteral("update question set lx=''"));
            floor << floorRun(bankPath, paper);
        }
        out << (fresh ? "first drawing (every label written):\n"
                      : "later drawing (labels in place):\n");
        out << "  drawing  " << medianLine(drawing) << "\n";
        out << "  floor    " << medianLine(floor) << "\n";
        out << QStringLiteral("  ratio    %1x\n")
                   .arg(double(bench::median(drawing)) /
                            double(std::max<qint64>(1, bench::median(floor))),
                        0, 'f', 2);
    }
    out << "papers: the same for each seed in both cases; digest "
        << digest.result().toHex().left(16) << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) { return bench::runBenchmark(argc, argv, "bench_draw", benchmark); }

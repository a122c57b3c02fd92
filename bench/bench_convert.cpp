// Times converting an Access bank of 20,000 questions (written as a Jet 4 file by the Jet
// writer) into the SQLite bank, against reading every row of the same tables through the
// reader without writing anything: the floor that any conversion pays. The two alternate in one
// run; prints both medians and their ratio.
//
// usage: bench_convert [--questions N] [--runs N] [--dir DIR] [--writer make_jet.py]
//                      [--access FILE]
//   --dir:    where the Access file and the converted banks are written (default: a temporary
//             folder in the current directory, which should be on a real disk).
//   --writer: the Jet writer (default: the one of the shared test material).
//   --access: an Access bank to convert instead of a generated one.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "bench_support.h"
#include "core/error.h"
#include "jet/bank_conversion.h"
#include "jet/jet_reader.h"
#include "store/bank_schema.h"

namespace {

// Runs the Jet writer with `args`; throws with what it said when it fails.
void runWriter(const QString& writer, const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral("python3"), QStringList{writer} + args);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        throw core::Error(QStringLiteral("%1 failed: %2")
                              .arg(writer, QString::fromUtf8(process.readAllStandardError())));
}

struct FloorRead {
    qint64 rows = 0;
    qint64 checksum = 0;
};

// Every row of every bank table through the reader; each value goes into the checksum, so that
// none of the decoding can be left out.
FloorRead readEveryRow(const QString& accessPath) {
    const jet::Reader reader(accessPath);
    FloorRead read;
    for (const store::BankTable& bankTable : store::bankTables()) {
        jet::Table table = reader.table(bankTable.name);
        read.rows += table.readRows([&](const std::vector<jet::Value>& row) {
            for (const jet::Value& value : row)
                read.checksum += qint64(value.bytes.size()) + value.integer + qint64(value.real) +
                                 int(value.kind);
        });
    }
    return read;
}

qint64 convertOnce(const QString& accessPath, const QString& bankPath, qint64& rows) {
    QElapsedTimer clock;
    clock.start();
    const QVector<jet::TableRows> written = jet::convertAccessBank(accessPath, bankPath);
    const qint64 elapsed = clock.elapsed();
    rows = 0;
    for (const jet::TableRows& table : written) rows += table.rows;
    QFile::remove(bankPath);
    return elapsed;
}

int run(const QStringList& args) {
    const QString questions = bench::argument(args, QStringLiteral("--questions"), "20000");
    const int runs = std::max(1, bench::argument(args, QStringLiteral("--runs"), "3").toInt());
    const QString writer =
        bench::argument(args, QStringLiteral("--writer"),
                        QStringLiteral(VANTREL_TEST_MATERIAL "/tools/make_jet.py"));
    QTemporaryDir temporary(QDir::currentPath() + QStringLiteral("/bench-convert-XXXXXX"));
    const QString dir = bench::argument(args, QStringLiteral("--dir"), temporary.path());
    const QString given = bench::argument(args, QStringLiteral("--access"), {});
    const QString accessPath = given.isEmpty() ? dir + QStringLiteral("/bank.mdb") : given;

    QTextStream out(stdout);
    QElapsedTimer clock;
    clock.start();
    if (given.isEmpty()) {
        out << "conversion benchmark: " << questions
            << " generated questions (the Jet writer takes a while), files in " << dir << "\n"
            << Qt::flush;
        const QString json = dir + QStringLiteral("/bank.json");
        runWriter(writer, {QStringLiteral("--sample"), questions, json});
        const qint64 generated = clock.restart();
        runWriter(writer, {json, accessPath});
        out << QString("Jet writer: bank JSON in %1 s, Jet 4 file in %2 s\n")
                   .arg(generated / 1e3, 0, 'f', 1)
                   .arg(clock.elapsed() / 1e3, 0, 'f', 1);
    } else {
        out << "conversion benchmark: " << accessPath << ", converted banks in " << dir << "\n";
    }
    out << QString("Access file: %1 MB\n").arg(QFile(accessPath).size() / 1e6, 0, 'f', 1)
        << Qt::flush;

    QList<qint64> floor, conversion;
    FloorRead read;
    qint64 convertedRows = 0;
    for (int i = 0; i < runs; ++i) {
        clock.restart();
        read = readEveryRow(accessPath);
        floor << clock.elapsed();
        conversion << convertOnce(accessPath, dir + QStringLiteral("/converted.mdb"),
                                  convertedRows);
    }
    out << QString("rows of the bank tables: %1 read (checksum %2), %3 converted\n")
               .arg(read.rows)
               .arg(read.checksum)
               .arg(convertedRows);
    out << "read every row (floor):   " << bench::medianLine(floor) << "\n";
    out << "convert into SQLite bank: " << bench::medianLine(conversion) << "\n";
    out << QString("ratio (conversion / floor): %1x\n")
               .arg(double(bench::median(conversion)) /
                        double(std::max<qint64>(1, bench::median(floor))),
                    0, 'f', 2);
    return 0;
}

}  // namespace

int main(int argc, char** argv) { return bench::runBenchmark(argc, argv, "bench_convert", run); }

// Start-up of the program: the time from starting a process to the first chapter page shown in
// the main window, on the demo bank, and the peak memory of the program with its page renderer
// processes, next to the floor: a process that shows a bare WebEngine view loading ty.html.
// Each sample is a fresh process (this program started again with --program or --floor), so
// that start-up is really measured; the parent prints medians and ratios.
//
// usage: bench_startup [--runs R]

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWebEngineView>

#include "app/main_window.h"
#include "bench_support.h"
#include "core/error.h"

namespace {

QTextStream out(stdout);

// The peak resident size (VmHWM) of a process and of every process below it, in kB.
qint64 peakMemoryKb(qint64 pid) {
    qint64 total = 0;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                total += line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
    if (children.open(QIODevice::ReadOnly))
        for (const QByteArray& child : children.readAll().split(' '))
            if (!child.trimmed().isEmpty()) total += peakMemoryKb(child.trimmed().toLongLong());
    return total;
}

// In a child process: reports "ready <kB>" once `ready` holds, then ends.
int reportWhen(const std::function<bool()>& ready) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!ready()) return;
        poll.stop();
        out << "ready " << peakMemoryKb(QCoreApplication::applicationPid()) << Qt::endl;
        QCoreApplication::exit(0);
    });
    poll.start(5);
    return QApplication::exec();
}

int runProgram(const QString& programDir) {
    app::TForm10 window(programDir);
    window.show();
    return reportWhen([&] {
        return window.state().PageShown == 1 && !window.state().CurrentChapterId.isEmpty();
    });
}

int runFloor(const QString& programDir) {
    QWebEngineView view;
    view.resize(1007, 551);
    bool loaded = false;
    QObject::connect(&view, &QWebEngineView::loadFinished, [&](bool ok) { loaded = ok; });
    view.load(QUrl::fromLocalFile(programDir + QStringLiteral("ty.html")));
    view.show();
    return reportWhen([&] { return loaded; });
}

struct Sample {
    qint64 ms = 0;
    qint64 kb = 0;
};

Sample sample(const QString& mode, const QString& programDir) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {mode, programDir});
    if (!child.waitForReadyRead(120000))
        throw core::Error(mode + QStringLiteral(" did not report: ") +
                          QString::fromUtf8(child.readAllStandardError()));
    const qint64 ms = clock.elapsed();
    const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
    child.waitForFinished(30000);
    if (words.size() != 2 || words[0] != "ready")
        throw core::Error(mode + QStringLiteral(" reported nothing usable"));
    return {ms, words[1].toLongLong()};
}

int run(const QStringList& args) {
    if (args.size() == 2 && args[0] == QStringLiteral("--program")) return runProgram(args[1]);
    if (args.size() == 2 && args[0] == QStringLiteral("--floor")) return runFloor(args[1]);

    const int runs = std::max(1, bench::argument(args, QStringLiteral("--runs"), "5").toInt());
    // A copy of the program directory's bank, template and pictures, so nothing of the build's
    // own bank changes.
    QTemporaryDir dir;
    const QString programDir = dir.path() + u'/';
    const QString bin = QCoreApplication::applicationDirPath() + u'/';
    QDir().mkpath(programDir + QStringLiteral("Data"));
    if (!QFile::copy(bin + QStringLiteral("Data/med.mdb"),
                     programDir + QStringLiteral("Data/med.mdb")))
        throw core::Error(QStringLiteral("no demo bank at ") + bin +
                          QStringLiteral("Data/med.mdb"));
    bench::copyTemplate(programDir);
    QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), bin + QStringLiteral("tp"),
                                             bin + QStringLiteral("pic"), programDir});

    out << "start-up to the first chapter page, demo bank, " << runs << " runs each\n";
    QList<qint64> programMs, floorMs, programKb, floorKb;
    sample(QStringLiteral("--floor"), programDir);  // warms the file cache
    for (int r = 0; r < runs; ++r) {
        const Sample program = sample(QStringLiteral("--program"), programDir);
        const Sample floor = sample(QStringLiteral("--floor"), programDir);
        programMs << program.ms;
        programKb << program.kb;
        floorMs << floor.ms;
        floorKb << floor.kb;
    }
    const auto ratio = [](qint64 a, qint64 b) {
        return QString::number(double(a) / double(std::max<qint64>(1, b)), 'f', 2) + u'x';
    };
    out << "  program   " << bench::medianLine(programMs) << "\n";
    out << "  floor     " << bench::medianLine(floorMs) << "\n";
    out << "  time ratio    " << ratio(bench::median(programMs), bench::median(floorMs)) << "\n";
    out << "  peak memory   program " << bench::median(programKb) / 1024 << " MB, floor "
        << bench::median(floorKb) / 1024 << " MB, ratio "
        << ratio(bench::median(programKb), bench::median(floorKb)) << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) { return bench::runGuiBenchmark(argc, argv, "bench_startup", run); }

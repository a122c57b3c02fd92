#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// What every benchmark shares: its arguments, a synthetic bank from "vantrel-bank generate"
// beside the benchmark, the page template, medians, and a main for a GUI application.
namespace bench {

QString argument(const QStringList& args, const QString& name, const QString& fallback);

// Runs "vantrel-bank generate <options> --out programDir" and returns what it printed
// (the record id of the big chapter when --chapter-questions is given).
QString generateBank(const QString& programDir, const QStringList& options);
// Copies the built ty.html into the program directory.
void copyTemplate(const QString& programDir);

// A bank whose first chapter holds --questions questions (default 1,000) of mixed types, with
// the page template, in a temporary program directory; --runs (default 3) repetitions.
struct ChapterBank {
    std::shared_ptr<QTemporaryDir> dir;
    QString programDir;
    qint32 chapterId = 0;
    int questions = 0;
    int runs = 0;
};
ChapterBank makeChapterBank(const QStringList& args);

qint64 median(QList<qint64> values);
// "median ms   (runs: a, b, c)"
QString medianLine(const QList<qint64>& values);

// Sets up the offscreen platform and WebEngine for root, runs body with the arguments, and
// turns a core::Error into a message and exit status 1.
int runGuiBenchmark(int argc, char** argv, const char* name,
                    const std::function<int(const QStringList&)>& body);
// The same for a benchmark without windows or pages.
int runBenchmark(int argc, char** argv, const char* name,
                 const std::function<int(const QStringList&)>& body);

}  // namespace bench

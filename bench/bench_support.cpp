#include "bench_support.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <algorithm>

#include "core/error.h"

namespace bench {

QString argument(const QStringList& args, const QString& name, const QString& fallback) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : fallback;
}

QString generateBank(const QString& programDir, const QStringList& options) {
    QProcess tool;
    tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vantrel-bank"),
               QStringList{QStringLiteral("generate")} + options +
                   QStringList{QStringLiteral("--out"), programDir});
    if (!tool.waitForFinished(600000) || tool.exitCode() != 0)
        throw core::Error(QStringLiteral("vantrel-bank generate failed: ") +
                          QString::fromUtf8(tool.readAllStandardError()));
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

void copyTemplate(const QString& programDir) {
    const QString source = QCoreApplication::applicationDirPath() + QStringLiteral("/ty.html");
    if (!QFile::copy(source, programDir + QStringLiteral("ty.html")))
        throw core::Error(QStringLiteral("no page template at ") + source);
}

ChapterBank makeChapterBank(const QStringList& args) {
    ChapterBank bank;
    bank.questions = argument(args, QStringLiteral("--questions"), QStringLiteral("1000")).toInt();
    bank.runs = std::max(1, argument(args, QStringLiteral("--runs"), QStringLiteral("3")).toInt());
    bank.dir = std::make_shared<QTemporaryDir>();
    bank.programDir = bank.dir->path() + QStringLiteral("/");
    const QString count = QString::number(bank.questions);
    bank.chapterId = generateBank(bank.programDir, {QStringLiteral("--questions"), count,
                                                    QStringLiteral("--chapter-questions"), count})
                         .toInt();
    copyTemplate(bank.programDir);
    return bank;
}

qint64 median(QList<qint64> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString medianLine(const QList<qint64>& values) {
    QStringList parts;
    for (qint64 v : values) parts << QString::number(v);
    return QString::number(median(values)) + QStringLiteral(" ms   (runs: ") +
           parts.join(QStringLiteral(", ")) + QStringLiteral(")");
}

namespace {

int runReporting(const char* name, const std::function<int(const QStringList&)>& body) {
    try {
        return body(QCoreApplication::arguments().mid(1));
    } catch (const core::Error& e) {
        QTextStream(stderr) << name << ": " << e.message() << "\n";
        return 1;
    }
}

}  // namespace

int runGuiBenchmark(int argc, char** argv, const char* name,
                    const std::function<int(const QStringList&)>& body) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    return runReporting(name, body);
}

int runBenchmark(int argc, char** argv, const char* name,
                 const std::function<int(const QStringList&)>& body) {
    QCoreApplication app(argc, argv);
    return runReporting(name, body);
}

}  // namespace bench

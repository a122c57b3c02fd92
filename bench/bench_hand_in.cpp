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
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

#include "fake_main_window.h"
#include "pages/chapter_page_builder.h"
#include "practice/hand_in.h"
#include "scripted_messages.h"
#include "store/error.h"
#include "store/web_page_view.h"

namespace {

QTextStream out(stdout);

QString argument(const QStringList& args, const QString& name, const QString& fallback) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : fallback;
}

// Generates the bank into dir and returns the record id of the chapter that holds `questions`.
qint32 generateBank(const QString& dir, int questions) {
    QProcess tool;
    tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vantrel-bank"),
               {QStringLiteral("generate"), QStringLiteral("--questions"),
                QString::number(questions), QStringLiteral("--chapter-questions"),
                QString::number(questions), QStringLiteral("--out"), dir});
    if (!tool.waitForFinished(600000) || tool.exitCode() != 0)
        throw store::Error(QStringLiteral("vantrel-bank generate failed: ") +
                           QString::fromUtf8(tool.readAllStandardError()));
    const QString source = QCoreApplication::applicationDirPath() + QStringLiteral("/ty.html");
    if (!QFile::copy(source, dir + QStringLiteral("ty.html")))
        throw store::Error(QStringLiteral("no page template at ") + source);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed().toInt();
}

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

qint64 timeBuild(FakeMainWindow& host, store::WebPageView& view, qint32 chapterId) {
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

qint64 median(QList<qint64> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString line(const QList<qint64>& values) {
    QStringList parts;
    for (qint64 v : values) parts << QString::number(v);
    return QString::number(median(values)) + QStringLiteral(" ms   (runs: ") +
           parts.join(QStringLiteral(", ")) + QStringLiteral(")");
}

int run(const QStringList& args) {
    const int questions =
        argument(args, QStringLiteral("--questions"), QStringLiteral("1000")).toInt();
    const int runs =
        std::max(1, argument(args, QStringLiteral("--runs"), QStringLiteral("3")).toInt());
    QTemporaryDir dir;
    const QString programDir = dir.path() + QStringLiteral("/");
    const qint32 chapterId = generateBank(programDir, questions);

    store::WebPageView view;
    view.resize(1280, 900);
    view.show();
    ScriptedMessages messages;
    messages.defaultAnswer = app::MessageService::Answer::Yes;
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
    const qint64 build = median(figures.builds);
    out << "hand-in of a chapter page, " << questions << " questions of mixed types, median of "
        << runs << " runs\n";
    out << "  page build into the shown view:     " << line(figures.builds) << "\n";
    out << "  hand-in, all answered right:        " << line(figures.rightHandIns) << "   ("
        << figures.marked << " marked, " << figures.wrong << " wrong)\n";
    out << "  hand-in, untouched page (all wrong): " << line(figures.wrongHandIns) << "   ("
        << wrongCounts.marked << " marked, " << wrongCounts.wrong << " wrong)\n";
    const auto ratio = [&](const QList<qint64>& v) {
        return QString::number(double(median(v)) / double(std::max<qint64>(build, 1)), 'f', 2);
    };
    out << "  ratio hand-in / build: " << ratio(figures.rightHandIns) << " (all right), "
        << ratio(figures.wrongHandIns) << " (all wrong)   (aim < 1)\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    try {
        return run(QCoreApplication::arguments().mid(1));
    } catch (const store::Error& e) {
        QTextStream(stderr) << "bench_hand_in: " << e.message() << "\n";
        return 1;
    }
}

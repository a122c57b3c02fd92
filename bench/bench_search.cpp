// Times the question search on a 20,000-question synthetic bank: building its index (the first
// search after a new bank), the check that finds it current (every later opening of the search),
// and 100 searches as the search window runs them (the first 200 matches), next to a plain LIKE
// scan of the same columns of the bank (stems, explanations, options) for the same texts and
// the same number of matches. Half the texts name one question ("第12345题"), half are pieces
// of the generator's phrases that many questions share. Also times the scan that answers texts
// shorter than a trigram (two characters). Prints the medians and their ratio.
//
// usage: bench_search [--questions N] [--queries Q] [--seed S]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <random>

#include "bench_support.h"
#include "core/error.h"
#include "search/question_search.h"
#include "search/search_index.h"
#include "search/search_window.h"
#include "store/connection_string.h"
#include "store/database.h"

namespace {

const QString kPhrases[] = {QStringLiteral("在职业活动中"), QStringLiteral("接触有害因素的劳动者"),
                            QStringLiteral("按照有关规定"), QStringLiteral("结合临床表现"),
                            QStringLiteral("进行综合分析"), QStringLiteral("并动态观察")};

// The texts the candidates type: a question's own number, or a piece of a shared phrase of
// `shortest` to `longest` characters.
QStringList searchTexts(int count, int questions, int shortest, int longest, std::mt19937& random) {
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        if (shortest >= 3 && i % 2 == 0) {
            texts << QStringLiteral("第%1题").arg(1 + int(random() % quint32(questions)));
            continue;
        }
        const QString& phrase = kPhrases[random() % std::size(kPhrases)];
        const int length = shortest + int(random() % quint32(longest - shortest + 1));
        const int start = int(random() % quint32(std::max<qsizetype>(1, phrase.size() - length)));
        texts << phrase.mid(start, length);
    }
    return texts;
}

// A plain scan of the bank's own columns, as a search without an index would run it.
const QString kScan = QStringLiteral(
    "select id from question where content like ?1 escape '\\' or \"explain\" like ?1 escape '\\'"
    " or id in (select questionid from opinion where content like ?1 escape '\\')"
    " order by id limit ?2");

QString likePattern(QString text) {
    text.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'%', QStringLiteral("\\%"))
        .replace(u'_', QStringLiteral("\\_"));
    return u'%' + text + u'%';
}

qint64 microseconds(const QElapsedTimer& clock) { return clock.nsecsElapsed() / 1000; }

QString ms(qint64 us) {
    return QString::number(double(us) / 1000.0, 'f', 2) + QStringLiteral(" ms");
}

int benchmark(const QStringList& args) {
    const int questions =
        bench::argument(args, QStringLiteral("--questions"), QStringLiteral("20000")).toInt();
    const int queries = std::max(
        1, bench::argument(args, QStringLiteral("--queries"), QStringLiteral("100")).toInt());
    std::mt19937 random(
        bench::argument(args, QStringLiteral("--seed"), QStringLiteral("7")).toUInt());
    QTemporaryDir dir;
    const QString programDir = dir.path() + QStringLiteral("/");
    bench::generateBank(programDir, {QStringLiteral("--questions"), QString::number(questions)});
    const QString bankPath =
        store::ConnectionString(store::ConnectionString::forDataDirectory(programDir)).dataSource();
    QTextStream out(stdout);

    QElapsedTimer clock;
    clock.start();
    search::SearchIndex index(bankPath);
    if (index.refresh() != search::SearchIndex::Outcome::Built)
        throw core::Error(QStringLiteral("the index of a new bank was not built"));
    const qint64 build = microseconds(clock);
    QList<qint64> checks;
    for (int i = 0; i < 5; ++i) {
        clock.restart();
        if (index.refresh() != search::SearchIndex::Outcome::Current)
            throw core::Error(QStringLiteral("the index was built again for the same bank"));
        checks << microseconds(clock);
    }

    const search::QuestionSearch questionSearch(bankPath);
    store::Database bank(bankPath, store::Database::Access::ReadOnly);
    const int limit = search::SearchWindow::kListedHits;
    const auto timeSearches = [&](const QStringList& texts, QList<qint64>& found,
                                  QList<qint64>& scanned) {
        for (const QString& text : texts) {
            clock.restart();
            const search::SearchResult result = questionSearch.find(text, limit);
            found << microseconds(clock);
            clock.restart();
            const qsizetype rows =
                bank.select(kScan, {likePattern(text), qint64(limit) + 1}).values.size();
            scanned << microseconds(clock);
            if (std::min<qsizetype>(rows, limit) != result.hits.size())
                throw core::Error(QStringLiteral("the search and the scan disagree on ") + text);
        }
    };
    QList<qint64> found, scanned, shortFound, shortScanned;
    timeSearches(searchTexts(queries, questions, 3, 6, random), found, scanned);
    timeSearches(searchTexts(queries, questions, 2, 2, random), shortFound, shortScanned);

    const auto ratio = [](qint64 a, qint64 b) {
        return QString::number(double(a) / double(std::max<qint64>(b, 1)), 'f', 3);
    };
    out << "question search on a bank of " << questions << " questions\n";
    out << "  index build (first search of a new bank): " << ms(build) << ", "
        << QFileInfo(search::SearchIndex::pathFor(bankPath)).size() / 1024 << " KiB\n";
    out << "  check of a current index (each opening):  " << ms(bench::median(checks)) << "\n";
    out << "  " << queries << " searches of 3 to 6 characters, first " << limit
        << " matches, median:\n";
    out << "    search (trigram index):                " << ms(bench::median(found)) << "\n";
    out << "    plain LIKE scan of the bank:           " << ms(bench::median(scanned)) << "\n";
    out << "    ratio search / scan:                   "
        << ratio(bench::median(found), bench::median(scanned)) << "\n";
    out << "    slowest search / slowest scan:         "
        << ms(*std::max_element(found.begin(), found.end())) << " / "
        << ms(*std::max_element(scanned.begin(), scanned.end())) << "\n";
    out << "  " << queries << " searches of 2 characters (no trigram), median:\n";
    out << "    search (scan of the index's texts):    " << ms(bench::median(shortFound)) << "\n";
    out << "    plain LIKE scan of the bank:           " << ms(bench::median(shortScanned)) << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return bench::runBenchmark(argc, argv, "bench_search", benchmark);
}

// vantrel-bank search: the questions that hold a text, found as the main window's search finds
// them (the index beside the bank is brought up to it first).

#include <QTextStream>

#include "command.h"
#include "search/question_search.h"
#include "search/search_index.h"

namespace {

int searchBank(const QStringList& args) {
    const QString text = positionalArguments(args, {QStringLiteral("--dir")}).join(u' ');
    if (text.trimmed().isEmpty()) {
        QTextStream(stderr) << "usage: vantrel-bank search [--dir DIR] TEXT\n";
        return 2;
    }
    const QString bankPath = bankPathOf(placesOf(args).dataDir);
    search::SearchIndex(bankPath).refresh([] { QTextStream(stderr) << "正在建立搜索索引……\n"; });
    QTextStream out(stdout);
    for (const search::SearchHit& hit : search::QuestionSearch(bankPath).find(text).hits)
        out << hit.questionId << '\t' << hit.chapter << '\t' << hit.stem.text << '\n';
    return 0;
}

const CommandRegistration registration({
    QStringLiteral("search"),
    QStringLiteral("search [--dir DIR] TEXT   prints the questions whose stem, options or "
                   "explanation hold TEXT: id, chapter, stem, one per line"),
    searchBank,
});

}  // namespace

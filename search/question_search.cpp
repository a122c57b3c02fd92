#include "search/question_search.h"

#include "search/search_index.h"
#include "store/database.h"

namespace search {
namespace {

const QString kColumns = QStringLiteral("id, chapter_id, chapter, stem, options, explain");

// In the order of the index's rowids, which FTS5 gives by itself: the limit ends the walk early.
const QString kIndexedQuery =
    QStringLiteral("select e.id, e.chapter_id, e.chapter, e.stem, e.options, e.explain"
                   " from entry_fts f join entry e on e.id = f.rowid"
                   " where entry_fts match ? order by f.rowid limit ?");
// Each column alone: a text never matches across the end of one and the start of the next.
const QString kScanQuery =
    QStringLiteral("select ") + kColumns +
    QStringLiteral(
        " from entry where stem like ?1 escape '\\' or options like ?1 escape '\\'"
        " or explain like ?1 escape '\\' order by id limit ?2");

// The text as one FTS5 string: inside double quotes nothing is syntax, and a quote is doubled.
QString indexedPhrase(QString text) {
    return u'"' + text.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// The text as a LIKE pattern that matches it anywhere and only it: its wildcards escaped.
QString scanPattern(QString text) {
    text.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'%', QStringLiteral("\\%"))
        .replace(u'_', QStringLiteral("\\_"));
    return u'%' + text + u'%';
}

// The part of `text` around its first `wanted`, the cut ends shown by an ellipsis.
MarkedText passageAround(const QString& text, qsizetype at, const QString& wanted) {
    constexpr qsizetype kBefore = 16;
    constexpr qsizetype kAfter = 32;
    const qsizetype start = std::max<qsizetype>(0, at - kBefore);
    const qsizetype end = std::min(text.size(), at + wanted.size() + kAfter);
    QString passage = text.mid(start, end - start);
    passage.replace(u'\n', QStringLiteral(" / "));
    if (start > 0) passage.prepend(u'…');
    if (end < text.size()) passage.append(u'…');
    return markedText(passage, wanted);
}

SearchHit hitOf(const QVector<QVariant>& row, const QString& wanted) {
    SearchHit hit;
    hit.questionId = row[0].toLongLong();
    hit.chapterId = row[1].toLongLong();
    hit.chapter = row[2].toString().simplified();  // one line, as the tree and the tool show it
    hit.stem = markedText(row[3].toString(), wanted);
    if (!hit.stem.marks.isEmpty()) return hit;
    const std::pair<QString, QString> elsewhere[] = {
        {QStringLiteral("选项"), row[4].toString()},
        {QStringLiteral("解析"), row[5].toString()},
    };
    for (const auto& [where, text] : elsewhere) {
        const qsizetype at = text.indexOf(wanted, 0, Qt::CaseInsensitive);
        if (at < 0) continue;
        hit.foundIn = where;
        hit.passage = passageAround(text, at, wanted);
        break;
    }
    return hit;
}

}  // namespace

QuestionSearch::QuestionSearch(const QString& bankPath)
    : indexPath_(SearchIndex::pathFor(bankPath)) {}

SearchResult QuestionSearch::find(const QString& text, int limit) const {
    const QString wanted = text.simplified();
    if (wanted.isEmpty() || limit == 0) return {};
    const bool indexed = wanted.toUcs4().size() >= kIndexedLength;
    store::Database index(indexPath_, store::Database::Access::OwnFile);
    // One row past the limit tells whether there are more.
    const qint64 rows = limit < 0 ? -1 : qint64(limit) + 1;
    const store::Database::Rows found =
        indexed ? index.select(kIndexedQuery, {indexedPhrase(wanted), rows})
                : index.select(kScanQuery, {scanPattern(wanted), rows});
    SearchResult result;
    for (const QVector<QVariant>& row : found.values) {
        if (limit >= 0 && result.hits.size() == limit) {
            result.more = true;
            break;
        }
        result.hits.push_back(hitOf(row, wanted));
    }
    return result;
}

MarkedText markedText(const QString& text, const QString& wanted) {
    MarkedText marked{text, {}};
    if (wanted.isEmpty()) return marked;
    for (qsizetype at = text.indexOf(wanted, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(wanted, at + wanted.size(), Qt::CaseInsensitive))
        marked.marks.push_back({at, wanted.size()});
    return marked;
}

}  // namespace search

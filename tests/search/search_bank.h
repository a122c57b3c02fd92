#pragma once

#include <QList>
#include <QString>

#include "search/question_search.h"
#include "search/search_index.h"
#include "store/database.h"
#include "temp_bank.h"

// A program directory with the demo bank, and what the search finds in it next to what the bank
// itself holds.
class SearchBank : public TempBank {
  public:
    SearchBank() { useDemoBank(); }

    search::SearchIndex::Outcome refresh() const {
        return search::SearchIndex(bankPath()).refresh();
    }
    search::SearchResult find(const QString& text, int limit = -1) const {
        return search::QuestionSearch(bankPath()).find(text, limit);
    }
    QList<qint64> foundIds(const QString& text) const {
        QList<qint64> ids;
        for (const search::SearchHit& hit : find(text).hits) ids << hit.questionId;
        return ids;
    }

    // The questions whose stem, explanation, options or (matching groups) shared choice list
    // hold `text` as stored, by the bank's own engine: what a search must find for a text that
    // no markup interrupts.
    QList<qint64> holdingIds(const QString& text) const {
        store::Database bank(bankPath(), store::Database::Access::ReadOnly);
        const store::Database::Rows rows = bank.select(
            "select q.id from question q left join readtext r on r.id = q.readtextid"
            " left join qtype y on y.id = r.qtypeid"
            " where instr(q.content, ?1) > 0 or instr(q.\"explain\", ?1) > 0"
            " or (y.code = 9 and instr(r.content, ?1) > 0)"
            " or (coalesce(y.code, 0) <> 9"
            " and q.id in (select questionid from opinion where instr(content, ?1) > 0))"
            " order by q.id",
            {text});
        QList<qint64> ids;
        for (const QVector<QVariant>& row : rows.values) ids << row[0].toLongLong();
        return ids;
    }
};

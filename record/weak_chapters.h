#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "record/hand_in_record.h"
#include "store/connection.h"

namespace record {

// A chapter to practise: its questions in the wrong-question bank and what its exercise pages
// scored since the record began.
struct WeakChapter {
    qint64 id = 0;
    QString name;
    qint64 wrongQuestions = 0;
    qint64 items = 0;
    qint64 right = 0;
    int handIns = 0;

    // The whole-percent rate of its exercise pages; none when it was never handed in.
    std::optional<int> percent() const;
};

// The chapters to practise first: those with questions in the wrong-question bank or a rate
// below 100 %, the most wrong-bank questions first, then the lowest rate (a chapter never
// handed in after those handed in), then the tree's order of ids; at most `limit`. Chapters the
// tree no longer holds are left out. Reads only. Throws core::Error.
QList<WeakChapter> weakChapters(store::Connection& bank, const QList<HandInRecord>& history,
                                int limit);

}  // namespace record

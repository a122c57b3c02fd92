#pragma once

#include <QString>
#include <QVector>

namespace search {

// A text with the places where the searched text occurs in it.
struct MarkedText {
    struct Mark {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    QString text;
    QVector<Mark> marks;
};

// One question that holds the searched text.
struct SearchHit {
    qint64 questionId = 0;
    qint64 chapterId = 0;
    QString chapter;  // the chapter's name, as the tree shows it
    MarkedText stem;
    // When the stem does not hold the text: where it was found ("选项" or "解析") and the
    // passage around it. Both empty otherwise.
    QString foundIn;
    MarkedText passage;
};

struct SearchResult {
    QVector<SearchHit> hits;
    bool more = false;  // more questions hold the text than were asked for
};

}  // namespace search

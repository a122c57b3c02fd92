#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include "pages/view_mode.h"

namespace record {

// The marked items and right answers of one question type in a hand-in.
struct TypeScore {
    QString type;  // as the result table names it
    qint64 items = 0;
    qint64 right = 0;
};

// One marked exercise page or exam paper, as the learning record keeps it.
struct HandInRecord {
    enum class Kind { Practice, Exam };

    Kind kind = Kind::Practice;
    QDateTime handedIn;
    qint64 chapterId = 0;                                  // practice: the chapter's tree id
    pages::ViewMode mode = pages::ViewMode::AllQuestions;  // practice: the questions listed
    qint64 secondsUsed = 0;                                // exam: since its window opened
    QList<TypeScore> types;  // each type with items, in the order it was first marked

    // Counts a group's marks to its type; groups of one type add up, empty ones count nothing.
    void add(const QString& type, qint64 items, qint64 right);
    qint64 items() const;
    qint64 right() const;
};

// right ÷ items as a whole percentage, halves rounded up ("67" for 2 of 3, "29" for 57 of 200,
// in whole numbers so that no binary fraction rounds it the other way); no items give 0.
int wholePercent(qint64 right, qint64 items);

}  // namespace record

#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include "record/hand_in_record.h"
#include "record/weak_chapters.h"
#include "store/connection.h"

namespace record {

// The name of the series of every type together.
inline const QString kAllTypes = QStringLiteral("合计");

struct RatePoint {
    QDateTime at;
    double percent = 0;
};

// The rate of one question type, one point per hand-in that marked it.
struct RateSeries {
    QString type;
    QList<RatePoint> points;
};

// The rates over time of one kind of hand-in: a series per question type in the order the types
// first occur, then the series of every type together (kAllTypes). Empty without such hand-ins.
QList<RateSeries> rateSeries(const QList<HandInRecord>& history, HandInRecord::Kind kind);

struct RecordTotals {
    qint64 questionsMarked = 0;  // every item of every hand-in
    int practiceHandIns = 0;
    int examsSat = 0;
    int bestExamPercent = 0;
    int lastExamPercent = 0;
    qint64 lastExamSeconds = 0;
};

RecordTotals recordTotals(const QList<HandInRecord>& history);

// What the record window shows.
struct RecordOverview {
    QList<RateSeries> practice;
    QList<RateSeries> exams;
    RecordTotals totals;
    QList<WeakChapter> weakChapters;
};

// The chapters the record window lists at most.
inline constexpr int kWeakChapterLimit = 10;

// Reads the record and the wrong-question bank. Reads only. Throws core::Error.
RecordOverview readOverview(store::Connection& bank);

// The short name of a question type for a legend: its title up to the colon ("A1型题" of
// "A1型题：单句型最佳选择题").
QString shortTypeName(const QString& type);

}  // namespace record

#include "record/record_overview.h"

#include <algorithm>

#include "record/learning_record.h"

namespace record {

namespace {

double percentOf(qint64 right, qint64 items) { return items > 0 ? 100.0 * right / items : 0; }

RateSeries& seriesOf(QList<RateSeries>& series, const QString& type) {
    const auto found = std::find_if(series.begin(), series.end(),
                                    [&](const RateSeries& one) { return one.type == type; });
    if (found != series.end()) return *found;
    series.append({type, {}});
    return series.last();
}

}  // namespace

QList<RateSeries> rateSeries(const QList<HandInRecord>& history, HandInRecord::Kind kind) {
    QList<RateSeries> series;
    RateSeries all{kAllTypes, {}};
    for (const HandInRecord& handIn : history) {
        if (handIn.kind != kind) continue;
        for (const TypeScore& score : handIn.types)
            seriesOf(series, score.type)
                .points.append({handIn.handedIn, percentOf(score.right, score.items)});
        all.points.append({handIn.handedIn, percentOf(handIn.right(), handIn.items())});
    }
    if (!all.points.isEmpty()) series.append(all);
    return series;
}

RecordTotals recordTotals(const QList<HandInRecord>& history) {
    RecordTotals totals;
    for (const HandInRecord& handIn : history) {
        totals.questionsMarked += handIn.items();
        if (handIn.kind == HandInRecord::Kind::Practice) {
            ++totals.practiceHandIns;
            continue;
        }
        const int percent = wholePercent(handIn.right(), handIn.items());
        totals.bestExamPercent = std::max(totals.bestExamPercent, percent);
        ++totals.examsSat;
        totals.lastExamPercent = percent;
        totals.lastExamSeconds = handIn.secondsUsed;
    }
    return totals;
}

RecordOverview readOverview(store::Connection& bank) {
    const QList<HandInRecord> history = LearningRecord(bank).history();
    return {rateSeries(history, HandInRecord::Kind::Practice),
            rateSeries(history, HandInRecord::Kind::Exam), recordTotals(history),
            weakChapters(bank, history, kWeakChapterLimit)};
}

QString shortTypeName(const QString& type) {
    const qsizetype colon = type.indexOf(QChar(0xFF1A));  // the full-width colon
    return colon > 0 ? type.left(colon) : type;
}

}  // namespace record

#include "record/weak_chapters.h"

#include <QHash>
#include <QMap>
#include <algorithm>

namespace record {

namespace {

// Most wrong-bank questions first, then the lower rate, compared exactly; a chapter with a rate
// comes before one without.
bool practiseSooner(const WeakChapter& a, const WeakChapter& b) {
    if (a.wrongQuestions != b.wrongQuestions) return a.wrongQuestions > b.wrongQuestions;
    if ((a.handIns > 0) != (b.handIns > 0)) return a.handIns > 0;
    return a.right * b.items < b.right * a.items;
}

QHash<qint64, QString> chapterNames(store::Connection& bank) {
    QHash<qint64, QString> names;
    store::Recordset nodes = bank.query(QStringLiteral("select id, nodename from tree"));
    for (nodes.first(); !nodes.eof(); nodes.next())
        names.insert(nodes.integer(QStringLiteral("id")), nodes.text(QStringLiteral("nodename")));
    return names;
}

}  // namespace

std::optional<int> WeakChapter::percent() const {
    if (handIns == 0) return std::nullopt;
    return wholePercent(right, items);
}

QList<WeakChapter> weakChapters(store::Connection& bank, const QList<HandInRecord>& history,
                                int limit) {
    QMap<qint64, WeakChapter> chapters;  // by id, the order that ties keep
    store::Recordset wrong = bank.query(
        QStringLiteral("select readtext.treeid as chapter, count(*) as questions from question "
                       "join readtext on readtext.id = question.readtextid "
                       "where question.ct='1' group by readtext.treeid"));
    for (wrong.first(); !wrong.eof(); wrong.next())
        chapters[wrong.integer(QStringLiteral("chapter"))].wrongQuestions =
            wrong.integer(QStringLiteral("questions"));
    for (const HandInRecord& handIn : history) {
        if (handIn.kind != HandInRecord::Kind::Practice) continue;
        WeakChapter& chapter = chapters[handIn.chapterId];
        chapter.items += handIn.items();
        chapter.right += handIn.right();
        ++chapter.handIns;
    }

    const QHash<qint64, QString> names = chapterNames(bank);
    QList<WeakChapter> weak;
    for (auto it = chapters.begin(); it != chapters.end(); ++it) {
        WeakChapter& chapter = it.value();
        if (!names.contains(it.key())) continue;
        if (chapter.wrongQuestions == 0 && chapter.right >= chapter.items) continue;
        chapter.id = it.key();
        chapter.name = names.value(it.key());
        weak.append(chapter);
    }
    std::stable_sort(weak.begin(), weak.end(), practiseSooner);
    if (weak.size() > limit) weak.resize(limit);
    return weak;
}

}  // namespace record

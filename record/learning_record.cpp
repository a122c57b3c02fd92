#include "record/learning_record.h"

#include <QtDebug>

#include "core/error.h"
#include "store/bank_schema.h"

namespace record {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
const QString kPractice = QStringLiteral("practice");
const QString kExam = QStringLiteral("exam");

QString modeCode(pages::ViewMode mode) {
    switch (mode) {
        case pages::ViewMode::Favourites:
            return QStringLiteral("favourites");
        case pages::ViewMode::WrongQuestions:
            return QStringLiteral("wrong");
        case pages::ViewMode::AllQuestions:
            break;
    }
    return QStringLiteral("all");
}

pages::ViewMode modeOfCode(const QString& code) {
    if (code == QStringLiteral("favourites")) return pages::ViewMode::Favourites;
    if (code == QStringLiteral("wrong")) return pages::ViewMode::WrongQuestions;
    return pages::ViewMode::AllQuestions;
}

}  // namespace

void LearningRecord::add(const HandInRecord& handIn) {
    if (handIn.items() == 0) return;
    store::Connection::Transaction write(bank_);
    store::addOwnTables(bank_);
    const qint64 number = bank_
                              .query(QStringLiteral("select coalesce(max(hand_in), 0) + 1 as next "
                                                    "from learning_record"))
                              .integer(QStringLiteral("next"));
    const bool practice = handIn.kind == HandInRecord::Kind::Practice;
    for (const TypeScore& score : handIn.types) {
        bank_.exec(QStringLiteral("insert into learning_record(hand_in, kind, handed_in, chapter, "
                                  "mode, seconds_used, type, items, correct) "
                                  "values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {number, practice ? kPractice : kExam, handIn.handedIn.toString(kTimeFormat),
                    practice ? QVariant(handIn.chapterId) : QVariant(),
                    practice ? QVariant(modeCode(handIn.mode)) : QVariant(),
                    practice ? QVariant() : QVariant(handIn.secondsUsed), score.type, score.items,
                    score.right});
    }
    write.commit();
}

bool LearningRecord::tableExists() {
    return bank_
               .query(QStringLiteral("select count(*) as found from sqlite_master "
                                     "where type='table' and name='learning_record'"))
               .integer(QStringLiteral("found")) > 0;
}

QList<HandInRecord> LearningRecord::history() {
    QList<HandInRecord> handIns;
    if (!tableExists()) return handIns;
    store::Recordset rows = bank_.query(
        QStringLiteral("select hand_in, kind, handed_in, chapter, mode, seconds_used, type, "
                       "items, correct from learning_record order by hand_in, rid"));
    qint64 current = -1;
    for (rows.first(); !rows.eof(); rows.next()) {
        const qint64 number = rows.integer(QStringLiteral("hand_in"));
        if (number != current) {
            current = number;
            HandInRecord handIn;
            handIn.kind = rows.text(QStringLiteral("kind")) == kExam ? HandInRecord::Kind::Exam
                                                                     : HandInRecord::Kind::Practice;
            handIn.handedIn =
                QDateTime::fromString(rows.text(QStringLiteral("handed_in")), kTimeFormat);
            handIn.chapterId = rows.integer(QStringLiteral("chapter"));
            handIn.mode = modeOfCode(rows.text(QStringLiteral("mode")));
            handIn.secondsUsed = rows.integer(QStringLiteral("seconds_used"));
            handIns.append(handIn);
        }
        handIns.last().types.append({rows.text(QStringLiteral("type")),
                                     rows.integer(QStringLiteral("items")),
                                     rows.integer(QStringLiteral("correct"))});
    }
    return handIns;
}

void keepHandIn(store::Connection& bank, const HandInRecord& handIn) {
    try {
        LearningRecord(bank).add(handIn);
    } catch (const core::Error& error) {
        qWarning() << "the hand-in was not added to the learning record:" << error.message();
    }
}

}  // namespace record

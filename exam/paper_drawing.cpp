#include "exam/paper_drawing.h"

#include <QtDebug>
#include <chrono>
#include <memory>
#include <random>

#include "core/error.h"

namespace exam {

struct PaperDrawing::ExamType {
    QString lx;
    QString relabel;  // gives this label to every question of the type's groups
    QString pool;     // questions (a1, a2) or groups (a3, a4) a paper draws from
};

namespace {

using ExamType = PaperDrawing::ExamType;

// One statement per type writes what a walk over the type's groups posting each question's label
// would. A question that already carries its label is left as it is: the same rows, without
// rewriting thousands of unchanged questions at every drawing.
//
// A pool is the keys of its rows in the table's stored order, which is key order (the groups
// of one type all tie on qtypeid). The walk passes every row but takes few, so a take reads
// its row by key.
const ExamType kSingleChoice{
    QStringLiteral("a1"),
    QStringLiteral("update question set lx='a1' where lx is not 'a1' and readtextid in "
                   "(select id from readtext where (qtypeid=3 or qtypeid=4 or qtypeid=5 ))"),
    QStringLiteral("select id from question where lx='a1' order by id")};
const ExamType kMultipleChoice{
    QStringLiteral("a2"),
    QStringLiteral("update question set lx='a2' where lx is not 'a2' and readtextid in "
                   "(select id from readtext where (qtypeid=6 or qtypeid=7 or qtypeid=8 or "
                   "qtypeid=9 ))"),
    QStringLiteral("select id from question where lx='a2' order by id")};
const ExamType kCase{QStringLiteral("a3"),
                     QStringLiteral("update question set lx='a3' where lx is not 'a3' and "
                                    "readtextid in (select id from readtext where (qtypeid=10))"),
                     QStringLiteral("select id from readtext where qtypeid=10 order by id")};
const ExamType kMatching{
    QStringLiteral("a4"),
    QStringLiteral("update question set lx='a4' where lx is not 'a4' and "
                   "readtextid in (select id from readtext where (qtypeid=11))"),
    QStringLiteral("select id from readtext where qtypeid=11 order by id")};
const ExamType* const kExamTypes[] = {&kSingleChoice, &kMultipleChoice, &kCase, &kMatching};

// Runs the drawing's writes as one. A failure keeps what was written before it (whole types'
// labels, whole paper rows), as separate writes would: commit that, then pass the failure on.
template <typename Work>
void writeKeepingProgress(store::Connection& connection, Work work) {
    store::Connection::Transaction writes(connection);
    try {
        work();
    } catch (...) {
        try {
            writes.commit();
        } catch (const core::Error& e) {
            // The engine ended the transaction itself; the first failure is the one to report.
            qWarning() << "keeping the rows written before the failure failed:" << e.message();
        }
        throw;
    }
    writes.commit();
}

// n moves to the next row; at the end of the rows they stop having an effect.
void advance(store::Recordset& rows, qint64 n) {
    for (; n > 0 && !rows.eof(); --n) rows.next();
}

}  // namespace

PaperDrawing::PaperDrawing(store::Connection& connection, Random random)
    : connection_(connection), random_(std::move(random)) {}

ExamCounts PaperDrawing::draw() {
    // One write and one handle for the whole drawing: the connection's close and reopen between
    // the steps wait for the end of the write, and the labels and the paper commit together.
    ExamCounts counts;
    writeKeepingProgress(connection_, [&] {
        relabel();
        connection_.close();
        connection_.open();
        counts = readCounts();
        connection_.close();
        connection_.open();
        drawPaper(counts);
    });
    return counts;
}

void PaperDrawing::relabel() {
    // This also wipes the matching choices an earlier exam left in lx. A type is relabelled
    // wholly or, when its statement fails, not at all.
    for (const ExamType* type : kExamTypes) connection_.exec(type->relabel);
}

ExamCounts PaperDrawing::readCounts() {
    store::Recordset settings = connection_.query(QStringLiteral("select * from ts"));
    qint64 counts[4] = {};
    for (qint64& count : counts) {
        // A settings table that lost rows must not draw a paper from another row's count.
        if (settings.eof())
            throw core::Error(
                QStringLiteral("考试设置表 ts 只有 %1 行，应为 4 行").arg(settings.count()));
        count = settings.integer(QStringLiteral("txs"));
        settings.next();
    }
    return {counts[0], counts[1], counts[2], counts[3]};
}

void PaperDrawing::drawPaper(const ExamCounts& counts) {
    connection_.exec(QStringLiteral("delete from sj"));
    nextNumber_ = 1;
    // The limits add up the requested counts: a type after a short pool draws more.
    const qint64 requested[] = {counts.c1, counts.c2, counts.c3, counts.c4};
    qint64 limit = 0;
    for (int t = 0; t < 4; ++t) {
        limit += requested[t];
        if (requested[t] != 0) drawType(*kExamTypes[t], requested[t], limit);
    }
}

void PaperDrawing::drawType(const ExamType& type, qint64 count, qint64 limit) {
    store::Recordset pool = connection_.query(type.pool);
    const qint64 stride = pool.count() / count;
    while (!pool.eof()) {
        const qint64 n = stride > 1 ? random_(stride) : 0;
        // Only the paper's very first question may be its pool's first row.
        if (!(nextNumber_ == 1 && n == 0)) advance(pool, n + 1);
        // At the end of the pool this takes the last row again.
        if (nextNumber_ > limit) {
            pool.next();
        } else {
            take(pool, type);
        }
        if (stride - n - 2 > 0) advance(pool, stride - n - 2);
    }
}

void PaperDrawing::take(const store::Recordset& pool, const ExamType& type) {
    // The row is read by its key and the paper row written by one statement per type: the
    // engine keeps both prepared from take to take. Columns not named stay empty.
    const QString id = pool.text(QStringLiteral("id"));
    const QVector<QVariant> key{QVariant(pool.integer(QStringLiteral("id")))};
    const QString number = QString::number(nextNumber_);
    if (&type == &kCase) {
        const QString text =
            connection_.query(QStringLiteral("select content from readtext where id=?"), key)
                .text(QStringLiteral("content"));
        store::Recordset questions =
            connection_.query(QStringLiteral("select * from question where readtextid=?"), key);
        for (questions.first(); !questions.eof(); questions.next()) {
            // tid stays text: sub-question 10 of case 4 is "4.10", not 4.1.
            connection_.exec(
                QStringLiteral("insert into sj (tid, lx, alt, tg, tgid, da) "
                               "values (?, ?, ?, ?, ?, ?)"),
                {number + u'.' + questions.text(QStringLiteral("itemnum")), type.lx, text,
                 questions.text(QStringLiteral("content")), questions.text(QStringLiteral("id")),
                 questions.text(QStringLiteral("answer"))});
        }
    } else if (&type == &kMatching) {
        const store::Recordset group = connection_.query(
            QStringLiteral("select content, opnum from readtext where id=?"), key);
        connection_.exec(
            QStringLiteral("insert into sj (tid, lx, alt, tgid, xx) values (?, ?, ?, ?, ?)"),
            {number, type.lx, group.text(QStringLiteral("content")), id,
             group.text(QStringLiteral("opnum"))});
    } else {
        const store::Recordset question = connection_.query(
            QStringLiteral("select content, answer, picurl from question where id=?"), key);
        connection_.exec(
            QStringLiteral("insert into sj (tid, lx, tg, tgid, da, tp) values (?, ?, ?, ?, ?, ?)"),
            {number, type.lx, question.text(QStringLiteral("content")), id,
             question.text(QStringLiteral("answer")), question.text(QStringLiteral("picurl"))});
    }
    ++nextNumber_;
}

PaperDrawing::Random PaperDrawing::systemRandom() {
    // Seeded once; drawing from one generator needs no pause between draws.
    std::random_device device;
    const auto clock = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{device(), device(), quint32(clock), quint32(quint64(clock) >> 32)};
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return [engine](qint64 bound) {
        return std::uniform_int_distribution<qint64>(0, bound - 1)(*engine);
    };
}

}  // namespace exam

#include "exam/paper_drawing.h"

#include <QtDebug>
#include <chrono>
#include <memory>
#include <random>

#include "store/error.h"

namespace exam {

struct PaperDrawing::ExamType {
    QString lx;
    QString relabelGroups;  // the groups whose questions get this label
    QString pool;           // questions (a1, a2) or groups (a3, a4) a paper draws from
};

namespace {

using ExamType = PaperDrawing::ExamType;

const ExamType kSingleChoice{
    QStringLiteral("a1"),
    QStringLiteral(
        "select * from readtext where (qtypeid=3 or qtypeid=4 or qtypeid=5 ) order by qtypeid"),
    QStringLiteral("select * from question  where lx= 'a1'")};
const ExamType kMultipleChoice{
    QStringLiteral("a2"),
    QStringLiteral("select * from readtext where (qtypeid=6 or qtypeid=7 or qtypeid=8 or "
                   "qtypeid=9 ) order by qtypeid"),
    QStringLiteral("select * from question  where lx= 'a2'")};
const ExamType kCase{QStringLiteral("a3"),
                     QStringLiteral("select * from readtext where (qtypeid=10) order by qtypeid"),
                     QStringLiteral("select * from readtext  where qtypeid=10 order by qtypeid")};
const ExamType kMatching{
    QStringLiteral("a4"),
    QStringLiteral("select * from readtext where (qtypeid=11) order by qtypeid"),
    QStringLiteral("select * from readtext  where qtypeid=11 order by qtypeid")};
const ExamType* const kExamTypes[] = {&kSingleChoice, &kMultipleChoice, &kCase, &kMatching};

// Runs a run of posted edits as one write. A failure keeps what was posted before it, as
// separate posts would: commit that, then pass the failure on.
template <typename Work>
void writeKeepingProgress(store::Connection& connection, Work work) {
    store::Connection::Transaction writes(connection);
    try {
        work();
    } catch (...) {
        try {
            writes.commit();
        } catch (const store::Error& e) {
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
    writeKeepingProgress(connection_, [this] { relabel(); });
    connection_.close();
    connection_.open();
    const ExamCounts counts = readCounts();
    connection_.close();
    connection_.open();
    writeKeepingProgress(connection_, [&] { drawPaper(counts); });
    return counts;
}

void PaperDrawing::relabel() {
    // This also wipes the matching choices an earlier exam left in lx.
    for (const ExamType* type : kExamTypes) {
        store::Recordset groups = connection_.query(type->relabelGroups);
        for (groups.first(); !groups.eof(); groups.next()) {
            store::Recordset questions =
                connection_.query(QStringLiteral("select * from  question  where (readtextid=") +
                                  groups.text(QStringLiteral("id")) + QStringLiteral(")"));
            for (questions.first(); !questions.eof(); questions.next()) {
                // A question that already carries its label is left as it is: the same rows,
                // without rewriting thousands of unchanged questions at every drawing.
                if (questions.text(QStringLiteral("lx")) == type->lx) continue;
                questions.edit();
                questions.set(QStringLiteral("lx"), type->lx);
                questions.post();
            }
        }
    }
}

ExamCounts PaperDrawing::readCounts() {
    store::Recordset settings = connection_.query(QStringLiteral("select * from ts"));
    qint64 counts[4] = {};
    for (qint64& count : counts) {
        // A settings table that lost rows must not draw a paper from another row's count.
        if (settings.eof())
            throw store::Error(
                QStringLiteral("考试设置表 ts 只有 %1 行，应为 4 行").arg(settings.count()));
        count = settings.integer(QStringLiteral("txs"));
        settings.next();
    }
    return {counts[0], counts[1], counts[2], counts[3]};
}

void PaperDrawing::drawPaper(const ExamCounts& counts) {
    connection_.exec(QStringLiteral("delete from sj"));
    // Every take appends through this one result of the emptied table, rather than reading the
    // growing paper back before each insert.
    store::Recordset paper = connection_.query(QStringLiteral("select * from  sj"));
    nextNumber_ = 1;
    // The limits add up the requested counts: a type after a short pool draws more.
    const qint64 requested[] = {counts.c1, counts.c2, counts.c3, counts.c4};
    qint64 limit = 0;
    for (int t = 0; t < 4; ++t) {
        limit += requested[t];
        if (requested[t] != 0) drawType(*kExamTypes[t], requested[t], limit, paper);
    }
}

void PaperDrawing::drawType(const ExamType& type, qint64 count, qint64 limit,
                            store::Recordset& paper) {
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
            take(pool, type, paper);
        }
        if (stride - n - 2 > 0) advance(pool, stride - n - 2);
    }
}

void PaperDrawing::take(const store::Recordset& pool, const ExamType& type,
                        store::Recordset& paper) {
    const QString number = QString::number(nextNumber_);
    const QString lx = QStringLiteral("lx");
    if (&type == &kCase) {
        store::Recordset questions =
            connection_.query(QStringLiteral("select * from question where readtextid=") +
                              pool.text(QStringLiteral("id")));
        for (questions.first(); !questions.eof(); questions.next()) {
            // tid stays text: sub-question 10 of case 4 is "4.10", not 4.1.
            insertPaperRow(
                paper,
                {{QStringLiteral("tid"), number + u'.' + questions.text(QStringLiteral("itemnum"))},
                 {lx, type.lx},
                 {QStringLiteral("alt"), pool.text(QStringLiteral("content"))},
                 {QStringLiteral("tg"), questions.text(QStringLiteral("content"))},
                 {QStringLiteral("tgid"), questions.text(QStringLiteral("id"))},
                 {QStringLiteral("da"), questions.text(QStringLiteral("answer"))}});
        }
    } else if (&type == &kMatching) {
        insertPaperRow(paper, {{QStringLiteral("tid"), number},
                               {lx, type.lx},
                               {QStringLiteral("alt"), pool.text(QStringLiteral("content"))},
                               {QStringLiteral("tgid"), pool.text(QStringLiteral("id"))},
                               {QStringLiteral("xx"), pool.text(QStringLiteral("opnum"))}});
    } else {
        insertPaperRow(paper, {{QStringLiteral("tid"), number},
                               {lx, type.lx},
                               {QStringLiteral("tg"), pool.text(QStringLiteral("content"))},
                               {QStringLiteral("tgid"), pool.text(QStringLiteral("id"))},
                               {QStringLiteral("da"), pool.text(QStringLiteral("answer"))},
                               {QStringLiteral("tp"), pool.text(QStringLiteral("picurl"))}});
    }
    ++nextNumber_;
}

void PaperDrawing::insertPaperRow(store::Recordset& paper,
                                  const QList<QPair<QString, QString>>& columns) {
    paper.append();
    for (const auto& [column, value] : columns) paper.set(column, value);
    paper.post();
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

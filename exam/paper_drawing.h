#pragma once

#include <QString>
#include <functional>

#include "store/connection.h"

namespace exam {

// The requested counts of a paper: the txs of ts rows 1 to 4 (single choice, multiple choice,
// cases, matching groups).
struct ExamCounts {
    qint64 c1 = 0;
    qint64 c2 = 0;
    qint64 c3 = 0;
    qint64 c4 = 0;
};

// Draws a new exam paper into sj on the given connection: relabels the exam types of the
// question bank (question.lx), reads the counts from ts, empties sj and fills it type by type.
// Throws core::Error; what was written before a failure stays written.
class PaperDrawing {
  public:
    // Uniform in 0 … bound − 1 (bound ≥ 1).
    using Random = std::function<qint64(qint64 bound)>;

    PaperDrawing(store::Connection& connection, Random random);

    ExamCounts draw();

    // A generator seeded once from a high-resolution source: what the program passes.
    static Random systemRandom();

    struct ExamType;  // an exam type's label, relabelling statement and pool

  private:
    void relabel();
    ExamCounts readCounts();
    void drawPaper(const ExamCounts& counts);
    void drawType(const ExamType& type, qint64 count, qint64 limit);
    void take(const store::Recordset& pool, const ExamType& type);

    store::Connection& connection_;
    Random random_;
    qint64 nextNumber_ = 1;  // the paper number of the next take
};

}  // namespace exam

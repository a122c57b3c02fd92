#pragma once

#include <QString>

#include "store/connection.h"

namespace practice {

// The score table fenshu of the latest hand-in: one row per question group (label, questions,
// right answers as decimal text), with the rows of four fixed labels merged into one each.
class ScoreTable {
  public:
    explicit ScoreTable(store::Connection& bank) : bank_(bank) {}

    void clear();
    void addRow(const QString& label, qint64 questions, qint64 right);
    // Merged rows come after all other rows, in a fixed label order. The first two labels are
    // merged only when they occur; the last two always get a row, with zero counts if need be.
    void mergeFixedLabels();

  private:
    struct MergeLabel {
        QString label;
        QString deleteStatement;
        bool always;
    };
    void merge(const MergeLabel& label);

    store::Connection& bank_;
};

}  // namespace practice

#pragma once

#include <QList>

#include "record/hand_in_record.h"
#include "store/connection.h"

namespace record {

// The learning record: every marked exercise page and exam paper, kept in the bank's own table
// learning_record (store::ownTables), one row per question type of a hand-in. The score table
// fenshu and the paper sj keep only the latest marking; this keeps them all.
class LearningRecord {
  public:
    explicit LearningRecord(store::Connection& bank) : bank_(bank) {}

    // Adds one hand-in in one write, inside the caller's transaction when there is one; the
    // table is made first where the bank lacks it. A hand-in without items adds nothing.
    // Throws core::Error.
    void add(const HandInRecord& handIn);

    // Every hand-in in the order they were added; a bank that has never recorded one (it lacks
    // the table) has none. Reads only. Throws core::Error.
    QList<HandInRecord> history();

  private:
    bool tableExists();

    store::Connection& bank_;
};

// Adds a hand-in to the record with the marking it belongs to: inside the marking's write, so
// that both are kept or neither. The record's own failure is logged and leaves it out; it never
// stops the hand-in.
void keepHandIn(store::Connection& bank, const HandInRecord& handIn);

}  // namespace record

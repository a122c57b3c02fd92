#pragma once

#include <QString>

namespace store {
class Connection;
}

namespace app {

// A question flag and the chapter flag derived from it: scbt (favourites) or ct (wrong-question
// bank). Both are text columns of the same name in question and in tree.
struct FlagColumn {
    QString name;

    // "select * from question where <name>='1'": the flagged questions.
    QString flaggedQuestionsQuery() const;
};

// Derives the chapter flag from the question flag: clears it on every tree row, then gives it to
// the chapter that owns the group of each flagged question. The run is one atomic write, so a
// failure leaves the previous chapter flags in place instead of a half-built set.
// Throws core::Error.
void rebuildChapterFlags(store::Connection& bank, const FlagColumn& flag);

}  // namespace app

#pragma once

#include "temp_bank.h"

// The example tree: P1 (section A with chapters a1, a2; section B without chapters) and
// P2 (section C with chapter c1). Ids are chosen so that no id equals a node index.
namespace tree_rows {

inline constexpr int kA1 = 31, kA2 = 32, kC1 = 71;

inline void insertExampleTree(const TempBank& bank) {
    bank.run(
        "insert into tree(id, nodename, code, parentid, scbt, ct) values"
        " (10, 'P1', 1, 0, '', ''), (20, 'A', 2, 10, '', ''), (31, 'a1', 3, 20, '', ''),"
        " (32, 'a2', 3, 20, '1', ''), (25, 'B', 2, 10, '', ''),"
        " (60, 'P2', 1, 0, '', ''), (65, 'C', 2, 60, '', ''), (71, 'c1', 3, 65, '', '1');");
}

}  // namespace tree_rows

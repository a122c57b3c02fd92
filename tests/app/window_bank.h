#pragma once

#include "page_probe.h"
#include "temp_bank.h"
#include "tree_rows.h"

// A program directory for the main window: the page template, the subject, the question count
// and the example tree with one single-choice question in each of the chapters a1, a2, c1.
class WindowBank : public TempBank {
  public:
    WindowBank() {
        installPageAssets();
        tree_rows::insertExampleTree(*this);
        run("insert into kemu(ID, mz) values('职业病学', 'zyb');"
            "insert into geshu(kemugeshu) values('5230');"
            "insert into qtype(id, code, title) values(1, 1, 'A1型题');"
            "insert into readtext(id, treeid, qtypeid, content, opnum) values"
            " (1, 31, 1, '', 0), (2, 32, 1, '', 0), (3, 71, 1, '', 0);"
            "insert into question(id, readtextid, content, picurl, answer, \"explain\", scbt) "
            "values"
            " (101, 1, '第一章节的题目', '', 'A', '解析', ''),"
            " (102, 2, '第二章节的题目', '', 'B', '解析', ''),"
            " (103, 3, '另一篇的题目', '', 'A', '解析', '');"
            "insert into opinion(questionid, code, content) values"
            " (101, 'A', '甲'), (101, 'B', '乙'), (102, 'A', '甲'), (102, 'B', '乙'),"
            " (103, 'A', '甲'), (103, 'B', '乙');");
    }
};

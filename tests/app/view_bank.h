#pragma once

#include "store/connection.h"
#include "temp_bank.h"

// A bank for the view tests: P1 (section A with chapters a1, a2; section B without chapters)
// and P2 (section C with chapter c1). Chapter a1 holds two groups (questions 101 and 104),
// a2 one (102), c1 one (103). No question or chapter carries a flag at the start.
class ViewBank : public TempBank {
  public:
    static constexpr int kA1 = 31, kA2 = 32, kC1 = 71;

    ViewBank() {
        run("insert into tree(id, nodename, code, parentid, scbt, ct) values"
            " (10, 'P1', 1, 0, '', ''), (20, 'A', 2, 10, '', ''), (31, 'a1', 3, 20, '', ''),"
            " (32, 'a2', 3, 20, '', ''), (25, 'B', 2, 10, '', ''),"
            " (60, 'P2', 1, 0, '', ''), (65, 'C', 2, 60, '', ''), (71, 'c1', 3, 65, '', '');"
            "insert into kemu(ID, mz) values('职业病学', 'zyb');"
            "insert into geshu(kemugeshu) values('4');"
            "insert into qtype(id, code, title) values(1, 1, 'A1型题');"
            "insert into readtext(id, treeid, qtypeid, content, opnum) values"
            " (1, 31, 1, '', 0), (2, 32, 1, '', 0), (3, 71, 1, '', 0), (4, 31, 1, '', 0);"
            "insert into question(id, readtextid, content, picurl, answer, \"explain\") values"
            " (101, 1, '<p>心脏位于<b>胸腔</b>内</p>', '', 'A', '解析一'),"
            " (102, 2, '肺的功能单位是', '', 'B', '解析二'),"
            " (103, 3, '肝脏分泌的是', '', 'A', '解析三'),"
            " (104, 4, '肾脏的功能单位是', '', 'B', '解析四');"
            "insert into opinion(questionid, code, content) values"
            " (101, 'A', '胸腔'), (101, 'B', '腹腔'), (102, 'A', '肺泡'), (102, 'B', '肺小叶'),"
            " (103, 'A', '胆汁'), (103, 'B', '胰液'), (104, 'A', '肾小球'), (104, 'B', '肾单位');");
    }

    // The first column of the first row of a statement, as text ("" for null or no row).
    QString value(const QString& sql) const {
        store::Connection bank = connect();
        const store::Recordset rows = bank.query(sql);
        return rows.isEmpty() ? QString() : rows.text(rows.columns().first());
    }
    bool isNull(const QString& table, const QString& column, int id) const {
        return value(QStringLiteral("select %1 is null from %2 where id=%3")
                         .arg(column, table)
                         .arg(id)) == QStringLiteral("1");
    }
    QString questionFlag(const QString& column, int id) const {
        return value(QStringLiteral("select %1 from question where id=%2").arg(column).arg(id));
    }
    QString chapterFlag(const QString& column, int id) const {
        return value(QStringLiteral("select %1 from tree where id=%2").arg(column).arg(id));
    }
};

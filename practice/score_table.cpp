#include "score_table.h"

#include <array>

namespace practice {

void ScoreTable::clear() { bank_.exec(QStringLiteral("delete from fenshu")); }

void ScoreTable::addRow(const QString& label, qint64 questions, qint64 right) {
    store::Recordset rows = bank_.query(QStringLiteral("select * from fenshu"));
    rows.append();
    rows.set(QStringLiteral("tx"), label);
    rows.set(QStringLiteral("sts"), QString::number(questions));
    rows.set(QStringLiteral("dd"), QString::number(right));
    rows.post();
}

void ScoreTable::mergeFixedLabels() {
    static const std::array<MergeLabel, 4> labels{{
        {QStringLiteral("五个公用备选多个题每题一个选项9"),
         QStringLiteral("delete from fenshu where tx='五个公用备选多个题每题一个选项9'"), false},
        {QStringLiteral("阅读案例多个问题8"),
         QStringLiteral("delete from fenshu where tx='阅读案例多个问题8'"), false},
        {QStringLiteral("B型题配伍选择题"),
         QStringLiteral("delete from fenshu  where tx='B型题配伍选择题'"), true},
        {QStringLiteral(
             "A3/"
             "A4型题：每个案例至少有3个提问，每个提问有4-12个备选答案，其中正确答案有一个或多个。"),
         QStringLiteral("delete from fenshu  where "
                        "tx='A3/"
                        "A4型题：每个案例至少有3个提问，每个提问有4-"
                        "12个备选答案，其中正确答案有一个或多个。'"),
         true},
    }};
    for (const MergeLabel& label : labels) merge(label);
}

void ScoreTable::merge(const MergeLabel& label) {
    store::Recordset rows = bank_.query(QStringLiteral("select * from fenshu where tx='") +
                                        label.label + QStringLiteral("'"));
    qint64 questions = 0;
    qint64 right = 0;
    for (rows.first(); !rows.eof(); rows.next()) {
        questions += rows.integer(QStringLiteral("sts"));
        right += rows.integer(QStringLiteral("dd"));
    }
    if (!label.always && rows.isEmpty()) return;
    bank_.exec(label.deleteStatement);
    addRow(label.label, questions, right);
}

}  // namespace practice

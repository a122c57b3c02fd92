#include "exam/exam_marking.h"

#include "exam/paper_number.h"
#include "pages/bank_queries.h"
#include "pages/score_lines.h"

namespace exam {

namespace {

const QStringList kTypes{QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3"),
                         QStringLiteral("a4")};
const QStringList kTypeNames{QStringLiteral("单项选择题"), QStringLiteral("多项选择题"),
                             QStringLiteral("案例分析题"), QStringLiteral("配伍选择题")};

}  // namespace

ExamMarks markPaper(store::Connection& bank) {
    ExamMarks marks;
    for (store::Recordset row = bank.query(QStringLiteral("select * from sj")); !row.eof();
         row.next()) {
        const qsizetype type = kTypes.indexOf(row.text(QStringLiteral("lx")));
        if (type < 0) continue;
        const QString button = numberButtonName(row.text(QStringLiteral("tid")));
        bool right = true;
        if (type < 3) {
            right = row.text(QStringLiteral("da")) == row.text(QStringLiteral("tjda"));
            ++(right ? marks.right : marks.wrong)[std::size_t(type)];
        } else {
            store::Recordset questions = bank.query(pages::groupQuestionQuery(
                pages::ViewMode::AllQuestions, row.text(QStringLiteral("tgid"))));
            for (questions.first(); !questions.eof(); questions.next()) {
                const bool questionRight = questions.text(QStringLiteral("answer")) ==
                                           questions.text(QStringLiteral("lx"));
                ++(questionRight ? marks.right : marks.wrong)[std::size_t(type)];
                right = right && questionRight;
            }
        }
        marks.buttons.append({button, right ? ButtonColour::Blue : ButtonColour::Red});
    }
    return marks;
}

QString examRate(qint64 right, qint64 items) {
    return QString::number(record::wholePercent(right, items));
}

QList<record::TypeScore> examTypeScores(const ExamMarks& marks) {
    QList<record::TypeScore> scores;
    for (std::size_t type = 0; type < std::size_t(kTypes.size()); ++type) {
        const qint64 items = marks.right[type] + marks.wrong[type];
        if (items > 0) scores.append({kTypeNames[qsizetype(type)], items, marks.right[type]});
    }
    return scores;
}

QString examResultFragment(const ExamMarks& marks) {
    QString lines;
    qint64 allItems = 0;
    qint64 allRight = 0;
    for (const record::TypeScore& score : examTypeScores(marks)) {
        allItems += score.items;
        allRight += score.right;
        lines +=
            pages::resultTypeLine(score.type, QString::number(score.items),
                                  QString::number(score.right), examRate(score.right, score.items));
    }
    lines += pages::resultTotalLine(allItems, allRight, examRate(allRight, allItems));
    return QStringLiteral(
               "<br><br>  <table border=\"0\" align=\"center\"><tr> <th>批 阅 试 卷 结 果</th> "
               "</tr> </table>") +
           QStringLiteral(
               "<br><br>  <table border=\"1\" align=\"center\"><tr> <th>题  型</th> <th>试 题 "
               "数</th>  <th> 答  对 </th>  <th> 总  分 </th>  <th> 得  分 </th>  <th>正 确 "
               "率</th> </tr> ") +
           lines + QStringLiteral("</table>");
}

void showExamResult(pageview::PageView& page, const QString& templatePath,
                    const QString& resultTable) {
    page.load(templatePath);
    page.waitUntilReady();
    page.append(resultTable);
}

}  // namespace exam

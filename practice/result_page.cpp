#include "result_page.h"

#include <QScopedValueRollback>

#include "core/error.h"
#include "correct_rate.h"
#include "pages/score_lines.h"
#include "result_markup.h"

namespace practice {

void ResultPage::Timer2Timer(pageview::PageView& resultView) {
    if (building_) return;
    const QScopedValueRollback<bool> busy(building_, true);
    try {
        build(resultView);
        host_.showAllAnswers();  // open every answer block of the marked page
    } catch (const core::Error& error) {
        timer2_.stop();
        failed_ = true;
        host_.messages().reportError(error.message());
    }
}

void ResultPage::build(pageview::PageView& resultView) {
    resultView.load(host_.programDir() + QStringLiteral("ty.html"));
    store::Connection& bank = host_.connection();
    bank.close();
    bank.open();
    bank.exec(QStringLiteral("delete from fenshu where sts='0'"));

    store::Recordset rows = bank.query(QStringLiteral("select * from fenshu"));
    QString lines;
    qint64 totalQuestions = 0;
    qint64 totalRight = 0;
    for (rows.first(); !rows.eof(); rows.next()) {
        const qint64 questions = rows.integer(QStringLiteral("sts"));
        const qint64 right = rows.integer(QStringLiteral("dd"));
        totalQuestions += questions;
        totalRight += right;
        lines +=
            pages::resultTypeLine(rows.text(QStringLiteral("tx")), rows.text(QStringLiteral("sts")),
                                  rows.text(QStringLiteral("dd")), correctRate(right, questions));
    }
    lines +=
        pages::resultTotalLine(totalQuestions, totalRight, correctRate(totalRight, totalQuestions));

    resultView.append(resultTitle());
    resultView.append(resultTable(lines));
    bank.close();
    timer2_.stop();
}

}  // namespace practice

#include "exam/exam_answer_capture.h"

#include "exam/paper_number.h"
#include "pages/answer_capture.h"

namespace exam {

namespace {

// The drop-down's placeholder: no letter chosen.
const QString kNoChoice = QStringLiteral("daan");

// Whether the page holds an element for every id of the result's `column`.
bool pageShowsAll(const pages::AnswerCapture& form, store::Recordset& rows,
                  const QString& column) {
    for (rows.first(); !rows.eof(); rows.next())
        if (!form.has(rows.text(column))) return false;
    return true;
}

}  // namespace

void ExamAnswerCapture::capture() {
    store::Connection& bank = host_.connection();
    const QString number = paperNumberText(host_.examState().CurrentPaperNumber);
    store::Recordset row = bank.query(paperRowQuery(number));
    if (row.isEmpty()) return;
    const QString tgid = row.text(QStringLiteral("tgid"));
    pages::AnswerCapture form(bank, host_.page().formSnapshot());
    const QString button = numberButtonName(number);

    if (row.text(QStringLiteral("lx")) != QStringLiteral("a4")) {
        store::Recordset options =
            bank.query(QStringLiteral("select * from opinion where questionid=") + tgid);
        if (!pageShowsAll(form, options, QStringLiteral("id"))) return;
        const QString answer = form.checkedLetters(tgid);
        if (answer.isEmpty()) {
            host_.paintNumberButton(button, ButtonColour::ActiveBorder);
            return;
        }
        row.edit();
        row.set(QStringLiteral("tjda"), answer);
        row.post();
        host_.paintNumberButton(button, ButtonColour::Blue);
        return;
    }

    store::Recordset questions =
        bank.query(QStringLiteral("select * from question  where readtextid=") + tgid);
    if (!pageShowsAll(form, questions, QStringLiteral("id"))) return;
    // The group's choices and its stored letters are written together or not at all.
    store::Connection::Transaction writes(bank);
    QString answer;
    for (questions.first(); !questions.eof(); questions.next()) {
        QString choice = form.value(questions.text(QStringLiteral("id")));
        if (choice == kNoChoice) choice.clear();
        answer = choice + answer;
        questions.edit();
        questions.set(QStringLiteral("lx"), choice);
        questions.post();
    }
    row.edit();
    row.set(QStringLiteral("tjda"), answer);
    row.post();
    writes.commit();
    host_.paintNumberButton(button, answer.isEmpty() ? ButtonColour::ActiveBorder
                                                     : ButtonColour::Blue);
}

void updateAnsweredCounter(ExamWindowHost& host, CounterLabel label) {
    const int answered =
        host.connection().query(QStringLiteral("select * from sj where tjda<>''")).count();
    const int shown = host.setAnsweredProgress(answered + 1);
    host.setAnsweredLabel(QString::number(label == CounterLabel::FromBar ? shown : answered + 1));
}

}  // namespace exam

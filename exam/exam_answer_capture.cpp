#include "exam/exam_answer_capture.h"

#include <algorithm>

#include "exam/paper_number.h"
#include "pages/answer_capture.h"
#include "pages/question_group.h"

namespace exam {

namespace {

// The drop-down's placeholder: no letter chosen.
const QString kNoChoice = QStringLiteral("daan");

// Whether the page shows the question: it holds an element for every one of these ids.
bool pageShowsAll(const pages::AnswerCapture& form, const QStringList& ids) {
    return std::all_of(ids.cbegin(), ids.cend(), [&](const QString& id) { return form.has(id); });
}

}  // namespace

void ExamAnswerCapture::capture() {
    store::Connection& bank = host_.connection();
    const QString number = host_.examState().CurrentPaperNumber;
    store::Recordset row = bank.query(paperRowQuery(number));
    if (row.isEmpty()) return;
    const QString tgid = row.text(QStringLiteral("tgid"));
    pages::AnswerCapture form(bank, host_.page().formSnapshot());
    const QString button = numberButtonName(number);

    if (row.text(QStringLiteral("lx")) != QStringLiteral("a4")) {
        const QList<pages::fragments::OptionData> options = pages::readOptions(bank, tgid);
        QStringList ids;
        for (const pages::fragments::OptionData& option : options) ids << option.id;
        if (!pageShowsAll(form, ids)) return;
        const QString answer = form.checkedLetters(options);
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
    QStringList ids;
    for (questions.first(); !questions.eof(); questions.next())
        ids << questions.text(QStringLiteral("id"));
    if (!pageShowsAll(form, ids)) return;
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
    host_.paintNumberButton(button,
                            answer.isEmpty() ? ButtonColour::ActiveBorder : ButtonColour::Blue);
}

void updateAnsweredCounter(ExamWindowHost& host, CounterLabel label) {
    const int answered =
        host.connection().query(QStringLiteral("select * from sj where tjda<>''")).count();
    const int shown = host.setAnsweredProgress(answered + 1);
    host.setAnsweredLabel(QString::number(label == CounterLabel::FromBar ? shown : answered + 1));
}

}  // namespace exam

#include "exam/exam_page_render.h"

#include "exam/exam_fragments.h"
#include "exam/paper_number.h"
#include "pages/bank_queries.h"
#include "pages/question_group.h"

namespace exam {

namespace {

bool showsPictures(ExamPageVariant v) {
    return v == ExamPageVariant::First || v == ExamPageVariant::Later;
}

// The line end of a matching line: the pages reached by moving get a blank line between them.
QString matchingLineEnd(ExamPageVariant v) {
    return v == ExamPageVariant::Later || v == ExamPageVariant::Jump ? QStringLiteral("<br> <br>")
                                                                     : QStringLiteral("<br>");
}

// Whether a stored answer holds a letter; an empty letter never counts as given.
bool occursIn(const QString& letter, const QString& storedAnswer) {
    return !letter.isEmpty() && storedAnswer.contains(letter);
}

}  // namespace

void ExamPageRender::render(const store::Recordset& row, ExamPageVariant variant) {
    const QString tid = row.text(QStringLiteral("tid"));
    const QString lx = row.text(QStringLiteral("lx"));
    const QString tp = row.text(QStringLiteral("tp"));
    const QString tgid = row.text(QStringLiteral("tgid"));
    const QString tjda = row.text(QStringLiteral("tjda"));
    const bool review = variant == ExamPageVariant::Review;
    const bool matching = lx == QStringLiteral("a4");

    if (showsPictures(variant) && !tp.trimmed().isEmpty()) page_.append(fragments::pictureLine(tp));
    if (lx == QStringLiteral("a3"))
        page_.append(fragments::caseLine(tid.section(u'.', 0, 0), row.text(QStringLiteral("alt"))));
    if (matching) {
        page_.append(fragments::matchingGroupLine(tid, row.text(QStringLiteral("alt"))));
        renderMatchingQuestions(tgid, row.text(QStringLiteral("xx")), tjda, variant);
    }
    if (lx == QStringLiteral("a1") || lx == QStringLiteral("a2") || lx == QStringLiteral("a3"))
        page_.append(fragments::stemLine(tid, row.text(QStringLiteral("tg"))));

    for (const pages::fragments::OptionData& option : pages::readOptions(connection_, tgid)) {
        page_.append(pages::fragments::kBreak);
        page_.append(matching                     ? QString()
                     : lx == QStringLiteral("a1") ? fragments::radioOption(option)
                                                  : fragments::checkboxOption(option));
        page_.append(pages::fragments::kBreak);
        if (!matching && occursIn(page_.value(option.id), tjda)) page_.setChecked(option.id, true);
    }
    if (review && !matching) page_.append(fragments::answerLine(row.text(QStringLiteral("da"))));
}

void ExamPageRender::renderMatchingQuestions(const QString& groupId, const QString& xx,
                                             const QString& tjda, ExamPageVariant variant) {
    store::Recordset questions =
        connection_.query(pages::groupQuestionQuery(pages::ViewMode::AllQuestions, groupId));
    for (questions.first(); !questions.eof(); questions.next()) {
        const QString id = questions.text(QStringLiteral("id"));
        page_.append(fragments::matchingLine(questions.text(QStringLiteral("itemnum")), id, xx,
                                             questions.text(QStringLiteral("content")),
                                             matchingLineEnd(variant)));
        if (variant == ExamPageVariant::Review)
            page_.append(fragments::answerLine(questions.text(QStringLiteral("answer"))));
        // A matching choice is kept in the question's lx until the next drawing relabels it.
        const QString choice = questions.text(QStringLiteral("lx"));
        if (occursIn(choice, tjda)) page_.setValue(id, choice);
    }
}

bool ExamPageRender::show(const QString& numberText, const QString& templatePath,
                          ExamPageVariant variant) {
    const store::Recordset row = connection_.query(paperRowQuery(numberText));
    if (row.isEmpty()) return false;
    page_.load(templatePath);
    page_.waitUntilReady();
    render(row, variant);
    return true;
}

}  // namespace exam

#include "preview_builder.h"

#include "bank_queries.h"
#include "core/error.h"
#include "group_writer.h"
#include "question_fragments.h"
#include "question_group.h"

namespace pages {

namespace {

// The id arrives from a page address and is spliced into SQL: only digits may pass.
void requireQuestionId(const QString& questionId) {
    if (!isQuestionId(questionId)) throw core::Error(QStringLiteral("试题编号无效：") + questionId);
}

}  // namespace

PreviewBuilder::PreviewBuilder(store::Connection& bank, pageview::PageView& view,
                               const QString& templatePath)
    : bank_(bank), view_(view), templatePath_(templatePath) {}

void PreviewBuilder::build(const QString& questionId, PageNumbering& numbering,
                           const QuestionRead& onQuestionRead) {
    requireQuestionId(questionId);
    bank_.close();
    const store::Recordset found = bank_.query(questionQuery(questionId));
    const QString groupId = found.isEmpty() ? QString() : found.text(QStringLiteral("readtextid"));
    numbering.reset();
    view_.load(templatePath_);
    const store::Recordset readtext = bank_.query(groupQuery(groupId));
    const QuestionGroup group = readQuestionGroup(bank_, readtext);

    const store::Recordset question = bank_.query(questionQuery(questionId));
    if (!question.isEmpty()) {
        GroupWriter writer(view_, PageForm::Preview, group, numbering);
        writer.writeHead();
        const QString id = question.text(QStringLiteral("id"));
        const QString content = question.text(QStringLiteral("content"));
        writer.writeQuestionOpening(id, question.text(QStringLiteral("picurl")), content);
        if (onQuestionRead) onQuestionRead(id, content);
        writer.writeQuestionBreak();
        if (group.hasOptionLines()) writer.writeOptions(readOptions(bank_, id));
        view_.append(fragments::preview::answerBlock(id, question.text(QStringLiteral("answer"))));
    }
    bank_.close();
}

}  // namespace pages

#include "chapter_page_builder.h"

#include "bank_queries.h"
#include "group_writer.h"
#include "question_fragments.h"
#include "question_group.h"

namespace pages {

ChapterPageBuilder::ChapterPageBuilder(store::Connection& bank, pageview::PageView& view,
                                       const QString& templatePath)
    : bank_(bank), view_(view), templatePath_(templatePath) {}

void ChapterPageBuilder::build(qint32 chapterRecordId, ViewMode mode, PageNumbering& numbering,
                               QString& currentChapterId) {
    view_.load(templatePath_);
    const store::Recordset chapter = bank_.query(chapterQuery(QString::number(chapterRecordId)));
    currentChapterId = chapter.text(QStringLiteral("id"));
    store::Recordset groups = bank_.query(chapterGroupsQuery(currentChapterId));
    for (groups.first(); !groups.eof(); groups.next()) buildGroup(groups, mode, numbering);
    bank_.close();
    view_.zoom(1);
}

void ChapterPageBuilder::buildGroup(const store::Recordset& readtext, ViewMode mode,
                                    PageNumbering& numbering) {
    const QuestionGroup group = readQuestionGroup(bank_, readtext);
    store::Recordset questions = bank_.query(groupQuestionQuery(mode, group.id));
    // Outside the all-questions mode a group without listed questions leaves no trace.
    if (mode != ViewMode::AllQuestions && questions.isEmpty()) return;

    GroupWriter writer(view_, PageForm::Chapter, group, numbering);
    writer.writeHead();
    for (questions.first(); !questions.eof(); questions.next())
        buildQuestion(writer, group, questions);
    // A matching group is separated once, after its last question.
    if (group.isMatching()) view_.append(fragments::separator());
}

void ChapterPageBuilder::buildQuestion(GroupWriter& writer, const QuestionGroup& group,
                                       const store::Recordset& question) {
    const QString id = question.text(QStringLiteral("id"));
    writer.writeQuestionOpening(id, question.text(QStringLiteral("picurl")),
                                question.text(QStringLiteral("content")));
    writer.writeQuestionBreak();
    if (group.hasOptionLines()) writer.writeOptions(readOptions(bank_, id));
    view_.append(
        fragments::answerBlock({id, question.text(QStringLiteral("answer")),
                                question.text(QStringLiteral("explain")), isFavourite(id)}));
    if (!group.isMatching()) view_.append(fragments::separator());
}

// Read afresh for every question: a favourite toggled while the page was being built shows.
bool ChapterPageBuilder::isFavourite(const QString& questionId) {
    const store::Recordset row = bank_.query(questionQuery(questionId));
    return row.text(QStringLiteral("scbt")) == QStringLiteral("1");
}

}  // namespace pages

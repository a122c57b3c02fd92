#pragma once

#include <QList>

#include "page_numbering.h"
#include "pageview/page_view.h"
#include "question_fragments.h"
#include "question_group.h"

namespace pages {

// A chapter page, or the feedback window's preview of one question: the preview writes the
// preview forms of the fragments and single line breaks.
enum class PageForm { Chapter, Preview };

// Writes one group's head and its questions' openings, stems and options, and keeps the page's
// numbering (N, G, i and the header-once-per-page flags) as it goes.
class GroupWriter {
  public:
    GroupWriter(pageview::PageView& view, PageForm form, const QuestionGroup& group,
                PageNumbering& numbering);

    // Waits for the view, then writes the type header and/or group line.
    void writeHead();
    // Waits for the view, then writes the picture (if any) and the numbered stem.
    void writeQuestionOpening(const QString& questionId, const QString& picurl,
                              const QString& content);
    // The line break after a stem; moves on to the next question's number.
    void writeQuestionBreak();
    void writeOptions(const QList<fragments::OptionData>& options);

  private:
    QString headBreak() const;
    void writeHeaderOnce(int& shownFlag);
    void writeStem(const QString& questionId, const QString& content);
    QString optionLine(const fragments::OptionData& option) const;

    pageview::PageView& view_;
    const bool preview_;
    const QuestionGroup& group_;
    PageNumbering& n_;
};

}  // namespace pages

#pragma once

#include <QString>

#include "page_numbering.h"
#include "pageview/page_view.h"
#include "store/connection.h"
#include "view_mode.h"

namespace pages {

class GroupWriter;
struct QuestionGroup;

// Turns one chapter into one page: every group of the chapter in type order, every question the
// mode lists with its picture, stem, options and answer block, numbered across the page.
// Every failure is a core::Error thrown out of build(); what was appended until then stays.
class ChapterPageBuilder {
  public:
    ChapterPageBuilder(store::Connection& bank, pageview::PageView& view,
                       const QString& templatePath);

    // The caller resets `numbering` before the call. `currentChapterId` is set as soon as the
    // chapter's row has been read.
    void build(qint32 chapterRecordId, ViewMode mode, PageNumbering& numbering,
               QString& currentChapterId);

  private:
    void buildGroup(const store::Recordset& readtext, ViewMode mode, PageNumbering& numbering);
    void buildQuestion(GroupWriter& writer, const QuestionGroup& group,
                       const store::Recordset& question);
    bool isFavourite(const QString& questionId);

    store::Connection& bank_;
    pageview::PageView& view_;
    QString templatePath_;
};

}  // namespace pages

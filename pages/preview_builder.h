#pragma once

#include <QString>
#include <functional>

#include "page_numbering.h"
#include "pageview/page_view.h"
#include "store/connection.h"

namespace pages {

// The feedback window's preview of one question: the question alone, numbered as the first item
// of a page, with its answer shown and without buttons or explanation.
// Every failure is a core::Error thrown out of build().
class PreviewBuilder {
  public:
    using QuestionRead = std::function<void(const QString& id, const QString& content)>;

    PreviewBuilder(store::Connection& bank, pageview::PageView& view, const QString& templatePath);

    // Resets `numbering`, loads the template and writes the question. onQuestionRead receives
    // the question's id and stem once its stem is on the page. An id without a question row
    // leaves the empty template and fails at the group query; an id that is not a whole
    // number fails before anything is read or loaded.
    void build(const QString& questionId, PageNumbering& numbering,
               const QuestionRead& onQuestionRead);

  private:
    store::Connection& bank_;
    pageview::PageView& view_;
    QString templatePath_;
};

}  // namespace pages

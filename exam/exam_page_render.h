#pragma once

#include <QString>

#include "pageview/page_view.h"
#include "store/connection.h"
#include "store/recordset.h"

namespace exam {

// How the exam window uses the render: the first question after the drawing, next and previous,
// a number click before hand-in, a number click after hand-in.
enum class ExamPageVariant { First, Later, Jump, Review };

// Renders one row of the exam paper sj into a page view that holds a freshly loaded ty.html:
// the row's fragments in their order of appends, and the stored answer put back on the page.
// Reads sj, question and opinion; writes nothing. Throws core::Error.
class ExamPageRender {
  public:
    ExamPageRender(store::Connection& connection, pageview::PageView& page)
        : connection_(connection), page_(page) {}

    // The current row of `row` (a result of "select * from sj …").
    void render(const store::Recordset& row, ExamPageVariant variant);

    // Looks up "select * from sj where tid='" + numberText + "'" (a quote in numberText is
    // doubled); when it returns a row, loads the template, waits until it is ready and renders
    // the row. False when there is no row.
    bool show(const QString& numberText, const QString& templatePath, ExamPageVariant variant);

  private:
    // The group's questions as matching lines, each with its stored choice put back.
    void renderMatchingQuestions(const QString& groupId, const QString& xx, const QString& tjda,
                                 ExamPageVariant variant);

    store::Connection& connection_;
    pageview::PageView& page_;
};

}  // namespace exam

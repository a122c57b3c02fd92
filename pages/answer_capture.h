#pragma once

#include <QHash>
#include <QString>

#include "pages/question_group.h"
#include "pageview/page_view.h"
#include "store/connection.h"

namespace pages {

// Reads the answers given on a question page from one snapshot of its form state (one page
// round trip per hand-in or move instead of one per option); an id the page lacks is a
// core::Error, as a direct read would be.
class AnswerCapture {
  public:
    AnswerCapture(store::Connection& bank, QHash<QString, pageview::ElementState> form)
        : bank_(bank), form_(std::move(form)) {}

    // The letters of the question's checked options, in the order in which
    // "select * from opinion where questionid=" returns them.
    QString checkedLetters(const QString& questionId) {
        return checkedLetters(readOptions(bank_, questionId));
    }
    QString checkedLetters(const QList<fragments::OptionData>& options) const;
    // The value of a form element (a matching question's drop-down).
    const QString& value(const QString& id) const { return element(id).value; }

    // A chapter page's answer: matching questions (type code "9") the value of the drop-down
    // "a" + id, "daan" when untouched; others their checked letters.
    QString givenAnswer(const QString& questionId, const QString& typeCode);
    bool has(const QString& id) const { return form_.contains(id); }
    // Throws core::Error unless the page has an element with this id.
    void requireElement(const QString& id) const { element(id); }

  private:
    const pageview::ElementState& element(const QString& id) const;

    store::Connection& bank_;
    QHash<QString, pageview::ElementState> form_;
};

}  // namespace pages

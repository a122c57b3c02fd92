#pragma once

#include <QHash>
#include <QString>

#include "store/connection.h"
#include "pageview/page_view.h"

namespace practice {

// Reads the answers given on a chapter page from one snapshot of its form state (one page round
// trip per hand-in instead of one per option); an id the page lacks is a store::Error, as a
// direct read would be.
class AnswerCapture {
  public:
    AnswerCapture(store::Connection& bank, QHash<QString, pageview::ElementState> form)
        : bank_(bank), form_(std::move(form)) {}

    // Matching questions (type code "9"): the value of the drop-down "a" + id, "daan" when
    // untouched. Others: the letters of the checked options, in the order the bank returns
    // the options.
    QString givenAnswer(const QString& questionId, const QString& typeCode);
    // Throws store::Error unless the page has an element with this id.
    void requireElement(const QString& id) const { element(id); }

  private:
    const pageview::ElementState& element(const QString& id) const;

    store::Connection& bank_;
    QHash<QString, pageview::ElementState> form_;
};

}  // namespace practice

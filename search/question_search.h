#pragma once

#include <QString>

#include "search/search_hit.h"

namespace search {

// Finds the questions whose stem, options or explanation hold a text, in the search index of a
// bank (SearchIndex, brought up to the bank first). Any text is taken as it stands: it is bound
// to the statement, never spliced in, and neither the index's query syntax nor LIKE's wildcards
// mean anything in it.
class QuestionSearch {
  public:
    // Texts of this many characters or more are looked up in the trigram index; a shorter one,
    // which the trigrams cannot find, is compared with every question's texts (LIKE).
    static constexpr qsizetype kIndexedLength = 3;

    explicit QuestionSearch(const QString& bankPath);

    // The questions holding `text` (blanks at its ends dropped, runs of blanks as one, letters
    // in either case), in the order of their ids; at most `limit` of them, all when it is
    // negative. Throws core::Error when the index cannot be read.
    SearchResult find(const QString& text, int limit = -1) const;

  private:
    QString indexPath_;
};

// `text` with every place where `wanted` occurs in it marked (letters in either case).
MarkedText markedText(const QString& text, const QString& wanted);

}  // namespace search

#pragma once

#include <QString>

#include "pages/question_fragments.h"

// The HTML fragments of an exam page. Record values are inserted as stored, without escaping.
// T is the paper row's tid, G the part of T before its first ".".
namespace exam::fragments {

// "&nbsp<br>", the picture paragraph of a question page, "<br>".
QString pictureLine(const QString& tp);
// The case text of a case sub-question, numbered G.
QString caseLine(const QString& group, const QString& alt);
// The shared choices of a matching group, numbered T.
QString matchingGroupLine(const QString& tid, const QString& alt);
// "<option value="X">X " for the letters A … up to xx (as an integer; blank, not a whole
// number or ≤ 0 gives none, more than 15 gives A … O).
QString letterList(const QString& xx);
// A matching question with its letter drop-down; its element id is the plain question id.
QString matchingLine(const QString& itemnum, const QString& questionId, const QString& xx,
                     const QString& content, const QString& lineEnd);
// The stem of a single-choice, multiple-choice or case question, numbered T.
QString stemLine(const QString& tid, const QString& tg);
// The radio line of a question page.
QString radioOption(const pages::fragments::OptionData& option);
// The radio line as a check box: two blanks before name, unlike a question page's check box.
QString checkboxOption(const pages::fragments::OptionData& option);
// The correct answer, shown in the review after hand-in.
QString answerLine(const QString& answer);

}  // namespace exam::fragments

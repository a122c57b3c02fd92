#pragma once

#include <QList>
#include <QString>

#include "question_fragments.h"
#include "store/connection.h"

namespace pages {

// One question group (a readtext row) with its type. The type code decides the layout:
// 1-3 radio buttons, 4-7 check boxes, 8 a case group, 9 a matching group; any other code
// gets no header, no group line, no stems and no option lines.
struct QuestionGroup {
    QString id;
    qint64 code = 0;
    QString title;
    QString content;
    QString opnum;  // as stored; read for matching groups only

    bool hasOwnHeader() const { return code >= 1 && code <= 7; }
    bool isCase() const { return code == 8; }
    bool isMatching() const { return code == 9; }
    bool takesPictures() const { return code >= 1 && code <= 8; }
    bool usesRadioButtons() const { return code >= 1 && code <= 3; }
    // Matching questions take their choices from the group's list; opinion rows stored for
    // them are not shown.
    bool hasOptionLines() const { return code >= 1 && code <= 8; }

    // A matching group's number of shared choices, converted where a matching line needs it: a
    // group with no question to show never converts it. Not an integer: a core::Error.
    qint64 choiceCount() const;
};

// Reads the group at the current row of a readtext result and runs its qtype query.
// A code that is not an integer is a core::Error.
QuestionGroup readQuestionGroup(store::Connection& bank, const store::Recordset& readtext);

// "select * from qtype where id=" + typeId: a group's type (code and title).
store::Recordset readQuestionType(store::Connection& bank, const QString& typeId);

// Whether a text can stand in SQL as a question id: digits only (ids arrive from page
// addresses).
bool isQuestionId(const QString& text);

// The options of a question, in the order the bank returns them.
QList<fragments::OptionData> readOptions(store::Connection& bank, const QString& questionId);

// A picture is shown unless picurl is empty or holds only blanks and control characters.
bool hasPicture(const QString& picurl);

}  // namespace pages

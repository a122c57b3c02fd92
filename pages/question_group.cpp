#include "question_group.h"

#include <algorithm>

namespace pages {

QuestionGroup readQuestionGroup(store::Connection& bank, const store::Recordset& readtext) {
    QuestionGroup group;
    group.id = readtext.text(QStringLiteral("id"));
    const QString typeId = readtext.text(QStringLiteral("qtypeid"));
    group.content = readtext.text(QStringLiteral("content"));
    const store::Recordset type =
        bank.query(QStringLiteral("select * from qtype where id=") + typeId);
    group.code = type.integer(QStringLiteral("code"));
    group.title = type.text(QStringLiteral("title"));
    if (group.isMatching()) group.opnum = readtext.integer(QStringLiteral("opnum"));
    return group;
}

QList<fragments::OptionData> readOptions(store::Connection& bank, const QString& questionId) {
    store::Recordset rows =
        bank.query(QStringLiteral("select * from opinion where questionid=") + questionId);
    QList<fragments::OptionData> options;
    for (rows.first(); !rows.eof(); rows.next()) {
        options.append({rows.text(QStringLiteral("id")), rows.text(QStringLiteral("questionid")),
                        rows.text(QStringLiteral("code")), rows.text(QStringLiteral("content"))});
    }
    return options;
}

bool hasPicture(const QString& picurl) {
    return std::any_of(picurl.cbegin(), picurl.cend(), [](QChar c) { return c.unicode() > 32; });
}

}  // namespace pages

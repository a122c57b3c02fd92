#include "question_group.h"

#include <QRegularExpression>
#include <algorithm>

#include "core/error.h"

namespace pages {

namespace {

// A type code and a choice count must be numbers: a blank one fails like any other text that
// is not a number, instead of reading as 0.
qint64 requiredNumber(const QString& text, const QString& column) {
    if (text.trimmed().isEmpty())
        throw core::Error(QStringLiteral("字段 %1 为空，不是整数").arg(column));
    return store::integerFromText(text, column);
}

}  // namespace

qint64 QuestionGroup::choiceCount() const { return requiredNumber(opnum, QStringLiteral("opnum")); }

QuestionGroup readQuestionGroup(store::Connection& bank, const store::Recordset& readtext) {
    QuestionGroup group;
    group.id = readtext.text(QStringLiteral("id"));
    const QString typeId = readtext.text(QStringLiteral("qtypeid"));
    group.content = readtext.text(QStringLiteral("content"));
    const store::Recordset type = readQuestionType(bank, typeId);
    group.code = requiredNumber(type.text(QStringLiteral("code")), QStringLiteral("code"));
    group.title = type.text(QStringLiteral("title"));
    if (group.isMatching()) group.opnum = readtext.text(QStringLiteral("opnum"));
    return group;
}

store::Recordset readQuestionType(store::Connection& bank, const QString& typeId) {
    return bank.query(QStringLiteral("select * from qtype where id=") + typeId);
}

bool isQuestionId(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(text).hasMatch();
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

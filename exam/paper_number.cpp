#include "exam/paper_number.h"

#include "core/error.h"
#include "store/sql_text.h"

namespace exam {

QString previousPaperNumber(const QString& number) {
    const qsizetype dot = number.indexOf(QLatin1Char('.'));
    const QString whole = dot < 0 ? number : number.left(dot);
    bool ok = false;
    const qint64 value = whole.trimmed().toLongLong(&ok);
    if (!ok) throw core::Error(QStringLiteral("试卷题号“%1”不是数字").arg(number));
    return QString::number(value - 1) + (dot < 0 ? QString() : number.mid(dot));
}

QString numberButtonName(const QString& numberText) {
    const qsizetype dot = numberText.indexOf(QLatin1Char('.'));
    if (dot < 0) return QStringLiteral("a") + numberText;
    return QStringLiteral("a") + numberText.left(dot) + QStringLiteral("f") +
           numberText.mid(dot + 1);
}

QString paperRowQuery(const QString& numberText) {
    return QStringLiteral("select * from sj where tid=") + store::sqlText(numberText);
}

}  // namespace exam

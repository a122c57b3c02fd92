#include "exam/paper_number.h"

#include "store/error.h"
#include "store/sql_text.h"

namespace exam {

double paperNumberFrom(const QString& tid) {
    bool ok = false;
    const double number = tid.trimmed().toDouble(&ok);
    if (!ok) throw store::Error(QStringLiteral("试卷题号“%1”不是数字").arg(tid));
    return number;
}

QString paperNumberText(double number) { return QString::number(number, 'g', 15); }

QString numberButtonName(const QString& numberText) {
    const qsizetype dot = numberText.indexOf(QLatin1Char('.'));
    if (dot < 0) return QStringLiteral("a") + numberText;
    return QStringLiteral("a") + numberText.left(dot) + QStringLiteral("f") + numberText.mid(dot + 1);
}

QString paperRowQuery(const QString& numberText) {
    return QStringLiteral("select * from sj where tid=") + store::sqlText(numberText);
}

}  // namespace exam

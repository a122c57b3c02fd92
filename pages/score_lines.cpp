#include "pages/score_lines.h"

namespace pages {

QString resultTypeLine(const QString& label, const QString& questions, const QString& right,
                       const QString& rate) {
    return QStringLiteral("<tr align=\"center\"><td>") + label + QStringLiteral("</td> <td>") +
           questions + QStringLiteral("</td> <td>") + right + QStringLiteral("</td><td>") +
           questions + QStringLiteral("</td><td>") + right + QStringLiteral("</td><td>") + rate +
           QStringLiteral("%") + QStringLiteral("</td> </tr> ");
}

QString resultTotalLine(qint64 questions, qint64 right, const QString& rate) {
    return resultTypeLine(QStringLiteral("合  计"), QString::number(questions),
                          QString::number(right), rate);
}

}  // namespace pages

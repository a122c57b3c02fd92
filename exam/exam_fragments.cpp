#include "exam/exam_fragments.h"

namespace exam::fragments {

namespace qf = pages::fragments;

QString pictureLine(const QString& tp) { return qf::pictureOpening(tp) + qf::kBreak; }

QString caseLine(const QString& group, const QString& alt) {
    return group + QStringLiteral(".") + alt + qf::kBreak;
}

QString matchingGroupLine(const QString& tid, const QString& alt) {
    return tid + QStringLiteral(".") + alt + QStringLiteral("<br> <br>");
}

QString letterList(const QString& xx) {
    bool ok = false;
    const qint64 count = xx.trimmed().toLongLong(&ok);
    return ok ? qf::choiceList(count) : QString();
}

QString matchingLine(const QString& itemnum, const QString& questionId, const QString& xx,
                     const QString& content, const QString& lineEnd) {
    return itemnum + QStringLiteral(". ") + QStringLiteral(" <select name=\"cars\" id=\"") +
           questionId + QStringLiteral("\"> <option value=\"daan\" selected>答案 ") +
           letterList(xx) + QStringLiteral("</select>") + content + qf::kBreak + lineEnd;
}

QString stemLine(const QString& tid, const QString& tg) {
    return qf::kBreak + tid + QStringLiteral(".") + tg + qf::kBreak;
}

QString radioOption(const qf::OptionData& option) { return qf::radioOption(option); }

QString checkboxOption(const qf::OptionData& option) {
    static const QString radioType = QStringLiteral(" <input type=\"radio\"");
    QString line = qf::radioOption(option);
    return line.replace(0, radioType.size(), QStringLiteral(" <input type=\"checkbox\""));
}

QString answerLine(const QString& answer) {
    return QStringLiteral("<body> <b>正确答案：") + answer + QStringLiteral("</b> </body>") +
           QStringLiteral("<br> <br>");
}

}  // namespace exam::fragments

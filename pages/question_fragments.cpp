#include "question_fragments.h"

namespace pages::fragments {

namespace {

QString decimal(qint64 n) { return QString::number(n); }

// "N.i. ": the number of a question inside a case or matching group.
QString subNumber(int number, int index) {
    return decimal(number) + QStringLiteral(".") + decimal(index) + QStringLiteral(". ");
}

QString stemSpan(const QString& questionId) {
    return QStringLiteral("&nbsp <span  id ='fan") + questionId + QStringLiteral("'>");
}

QString answerSelect(const QString& questionId, qint64 opnum) {
    return QStringLiteral(" <select name=\"cars\" id=\"a") + questionId +
           QStringLiteral("\"> <option value=\"daan\" selected>答案 ") + choiceList(opnum) +
           QStringLiteral("</select>");
}

// The radio line has two blanks before its name attribute, the checkbox line one.
struct OptionInput {
    QString head;
    QString nameAttribute;
};
const OptionInput kRadio{QStringLiteral(" <input type=\"radio\" id=\""),
                         QStringLiteral("\"  name=\"")};
const OptionInput kCheckbox{QStringLiteral(" <input type=\"checkbox\" id=\""),
                            QStringLiteral("\" name=\"")};

QString optionLine(const OptionInput& input, const OptionData& option, bool withBreak) {
    return input.head + option.id + input.nameAttribute + option.questionId +
           QStringLiteral("\" value=\"") + option.code + QStringLiteral("\">") + option.code +
           QStringLiteral(":") + option.content + (withBreak ? kBreak : QString());
}

}  // namespace

QString typeHeader(const QString& title) {
    return QStringLiteral("&nbsp <b>") + title + QStringLiteral("</b>");
}

QString groupLine(int number, const QString& content) {
    return kLeadingBlank + decimal(number) + QStringLiteral(".") + content;
}

QString pictureParagraph(const QString& picurl) {
    return QStringLiteral("<p> 如图所示：<img src=\"./") + picurl + QStringLiteral("\"> </p> ");
}

QString pictureOpening(const QString& picurl) {
    return kLeadingBlank + kBreak + pictureParagraph(picurl);
}

QString questionStem(const QString& questionId, int number, const QString& content) {
    return stemSpan(questionId) + decimal(number) + QStringLiteral(". ") + content +
           QStringLiteral("</span>");
}

QString subQuestionStem(const QString& questionId, int group, int index, const QString& content) {
    return stemSpan(questionId) + subNumber(group, index) + content + QStringLiteral("</span>");
}

QString choiceList(qint64 opnum) {
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNO");
    QString list;
    const qint64 count = qMin<qint64>(opnum, kMaxMatchingChoices);
    for (qint64 k = 0; k < count; ++k) {
        const QString letter = letters.mid(k, 1);
        list += QStringLiteral("<option value=\"") + letter + QStringLiteral("\">") + letter +
                QStringLiteral(" ");
    }
    return list;
}

QString matchingLine(const QString& questionId, int number, int index, qint64 opnum,
                     const QString& content) {
    return kLeadingBlank + subNumber(number, index) + answerSelect(questionId, opnum) +
           QStringLiteral("<span id ='") + QStringLiteral("fan") + questionId +
           QStringLiteral("'>") + content + QStringLiteral("</span>");
}

QString radioOption(const OptionData& option) { return optionLine(kRadio, option, true); }

QString checkboxOption(const OptionData& option) { return optionLine(kCheckbox, option, true); }

QString answerBlock(const AnswerBlockData& d) {
    const QString& q = d.questionId;
    const QString favouriteCaption =
        d.favourite ? QStringLiteral("取消收藏") : QStringLiteral("收藏本题");
    return QStringLiteral(
               "<div  style=\"cursor:hand;\"><tr><td width=\"100%\"> <div align=\"right\" > "
               "<input id=\"xs") +
           q + QStringLiteral("\" onclick=\"xsda(this,'") + QStringLiteral("ansnote") + q +
           QStringLiteral("')\" name=\"quelmarxsda\" type=\"button\" value=\"显示答案\"/>") +
           QStringLiteral(
               "<input id=\"sc\"  onclick=\"scbt(this); window.location.href('http://scbt") +
           q + QStringLiteral("')\" name=\"quelmarscbt\" type=\"button\" value=\"") +
           favouriteCaption + QStringLiteral("\"/>") +
           QStringLiteral(
               "<input  name=\"quelmarctfk\" onclick=\"window.location.href('http://ctfk") +
           q + QStringLiteral("')\" type=\"button\" value=\"错题反馈\" /> </div>") +
           QStringLiteral(
               "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</div><div  "
               "class=\"Answer\" id=\"ansnote") +
           q + QStringLiteral("\" value=\"") + d.answer +
           QStringLiteral("\" style=\"display:none\">") + QStringLiteral("正确答案：") + d.answer +
           QStringLiteral(" 答案解析：") + d.explain + QStringLiteral("</div></td></tr> ");
}

QString separator() { return QStringLiteral("<hr>"); }

namespace preview {

QString questionStem(int number, const QString& content) {
    return kLeadingBlank + decimal(number) + QStringLiteral(". ") + content;
}

QString subQuestionStem(int group, int index, const QString& content) {
    return kLeadingBlank + subNumber(group, index) + content;
}

QString matchingLine(const QString& questionId, int number, int index, qint64 opnum,
                     const QString& content) {
    return kLeadingBlank + subNumber(number, index) + answerSelect(questionId, opnum) + content;
}

QString radioOption(const OptionData& option) { return optionLine(kRadio, option, false); }

QString checkboxOption(const OptionData& option) { return optionLine(kCheckbox, option, false); }

QString answerBlock(const QString& questionId, const QString& answer) {
    return QStringLiteral("<br> <br><div class=\"Answer\" id=\"ansnote") + questionId +
           QStringLiteral("\" value=\"") + answer + QStringLiteral("\" style=\"display\">") +
           QStringLiteral("正确答案：") + answer + QStringLiteral("</div></td></tr><br><br> ");
}

}  // namespace preview

}  // namespace pages::fragments

#pragma once

#include <QString>

// The HTML fragments of a question page. Record values are inserted as they are, without
// escaping: stems, options and explanations are stored as HTML and meant to take effect.
// Numbers (question number N, case group G, position in the group i) are written in decimal.
namespace pages::fragments {

inline const QString kBreak = QStringLiteral("<br>");
inline const QString kDoubleBreak = QStringLiteral("<br><br>");
// Written before every option line and before a picture paragraph.
inline const QString kLeadingBlank = QStringLiteral("&nbsp");

// Letters offered by a matching group's drop-downs: never more than these.
inline constexpr int kMaxMatchingChoices = 15;

// What the answer block of one question needs.
struct AnswerBlockData {
    QString questionId;
    QString answer;
    QString explain;
    bool favourite = false;  // question.scbt is "1"
};

// Type header of a group.
QString typeHeader(const QString& title);
// The numbered line of a case text or of a matching group's shared choices.
QString groupLine(int number, const QString& content);
// The picture paragraph; picurl is used untrimmed.
QString pictureParagraph(const QString& picurl);
// "&nbsp<br>" + picture paragraph: how a picture opens a question on both kinds of page.
QString pictureOpening(const QString& picurl);

// Stem of a question of types 1-7, numbered N.
QString questionStem(const QString& questionId, int number, const QString& content);
// Stem of a case group's question, numbered G.i.
QString subQuestionStem(const QString& questionId, int group, int index, const QString& content);
// Options of a matching drop-down for k = 1 .. min(opnum, 15); none for opnum <= 0.
QString choiceList(qint64 opnum);
// A matching question, numbered N.i, with its letter drop-down.
QString matchingLine(const QString& questionId, int number, int index, qint64 opnum,
                     const QString& content);

// One option's input: radio buttons for types 1-3, check boxes for types 4-8.
struct OptionData {
    QString id;
    QString questionId;
    QString code;
    QString content;
};
QString radioOption(const OptionData& option);
QString checkboxOption(const OptionData& option);

// The show-answer, favourite and feedback buttons and the hidden answer division.
QString answerBlock(const AnswerBlockData& data);
QString separator();

// The feedback preview writes the same fragments with these forms instead.
namespace preview {
QString questionStem(int number, const QString& content);
QString subQuestionStem(int group, int index, const QString& content);
QString matchingLine(const QString& questionId, int number, int index, qint64 opnum,
                     const QString& content);
QString radioOption(const OptionData& option);
QString checkboxOption(const OptionData& option);
// The answer shown at once, without buttons and without the explanation.
QString answerBlock(const QString& questionId, const QString& answer);
}  // namespace preview

}  // namespace pages::fragments

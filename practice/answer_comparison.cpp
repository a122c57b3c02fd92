#include "answer_comparison.h"

namespace practice {

namespace {
bool isControlOrBlank(QChar c) { return c.unicode() <= 32; }
}  // namespace

QString trimControlsAndBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isControlOrBlank(text[begin])) ++begin;
    while (end > begin && isControlOrBlank(text[end - 1])) --end;
    return text.mid(begin, end - begin);
}

bool answersMatch(const QString& given, const QString& stored) {
    return trimControlsAndBlanks(given) == trimControlsAndBlanks(stored);
}

}  // namespace practice

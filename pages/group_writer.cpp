#include "group_writer.h"

namespace pages {

namespace f = fragments;

GroupWriter::GroupWriter(pageview::PageView& view, PageForm form, const QuestionGroup& group,
                         PageNumbering& numbering)
    : view_(view), preview_(form == PageForm::Preview), group_(group), n_(numbering) {}

QString GroupWriter::headBreak() const { return preview_ ? f::kBreak : f::kDoubleBreak; }

void GroupWriter::writeHeaderOnce(int& shownFlag) {
    if (shownFlag != 0) return;
    view_.append(f::typeHeader(group_.title));
    view_.append(headBreak());
    shownFlag = 1;
}

void GroupWriter::writeHead() {
    view_.waitUntilReady();
    if (group_.hasOwnHeader()) {
        view_.append(f::typeHeader(group_.title));
        view_.append(headBreak());
    } else if (group_.isCase() || group_.isMatching()) {
        writeHeaderOnce(group_.isCase() ? n_.CaseHeaderShown : n_.MatchingHeaderShown);
        view_.append(f::groupLine(n_.QuestionNumber, group_.content));
        view_.append(headBreak());
        // The choice list takes a number of its own; a case text shares it with its first
        // question, which the question numbering below takes care of.
        if (group_.isMatching()) ++n_.QuestionNumber;
    }
    n_.SubIndex = 1;
    n_.GroupNumber = n_.QuestionNumber;
}

void GroupWriter::writeQuestionOpening(const QString& questionId, const QString& picurl,
                                       const QString& content) {
    view_.waitUntilReady();
    if (group_.takesPictures() && hasPicture(picurl)) {
        view_.append(preview_ ? f::pictureOpening(picurl) : f::pictureOpening(picurl) + f::kBreak);
    }
    writeStem(questionId, content);
}

// Every question moves N on by one; a case group's later questions and every matching
// question first step N back, so that the group keeps the one number of its head.
void GroupWriter::writeStem(const QString& questionId, const QString& content) {
    const int i = n_.SubIndex;
    if (group_.isCase()) {
        view_.append(preview_ ? f::preview::subQuestionStem(n_.GroupNumber, i, content)
                              : f::subQuestionStem(questionId, n_.GroupNumber, i, content));
        if (i != 1) --n_.QuestionNumber;
    } else if (group_.hasOwnHeader()) {
        view_.append(preview_ ? f::preview::questionStem(n_.QuestionNumber, content)
                              : f::questionStem(questionId, n_.QuestionNumber, content));
    } else if (group_.isMatching()) {
        const qint64 choices = group_.choiceCount();
        --n_.QuestionNumber;
        const int n = n_.QuestionNumber;
        view_.append(preview_ ? f::preview::matchingLine(questionId, n, i, choices, content)
                              : f::matchingLine(questionId, n, i, choices, content));
    }
}

void GroupWriter::writeQuestionBreak() {
    view_.append(f::kBreak);
    ++n_.SubIndex;
    ++n_.QuestionNumber;
}

QString GroupWriter::optionLine(const fragments::OptionData& option) const {
    if (group_.usesRadioButtons())
        return preview_ ? f::preview::radioOption(option) : f::radioOption(option);
    return preview_ ? f::preview::checkboxOption(option) : f::checkboxOption(option);
}

void GroupWriter::writeOptions(const QList<fragments::OptionData>& options) {
    if (!group_.hasOptionLines()) return;
    for (const fragments::OptionData& option : options) {
        view_.append(f::kBreak);
        view_.append(f::kLeadingBlank + optionLine(option));
    }
}

}  // namespace pages

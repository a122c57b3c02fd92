#include "pages/answer_capture.h"

#include "core/error.h"

namespace pages {

const pageview::ElementState& AnswerCapture::element(const QString& id) const {
    const auto found = form_.constFind(id);
    if (found == form_.constEnd()) throw core::Error(QStringLiteral("页面中没有元素 %1").arg(id));
    return found.value();
}

QString AnswerCapture::checkedLetters(const QList<fragments::OptionData>& options) const {
    QString letters;
    for (const fragments::OptionData& option : options) {
        const pageview::ElementState& state = element(option.id);
        if (state.checked) letters += state.value;
    }
    return letters;
}

QString AnswerCapture::givenAnswer(const QString& questionId, const QString& typeCode) {
    if (typeCode == QStringLiteral("9")) return value(QStringLiteral("a") + questionId);
    return checkedLetters(questionId);
}

}  // namespace pages

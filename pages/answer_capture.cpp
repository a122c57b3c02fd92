#include "pages/answer_capture.h"

#include "store/error.h"

namespace pages {

const pageview::ElementState& AnswerCapture::element(const QString& id) const {
    const auto found = form_.constFind(id);
    if (found == form_.constEnd()) throw store::Error(QStringLiteral("页面中没有元素 %1").arg(id));
    return found.value();
}

QString AnswerCapture::checkedLetters(const QString& questionId) {
    QString letters;
    store::Recordset options =
        bank_.query(QStringLiteral("select * from opinion where questionid=") + questionId);
    for (options.first(); !options.eof(); options.next()) {
        const pageview::ElementState& option = element(options.text(QStringLiteral("id")));
        if (option.checked) letters += option.value;
    }
    return letters;
}

QString AnswerCapture::givenAnswer(const QString& questionId, const QString& typeCode) {
    if (typeCode == QStringLiteral("9")) return value(QStringLiteral("a") + questionId);
    return checkedLetters(questionId);
}

}  // namespace pages

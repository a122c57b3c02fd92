#include "view_mode.h"

namespace pages {

ViewMode viewModeFromKey(const QString& key) {
    if (key == kFavouritesKey) return ViewMode::Favourites;
    if (key == kWrongQuestionsKey) return ViewMode::WrongQuestions;
    return ViewMode::AllQuestions;
}

QString groupQuestionQuery(ViewMode mode, const QString& readtextId) {
    switch (mode) {
        case ViewMode::Favourites:
            return QStringLiteral("select * from question where (readtextid=") + readtextId +
                   QStringLiteral(") and (scbt='") + QStringLiteral("1") + QStringLiteral("'") +
                   QStringLiteral(")");
        case ViewMode::WrongQuestions:
            return QStringLiteral("select * from question where (readtextid=") + readtextId +
                   QStringLiteral(") and (ct='") + QStringLiteral("1") + QStringLiteral("'") +
                   QStringLiteral(")");
        case ViewMode::AllQuestions:
            break;
    }
    return QStringLiteral("select * from question where readtextid=") + readtextId;
}

}  // namespace pages

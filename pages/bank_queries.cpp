#include "bank_queries.h"

namespace pages {

QString chapterQuery(const QString& chapterId) {
    return QStringLiteral("select * from tree where id=") + chapterId;
}

QString chapterGroupsQuery(const QString& chapterId) {
    return QStringLiteral("select * from readtext where treeid=") + chapterId +
           QStringLiteral(" order by qtypeid");
}

QString groupQuery(const QString& readtextId) {
    return QStringLiteral("select * from readtext where id=") + readtextId +
           QStringLiteral(" order by qtypeid");
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

QString questionQuery(const QString& questionId) {
    return QStringLiteral("select * from question where id=") + questionId;
}

}  // namespace pages

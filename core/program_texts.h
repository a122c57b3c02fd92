#pragma once

#include <QString>

namespace core {

// Texts the whole program shares: filled at start-up and by the feedback command.
struct ProgramTexts {
    QString SubjectFolder;
    QString VersionFileUrl;
    QString FeedbackQuestionId;
    QString FeedbackQuestionText;
};

ProgramTexts& programTexts();

}  // namespace core

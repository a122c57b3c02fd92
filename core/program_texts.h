#pragma once

#include <QString>

namespace core {

// Texts the whole program shares, filled at start-up.
struct ProgramTexts {
    QString SubjectFolder;
    QString VersionFileUrl;
};

ProgramTexts& programTexts();

}  // namespace core

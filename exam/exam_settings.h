#pragma once

#include <QString>
#include <array>

namespace store {
class Connection;
}

namespace exam {

// The question counts of the next paper, table ts by stored position: single choice, multiple
// choice, case analysis (cases), matching (groups). Row 1 keeps the configured single-choice
// count in fg; its txs is what the next paper draws.
inline constexpr int kExamTypeCount = 4;
using SettingFields = std::array<QString, kExamTypeCount>;

// No type may be set to more than this many questions.
inline constexpr int kMaxQuestionsPerType = 50;

inline const QString kSettingError = QStringLiteral("设置错误！");
inline const QString kOverLimit = QStringLiteral("请仔细看下边的温馨提示，谢谢！");
inline const QString kSettingsSaved = QStringLiteral("设置成功！");

enum class SettingsCheck {
    Accepted,
    SettingError,  // a field empty or not a whole number, or the first three all "0"
    OverLimit,     // some field above kMaxQuestionsPerType
};

// Checks the texts of the four fields in the order the dialog reports them: empty fields,
// then numbers (text other than digits can only be pasted in), then the limit, then the first
// three each exactly "0" ("00" is a count of zero that is accepted).
SettingsCheck checkSettingFields(const SettingFields& fields);

// The counts as the dialog shows them: fg of row 1, txs of rows 2 to 4. Missing rows read as
// empty. Throws core::Error.
SettingFields readSettingFields(store::Connection& bank);

// Writes the four counts (row 1 both txs and fg) as one atomic change. Throws core::Error,
// in which case nothing is written.
void saveSettingFields(store::Connection& bank, const SettingFields& fields);

// Before every paper: row 1's txs takes the configured count back when the title choice is 1
// (副高级职称), else "0" (no single-choice part). Throws core::Error.
void applyTitleChoice(store::Connection& bank, int titleChoice);

}  // namespace exam

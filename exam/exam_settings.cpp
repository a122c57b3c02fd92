#include "exam/exam_settings.h"

#include <algorithm>

#include "store/connection.h"

namespace exam {

namespace {

const QString kCount = QStringLiteral("txs");
const QString kConfigured = QStringLiteral("fg");
const QString kSettingsTable = QStringLiteral("ts");

bool isWholeNumber(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A run of digits too long for an int is far above the limit.
bool isOverLimit(const QString& digits) {
    bool fits = false;
    const int value = digits.toInt(&fits);
    return !fits || value > kMaxQuestionsPerType;
}

}  // namespace

SettingsCheck checkSettingFields(const SettingFields& fields) {
    const auto any = [&fields](auto test) {
        return std::any_of(fields.cbegin(), fields.cend(), test);
    };
    if (any([](const QString& text) { return text.isEmpty(); })) return SettingsCheck::SettingError;
    if (any([](const QString& text) { return !isWholeNumber(text); }))
        return SettingsCheck::SettingError;
    if (any(isOverLimit)) return SettingsCheck::OverLimit;
    const QString zero = QStringLiteral("0");
    if (fields[0] == zero && fields[1] == zero && fields[2] == zero)
        return SettingsCheck::SettingError;
    return SettingsCheck::Accepted;
}

SettingFields readSettingFields(store::Connection& bank) {
    SettingFields fields;
    store::Recordset rows = bank.table(kSettingsTable);
    rows.first();
    for (int row = 0; row < kExamTypeCount && !rows.eof(); ++row, rows.next())
        fields[row] = rows.text(row == 0 ? kConfigured : kCount);
    return fields;
}

void saveSettingFields(store::Connection& bank, const SettingFields& fields) {
    store::Recordset rows = bank.table(kSettingsTable);
    // Either all four counts change or none: a paper must never mix old and new counts.
    store::Connection::Transaction transaction(bank);
    rows.first();
    for (int row = 0; row < kExamTypeCount && !rows.eof(); ++row, rows.next()) {
        rows.edit();
        rows.set(kCount, fields[row]);
        if (row == 0) rows.set(kConfigured, fields[row]);
        rows.post();
    }
    transaction.commit();
}

void applyTitleChoice(store::Connection& bank, int titleChoice) {
    store::Recordset rows = bank.table(kSettingsTable);
    rows.first();
    rows.edit();
    rows.set(kCount, titleChoice == 1 ? rows.text(kConfigured) : QStringLiteral("0"));
    rows.post();
}

}  // namespace exam

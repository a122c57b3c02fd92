#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "bank_conversion.h"

// Where an Access file enters as the question bank: a bank file found in Access format at
// start-up, and a backup in Access format chosen for a restore.
namespace jet {

// Where a start-up conversion keeps the Access original: beside the bank, under a name that
// holds the backup stem (so that the restore dialog takes it back) and the conversion's date
// and time.
QString keptAccessOriginalPath(const QString& bankPath,
                               const QDateTime& when = QDateTime::currentDateTime());

struct InPlaceConversion {
    QString keptOriginal;
    QVector<TableRows> rows;
};

// When the file at `bankPath` is an Access file: converts it into a SQLite bank that takes its
// place, keeping the original's bytes under keptAccessOriginalPath(). Nothing when the file is
// no Access file. Throws core::Error naming the file and the cause; the original is then still
// at `bankPath`, untouched. Killed at any moment, `bankPath` holds the original or the whole
// converted bank, and the original is never changed.
std::optional<InPlaceConversion> convertAccessBankInPlace(const QString& bankPath,
                                                          const Progress& progress = {});

// The restore of store::restoreFromBackup, taking a backup in Access format too: it is
// converted into a temporary bank beside the live one, which is then restored as any backup.
void restoreFromAnyBackup(const QString& backupPath, const QString& bankPath);

}  // namespace jet

#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The question bank's backups as the program names and keeps them, shared by the backup and
// restore dialogs and by vantrel-bank.
namespace store {

// Every backup's name starts with this stem; the restore takes only files whose path holds it.
inline const QString kBackupNameStem = QStringLiteral("Vantrel医药软件数据备份");

// Where a restore keeps the bank it replaced: beside it, under a name that holds the stem (so
// that the restore takes it back) and the date and time of the restore.
QString keptBankPath(const QString& bankPath, const QDateTime& when = QDateTime::currentDateTime());
// The banks kept by earlier restores beside the bank, newest first.
QStringList keptBankPaths(const QString& bankPath);
// A restore leaves this many kept banks; older ones are removed.
inline constexpr int kKeptBankGenerations = 5;
void removeOldKeptBanks(const QString& bankPath);

// Restores the bank at `bankPath` from a backup, keeping the replaced bank under the date and
// time of now and removing kept banks past the newest generations. Throws core::Error (see
// restoreBank) and changes nothing then.
void restoreFromBackup(const QString& backupPath, const QString& bankPath);

}  // namespace store

#include "bank_backups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "bank_copy.h"

namespace store {
namespace {

const QString kKeptDateFormat = QStringLiteral("yyyy-MM-dd HH-mm-ss");

// The kept bank's name for a date and time in kKeptDateFormat, or for a pattern matching them
// (the stem and the full-width brackets hold nothing a pattern reads specially).
QString keptName(const QString& dateTime) {
    return kBackupNameStem + QStringLiteral("（还原前的题库 %1）").arg(dateTime);
}

}  // namespace

QString keptBankPath(const QString& bankPath, const QDateTime& when) {
    return QFileInfo(bankPath).absolutePath() + u'/' + keptName(when.toString(kKeptDateFormat));
}

QStringList keptBankPaths(const QString& bankPath) {
    const QDir folder = QFileInfo(bankPath).absoluteDir();
    static const QRegularExpression kept(
        u'^' + keptName(QStringLiteral(R"(\d{4}-\d\d-\d\d \d\d-\d\d-\d\d)")) + u'$');
    QStringList paths;
    // The date and time in the name sort as they run: by name, newest first.
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name | QDir::Reversed))
        if (kept.match(name).hasMatch()) paths << folder.filePath(name);
    return paths;
}

void removeOldKeptBanks(const QString& bankPath) {
    const QStringList kept = keptBankPaths(bankPath);
    for (qsizetype i = kKeptBankGenerations; i < kept.size(); ++i) QFile::remove(kept[i]);
}

void restoreFromBackup(const QString& backupPath, const QString& bankPath) {
    restoreBank(backupPath, bankPath, keptBankPath(bankPath));
    removeOldKeptBanks(bankPath);
}

}  // namespace store

#include "jet_bank_intake.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "core/error.h"
#include "jet_file.h"
#include "store/bank_backups.h"
#include "store/replacement_file.h"

namespace jet {
namespace {

// Puts what was written into the folder (new names, renames) on the disk.
void syncFolder(const QString& path) {
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY);
    if (folder < 0) return;
    ::fsync(folder);
    ::close(folder);
}

// Gives the original a second name, on the disk before the converted bank takes the first: a
// power cut must not leave the converted bank without the original. A hard link costs nothing;
// where the file system has none (a FAT stick), the bytes are copied, synced and renamed into
// place whole.
void keepOriginal(const QString& original, const QString& kept) {
    const QByteArray from = QFile::encodeName(original);
    const QByteArray to = QFile::encodeName(kept);
    if (::link(from.constData(), to.constData()) != 0) {
        store::ReplacementFile copy(
            kept, [&](const QString& temporary) { store::copyBytes(original, temporary); });
        copy.commit(QFileInfo(original).permissions());
    }
    syncFolder(kept);
}

}  // namespace

QString keptAccessOriginalPath(const QString& bankPath, const QDateTime& when) {
    return QFileInfo(bankPath).absolutePath() + u'/' + store::kBackupNameStem +
           QStringLiteral("（转换前的 Access 题库 %1）.mdb")
               .arg(when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")));
}

std::optional<InPlaceConversion> convertAccessBankInPlace(const QString& bankPath,
                                                          const Progress& progress) {
    if (!isJetFile(bankPath)) return std::nullopt;
    InPlaceConversion done{keptAccessOriginalPath(bankPath), {}};
    done.rows = convertAccessBank(bankPath, bankPath, progress,
                                  [&] { keepOriginal(bankPath, done.keptOriginal); });
    return done;
}

void restoreFromAnyBackup(const QString& backupPath, const QString& bankPath) {
    if (!isJetFile(backupPath)) {
        store::restoreFromBackup(backupPath, bankPath);
        return;
    }
    QDir().mkpath(QFileInfo(bankPath).absolutePath());
    QTemporaryFile converted(bankPath + QStringLiteral(".XXXXXX"));
    if (!converted.open())
        throw core::Error(QStringLiteral("无法写入 %1：%2").arg(bankPath, converted.errorString()));
    converted.close();
    BankConversion(backupPath).writeTo(converted.fileName());
    store::restoreFromBackup(converted.fileName(), bankPath);
}

}  // namespace jet

#include "jet_bank_intake.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "jet_file.h"
#include "store/bank_backups.h"
#include "store/error.h"

namespace jet {
namespace {

QString systemMessage() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Gives the original a second name. A hard link costs nothing and appears at once; where the
// file system has none (a FAT stick), the bytes are copied and renamed into place whole.
void keepOriginal(const QString& original, const QString& kept) {
    const QByteArray from = QFile::encodeName(original);
    const QByteArray to = QFile::encodeName(kept);
    if (::link(from.constData(), to.constData()) == 0) return;
    QTemporaryFile copy(kept + QStringLiteral(".XXXXXX"));
    if (!copy.open())
        throw store::Error(QStringLiteral("无法写入 %1：%2").arg(kept, copy.errorString()));
    copy.close();
    QFile::remove(copy.fileName());
    if (!QFile::copy(original, copy.fileName()) ||
        std::rename(QFile::encodeName(copy.fileName()).constData(), to.constData()) != 0) {
        QFile::remove(copy.fileName());
        throw store::Error(QStringLiteral("无法保留原题库 %1：%2").arg(original, systemMessage()));
    }
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
        throw store::Error(
            QStringLiteral("无法写入 %1：%2").arg(bankPath, converted.errorString()));
    converted.close();
    BankConversion(backupPath).writeTo(converted.fileName());
    store::restoreFromBackup(converted.fileName(), bankPath);
}

}  // namespace jet

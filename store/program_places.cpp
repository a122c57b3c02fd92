#include "store/program_places.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/error.h"
#include "store/connection_string.h"
#include "store/replacement_file.h"

namespace store {

namespace {

QString withSeparator(QString dir) {
    if (!dir.endsWith(u'/')) dir += u'/';
    return dir;
}

QString bankIn(const QString& dir) {
    return ConnectionString(ConnectionString::forDataDirectory(dir)).dataSource();
}

// Both the bank and its folder: the engine writes its journal beside the bank.
bool mayWriteBank(const QString& dir) {
    const QFileInfo bank(bankIn(dir));
    return bank.isFile() && bank.isWritable() && QFileInfo(bank.absolutePath()).isWritable();
}

}  // namespace

core::ProgramPlaces placesFor(const QString& programDir, bool besideExecutable,
                              const QString& userDataDir) {
    if (besideExecutable && mayWriteBank(programDir)) return {programDir, programDir};
    return {programDir, withSeparator(userDataDir)};
}

core::ProgramPlaces programPlaces() {
    const QString executableDir = withSeparator(QCoreApplication::applicationDirPath());
    const bool beside = QFileInfo::exists(executableDir + QStringLiteral("ty.html"));
    const QString programDir =
        beside ? executableDir
               : withSeparator(QDir::cleanPath(executableDir + QStringLiteral("../share/vantrel")));
    // Named here rather than by the application's name, so that the program and its tool find
    // the same folder.
    return placesFor(programDir, beside,
                     QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/Vantrel"));
}

void provideUserBank(const core::ProgramPlaces& places) {
    if (places.dataDir == places.programDir) return;
    const QString userBank = bankIn(places.dataDir);
    const QString shippedBank = bankIn(places.programDir);
    if (QFileInfo::exists(userBank) || !QFileInfo::exists(shippedBank)) return;
    const QString folder = QFileInfo(userBank).absolutePath();
    if (!QDir().mkpath(folder))
        throw core::Error(
            QStringLiteral("无法创建数据文件夹：%1").arg(QDir::toNativeSeparators(folder)));
    // The shipped bank may be read-only; the copy is the user's own to write.
    ReplacementFile copy(userBank, [&](const QString& temp) { copyBytes(shippedBank, temp); });
    copy.commit(kOrdinaryFile);
}

}  // namespace store

#include "temp_bank.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "store/connection_string.h"

namespace {

QString readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    return QString::fromUtf8(f.readAll());
}

void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QStringLiteral("/") + entry.fileName();
        if (entry.isDir()) {
            copyTree(entry.filePath(), target);
        } else {
            QFile::remove(target);
            QFile::copy(entry.filePath(), target);
        }
    }
}

}  // namespace

TempBank::TempBank() {
    if (!dir_.isValid()) throw std::runtime_error("no temporary directory");
    QDir(dir_.path()).mkpath(QStringLiteral("Data"));
    // The bank file is created here directly: the store itself never creates one.
    sqlite3* db = nullptr;
    if (sqlite3_open(bankPath().toUtf8().constData(), &db) != SQLITE_OK)
        throw std::runtime_error("cannot create the test bank");
    sqlite3_close(db);
    run(readFile(QStringLiteral(VANTREL_SOURCE_DIR "/data/schema.sql")));
}

QString TempBank::connectionString() const {
    return store::ConnectionString::forDataDirectory(programDir());
}

void TempBank::run(const QString& sql) const {
    sqlite3* db = nullptr;
    sqlite3_open_v2(bankPath().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    char* err = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err);
    const std::string message = err ? err : "";
    sqlite3_free(err);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("test SQL failed: " + message);
}

void TempBank::installPageAssets() const {
    const QString bin = QStringLiteral(VANTREL_BIN_DIR);
    QFile::copy(bin + QStringLiteral("/ty.html"), programDir() + QStringLiteral("ty.html"));
    for (const QString& folder : {QStringLiteral("tp"), QStringLiteral("ks")}) {
        if (QFileInfo(bin + QStringLiteral("/") + folder).isDir())
            copyTree(bin + QStringLiteral("/") + folder, programDir() + folder);
    }
}

void TempBank::useDemoBank() const {
    const QString bin = QStringLiteral(VANTREL_BIN_DIR);
    QFile::remove(bankPath());
    QFile::copy(bin + QStringLiteral("/Data/med.mdb"), bankPath());
    copyTree(bin + QStringLiteral("/pic"), programDir() + QStringLiteral("pic"));
}

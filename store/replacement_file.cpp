#include "replacement_file.h"

#include <unistd.h>

#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/error.h"

namespace store {

ReplacementFile::ReplacementFile(const QString& path,
                                 const std::function<void(const QString&)>& write)
    : path_(path), temp_(path + QStringLiteral(".XXXXXX")) {
    if (!temp_.open()) {
        throw core::Error(QStringLiteral("无法写入 %1：%2").arg(path, temp_.errorString()));
    }
    temp_.close();
    write(temp_.fileName());
}

void copyBytes(const QString& sourcePath, const QString& tempPath) {
    QFile in(sourcePath);
    QFile out(tempPath);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw core::Error(QStringLiteral("无法复制 %1：%2")
                              .arg(sourcePath, QString::fromLocal8Bit(std::strerror(errno))));
    }
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            throw core::Error(QStringLiteral("无法复制 %1：%2").arg(sourcePath, out.errorString()));
        }
    }
    // On the disk before a rename can give the copy its name.
    if (!out.flush() || ::fsync(out.handle()) != 0)
        throw core::Error(QStringLiteral("无法复制 %1：%2").arg(sourcePath, out.errorString()));
}

void ReplacementFile::commit() {
    // A temporary file is private to its owner.
    const QFileInfo old(path_);
    commit(old.exists() ? old.permissions() : kOrdinaryFile);
}

void ReplacementFile::commit(QFile::Permissions permissions) {
    QFile::setPermissions(temp_.fileName(), permissions);
    if (std::rename(QFile::encodeName(temp_.fileName()).constData(),
                    QFile::encodeName(path_).constData()) != 0) {
        throw core::Error(QStringLiteral("无法写入 %1：%2")
                              .arg(path_, QString::fromLocal8Bit(std::strerror(errno))));
    }
    temp_.setAutoRemove(false);
}

}  // namespace store

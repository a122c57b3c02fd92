#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryFile>
#include <functional>

namespace store {

// The permissions of a file the program makes: its owner reads and writes, others read.
inline const QFile::Permissions kOrdinaryFile = QFile::ReadOwner | QFile::WriteOwner |
                                                QFile::ReadUser | QFile::WriteUser |
                                                QFile::ReadGroup | QFile::ReadOther;

// Copies the bytes of `from` into the file `to` and syncs them to the disk; throws core::Error.
void copyBytes(const QString& from, const QString& to);

// A new file written beside `path` through `write` (given the temporary file's name), put in
// place by commit(): renamed over `path`. Until then `path` is untouched, and the temporary file
// is removed if it never gets there. Throws core::Error when the file cannot be made or renamed.
class ReplacementFile {
  public:
    ReplacementFile(const QString& path, const std::function<void(const QString&)>& write);

    // The result keeps the permissions of the file it replaces, or those of an ordinary file.
    void commit();
    // The result takes these permissions, whatever the file it replaces had.
    void commit(QFile::Permissions permissions);

  private:
    QString path_;
    QTemporaryFile temp_;
};

}  // namespace store

#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// Writes a question bank file from SQL scripts. The bank is built in a temporary file beside the
// target and renamed into place only when every script ran, in one transaction, and the result
// opens as a question bank: a failed build never leaves a half-written bank behind.
class BankFileWriter {
  public:
    struct Script {
        QString name;    // shown in error messages (a file name)
        QByteArray sql;  // UTF-8, any number of statements
    };

    // Writes programDir/Data/med.mdb (making Data/ when missing). Throws core::Error naming
    // the script, its line and the engine's message.
    static void write(const QString& programDir, const QVector<Script>& scripts);

    // A script read from a file (or a Qt resource path); throws core::Error when unreadable.
    static Script readScript(const QString& path);

    // The bank file of a program directory.
    static QString bankPath(const QString& programDir);
};

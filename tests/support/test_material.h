#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

// Test material that is not ours stays outside the project: Access files written by Access and a
// bank-shaped Jet file (testdata/jet/), and the writer of Jet files (tools/make_jet.py).
inline QString testMaterial(const QString& relative) {
    return QStringLiteral(VANTREL_TEST_MATERIAL "/") + relative;
}

// A file's bytes (empty when it cannot be read), to hold a kept original against its source.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The names of a folder's files, hidden ones included, in order and on one line: what a failed
// write may have left beside its target shows in a test's message.
inline std::string fileListing(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden).join(u' ').toStdString();
}

inline bool haveTestMaterial() {
    return QFileInfo::exists(testMaterial(QStringLiteral("testdata/jet/sample-bank.mdb"))) &&
           QFileInfo::exists(testMaterial(QStringLiteral("tools/make_jet.py")));
}

#define SKIP_WITHOUT_TEST_MATERIAL()                                             \
    do {                                                                         \
        if (!haveTestMaterial())                                                 \
            GTEST_SKIP() << "no Access test material at " VANTREL_TEST_MATERIAL; \
    } while (false)

// Runs the Jet writer (make_jet.py ARGS…); the empty string on success, else what it said.
inline QString runJetWriter(const QStringList& args, int timeoutMs = 600000) {
    QProcess writer;
    writer.start(QStringLiteral("python3"),
                 QStringList{testMaterial(QStringLiteral("tools/make_jet.py"))} + args);
    if (!writer.waitForFinished(timeoutMs)) return QStringLiteral("make_jet.py did not finish");
    if (writer.exitStatus() != QProcess::NormalExit || writer.exitCode() != 0)
        return QString::fromUtf8(writer.readAllStandardError());
    return {};
}

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// One run of the built vantrel-bank: exit status (-1 when it crashed or did not finish), the
// bytes it wrote to stdout (the page commands write GBK) and its stderr.
struct ToolRun {
    int status = -1;
    QByteArray out;
    QString err;

    QString outText() const { return QString::fromUtf8(out); }
};

inline ToolRun runTool(const QString& executable, const QStringList& args,
                       const QProcessEnvironment& environment, int timeoutMs = 120000) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(executable, args);
    const bool finished = process.waitForFinished(timeoutMs);
    const bool normal = finished && process.exitStatus() == QProcess::NormalExit;
    return {normal ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

inline ToolRun runVantrelBank(const QStringList& args, int timeoutMs = 120000) {
    return runTool(QStringLiteral(VANTREL_BIN_DIR "/vantrel-bank"), args,
                   QProcessEnvironment::systemEnvironment(), timeoutMs);
}

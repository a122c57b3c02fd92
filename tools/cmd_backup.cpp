#include <QTextStream>

#include "command.h"
#include "store/bank_copy.h"

namespace {

// The backup dialog's copy: the committed bank into FILE, replacing it whole or not at all.
int backup(const QStringList& args) {
    const QString dir = optionValue(args, QStringLiteral("--dir"));
    const QStringList files = positionalArguments(args, {QStringLiteral("--dir")});
    if (dir.isEmpty() || files.size() != 1) {
        QTextStream(stderr) << "usage: vantrel-bank backup --dir DIR FILE\n";
        return 2;
    }
    store::backupBank(bankPathOf(programDirectoryOf(dir)), files.first());
    return 0;
}

const CommandRegistration registration({
    QStringLiteral("backup"),
    QStringLiteral(
        "backup --dir DIR FILE   copies DIR/Data/med.mdb to FILE as the backup dialog does"),
    backup,
});

}  // namespace

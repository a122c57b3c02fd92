#include <QTextStream>

#include "command.h"
#include "store/bank_backups.h"

namespace {

// The restore dialog's copy, with its checks: a refused file leaves the bank and the kept banks
// as they were and ends with status 1 and the reason on stderr.
int restore(const QStringList& args) {
    const QString dir = optionValue(args, QStringLiteral("--dir"));
    const QStringList files = positionalArguments(args, {QStringLiteral("--dir")});
    if (dir.isEmpty() || files.size() != 1) {
        QTextStream(stderr) << "usage: vantrel-bank restore --dir DIR FILE\n";
        return 2;
    }
    store::restoreFromBackup(files.first(), bankPathOf(programDirectoryOf(dir)));
    return 0;
}

const CommandRegistration registration({
    QStringLiteral("restore"),
    QStringLiteral("restore --dir DIR FILE   restores DIR/Data/med.mdb from FILE as the restore "
                   "dialog does, keeping the replaced bank beside it"),
    restore,
});

}  // namespace

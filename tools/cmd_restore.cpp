#include <QTextStream>

#include "command.h"
#include "jet/jet_bank_intake.h"

namespace {

// The restore dialog's copy, with its checks (an Access backup is converted first): a refused file
// leaves the bank and the kept banks as they were and ends with status 1 and the reason on stderr.
int restore(const QStringList& args) {
    const std::optional<BankAndFile> source = bankAndFileOf(args);
    if (!source) {
        QTextStream(stderr) << "usage: vantrel-bank restore [--dir DIR] FILE\n";
        return 2;
    }
    jet::restoreFromAnyBackup(source->file, source->bankPath);
    return 0;
}

const CommandRegistration registration({
    QStringLiteral("restore"),
    QStringLiteral("restore [--dir DIR] FILE   restores DIR/Data/med.mdb from FILE as the restore "
                   "dialog does, keeping the replaced bank beside it"),
    restore,
});

}  // namespace

#include <QTextStream>

#include "command.h"
#include "store/bank_copy.h"

namespace {

// The backup dialog's copy: the committed bank into FILE, replacing it whole or not at all.
int backup(const QStringList& args) {
    const std::optional<BankAndFile> target = bankAndFileOf(args);
    if (!target) {
        QTextStream(stderr) << "usage: vantrel-bank backup [--dir DIR] FILE\n";
        return 2;
    }
    store::backupBank(target->bankPath, target->file);
    return 0;
}

const CommandRegistration registration({
    QStringLiteral("backup"),
    QStringLiteral(
        "backup [--dir DIR] FILE   copies DIR/Data/med.mdb to FILE as the backup dialog does"),
    backup,
});

}  // namespace

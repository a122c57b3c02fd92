#include <QFileInfo>
#include <QTextStream>

#include "command.h"
#include "core/error.h"
#include "jet/bank_conversion.h"

namespace {

// An Access bank into DIR/Data/med.mdb, one line per table with its rows on stdout.
int convertJet(const QStringList& args) {
    QTextStream err(stderr);
    const QString out = optionValue(args, QStringLiteral("--out"));
    const QStringList files = positionalArguments(args, {QStringLiteral("--out")});
    if (out.isEmpty() || files.size() != 1) {
        err << "usage: vantrel-bank convert-jet FILE --out DIR [--replace]\n";
        return 2;
    }
    const QString bank = bankPathOf(programDirectoryOf(out));
    // A bank holds the user's marks and papers: it is replaced only when asked for.
    if (QFileInfo::exists(bank) && !args.contains(QStringLiteral("--replace"))) {
        throw core::Error(QStringLiteral("%1 已有题库；要替换它，请加 --replace").arg(bank));
    }
    QTextStream stdOut(stdout);
    for (const jet::TableRows& table : jet::convertAccessBank(files.first(), bank))
        stdOut << table.table << ' ' << table.rows << '\n';
    err << "已生成 " << bank << '\n';
    return 0;
}

const CommandRegistration registration({
    QStringLiteral("convert-jet"),
    QStringLiteral("convert-jet FILE --out DIR [--replace]   converts an Access (Jet or ACE) "
                   "bank into DIR/Data/med.mdb and prints the rows per table"),
    convertJet,
});

}  // namespace

#include <QTextStream>

#include "bank_file_writer.h"
#include "command.h"
#include "core/error.h"

namespace {

int buildBank(const QStringList& args) {
    QTextStream err(stderr);
    const QString out = optionValue(args, QStringLiteral("--out"));
    const QStringList files = positionalArguments(args, {QStringLiteral("--out")});
    if (out.isEmpty() || files.isEmpty()) {
        err << "usage: vantrel-bank build-bank SQL... --out DIR\n";
        return 2;
    }
    QVector<BankFileWriter::Script> scripts;
    for (const QString& path : files) scripts.push_back(BankFileWriter::readScript(path));
    BankFileWriter::write(out, scripts);
    err << "已生成 " << BankFileWriter::bankPath(out) << "（" << files.size() << " 个 SQL 文件）\n";
    return 0;
}

const CommandRegistration registration({
    QStringLiteral("build-bank"),
    QStringLiteral(
        "build-bank SQL... --out DIR   builds DIR/Data/med.mdb from SQL files, in order"),
    buildBank,
});

}  // namespace

#include <QTextStream>

#include "bank_checker.h"
#include "command.h"
#include "store/connection.h"
#include "store/connection_string.h"

namespace {

int check(const QStringList& args) {
    QTextStream err(stderr);
    const QString dir = optionValue(args, QStringLiteral("--dir"));
    if (dir.isEmpty()) {
        err << "usage: vantrel-bank check --dir DIR\n";
        return 2;
    }
    store::Connection bank(store::ConnectionString::forProgramDirectory(programDirectoryOf(dir)));
    bank.open();
    BankChecker checker(bank, [&err](const QString& progress) {
        err << progress << "\n";
        err.flush();
    });
    QTextStream out(stdout);
    const QVector<BankChecker::Problem> problems = checker.run();
    for (const BankChecker::Problem& problem : problems) out << problem.line() << "\n";
    out << checker.summary() << "\n";
    return problems.isEmpty() ? 0 : 1;
}

const CommandRegistration registration({
    QStringLiteral("check"),
    QStringLiteral("check --dir DIR   reports every inconsistency of DIR/Data/med.mdb"),
    check,
});

}  // namespace

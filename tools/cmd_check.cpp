#include <QTextStream>

#include "bank_checker.h"
#include "command.h"
#include "store/connection.h"
#include "store/connection_string.h"

namespace {

int check(const QStringList& args) {
    QTextStream err(stderr);
    store::Connection bank(store::ConnectionString::forDataDirectory(placesOf(args).dataDir));
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
    QStringLiteral("check [--dir DIR]   reports every inconsistency of DIR/Data/med.mdb"),
    check,
});

}  // namespace

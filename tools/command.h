#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// A sub-command of vantrel-bank. Each lives in a cmd_*.cpp file of its own and registers itself
// with a static CommandRegistration.
struct Command {
    QString name;
    QString usage;  // one line, shown by "vantrel-bank --help"
    std::function<int(const QStringList& args)> run;
};

struct CommandRegistration {
    explicit CommandRegistration(Command command);
};

// Value of "--name VALUE" in args, or fallback. Repeated flags: the last wins.
QString optionValue(const QStringList& args, const QString& name, const QString& fallback = {});
// The program directory named by --dir, absolute and with its trailing separator.
QString programDirectoryOf(const QString& dir);
// The bank file of that program directory, as the program's connection string names it.
QString bankPathOf(const QString& programDir);
// For "COMMAND --dir DIR FILE": the bank of DIR and the one file; nothing when either is missing.
struct BankAndFile {
    QString bankPath;
    QString file;
};
std::optional<BankAndFile> bankAndFileOf(const QStringList& args);
// Arguments that are neither a --flag nor the value of one.
QStringList positionalArguments(const QStringList& args, const QStringList& flagsWithValue);

#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/program_places.h"

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
// The places a command works on: the directory named by --dir, which is both, or else those
// of the installed program as the program itself finds them (the user's bank made on first
// use); throws core::Error when that bank cannot be made.
core::ProgramPlaces placesOf(const QStringList& args);
// The bank file of a data directory, as the program's connection string names it.
QString bankPathOf(const QString& dataDir);
// For "COMMAND [--dir DIR] FILE": the bank of the places and the one file; nothing without the
// file.
struct BankAndFile {
    QString bankPath;
    QString file;
};
std::optional<BankAndFile> bankAndFileOf(const QStringList& args);
// Arguments that are neither a --flag nor the value of one.
QStringList positionalArguments(const QStringList& args, const QStringList& flagsWithValue);

#pragma once

#include <QString>

namespace core {

// Where the program reads its own files and where it keeps the user's, each with its trailing
// separator. The program directory holds the page template, the pictures, the help file, the
// installed version file and the shipped bank; the data directory holds the bank in use
// (Data/med.mdb, with the banks a restore kept beside it), the downloaded version file and is
// where backups are offered first. A portable program directory is both.
struct ProgramPlaces {
    // A portable program directory: the user's data lives in it.
    ProgramPlaces(const QString& programAndDataDir)  // NOLINT: a directory is a portable place
        : programDir(programAndDataDir), dataDir(programAndDataDir) {}
    ProgramPlaces(const QString& programDir, const QString& dataDir)
        : programDir(programDir), dataDir(dataDir) {}

    QString programDir;
    QString dataDir;
};

}  // namespace core

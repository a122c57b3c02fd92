#pragma once

#include <QString>

#include "core/program_places.h"

namespace store {

// The rule: a program directory beside the executable that holds Data/med.mdb and may be
// written keeps the user's data in itself, as a portable copy does. Any other program
// directory (installed, or one this user may not write) only gives the shipped bank, and the
// user's data lives in `userDataDir`.
core::ProgramPlaces placesFor(const QString& programDir, bool besideExecutable,
                              const QString& userDataDir);

// The places of the running program. Its program directory is the executable's folder when
// that holds the page template (the build tree, a portable copy), otherwise the installed one,
// <executable folder>/../share/vantrel/. The user's data directory is the desktop's data
// location for this user (~/.local/share/Vantrel/).
core::ProgramPlaces programPlaces();

// On the first start in a data directory of its own, the shipped bank is copied into it whole:
// a copy that fails leaves no partial bank. A bank already there is the user's and is kept.
// Throws core::Error naming the folder or file when the copy fails.
void provideUserBank(const core::ProgramPlaces& places);

}  // namespace store

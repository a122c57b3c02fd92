#pragma once

#include <QString>

// Architecture notes: copies of the question bank.
//
// Both directions copy with SQLite's online backup API, never by copying bytes, so that a copy
// taken while another connection writes holds the last committed state and nothing half-done.
//
// Backup writes into a new temporary file beside the target and renames it over the target
// (POSIX rename replaces atomically): the chosen name holds its old file or the whole copy.
//
// Restore copies the backup INTO the live bank file instead of renaming a new file over it.
// Windows keep connections open and results keep their handle for posting edits; after a rename
// those handles would go on reading the old, unlinked file and their writes would be lost. The
// backup API writes the live file in one write transaction of the bank's rollback journal (the
// store sets no journal mode): a failure or a crash rolls back to the old bank, and every open
// handle sees the new content at its next statement. A writer holding the bank is waited for
// as long as any statement waits (Database::kBusyTimeoutMs), then the restore fails unchanged.
// Only when no bank file exists, or the file is no SQLite database at all (nothing can hold it
// open as a bank), is the backup put in place by rename.
//
// The bank a restore replaced is kept at a path the caller names, so a wrong restore can be
// undone by restoring that file. It is written there only once the restore has succeeded: a
// failed restore leaves an earlier kept bank as it was.

namespace store {

// Copies the question bank at `bankPath` to `targetPath`, replacing a file of that name.
// Throws core::Error (the engine's or the system's message) and leaves no file behind on failure.
void backupBank(const QString& bankPath, const QString& targetPath);

// Replaces the content of the bank at `bankPath` by the backup at `backupPath`, keeping the
// replaced bank as `keptPath` (a file of that name is replaced, only when the restore has
// succeeded). The backup must be a whole question bank (SQLite, integrity check "ok", every
// table and column of the bank, no view, trigger or table of its own; the program's own tables,
// when it has them, with their own columns); anything else throws core::Error, naming what is
// wrong, and leaves the bank untouched. The bank stays in rollback-journal mode whatever the
// backup's mode. On any failure the bank is either the old or the new one, whole.
void restoreBank(const QString& backupPath, const QString& bankPath, const QString& keptPath);

}  // namespace store

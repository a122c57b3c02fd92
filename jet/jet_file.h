#pragma once

#include <QString>

namespace jet {

// The database formats an Access file can have, told by the file's first page.
enum class FileKind { NotJet, Jet3, Jet4, Ace };

// What the header of the file at `path` says it is; NotJet for anything else, a missing or
// unreadable file included.
FileKind fileKindOf(const QString& path);

inline bool isJetFile(const QString& path) { return fileKindOf(path) != FileKind::NotJet; }

}  // namespace jet

#include "jet_file.h"

#include <QFile>

namespace jet {

FileKind fileKindOf(const QString& path) {
    // Page 0: a magic number, the engine's name at offset 4 and the format version at 0x14
    // (0 Jet 3, 1 Jet 4, 2 and later ACE).
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return FileKind::NotJet;
    const QByteArray head = file.read(0x15);
    if (head.size() < 0x15 || !head.startsWith(QByteArrayLiteral("\x00\x01\x00\x00")))
        return FileKind::NotJet;
    const QByteArray engine = head.mid(4, 15);
    const auto version = uchar(head[0x14]);
    if (engine == QByteArrayLiteral("Standard Jet DB"))
        return version == 0 ? FileKind::Jet3 : FileKind::Jet4;
    if (engine == QByteArrayLiteral("Standard ACE DB")) return FileKind::Ace;
    return FileKind::NotJet;
}

}  // namespace jet

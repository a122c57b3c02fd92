#include "connection_string.h"

#include <QCoreApplication>

namespace store {

QString ConnectionString::forProgramDirectory(const QString& programDir) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;user ID=Admin;Data Source=") +
           programDir + QStringLiteral("Data/med.mdb") +
           QStringLiteral(";Persist Security Info=false") +
           QStringLiteral(";Jet OLEDB:Database Password=qxparoly@!3816dfe");
}

ConnectionString::ConnectionString(const QString& text) : text_(text) {
    // Fields are separated by ';'; a value runs to the next ';' (the password holds '@' and '!').
    for (const QString& part : text.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(u'=');
        if (eq <= 0) continue;
        fields_.insert(part.left(eq).trimmed().toLower(), part.mid(eq + 1));
    }
}

QString ConnectionString::field(const QString& key) const {
    return fields_.value(key.toLower());
}

QString programDirectory() {
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(u'/')) dir += u'/';
    return dir;
}

}  // namespace store

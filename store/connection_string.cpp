#include "connection_string.h"

namespace store {

QString ConnectionString::forDataDirectory(const QString& dataDir) {
    QString dataSource = dataDir + QStringLiteral("Data/med.mdb");
    if (dataSource.contains(u';') || dataSource.startsWith(u'"'))
        dataSource = u'"' + dataSource.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;user ID=Admin;Data Source=") +
           dataSource + QStringLiteral(";Persist Security Info=false") +
           QStringLiteral(";Jet OLEDB:Database Password=qxparoly@!3816dfe");
}

namespace {

// Reads one value starting at `pos`, up to the next ';'. A value in double or single quotes
// may hold ';' (a doubled quote stands for the quote itself); other values are taken as they
// stand (the password holds '@' and '!').
QString readValue(const QString& text, qsizetype& pos) {
    qsizetype start = pos;
    while (start < text.size() && text[start] == u' ') ++start;
    if (start < text.size() && (text[start] == u'"' || text[start] == u'\'')) {
        const QChar quote = text[start];
        QString value;
        qsizetype i = start + 1;
        for (; i < text.size(); ++i) {
            if (text[i] != quote) {
                value += text[i];
            } else if (i + 1 < text.size() && text[i + 1] == quote) {
                value += quote;
                ++i;
            } else {
                break;
            }
        }
        const qsizetype end = text.indexOf(u';', i);
        pos = end < 0 ? text.size() : end + 1;
        return value;
    }
    const qsizetype end = text.indexOf(u';', pos);
    const QString value = text.mid(pos, end < 0 ? -1 : end - pos);
    pos = end < 0 ? text.size() : end + 1;
    return value;
}

}  // namespace

ConnectionString::ConnectionString(const QString& text) : text_(text) {
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype eq = text.indexOf(u'=', pos);
        const qsizetype semicolon = text.indexOf(u';', pos);
        if (eq < 0) break;
        if (semicolon >= 0 && semicolon < eq) {  // a field without '=' is skipped
            pos = semicolon + 1;
            continue;
        }
        const QString key = text.mid(pos, eq - pos).trimmed().toLower();
        pos = eq + 1;
        const QString value = readValue(text, pos);
        if (!key.isEmpty()) fields_.insert(key, value);
    }
}

QString ConnectionString::field(const QString& key) const { return fields_.value(key.toLower()); }

}  // namespace store

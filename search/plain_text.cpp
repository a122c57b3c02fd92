#include "search/plain_text.h"

#include <QRegularExpression>

namespace search {
namespace {

QString decodedReference(const QString& name) {
    static const QHash<QString, QString> named{
        {QStringLiteral("nbsp"), QStringLiteral(" ")}, {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},   {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("quot"), QStringLiteral("\"")}, {QStringLiteral("apos"), QStringLiteral("'")},
    };
    if (!name.startsWith(u'#')) return named.value(name.toLower());
    bool ok = false;
    const uint code = name.startsWith(QStringLiteral("#x"), Qt::CaseInsensitive)
                          ? name.mid(2).toUInt(&ok, 16)
                          : name.mid(1).toUInt(&ok, 10);
    if (!ok || code == 0 || code > 0x10FFFF) return {};
    const char32_t character = code;
    return QString::fromUcs4(&character, 1);
}

}  // namespace

QString plainText(const QString& html) {
    if (!html.contains(u'<') && !html.contains(u'&')) return html.simplified();
    static const QRegularExpression breaks(QStringLiteral(R"(<(br|/p|/div|/li|/tr)\b[^<>]*>)"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tags(QStringLiteral(R"(</?[A-Za-z][^<>]*>)"));
    static const QRegularExpression references(QStringLiteral(R"(&(#?[0-9A-Za-z]+);)"));
    QString text = html;
    text.replace(breaks, QStringLiteral(" ")).remove(tags);
    QString decoded;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& reference : references.globalMatch(text)) {
        const QString character = decodedReference(reference.captured(1));
        if (character.isEmpty()) continue;  // not a reference this text means: kept as written
        decoded += QStringView(text).mid(done, reference.capturedStart() - done);
        decoded += character;
        done = reference.capturedEnd();
    }
    decoded += QStringView(text).mid(done);
    return decoded.simplified();
}

}  // namespace search

#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// What poppler's tools (Debian poppler-utils) read from a PDF file.
namespace pdf_probe {

// A tool's standard output as text; empty when it failed.
inline QString run(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of every page, without any blank (line ends included, since long lines wrap on
// paper), the pages separated by a form feed: a text found in it lies on one page.
inline QString pagedText(const QString& pdf) {
    QStringList pages =
        run(QStringLiteral("pdftotext"),
            {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")})
            .split(u'\f');
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (QString& page : pages) page.remove(blanks);
    return pages.join(u'\f');
}

// The texts that `text` (from pagedText) does not hold whole on one page in this order; empty
// when every one follows the one before it.
inline QStringList missingInOrder(const QString& text, const QStringList& expected) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList missing;
    qsizetype from = 0;
    for (QString item : expected) {
        item.remove(blanks);
        const qsizetype at = text.indexOf(item, from);
        if (at < 0) {
            missing << item;
        } else {
            from = at + item.size();
        }
    }
    return missing;
}

inline QString info(const QString& pdf) { return run(QStringLiteral("pdfinfo"), {pdf}); }

inline int pageCount(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption);
    return pages.match(info(pdf)).captured(1).toInt();
}

// The "emb" column of pdffonts, one entry per font: "yes" for a font embedded in the file.
inline QStringList fontsEmbedded(const QString& pdf) {
    const QStringList lines =
        run(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QStringList embedded;
    for (const QString& line : lines) {
        // name and type may hold blanks; the last five columns are emb, sub, uni, object, ID
        const QStringList columns = line.split(u' ', Qt::SkipEmptyParts);
        if (columns.size() >= 5) embedded << columns[columns.size() - 5];
    }
    return embedded;
}

}  // namespace pdf_probe

// vantrel-bank page: the chapter page a user would see, as one HTML document on stdout or as a
// PDF file.

#include "command.h"
#include "core/error.h"
#include "page_export.h"
#include "pages/chapter_page_builder.h"

namespace {

pages::ViewMode modeNamed(const QString& name) {
    if (name == QStringLiteral("all")) return pages::ViewMode::AllQuestions;
    if (name == QStringLiteral("favourites")) return pages::ViewMode::Favourites;
    if (name == QStringLiteral("wrong")) return pages::ViewMode::WrongQuestions;
    throw core::Error(QStringLiteral("未知的模式 %1（可用：all、favourites、wrong）").arg(name));
}

qint32 chapterIdFrom(const QString& text) {
    bool ok = false;
    const qint32 id = text.toInt(&ok);
    if (!ok) throw core::Error(QStringLiteral("章节编号无效：%1").arg(text));
    return id;
}

int runPage(const QStringList& args) {
    PageExport page(args);
    const qint32 chapterId = chapterIdFrom(requiredOption(args, QStringLiteral("--chapter")));
    const pages::ViewMode mode =
        modeNamed(optionValue(args, QStringLiteral("--mode"), QStringLiteral("all")));
    pages::PageNumbering numbering;
    QString chapter;
    pages::ChapterPageBuilder(page.bank(), page.view(), page.templatePath())
        .build(chapterId, mode, numbering, chapter);
    return page.writeHtmlOrPdf(args);
}

const CommandRegistration registration({
    QStringLiteral("page"),
    QStringLiteral(
        "page [--dir DIR] --chapter ID [--mode all|favourites|wrong] [--pdf FILE]\n"
        "      print a chapter page (GBK HTML); with --pdf write it into FILE as an A4 PDF"),
    runPage,
});

}  // namespace

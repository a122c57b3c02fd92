// vantrel-bank paper: the whole exam paper as one printable page, each question rendered as the
// exam window renders it; with --answers in the review form, with the correct answers. On stdout
// as HTML, or with --pdf as a PDF file.

#include "command.h"
#include "exam/exam_page_render.h"
#include "page_export.h"
#include "pages/question_fragments.h"

namespace {

int runPaper(const QStringList& args) {
    PageExport page(args);
    const exam::ExamPageVariant variant = args.contains(QStringLiteral("--answers"))
                                              ? exam::ExamPageVariant::Review
                                              : exam::ExamPageVariant::Later;
    store::Recordset paper = page.bank().query(QStringLiteral("select * from sj"));
    if (paper.isEmpty())
        throw core::Error(QStringLiteral("试卷表 sj 是空的：请先抽题（vantrel-bank draw）"));
    page.view().load(page.templatePath());
    page.view().waitUntilReady();
    exam::ExamPageRender render(page.bank(), page.view());
    for (paper.first(); !paper.eof(); paper.next()) {
        // A block per question, which the template's print rules keep on one sheet of paper.
        page.view().append(QStringLiteral("<div class=\"question\">"));
        render.render(paper, variant);
        page.view().append(QStringLiteral("</div>"));
        page.view().append(pages::fragments::separator());
    }
    return page.writeHtmlOrPdf(args);
}

const CommandRegistration registration({
    QStringLiteral("paper"),
    QStringLiteral("paper [--dir DIR] [--answers] [--pdf FILE]   print the whole exam paper (GBK\n"
                   "      HTML); with --answers each question is followed by its correct answer;\n"
                   "      with --pdf write it into FILE as an A4 PDF"),
    runPaper,
});

}  // namespace

// vantrel-bank preview: the feedback window's preview of one question, as HTML on stdout.

#include "command.h"
#include "page_export.h"
#include "pages/preview_builder.h"

namespace {

int runPreview(const QStringList& args) {
    PageExport page(args);
    pages::PageNumbering numbering;
    pages::PreviewBuilder(page.bank(), page.view(), page.templatePath())
        .build(requiredOption(args, QStringLiteral("--question")), numbering, {});
    return page.write();
}

const CommandRegistration registration({
    QStringLiteral("preview"),
    QStringLiteral(
        "preview [--dir DIR] --question ID   print the feedback preview of a question (GBK HTML)"),
    runPreview,
});

}  // namespace

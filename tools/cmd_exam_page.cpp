// vantrel-bank exam-page: one question of the exam paper as the exam window shows it.

#include "command.h"
#include "exam/exam_page_render.h"
#include "page_export.h"

namespace {

exam::ExamPageVariant variantNamed(const QString& name) {
    if (name == QStringLiteral("first")) return exam::ExamPageVariant::First;
    if (name == QStringLiteral("later")) return exam::ExamPageVariant::Later;
    if (name == QStringLiteral("jump")) return exam::ExamPageVariant::Jump;
    if (name == QStringLiteral("review")) return exam::ExamPageVariant::Review;
    throw core::Error(
        QStringLiteral("未知的页面形式 %1（可用：first、later、jump、review）").arg(name));
}

int runExamPage(const QStringList& args) {
    PageExport page(args);
    const QString tid = requiredOption(args, QStringLiteral("--tid"));
    const exam::ExamPageVariant variant =
        variantNamed(optionValue(args, QStringLiteral("--variant"), QStringLiteral("first")));
    if (!exam::ExamPageRender(page.bank(), page.view()).show(tid, page.templatePath(), variant))
        throw core::Error(QStringLiteral("试卷中没有题号为 %1 的试题").arg(tid));
    return page.write();
}

const CommandRegistration registration({
    QStringLiteral("exam-page"),
    QStringLiteral("exam-page [--dir DIR] --tid T [--variant first|later|jump|review]\n"
                   "      print the exam page of paper number T (GBK HTML)"),
    runExamPage,
});

}  // namespace

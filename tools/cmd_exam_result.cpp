// vantrel-bank exam-result: marks the paper stored in sj as the hand-in does and prints the
// result page; with --buttons the colour each number button gets instead. Changes nothing.

#include <QTextStream>

#include "command.h"
#include "exam/exam_marking.h"
#include "page_export.h"

namespace {

int runExamResult(const QStringList& args) {
    PageExport page(args);
    const exam::ExamMarks marks = exam::markPaper(page.bank());
    if (args.contains(QStringLiteral("--buttons"))) {
        QTextStream out(stdout);
        for (const exam::ExamMarks::Button& button : marks.buttons)
            out << button.name << ' '
                << (button.colour == exam::ButtonColour::Blue ? "blue" : "red") << '\n';
        return 0;
    }
    exam::showExamResult(page.view(), page.templatePath(), exam::examResultFragment(marks));
    return page.write();
}

const CommandRegistration registration({
    QStringLiteral("exam-result"),
    QStringLiteral(
        "exam-result [--dir DIR] [--buttons]   mark the paper in sj and print the result\n"
        "      page (GBK HTML); with --buttons one line per paper row: its number\n"
        "      button and \"blue\" (right) or \"red\" (wrong)"),
    runExamResult,
});

}  // namespace

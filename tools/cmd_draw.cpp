// vantrel-bank draw: draws a new exam paper into sj, as the exam window does, and prints how
// many rows each exam type got.

#include <QTextStream>

#include "command.h"
#include "exam/paper_drawing.h"
#include "page_export.h"

namespace {

int runDraw(const QStringList& args) {
    PageExport bank(args);
    exam::PaperDrawing(bank.bank(), exam::PaperDrawing::systemRandom()).draw();

    const struct {
        QString lx;
        QString name;
    } types[] = {{QStringLiteral("a1"), QStringLiteral("单项选择题")},
                 {QStringLiteral("a2"), QStringLiteral("多项选择题")},
                 {QStringLiteral("a3"), QStringLiteral("阅读案例分析题")},
                 {QStringLiteral("a4"), QStringLiteral("配伍选择题")}};
    int rows[std::size(types)] = {};
    store::Recordset paper = bank.bank().query(QStringLiteral("select * from sj"));
    for (paper.first(); !paper.eof(); paper.next()) {
        const QString lx = paper.text(QStringLiteral("lx"));
        for (size_t t = 0; t < std::size(types); ++t)
            if (types[t].lx == lx) ++rows[t];
    }
    QTextStream out(stdout);
    for (size_t t = 0; t < std::size(types); ++t)
        out << types[t].lx << " " << types[t].name << "：" << rows[t] << " 行\n";
    out << "合计：" << paper.count() << " 行\n";
    return 0;
}

const CommandRegistration registration({
    QStringLiteral("draw"),
    QStringLiteral("draw [--dir DIR]   draw a new exam paper into sj by the counts in ts"),
    runDraw,
});

}  // namespace

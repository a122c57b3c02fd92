#include "exam/paper_setup.h"

#include "core/error.h"
#include "exam/exam_page_render.h"
#include "exam/paper_number.h"

namespace exam {

const QString PaperSetup::kDescriptionWithSingleChoice = QStringLiteral(
    "第一部分单选题，第二部分是多选题，第三部分是阅读案例分析题，第四部分是配伍选择题");
const QString PaperSetup::kDescriptionWithoutSingleChoice =
    QStringLiteral("第一部分是多选题，第二部分是阅读案例分析题");

QString PaperSetup::firstHint(const QString& lx) {
    if (lx == QStringLiteral("a1"))
        return QStringLiteral("单选题：每个题有一个正确答案，请选择一个正确答案");
    if (lx == QStringLiteral("a2"))
        return QStringLiteral("多选题：每个题有多个正确答案，请选择正确答案");
    if (lx == QStringLiteral("a3")) return QStringLiteral("案例分析题：请选择正确答案");
    if (lx == QStringLiteral("a4")) return QStringLiteral("配伍选择题：请选择正确答案");
    return {};
}

void PaperSetup::FormActivate() {
    ExamWindowState& state = host_.examState();
    if (state.DrawGuard == 2) return;
    state.DrawGuard = 2;
    try {
        setUp();
    } catch (const core::Error& e) {
        host_.closeWaitWindow();
        host_.connection().close();
        host_.messages().reportError(e.message());
    }
}

void PaperSetup::setUp() {
    core::MessageService& messages = host_.messages();
    messages.ask(
        QStringLiteral("试卷描述"),
        host_.titleChoice() == 1 ? kDescriptionWithSingleChoice : kDescriptionWithoutSingleChoice,
        core::MessageService::Buttons::Ok);
    host_.showWaitWindow();

    store::Connection& bank = host_.connection();
    const ExamCounts counts = PaperDrawing(bank, random_).draw();
    store::Recordset paper = bank.query(QStringLiteral("select * from sj"));
    host_.buildNumberPanel(numberPanelLayout(counts, paperNumbersByType(paper)));
    paper.first();
    host_.setPaperSize(paper.count());
    ExamWindowState& state = host_.examState();
    QString firstType;
    if (!paper.isEmpty()) {
        state.CurrentPaperNumber = paper.text(QStringLiteral("tid"));
        host_.paintNumberButton(numberButtonName(state.CurrentPaperNumber), ButtonColour::Red);
        firstType = paper.text(QStringLiteral("lx"));
    }
    host_.page().load(host_.programDir() + QStringLiteral("ty.html"));
    host_.page().waitUntilReady();
    if (!paper.isEmpty()) ExamPageRender(bank, host_.page()).render(paper, ExamPageVariant::First);
    host_.closeWaitWindow();

    const QString hint = firstHint(firstType);
    if (!hint.isEmpty()) {
        messages.ask(QStringLiteral("提示"), hint, core::MessageService::Buttons::Ok);
        state.TypeHintShown[static_cast<std::size_t>(firstType.mid(1).toInt() - 1)] = 1;
    }
    bank.close();
    host_.keyObserver().installByFirstActivation();
}

}  // namespace exam

#include "exam/question_navigation.h"

#include <QVector>
#include <algorithm>

#include "exam/exam_answer_capture.h"
#include "exam/exam_page_render.h"
#include "exam/paper_number.h"
#include "store/sql_text.h"

namespace exam {

const QString QuestionNavigation::kTypeIncomplete =
    QStringLiteral("请答完您所答的题型，才允许做您选择的题型");
const QString QuestionNavigation::kNoMoreQuestions = QStringLiteral("已经到最后了，没题了~！");

namespace {

// The exam type's slot in TypeHintShown, or -1 for a text that names no type.
int typeIndex(const QString& lx) {
    static const QStringList types{QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3"),
                                   QStringLiteral("a4")};
    return int(types.indexOf(lx));
}

}  // namespace

QString QuestionNavigation::typeHint(const QString& lx) {
    switch (typeIndex(lx)) {
        case 0:
            return QStringLiteral("单项选择题,请选择一个正确的答案");
        case 1:
            return QStringLiteral("多项选择题，里边有多个正确答案");
        case 2:
            return QStringLiteral("阅读案例分析题，请选择正确答案");
        case 3:
            return QStringLiteral("配伍选择题，请选择正确答案");
        default:
            return {};
    }
}

void QuestionNavigation::next() { move(Direction::Next); }

void QuestionNavigation::previous() { move(Direction::Previous); }

void QuestionNavigation::move(Direction direction) {
    if (host_.handedIn()) {
        host_.messages().info(direction == Direction::Next
                                  ? QStringLiteral("您已经交卷，不能进行\"下一题\"的操作！")
                                  : QStringLiteral("您已经交卷，不能进行\"上一题\"的操作！"));
        host_.processPendingEvents();
        return;
    }
    const Leaving left = leaveCurrent(CounterLabel::Uncapped);
    const QString target = stepFromCurrent(direction);
    const bool seen = anyRowOfType(target, true);
    if (target == left.type || !left.typeOpen) {
        if (!seen) hintStep(target, seen);
        paintCurrentRed();
        showCurrent(ExamPageVariant::Later, direction == Direction::Previous);
    } else {
        refuse(left.number);
    }
    host_.processPendingEvents();
}

void QuestionNavigation::jump(const QString& caption) {
    if (host_.handedIn()) {
        review(caption);
        return;
    }
    const Leaving left = leaveCurrent(CounterLabel::FromBar);
    ExamWindowState& state = host_.examState();
    state.CurrentPaperNumber = caption;
    const QString target = typeOf(state.CurrentPaperNumber);
    const bool seen = anyRowOfType(target, true);
    if (target == left.type || !left.typeOpen) {
        hintStep(target, seen);
        state.CurrentPaperNumber = caption;
        paintCurrentRed();
        showCurrent(ExamPageVariant::Jump, true);
    } else {
        refuse(left.number);
    }
}

// The start of every move before hand-in: the counter, the answer on the page stored, and the
// question being left with its type and whether that type still has an unanswered row.
QuestionNavigation::Leaving QuestionNavigation::leaveCurrent(CounterLabel label) {
    updateAnsweredCounter(host_, label);
    ExamAnswerCapture(host_).capture();
    const QString number = host_.examState().CurrentPaperNumber;
    const QString type = typeOf(number);
    return {type, number, anyRowOfType(type, false)};
}

void QuestionNavigation::paintCurrentRed() {
    host_.paintNumberButton(numberButtonName(host_.examState().CurrentPaperNumber),
                            ButtonColour::Red);
}

// After hand-in a number shows its question with the correct answer; nothing is stored,
// painted or counted, and the key observer stays down.
void QuestionNavigation::review(const QString& caption) {
    ExamWindowState& state = host_.examState();
    state.CurrentPaperNumber = caption;
    ExamPageRender(host_.connection(), host_.page())
        .show(state.CurrentPaperNumber, host_.programDir() + QStringLiteral("ty.html"),
              ExamPageVariant::Review);
}

QString QuestionNavigation::typeOf(const QString& numberText) {
    // A number without a row (a button beyond the drawn questions) belongs to no type.
    const store::Recordset row = host_.connection().query(paperRowQuery(numberText));
    return row.isEmpty() ? QString() : row.text(QStringLiteral("lx"));
}

bool QuestionNavigation::anyRowOfType(const QString& lx, bool withAnswer) {
    store::Recordset rows =
        host_.connection().query(QStringLiteral("select * from sj where lx=") + store::sqlText(lx));
    for (rows.first(); !rows.eof(); rows.next())
        if (rows.text(QStringLiteral("tjda")).isEmpty() != withAnswer) return true;
    return false;
}

QString QuestionNavigation::stepFromCurrent(Direction direction) {
    struct PaperRow {
        QString number;
        QString lx;
    };
    QVector<PaperRow> rows;
    for (store::Recordset paper = host_.connection().query(QStringLiteral("select * from sj"));
         !paper.eof(); paper.next())
        rows.append({paper.text(QStringLiteral("tid")), paper.text(QStringLiteral("lx"))});

    // The walk goes on after a step, so a later row with the same number is not stepped from
    // again.
    ExamWindowState& state = host_.examState();
    QString target;
    const int last = int(rows.size()) - 1;
    for (int at = 0; at <= last;) {
        if (rows[at].number != state.CurrentPaperNumber) {
            ++at;
            continue;
        }
        const int to = direction == Direction::Next ? std::min(at + 1, last) : std::max(at - 1, 0);
        state.CurrentPaperNumber = rows[to].number;
        target = rows[to].lx;
        at = direction == Direction::Next ? to + 1 : at + 1;
    }
    return target;
}

void QuestionNavigation::hintStep(const QString& target, bool seen) {
    host_.keyObserver().remove();
    const int index = typeIndex(target);
    auto& shown = host_.examState().TypeHintShown;
    if (!seen && index >= 0 && shown[std::size_t(index)] == 0) {
        host_.messages().info(typeHint(target));
        shown[std::size_t(index)] = 1;
    }
    host_.keyObserver().reinstall();
}

// The type on screen still has an unanswered question: the candidate stays on it, and the
// page is not reloaded, so the marks on it stay.
void QuestionNavigation::refuse(const QString& old) {
    host_.keyObserver().remove();
    host_.messages().info(kTypeIncomplete);
    host_.keyObserver().reinstall();
    host_.examState().CurrentPaperNumber = old;
    paintCurrentRed();
}

// A number without a paper row (a button beyond the drawn questions) is left blue and the
// current number moves one down.
void QuestionNavigation::showCurrent(ExamPageVariant variant, bool reportMissing) {
    ExamWindowState& state = host_.examState();
    const QString number = state.CurrentPaperNumber;
    if (ExamPageRender(host_.connection(), host_.page())
            .show(number, host_.programDir() + QStringLiteral("ty.html"), variant))
        return;
    if (reportMissing) host_.messages().info(kNoMoreQuestions);
    host_.paintNumberButton(numberButtonName(number), ButtonColour::Blue);
    state.CurrentPaperNumber = previousPaperNumber(number);
}

}  // namespace exam

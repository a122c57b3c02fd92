#include "exam/exam_hand_in.h"

#include <QDateTime>

#include "core/error.h"
#include "exam/exam_answer_capture.h"
#include "exam/exam_marking.h"
#include "record/learning_record.h"

namespace exam {

const QString ExamHandIn::kAlreadyHandedIn = QStringLiteral("您已经交卷，不能重复交卷！");

void ExamHandIn::handIn() {
    ExamWindowState& state = host_.examState();
    if (state.HandedIn == HandIn::Marked) {
        showResult();
        return;
    }
    if (state.HandedIn == HandIn::ResultShown) {
        host_.messages().info(kAlreadyHandedIn);
        return;
    }
    const bool observing = host_.keyObserver().isInstalled();
    host_.keyObserver().remove();
    host_.stopCountDown();
    ExamMarks marks;
    try {
        updateAnsweredCounter(host_, CounterLabel::FromBar);
        ExamAnswerCapture(host_).capture();
        marks = markPaper(host_.connection());
    } catch (const core::Error&) {
        // Not handed in: the exam goes on as it was.
        host_.resumeCountDown();
        if (observing) host_.keyObserver().reinstall();
        throw;
    }
    state.HandedIn = HandIn::Marked;
    keepInRecord(marks);
    state.ResultTable = examResultFragment(marks);
    host_.setHandedInLegend();
    for (const ExamMarks::Button& button : marks.buttons)
        host_.paintNumberButton(button.name, button.colour);
    showResult();
}

// Once, when the paper is marked: the next press only shows the result again.
void ExamHandIn::keepInRecord(const ExamMarks& marks) {
    record::HandInRecord sitting;
    sitting.kind = record::HandInRecord::Kind::Exam;
    sitting.handedIn = QDateTime::currentDateTime();
    const QDateTime& started = host_.examState().ClockStarted;
    sitting.secondsUsed = started.isValid() ? started.secsTo(sitting.handedIn) : 0;
    sitting.types = examTypeScores(marks);
    record::keepHandIn(host_.connection(), sitting);
}

void ExamHandIn::showResult() {
    ExamWindowState& state = host_.examState();
    showExamResult(host_.page(), host_.programDir() + QStringLiteral("ty.html"), state.ResultTable);
    state.HandedIn = HandIn::ResultShown;
}

}  // namespace exam

#include "exam/exam_hand_in.h"

#include "exam/exam_answer_capture.h"
#include "exam/exam_marking.h"

namespace exam {

const QString ExamHandIn::kAlreadyHandedIn = QStringLiteral("您已经交卷，不能重复交卷！");

void ExamHandIn::handIn() {
    if (host_.handedIn()) {
        host_.messages().info(kAlreadyHandedIn);
        return;
    }
    host_.keyObserver().remove();
    host_.stopCountDown();
    updateAnsweredCounter(host_, CounterLabel::FromBar);
    ExamAnswerCapture(host_).capture();
    host_.setHandedInLegend();

    const ExamMarks marks = markPaper(host_.connection());
    for (const ExamMarks::Button& button : marks.buttons)
        host_.paintNumberButton(button.name, button.colour);
    showExamResult(host_.page(), host_.programDir() + QStringLiteral("ty.html"), marks);
}

}  // namespace exam

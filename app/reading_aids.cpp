#include "reading_aids.h"

#include "core/error.h"

namespace app {

const QString kShowAllAnswersScript = QStringLiteral(
    "function showallans(){var tmpd;  var allnum =10000; var i;  for (i=1;i<=allnum;i++) { "
    "tmpd=document.getElementById(\"xs\"+i);if ((tmpd!=null)&&(tmpd.value=='显示答案')) "
    "tmpd.click(); }\t} showallans();");
const QString kHideAllAnswersScript = QStringLiteral(
    "function showallans(){var tmpd;  var allnum =10000; var i;  for (i=1;i<=allnum;i++) { "
    "tmpd=document.getElementById(\"xs\"+i);if ((tmpd!=null)&&(tmpd.value=='隐藏答案')) "
    "tmpd.click(); }\t} showallans();");

namespace {
// The body's text size is FontStep plus an offset that depends on the direction of the press.
constexpr int kLargerOffset = 14;
constexpr int kSmallerOffset = 12;
constexpr int kLargestStep = 12;  // this step and above are refused
}  // namespace

// Link commands are not honoured while the answer buttons are being pressed by the script.
void ReadingAids::runWithLinksOff(const QString& script) {
    state_.PageShown = 0;
    page_.execScript(script);
    state_.PageShown = 1;
}

void ReadingAids::showAllAnswers() { runWithLinksOff(kShowAllAnswersScript); }

void ReadingAids::hideAllAnswers() { runWithLinksOff(kHideAllAnswersScript); }

void ReadingAids::SpeedButton2Click() {
    state_.PageShown = 0;
    ++state_.FontStep;
    if (state_.FontStep < kLargestStep) {
        page_.waitUntilReady();
        page_.setBodyFontSize(state_.FontStep + kLargerOffset);
    } else {
        // FontStep keeps its raised value: every further press raises it again.
        messages_.info(QStringLiteral("不能将字体设置过大！"));
    }
    state_.PageShown = 1;
}

void ReadingAids::SpeedButton3Click() {
    state_.PageShown = 0;
    --state_.FontStep;
    if (state_.FontStep > 0) {
        try {
            page_.waitUntilReady();
            page_.setBodyFontSize(state_.FontStep + kSmallerOffset);
        } catch (const core::Error&) {
            // Without a page there is no text to size; the command just ends.
        }
    } else {
        state_.FontStep = 0;
        messages_.info(QStringLiteral("不能将字体设置过小！"));
    }
    state_.PageShown = 1;
}

}  // namespace app

#include "re_answer.h"

namespace practice {

void NewImage11Click(ui::MainWindowHost& host) {
    const auto answer = host.messages().ask(
        QStringLiteral("提示"), QStringLiteral("重新答题会清除当前所选的答案，是否继续？"),
        core::MessageService::Buttons::OkCancel);
    if (answer != core::MessageService::Answer::Ok) return;
    host.resetAnswerButtons();
    host.openSelectedNode();
}

}  // namespace practice

#pragma once

#include <QString>

namespace core {
class MessageService;
}

namespace app {

// Run at start-up before anything reads the bank. A bank file in Access format (a real bank
// copied into Data/, or a bank restored by an earlier install's plain copy) is converted into
// the program's bank in its place, its original kept beside it under a name the restore dialog
// takes; a progress window shows while a large bank takes time. A failure is reported, naming
// the file and the cause, and leaves the file as it was: the program then goes on as it does
// for any unreadable bank.
void convertAccessBankOnStart(const QString& dataDir, core::MessageService& messages);

}  // namespace app

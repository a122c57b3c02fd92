// The writes of the program that the crash test kills part-way, each run to its end in a process
// of its own: "flags DIR" rebuilds the wrong-question chapter flags, "hand-in DIR CHAPTER" hands
// in the unanswered page of a chapter, "backup DIR TARGET" and "restore DIR BACKUP KEPT" copy
// the bank out and back, "convert DIR" converts an Access bank file found at start-up in place.
// Prints "done" when the operation has finished.

#include <QCoreApplication>
#include <QTextStream>

#include "app/chapter_flags.h"
#include "core/error.h"
#include "fake_main_window.h"
#include "jet/jet_bank_intake.h"
#include "pages/chapter_page_builder.h"
#include "pageview/text_page_view.h"
#include "practice/hand_in.h"
#include "scripted_messages.h"
#include "store/bank_copy.h"
#include "store/connection_string.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    try {
        if (args.size() == 2 && args[0] == QStringLiteral("flags")) {
            store::Connection bank(store::ConnectionString::forDataDirectory(args[1]));
            app::rebuildChapterFlags(bank, app::FlagColumn{QStringLiteral("ct")});
        } else if (args.size() == 3 && args[0] == QStringLiteral("hand-in")) {
            pageview::TextPageView page;
            ScriptedMessages messages;
            messages.defaultAnswer = core::MessageService::Answer::Yes;  // keep the wrong questions
            FakeMainWindow host(args[1], page, messages);
            pages::ChapterPageBuilder(host.connection(), page, args[1] + QStringLiteral("ty.html"))
                .build(args[2].toInt(), pages::ViewMode::AllQuestions, host.state().numbering,
                       host.state().CurrentChapterId);
            practice::HandIn(host, [] {}).BitBtn1Click();
        } else if (args.size() == 3 && args[0] == QStringLiteral("backup")) {
            store::backupBank(args[1] + QStringLiteral("Data/med.mdb"), args[2]);
        } else if (args.size() == 4 && args[0] == QStringLiteral("restore")) {
            store::restoreBank(args[2], args[1] + QStringLiteral("Data/med.mdb"), args[3]);
        } else if (args.size() == 2 && args[0] == QStringLiteral("convert")) {
            if (!jet::convertAccessBankInPlace(args[1] + QStringLiteral("Data/med.mdb"))) {
                QTextStream(stderr) << "no Access bank in " << args[1] << "\n";
                return 1;
            }
        } else {
            QTextStream(stderr)
                << "usage: crash_worker flags DIR | hand-in DIR CHAPTER | backup DIR TARGET | "
                   "restore DIR BACKUP KEPT | convert DIR\n";
            return 2;
        }
    } catch (const core::Error& e) {
        QTextStream(stderr) << e.message() << "\n";
        return 1;
    }
    out << "done" << Qt::endl;
    return 0;
}

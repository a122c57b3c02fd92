#include "app/chapter_flags.h"

#include "pages/bank_queries.h"
#include "store/connection.h"

namespace app {

namespace {

const QString kSet = QStringLiteral("1");

void flagChapter(store::Connection& bank, const QString& flag, const QString& chapterId) {
    store::Recordset chapter = bank.query(pages::chapterQuery(chapterId));
    // A group whose chapter is gone has no node to mark; it must not stop the whole view.
    if (chapter.isEmpty()) return;
    chapter.edit();
    chapter.set(flag, kSet);
    chapter.post();
}

void flagChaptersOfGroup(store::Connection& bank, const QString& flag, const QString& groupId) {
    store::Recordset groups = bank.query(pages::groupQuery(groupId));
    for (groups.first(); !groups.eof(); groups.next())
        flagChapter(bank, flag, groups.text(QStringLiteral("treeid")));
}

}  // namespace

QString FlagColumn::flaggedQuestionsQuery() const {
    return QStringLiteral("select * from question where ") + name + QStringLiteral("='1'");
}

void rebuildChapterFlags(store::Connection& bank, const FlagColumn& flag) {
    // Thousands of single-row posts would each wait for the disk; one transaction writes them
    // at once and keeps the old flags should any step fail.
    store::Connection::Transaction transaction(bank);
    bank.exec(QStringLiteral("update tree set ") + flag.name + QStringLiteral("=''"));
    store::Recordset questions = bank.query(flag.flaggedQuestionsQuery());
    for (questions.first(); !questions.eof(); questions.next())
        flagChaptersOfGroup(bank, flag.name, questions.text(QStringLiteral("readtextid")));
    transaction.commit();
}

}  // namespace app

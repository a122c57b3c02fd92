#include "hand_in.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>

#include "answer_comparison.h"
#include "core/error.h"
#include "pages/answer_capture.h"
#include "pages/bank_queries.h"
#include "pages/question_group.h"
#include "record/learning_record.h"
#include "score_table.h"

namespace practice {

namespace {

const QString kNotSaved = QStringLiteral("交卷结果未能保存，本次的错题和成绩没有记下：");

}  // namespace

void HandIn::BitBtn1Click() {
    ui::MainWindowState& state = host_.state();
    state.SkipAutoOpen = 1;  // the return from the result window keeps this page
    const int pageShown = state.PageShown;
    state.PageShown = 0;  // the show-all command of the result display sets it again
    try {
        clearLatestMarks();
        markChapter();
        Button1Click();
    } catch (const SaveFailed& error) {
        // The marks are on the page but not in the bank: the user must know. The page stays
        // the exercise page, and its buttons keep working.
        state.PageShown = pageShown;
        host_.messages().reportError(error.message());
    } catch (const core::Error& error) {
        // A hand-in that cannot finish ends without a result; what it wrote stays.
        state.PageShown = pageShown;
        qWarning("hand-in ended early: %s", qUtf8Printable(error.message()));
    }
}

// A bank that cannot be written (read-only, a full disk) fails here first.
void HandIn::clearLatestMarks() {
    try {
        host_.connection().exec(QStringLiteral("update question set ct1=''"));
    } catch (const core::Error& error) {
        throw SaveFailed(kNotSaved + error.message());
    }
}

void HandIn::markChapter() {
    store::Connection& bank = host_.connection();
    ScoreTable scores(bank);
    scores.clear();
    bank.close();
    bank.open();

    const pages::ViewMode mode = pages::viewModeFromKey(host_.modeKey());
    pages::AnswerCapture answers(bank, host_.page().formSnapshot());
    store::Recordset chapter = bank.query(pages::chapterQuery(host_.state().CurrentChapterId));
    const QString chapterKey = chapter.text(QStringLiteral("id"));
    store::Recordset groups = bank.query(pages::chapterGroupsQuery(chapterKey));

    // One write for the whole marking instead of one per wrong question, and one script for
    // all red stems instead of one page round trip each; a marking that stops part-way still
    // keeps the flags and colours of the questions it marked.
    wrongStems_.clear();
    marked_ = {};
    store::Connection::Transaction writes(bank);
    try {
        for (groups.first(); !groups.eof(); groups.next())
            markGroup(groups.text(QStringLiteral("id")), groups.text(QStringLiteral("qtypeid")),
                      mode, answers, scores);
        scores.mergeFixedLabels();
        keepInRecord(chapterKey, mode);
    } catch (const core::Error&) {
        keepMarks(writes);
        throw;
    }
    keepMarks(writes);
}

// Only a marking that went through to its end is recorded, and in its write: a marking that
// cannot be kept is not recorded either.
void HandIn::keepInRecord(const QString& chapterKey, pages::ViewMode mode) {
    marked_.kind = record::HandInRecord::Kind::Practice;
    marked_.handedIn = QDateTime::currentDateTime();
    marked_.chapterId = chapterKey.toLongLong();
    marked_.mode = mode;
    record::keepHandIn(host_.connection(), marked_);
}

// The red stems first, so that the page shows the marking whatever the disk does; then the
// flags and scores, whose loss (a full disk, a lock held past the wait) is reported.
void HandIn::keepMarks(store::Connection::Transaction& writes) {
    colourWrongStems();
    try {
        writes.commit();
    } catch (const core::Error& error) {
        throw SaveFailed(kNotSaved + error.message());
    }
}

void HandIn::colourWrongStems() {
    if (wrongStems_.isEmpty()) return;
    const QJsonDocument ids(QJsonArray::fromStringList(wrongStems_));
    wrongStems_.clear();
    host_.page().execScript(
        QStringLiteral("%1.forEach(function(id){var e=document.getElementById(id);"
                       "if(e)e.style.color='red';});")
            .arg(QString::fromUtf8(ids.toJson(QJsonDocument::Compact))));
}

void HandIn::markGroup(const QString& groupId, const QString& typeId, pages::ViewMode mode,
                       pages::AnswerCapture& answers, ScoreTable& scores) {
    store::Connection& bank = host_.connection();
    const store::Recordset type = pages::readQuestionType(bank, typeId);
    const QString typeCode = type.text(QStringLiteral("code"));
    const QString typeTitle = type.text(QStringLiteral("title"));

    store::Recordset questions = bank.query(pages::groupQuestionQuery(mode, groupId));
    qint64 marked = 0;
    qint64 right = 0;
    for (questions.first(); !questions.eof(); questions.next()) {
        const QString id = questions.text(QStringLiteral("id"));
        if (answersMatch(answers.givenAnswer(id, typeCode),
                         questions.text(QStringLiteral("answer")))) {
            ++right;
        } else {
            questions.edit();
            questions.set(QStringLiteral("ct"), QStringLiteral("1"));
            questions.set(QStringLiteral("ct1"), QStringLiteral("1"));
            questions.post();
            const QString stem = QStringLiteral("fan") + id;
            answers.requireElement(stem);
            wrongStems_ << stem;
        }
        ++marked;
    }
    scores.addRow(typeTitle, marked, right);
    marked_.add(typeTitle, marked, right);
}

void HandIn::Button1Click() {
    showResultWindow_();
    if (host_.modeTitle() == pages::kWrongQuestionsKey) return;
    const auto answer = host_.messages().ask(QStringLiteral("提示"),
                                             QStringLiteral("您是否把这次的错题放到错题题库中？"),
                                             core::MessageService::Buttons::YesNo, true);
    if (answer != core::MessageService::Answer::Yes)
        host_.connection().exec(QStringLiteral("update  question set ct=''where ct1='1'"));
}

}  // namespace practice

#pragma once

#include <QRegularExpression>
#include <QStringList>

#include "fake_main_window.h"
#include "practice/hand_in.h"
#include "practice/re_answer.h"
#include "record/learning_record.h"
#include "record_lines.h"
#include "recording_page_view.h"
#include "scripted_messages.h"
#include "temp_bank.h"

// A chapter page that was built and shown, as the recording page view sees it: every option
// box, drop-down and stem span of the listed questions exists, nothing is answered.
class PracticeFixture {
  public:
    static inline const QString kMatchingTitle = QStringLiteral("B型题配伍选择题");
    static inline const QString kCaseTitle = QStringLiteral(
        "A3/A4型题：每个案例至少有3个提问，每个提问有4-12个备选答案，其中正确答案有一个或多个。");

    PracticeFixture() {
        bank.run(QStringLiteral(
                     "insert into qtype(id, code, title) values"
                     " (1, 8, '阅读案例多个问题8'), (2, 9, '五个公用备选多个题每题一个选项9'),"
                     " (3, 1, 'A1型题'), (4, 2, 'A2型题'), (6, 4, 'X型题'),"
                     " (10, 8, '%1'), (11, 9, '%2');"
                     "insert into tree(id, nodename, code, parentid) values (1, '第一篇', 1, 0), "
                     "(2, '第一章', 0, 1);")
                     .arg(kCaseTitle, kMatchingTitle));
        host.state().CurrentChapterId = QStringLiteral("2");
    }

    void addGroup(int id, int qtypeId, int chapter = 2) const {
        bank.run(QStringLiteral(
                     "insert into readtext(id, treeid, qtypeid, opnum) values (%1, %2, %3, 5)")
                     .arg(id)
                     .arg(chapter)
                     .arg(qtypeId));
    }

    // A choice question whose options carry the given letters (option ids question * 10 + k).
    void addChoice(int id, int group, const QString& answer, const QStringList& letters,
                   bool onPage = true, const QString& flags = QStringLiteral("'', '', ''")) {
        bank.run(QStringLiteral("insert into question(id, readtextid, answer, scbt, ct, ct1) "
                                "values (%1, %2, '%3', %4)")
                     .arg(id)
                     .arg(group)
                     .arg(answer, flags));
        for (int k = 0; k < letters.size(); ++k) {
            const int optionId = id * 10 + k;
            bank.run(
                QStringLiteral("insert into opinion(id, questionid, code) values (%1, %2, '%3')")
                    .arg(optionId)
                    .arg(id)
                    .arg(letters[k]));
            if (onPage) page.elements.insert(QString::number(optionId), {false, letters[k]});
        }
        if (onPage) page.elements.insert(QStringLiteral("fan%1").arg(id), {});
    }

    void addMatching(int id, int group, const QString& answer) {
        bank.run(
            QStringLiteral("insert into question(id, readtextid, answer) values (%1, %2, '%3')")
                .arg(id)
                .arg(group)
                .arg(answer));
        page.elements.insert(QStringLiteral("a%1").arg(id), {false, QStringLiteral("daan")});
        page.elements.insert(QStringLiteral("fan%1").arg(id), {});
    }

    // Ticks the options of a question by letter (option ids as addChoice gives them).
    void tick(int questionId, const QString& letters) {
        for (auto it = page.elements.begin(); it != page.elements.end(); ++it) {
            const int optionId = it.key().toInt();
            if (optionId / 10 == questionId && letters.contains(it->value)) it->checked = true;
        }
    }
    void choose(int questionId, const QString& letter) {
        page.elements[QStringLiteral("a%1").arg(questionId)].value = letter;
    }

    QString flag(int questionId, const QString& column) {
        store::Recordset row = bank.connect().query(
            QStringLiteral("select * from question where id=%1").arg(questionId));
        return row.text(column);
    }
    QStringList questionsWhere(const QString& condition) {
        store::Recordset rows = bank.connect().query(
            QStringLiteral("select * from question where %1 order by id").arg(condition));
        QStringList ids;
        for (rows.first(); !rows.eof(); rows.next()) ids << rows.text(QStringLiteral("id"));
        return ids;
    }
    // The score table as "label sts dd" lines in its row order.
    QStringList scoreRows() {
        store::Recordset rows = bank.connect().query(QStringLiteral("select * from fenshu"));
        QStringList lines;
        for (rows.first(); !rows.eof(); rows.next())
            lines << rows.text(QStringLiteral("tx")) + QLatin1Char(' ') +
                         rows.text(QStringLiteral("sts")) + QLatin1Char(' ') +
                         rows.text(QStringLiteral("dd"));
        return lines;
    }
    // The learning record's hand-ins as "chapter mode: type items/right, …" (mode 0 all
    // questions, 1 favourites, 2 wrong questions).
    QStringList recorded() {
        store::Connection connection = bank.connect();
        QStringList lines;
        for (const record::HandInRecord& handIn : record::LearningRecord(connection).history()) {
            lines << QStringLiteral("%1 %2: ").arg(handIn.chapterId).arg(int(handIn.mode)) +
                         typeScoresLine(handIn);
        }
        return lines;
    }
    // The stems coloured red, whether one by one or by a script over a list of ids.
    QStringList redStems() const {
        QStringList ids;
        for (const auto& [id, colour] : page.colours)
            if (colour == QStringLiteral("red")) ids << id;
        static const QRegularExpression listed(QStringLiteral("\"(fan\\d+)\""));
        for (const QString& script : page.scripts)
            if (script.contains(QStringLiteral(".style.color='red'")))
                for (const auto& match : listed.globalMatch(script)) ids << match.captured(1);
        return ids;
    }

    TempBank bank;
    RecordingPageView page;
    ScriptedMessages messages;
    FakeMainWindow host{bank.programDir(), page, messages};
    int resultWindows = 0;
    practice::HandIn handIn{host, [this] { ++resultWindows; }};
};

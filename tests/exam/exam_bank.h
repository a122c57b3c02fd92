#pragma once

#include <QString>

#include "temp_bank.h"

// A bank for exam tests: groups of any exam type with numbered questions (content "题<id>",
// answer "A", itemnum 1 … n) and the four rows of ts.
class ExamBank : public TempBank {
  public:
    // Adds a group of qtypeid with `questions` questions; returns the group's id. Question ids
    // run on from the previous group's.
    int addGroup(int qtypeid, int questions, int opnum = 0) {
        const int group = nextGroup_++;
        run(QStringLiteral("insert into readtext(id, treeid, qtypeid, content, opnum) "
                           "values (%1, 1, %2, '组%1', %3)")
                .arg(group)
                .arg(qtypeid)
                .arg(opnum > 0 ? QString::number(opnum) : QStringLiteral("null")));
        for (int item = 1; item <= questions; ++item, ++nextQuestion_)
            run(QStringLiteral("insert into question(id, readtextid, content, answer, itemnum) "
                               "values (%1, %2, '题%1', 'A', %3)")
                    .arg(nextQuestion_)
                    .arg(group)
                    .arg(item));
        return group;
    }

    void setCounts(int c1, int c2, int c3, int c4) const {
        run(QStringLiteral(
                "delete from ts; insert into ts(txs, fg) values ('%1', '%1'), ('%2', ''), "
                "('%3', ''), ('%4', '')")
                .arg(c1)
                .arg(c2)
                .arg(c3)
                .arg(c4));
    }

    // The options A-D of each question from `first` to `last`, with the ids question × 10 + 1
    // … 4 (question 11 gets 111 … 114).
    void addOptions(int first, int last) const {
        for (int question = first; question <= last; ++question)
            for (int letter = 0; letter < 4; ++letter)
                run(QStringLiteral("insert into opinion(id, questionid, code, content) "
                                   "values (%1, %2, '%3', '选项%3')")
                        .arg(question * 10 + letter + 1)
                        .arg(question)
                        .arg(QChar(u'A' + letter)));
    }

    int lastQuestionId() const { return nextQuestion_ - 1; }

  private:
    int nextGroup_ = 1;
    int nextQuestion_ = 1;
};

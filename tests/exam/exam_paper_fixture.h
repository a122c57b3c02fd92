#pragma once

#include <gtest/gtest.h>

#include "exam/exam_page_render.h"
#include "exam/paper_number.h"
#include "exam_bank.h"
#include "fake_exam_host.h"

// A drawn paper of every exam type, written straight into sj: single choice 1 and 2 (correct
// A, B), multiple choice 3 (ACD), case 4 with 4.1 and 4.2 (C, D), matching group 5 with four
// questions (C, A, E, B). Every choice question has the options A-D with ids question id × 10
// + 1 … 4 (11 → 111 … 114).
class ExamPaperTest : public testing::Test {
  protected:
    void SetUp() override {
        bank.installPageAssets();
        bank.run(QString::fromUtf8(R"sql(
insert into sj(tid, lx, tg, tgid, da, tjda) values
  ('1', 'a1', '单一', '11', 'A', ''), ('2', 'a1', '单二', '12', 'B', ''),
  ('3', 'a2', '多选', '13', 'ACD', '');
insert into sj(tid, lx, alt, tg, tgid, da, tjda) values
  ('4.1', 'a3', '病例', '案一', '14', 'C', ''), ('4.2', 'a3', '病例', '案二', '15', 'D', '');
insert into sj(tid, lx, alt, tgid, xx, tjda) values ('5', 'a4', '备选', '7', '5', '');
insert into question(id, readtextid, content, answer, itemnum, lx) values
  (201, 7, '配一', 'C', 1, 'a4'), (202, 7, '配二', 'A', 2, 'a4'),
  (203, 7, '配三', 'E', 3, 'a4'), (204, 7, '配四', 'B', 4, 'a4');
)sql"));
        bank.addOptions(11, 15);
        host.setPaperSize(6);
    }

    // The paper as the first activation leaves it, but on `tid`.
    void startAt(const QString& tid) {
        host.state.CurrentPaperNumber = tid;
        host.state.TypeHintShown[0] = 1;
        ASSERT_TRUE(exam::ExamPageRender(host.connection(), host.view)
                        .show(tid, bank.programDir() + "ty.html", exam::ExamPageVariant::First));
        host.observer.installByFirstActivation();
    }

    QString stored(const QString& tid) const {
        store::Connection connection = bank.connect();
        return connection.query(exam::paperRowQuery(tid)).text(QStringLiteral("tjda"));
    }
    QString choiceOf(int question) const {
        store::Connection connection = bank.connect();
        return connection.query(QStringLiteral("select * from question where id=%1").arg(question))
            .text(QStringLiteral("lx"));
    }

    ExamBank bank;
    FakeExamHost host{bank};
};

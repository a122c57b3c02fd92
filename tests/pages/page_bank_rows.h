#pragma once

#include <QString>

#include "temp_bank.h"

// Inserts the rows a page test needs into a TempBank. Texts are quoted for SQL here.
class PageBankRows {
  public:
    explicit PageBankRows(const TempBank& bank) : bank_(bank) {}

    void chapter(int id, int parentId = 0) const {
        bank_.run(QStringLiteral(
                      "insert into tree(id, nodename, code, parentid) values(%1, 'c%1', 0, %2);")
                      .arg(id)
                      .arg(parentId));
    }
    // code is spliced as given, so a test can store a text that is not a number.
    void type(int id, const QString& code, const QString& title) const {
        bank_.run(QStringLiteral("insert into qtype(id, code, title) values(%1, %2, %3);")
                      .arg(id)
                      .arg(code, quoted(title)));
    }
    void group(int id, int chapterId, int typeId, const QString& content,
               const QString& opnum = QStringLiteral("NULL")) const {
        bank_.run(QStringLiteral("insert into readtext(id, treeid, qtypeid, content, opnum) "
                                 "values(%1, %2, %3, %4, %5);")
                      .arg(id)
                      .arg(chapterId)
                      .arg(typeId)
                      .arg(quoted(content), opnum));
    }
    struct Question {
        int id;
        int groupId;
        QString content;
        QString picurl = {};
        QString answer = QStringLiteral("A");
        QString explain = QStringLiteral("解析");
        QString scbt = {};
        QString ct = {};
    };
    void question(const Question& q) const {
        bank_.run(QStringLiteral(
                      "insert into question(id, readtextid, content, picurl, answer, \"explain\", "
                      "scbt, ct) values(%1, %2, %3, %4, %5, %6, %7, %8);")
                      .arg(q.id)
                      .arg(q.groupId)
                      .arg(quoted(q.content), quoted(q.picurl), quoted(q.answer), quoted(q.explain),
                           quoted(q.scbt), quoted(q.ct)));
    }
    void option(int id, int questionId, const QString& code, const QString& content) const {
        bank_.run(QStringLiteral(
                      "insert into opinion(id, questionid, code, content) values(%1, %2, %3, %4);")
                      .arg(id)
                      .arg(questionId)
                      .arg(quoted(code), quoted(content)));
    }

  private:
    static QString quoted(const QString& text) {
        QString doubled = text;
        return u'\'' + doubled.replace(u'\'', QStringLiteral("''")) + u'\'';
    }

    const TempBank& bank_;
};

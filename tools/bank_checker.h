#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace store {
class Connection;
}

// Finds the inconsistencies a question bank can have: answers that name no option of their
// question or list letters out of option order, matching answers beyond the group's opnum or
// above O, groups of an unknown type or outside a chapter, a tree deeper than three levels or
// larger than the 1001 nodes the window can list, and wrong counts of the one-row tables.
class BankChecker {
  public:
    struct Problem {
        QString table;
        qint64 id = 0;  // 0 when the problem is about the table as a whole
        QString text;
        QString line() const;  // "question 1023：…"
    };
    using Progress = std::function<void(const QString&)>;

    static constexpr int kMaxTreeNodes = 1001;

    explicit BankChecker(store::Connection& bank, Progress progress = {});

    QVector<Problem> run();
    QString summary() const;

  private:
    struct Node {
        qint64 parentId;
        qint64 code;
    };
    struct Group {
        qint64 treeId;
        qint64 qtypeId;
        qint64 opnum;
    };

    void checkTree();
    void checkTypes();
    void checkGroups();
    void checkQuestions();
    void checkFixedTables();
    void checkChoiceAnswer(qint64 id, const QString& answer, int code);
    void checkMatchingAnswer(qint64 id, const QString& answer, qint64 opnum);
    void report(const QString& table, qint64 id, const QString& text);

    store::Connection& bank_;
    Progress progress_;
    QVector<Problem> problems_;
    QHash<qint64, Node> nodes_;
    QVector<qint64> nodeOrder_;    // tree ids in stored order, for a stable report
    QHash<qint64, int> levels_;    // node id -> 0 part, 1 section, 2 chapter, 3+ too deep
    QHash<qint64, qint64> codes_;  // qtype id -> layout code
    QHash<qint64, Group> groups_;
    QHash<qint64, QStringList> optionLetters_;  // question id -> option codes in stored order
    int questionCount_ = 0;
};

#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <random>

// A synthetic question bank of any size for benchmarks and tests: parts, sections and chapters,
// groups of every question type (the type rows of the demo bank), case groups of 3-5 questions,
// matching groups with opnum and no options, and the kemu, geshu and ts rows. The same options
// and seed always give the same bank.
class BankGenerator {
  public:
    struct Options {
        int questions = 0;
        int chapterQuestions = 0;  // > 0: the first chapter gets this many questions
        int nodes = 0;             // > 0: the tree gets exactly this many nodes
        quint32 seed = 1;
    };

    // Throws core::Error for options that cannot make a bank (e.g. questions but no chapter).
    explicit BankGenerator(const Options& options);

    // Insert statements for every row (the schema is not included).
    QByteArray rowsSql();

    qint64 firstChapterId() const { return chapters_.isEmpty() ? 0 : chapters_.first(); }
    int questionCount() const { return questionsMade_; }
    int nodeCount() const { return nodesMade_; }

  private:
    struct Group {
        int qtypeId;
        int size;
    };

    void addTree(QByteArray& sql);
    void addNode(QByteArray& sql, int code, qint64 parentId, const QString& name, bool chapter);
    QVector<int> chapterQuotas() const;
    void addChapter(QByteArray& sql, qint64 chapterId, int quota);
    int nextQtypeId(int room);
    void addGroup(QByteArray& sql, qint64 chapterId, const Group& group);
    struct QuestionRow {
        qint64 id;
        qint64 groupId;
        QString content;
        QString answer;
        QString explain;
        int item;
    };
    static void addQuestionRow(QByteArray& sql, const QuestionRow& row);
    void addChoiceQuestion(QByteArray& sql, qint64 groupId, int code, int item);
    void addMatchingQuestion(QByteArray& sql, qint64 groupId, int opnum, int item);
    void addFixedRows(QByteArray& sql) const;

    int between(int low, int high);  // uniform in [low, high], the same on every platform
    QString filler(int minimum, int maximum);

    Options options_;
    std::mt19937 random_;
    QVector<qint64> chapters_;
    QVector<int> pendingTypes_;
    int nodesMade_ = 0;
    int questionsMade_ = 0;
    qint64 nextGroupId_ = 1;
    qint64 nextQuestionId_ = 1;
    qint64 nextOptionId_ = 1;
};

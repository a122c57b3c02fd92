#include "bank_checker.h"

#include <QQueue>

#include "store/connection.h"

namespace {

constexpr int kProgressEvery = 5000;
constexpr int kMaxMatchingOptions = 15;  // letters A to O

}  // namespace

QString BankChecker::Problem::line() const {
    return id > 0 ? QStringLiteral("%1 %2：%3").arg(table).arg(id).arg(text)
                  : QStringLiteral("%1：%2").arg(table, text);
}

BankChecker::BankChecker(store::Connection& bank, Progress progress)
    : bank_(bank), progress_(std::move(progress)) {}

void BankChecker::report(const QString& table, qint64 id, const QString& text) {
    problems_.push_back({table, id, text});
}

QVector<BankChecker::Problem> BankChecker::run() {
    problems_.clear();
    nodes_.clear();
    nodeOrder_.clear();
    levels_.clear();
    codes_.clear();
    groups_.clear();
    optionLetters_.clear();
    checkTree();
    checkTypes();
    checkGroups();
    checkQuestions();
    checkFixedTables();
    return problems_;
}

QString BankChecker::summary() const {
    const QString counts = QStringLiteral("%1 个节点，%2 个题组，%3 题")
                               .arg(nodes_.size())
                               .arg(groups_.size())
                               .arg(questionCount_);
    return problems_.isEmpty()
               ? QStringLiteral("检查完毕（%1）：未发现问题").arg(counts)
               : QStringLiteral("检查完毕（%1）：发现 %2 处问题").arg(counts).arg(problems_.size());
}

// Levels as the window builds the tree: parts are the nodes with code 1, sections their
// children, chapters the sections' children. Anything below a chapter is deeper than the
// window shows; a node no part reaches is not shown at all.
void BankChecker::checkTree() {
    QHash<qint64, QVector<qint64>> children;
    QVector<qint64> parts;
    store::Recordset rows = bank_.query(QStringLiteral("select * from tree"));
    for (rows.first(); !rows.eof(); rows.next()) {
        const qint64 id = rows.integer(QStringLiteral("id"));
        const Node node{rows.integer(QStringLiteral("parentid")),
                        rows.integer(QStringLiteral("code"))};
        nodes_.insert(id, node);
        nodeOrder_ << id;
        children[node.parentId] << id;
        if (node.code == 1) parts << id;
    }
    QQueue<qint64> queue;
    for (qint64 id : parts) {
        levels_.insert(id, 0);
        queue.enqueue(id);
        if (nodes_[id].parentId != 0 && nodes_.contains(nodes_[id].parentId))
            report(QStringLiteral("tree"), id,
                   QStringLiteral("顶层节点（code=1）的上级 parentid=%1 是另一个节点")
                       .arg(nodes_[id].parentId));
    }
    while (!queue.isEmpty()) {
        const qint64 id = queue.dequeue();
        for (qint64 child : children.value(id)) {
            if (levels_.contains(child)) continue;
            levels_.insert(child, levels_[id] + 1);
            queue.enqueue(child);
        }
    }
    int shown = 0;
    for (const qint64 id : nodeOrder_) {
        const int level = levels_.value(id, -1);
        if (level < 0) {
            report(QStringLiteral("tree"), id,
                   QStringLiteral("不在章节树中：上级节点 parentid=%1 不属于任何一篇")
                       .arg(nodes_[id].parentId));
        } else if (level > 2) {
            report(QStringLiteral("tree"), id,
                   QStringLiteral("位于第 %1 层，章节树只有三层（篇、章、节）").arg(level + 1));
        } else {
            ++shown;
        }
    }
    if (shown > kMaxTreeNodes)
        report(QStringLiteral("tree"), 0,
               QStringLiteral("章节树共 %1 个节点，超过 %2 个").arg(shown).arg(kMaxTreeNodes));
}

void BankChecker::checkTypes() {
    store::Recordset rows = bank_.query(QStringLiteral("select * from qtype"));
    for (rows.first(); !rows.eof(); rows.next()) {
        const qint64 id = rows.integer(QStringLiteral("id"));
        const qint64 code = rows.integer(QStringLiteral("code"));
        codes_.insert(id, code);
        if (code < 1 || code > 9)
            report(QStringLiteral("qtype"), id,
                   QStringLiteral("题型代码 code=%1 不在 1 到 9 之间").arg(code));
    }
}

void BankChecker::checkGroups() {
    store::Recordset rows = bank_.query(QStringLiteral("select * from readtext"));
    for (rows.first(); !rows.eof(); rows.next()) {
        const qint64 id = rows.integer(QStringLiteral("id"));
        const Group group{rows.integer(QStringLiteral("treeid")),
                          rows.integer(QStringLiteral("qtypeid")),
                          rows.integer(QStringLiteral("opnum"))};
        groups_.insert(id, group);
        const QString table = QStringLiteral("readtext");
        if (!codes_.contains(group.qtypeId))
            report(table, id,
                   QStringLiteral("题型 qtypeid=%1 在 qtype 表中不存在").arg(group.qtypeId));
        if (!nodes_.contains(group.treeId))
            report(table, id, QStringLiteral("所属章节 treeid=%1 不存在").arg(group.treeId));
        else if (levels_.value(group.treeId, -1) != 2)
            report(table, id,
                   QStringLiteral("所属章节 treeid=%1 不是第三级节点（节）").arg(group.treeId));
        if (codes_.value(group.qtypeId) == 9 &&
            (group.opnum < 1 || group.opnum > kMaxMatchingOptions))
            report(
                table, id,
                QStringLiteral("配伍题组的备选项数 opnum=%1 不在 1 到 15 之间").arg(group.opnum));
    }
}

void BankChecker::checkQuestions() {
    store::Recordset options = bank_.query(QStringLiteral("select * from opinion"));
    for (options.first(); !options.eof(); options.next())
        optionLetters_[options.integer(QStringLiteral("questionid"))]
            << options.text(QStringLiteral("code"));

    store::Recordset rows = bank_.query(QStringLiteral("select * from question"));
    questionCount_ = rows.count();
    for (rows.first(); !rows.eof(); rows.next()) {
        if (rows.position() % kProgressEvery == 0 && progress_)
            progress_(QStringLiteral("已检查 %1/%2 题").arg(rows.position()).arg(rows.count()));
        const qint64 id = rows.integer(QStringLiteral("id"));
        const qint64 groupId = rows.integer(QStringLiteral("readtextid"));
        if (!groups_.contains(groupId)) {
            report(QStringLiteral("question"), id,
                   QStringLiteral("所属题组 readtextid=%1 不存在").arg(groupId));
            continue;
        }
        const Group& group = groups_[groupId];
        if (!codes_.contains(group.qtypeId)) continue;  // reported with the group
        const QString answer = rows.text(QStringLiteral("answer")).trimmed();
        const int code = int(codes_[group.qtypeId]);
        if (code == 9) {
            checkMatchingAnswer(id, answer, group.opnum);
        } else {
            checkChoiceAnswer(id, answer, code);
        }
    }
}

void BankChecker::checkChoiceAnswer(qint64 id, const QString& answer, int code) {
    const QString table = QStringLiteral("question");
    const QStringList letters = optionLetters_.value(id);
    if (letters.isEmpty()) {
        report(table, id, QStringLiteral("没有任何选项"));
        return;
    }
    QStringList distinct = letters;
    if (distinct.removeDuplicates() > 0) report(table, id, QStringLiteral("选项字母有重复"));
    if (answer.isEmpty()) {
        report(table, id, QStringLiteral("没有答案"));
        return;
    }
    if (code <= 3 && answer.size() > 1)
        report(table, id, QStringLiteral("单选题的答案“%1”有多个字母").arg(answer));
    qsizetype previous = -1;
    bool inOrder = true;
    for (const QChar c : answer) {
        const qsizetype index = letters.indexOf(QString(c));
        if (index < 0) {
            report(table, id, QStringLiteral("答案字母 %1 不是本题任何选项的字母").arg(c));
            continue;
        }
        if (index <= previous) inOrder = false;
        previous = index;
    }
    if (!inOrder)
        report(table, id, QStringLiteral("答案“%1”的字母不是按选项顺序排列的").arg(answer));
}

void BankChecker::checkMatchingAnswer(qint64 id, const QString& answer, qint64 opnum) {
    const QString table = QStringLiteral("question");
    if (answer.size() != 1) {
        report(table, id, QStringLiteral("配伍题的答案“%1”应是一个字母").arg(answer));
        return;
    }
    const QChar c = answer[0];
    if (c < u'A' || c > QChar(u'A' + kMaxMatchingOptions - 1)) {
        report(table, id, QStringLiteral("配伍题的答案 %1 不在 A 到 O 之间").arg(c));
    } else if (c.unicode() - u'A' >= opnum) {
        report(table, id,
               QStringLiteral("配伍题的答案 %1 超出本组的 %2 个备选项").arg(c).arg(opnum));
    }
}

void BankChecker::checkFixedTables() {
    const struct {
        const char* table;
        int rows;
    } expected[] = {{"kemu", 1}, {"geshu", 1}, {"ts", 4}};
    for (const auto& e : expected) {
        const QString table = QString::fromLatin1(e.table);
        const int count = bank_.query(QStringLiteral("select * from ") + table).count();
        if (count != e.rows)
            report(table, 0, QStringLiteral("应有 %1 行，实有 %2 行").arg(e.rows).arg(count));
    }
    store::Recordset geshu = bank_.query(QStringLiteral("select * from geshu"));
    if (!geshu.isEmpty() &&
        geshu.text(QStringLiteral("kemugeshu")).trimmed() != QString::number(questionCount_))
        report(QStringLiteral("geshu"), 0,
               QStringLiteral("试题量 %1 与题库中的 %2 题不符")
                   .arg(geshu.text(QStringLiteral("kemugeshu")))
                   .arg(questionCount_));
}

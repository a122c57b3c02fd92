#include "bank_generator.h"

#include <algorithm>
#include <limits>

#include "core/error.h"
#include "store/sql_text.h"

using store::sqlText;

namespace {

// The question types of the demo bank: id, layout code, title.
struct QtypeRow {
    int id;
    int code;
    const char* title;
};
const QtypeRow kQtypes[] = {
    {1, 8, "阅读案例多个问题8"},
    {2, 9, "五个公用备选多个题每题一个选项9"},
    {3, 1, "A1型题：单句型最佳选择题"},
    {4, 2, "A2型题：病例摘要型最佳选择题"},
    {5, 3, "单项选择题：每题只有一个正确答案"},
    {6, 4, "X型题：多项选择题"},
    {7, 5, "多项选择题：每题有两个或两个以上正确答案"},
    {8, 6, "多选题（病例分析型）"},
    {9, 7, "多选题（综合应用型）"},
    {10, 8,
     "A3/A4型题：每个案例至少有3个提问，每个提问有4-12个备选答案，其中正确答案有一个或多个。"},
    {11, 9, "B型题配伍选择题"},
};

int codeOf(int qtypeId) { return kQtypes[qtypeId - 1].code; }

// Tree shape: sections per part, chapters per section.
constexpr int kSectionsPerPart = 8;
constexpr int kChaptersPerSection = 5;
constexpr int kQuestionsPerChapter = 30;
constexpr int kMaxChapters = 800;  // keeps the whole tree within the 1001 nodes of the window

QChar letter(int index) { return QChar(u'A' + index); }

}  // namespace

BankGenerator::BankGenerator(const Options& options) : options_(options), random_(options.seed) {
    if (options_.questions < 0 || options_.chapterQuestions < 0 || options_.nodes < 0)
        throw core::Error(QStringLiteral("题量和节点数不能为负数"));
    options_.questions = std::max(options_.questions, options_.chapterQuestions);
    if (options_.nodes > 0 && options_.nodes < 3 && options_.questions > 0)
        throw core::Error(QStringLiteral("至少要 3 个节点（篇、章、节）才能放入试题"));
}

int BankGenerator::between(int low, int high) {
    if (high <= low) return low;
    return low + int(random_() % quint32(high - low + 1));
}

QString BankGenerator::filler(int minimum, int maximum) {
    static const char* const phrases[] = {"在职业活动中", "接触有害因素的劳动者", "按照有关规定",
                                          "结合临床表现", "进行综合分析",         "并动态观察"};
    QString text;
    const int count = between(minimum, maximum);
    for (int i = 0; i < count; ++i) text += QString::fromUtf8(phrases[between(0, 5)]);
    return text;
}

QByteArray BankGenerator::rowsSql() {
    QByteArray sql;
    sql.reserve(options_.questions * 700 + 4096);
    addTree(sql);
    const QVector<int> quotas = chapterQuotas();
    for (int i = 0; i < chapters_.size(); ++i) addChapter(sql, chapters_[i], quotas[i]);
    addFixedRows(sql);
    return sql;
}

void BankGenerator::addNode(QByteArray& sql, int code, qint64 parentId, const QString& name,
                            bool chapter) {
    const qint64 id = ++nodesMade_;
    sql +=
        QStringLiteral("insert into tree(id, nodename, code, parentid) values(%1, %2, %3, %4);\n")
            .arg(id)
            .arg(sqlText(name))
            .arg(code)
            .arg(parentId)
            .toUtf8();
    if (chapter) chapters_ << id;
}

void BankGenerator::addTree(QByteArray& sql) {
    // Either exactly `nodes` nodes, or parts and sections until the questions have chapters.
    const int wanted =
        options_.questions <= 0
            ? 1
            : std::clamp((options_.questions - options_.chapterQuestions + kQuestionsPerChapter -
                          1) / kQuestionsPerChapter +
                             (options_.chapterQuestions > 0 ? 1 : 0),
                         1, kMaxChapters);
    int nodesLeft = options_.nodes > 0 ? options_.nodes : std::numeric_limits<int>::max();
    int chaptersLeft = options_.nodes > 0 ? std::numeric_limits<int>::max() : wanted;
    for (int part = 1; nodesLeft > 0 && chaptersLeft > 0; ++part) {
        const qint64 partId = nodesMade_ + 1;
        addNode(sql, 1, 0, QStringLiteral("第%1篇 合成篇").arg(part), false);
        --nodesLeft;
        for (int s = 1; s <= kSectionsPerPart && nodesLeft > 0 && chaptersLeft > 0; ++s) {
            const qint64 sectionId = nodesMade_ + 1;
            addNode(sql, 0, partId, QStringLiteral("第%1章 合成章%2").arg(s).arg(sectionId), false);
            --nodesLeft;
            for (int c = 1; c <= kChaptersPerSection && nodesLeft > 0 && chaptersLeft > 0; ++c) {
                addNode(sql, 0, sectionId,
                        QStringLiteral("第%1节 合成节%2").arg(c).arg(nodesMade_ + 1), true);
                --nodesLeft;
                --chaptersLeft;
            }
        }
    }
}

QVector<int> BankGenerator::chapterQuotas() const {
    QVector<int> quotas(chapters_.size(), 0);
    if (chapters_.isEmpty()) return quotas;
    int rest = options_.questions;
    int firstOther = 0;
    if (options_.chapterQuestions > 0 && chapters_.size() > 1) {
        quotas[0] = options_.chapterQuestions;
        rest -= options_.chapterQuestions;
        firstOther = 1;
    }
    const int shared = int(chapters_.size()) - firstOther;
    for (int i = 0; i < shared; ++i)
        quotas[firstOther + i] = rest / shared + (i < rest % shared ? 1 : 0);
    return quotas;
}

void BankGenerator::addChapter(QByteArray& sql, qint64 chapterId, int quota) {
    while (quota > 0) {
        const int qtypeId = nextQtypeId(quota);
        const int code = codeOf(qtypeId);
        const int size =
            code == 8 ? between(3, std::min(5, quota)) : between(1, std::min(5, quota));
        addGroup(sql, chapterId, {qtypeId, size});
        quota -= size;
    }
}

// Types come in shuffled rounds of all eleven, so every type appears once the bank holds a
// dozen groups; a case group (3-5 questions) waits while the chapter has room for fewer.
int BankGenerator::nextQtypeId(int room) {
    for (;;) {
        const auto fits = std::find_if(pendingTypes_.begin(), pendingTypes_.end(),
                                       [&](int id) { return codeOf(id) != 8 || room >= 3; });
        if (fits != pendingTypes_.end()) {
            const int id = *fits;
            pendingTypes_.erase(fits);
            return id;
        }
        QVector<int> round;
        for (const QtypeRow& row : kQtypes) round << row.id;
        for (int i = int(round.size()) - 1; i > 0; --i) std::swap(round[i], round[between(0, i)]);
        pendingTypes_ += round;
    }
}

void BankGenerator::addGroup(QByteArray& sql, qint64 chapterId, const Group& group) {
    const qint64 groupId = nextGroupId_++;
    const int code = codeOf(group.qtypeId);
    QString content;
    int opnum = 0;
    if (code == 8) {
        content = QStringLiteral("案例%1：患者，男，%2岁，%3。")
                      .arg(groupId)
                      .arg(between(20, 60))
                      .arg(filler(3, 8));
    } else if (code == 9) {
        opnum = between(4, 8);
        QStringList lines;
        for (int i = 0; i < opnum; ++i)
            lines << QStringLiteral("%1．备选项%2").arg(letter(i)).arg(i + 1);
        content = lines.join(QStringLiteral("<br>"));
    }
    sql += QStringLiteral(
               "insert into readtext(id, treeid, qtypeid, content, opnum) values(%1, %2, %3, %4, "
               "%5);\n")
               .arg(groupId)
               .arg(chapterId)
               .arg(group.qtypeId)
               .arg(content.isEmpty() ? QStringLiteral("null") : sqlText(content))
               .arg(opnum > 0 ? QString::number(opnum) : QStringLiteral("null"))
               .toUtf8();
    for (int item = 1; item <= group.size; ++item) {
        if (code == 9) {
            addMatchingQuestion(sql, groupId, opnum, item);
        } else {
            addChoiceQuestion(sql, groupId, code, item);
        }
    }
}

void BankGenerator::addChoiceQuestion(QByteArray& sql, qint64 groupId, int code, int item) {
    const qint64 id = nextQuestionId_++;
    ++questionsMade_;
    const int options = code <= 3 ? 5 : code <= 7 ? between(4, 5) : between(4, 6);
    const int correct = code <= 3 ? 1 : code <= 7 ? between(2, options) : between(1, options);
    // Pick `correct` distinct options; the answer lists their letters in option order.
    QVector<int> order;
    for (int i = 0; i < options; ++i) order << i;
    for (int i = options - 1; i > 0; --i) std::swap(order[i], order[between(0, i)]);
    order.resize(correct);
    std::sort(order.begin(), order.end());
    QString answer;
    for (int index : order) answer += letter(index);

    const QString content =
        QStringLiteral("第%1题：%2，下列说法正确的是").arg(id).arg(filler(1, 4));
    addQuestionRow(sql, {id, groupId, content, answer,
                         QStringLiteral("答案为%1。%2。").arg(answer, filler(2, 6)), item});
    for (int i = 0; i < options; ++i) {
        sql += QStringLiteral(
                   "insert into opinion(id, questionid, code, content) values(%1, %2, '%3', %4);\n")
                   .arg(nextOptionId_++)
                   .arg(id)
                   .arg(letter(i))
                   .arg(sqlText(QStringLiteral("选项%1：%2").arg(letter(i)).arg(filler(1, 2))))
                   .toUtf8();
    }
}

void BankGenerator::addQuestionRow(QByteArray& sql, const QuestionRow& row) {
    sql +=
        QStringLiteral(
            "insert into question(id, readtextid, content, picurl, answer, \"explain\", itemnum) "
            "values(%1, %2, %3, '', '%4', %5, %6);\n")
            .arg(row.id)
            .arg(row.groupId)
            .arg(sqlText(row.content))
            .arg(row.answer)
            .arg(sqlText(row.explain))
            .arg(row.item)
            .toUtf8();
}

void BankGenerator::addMatchingQuestion(QByteArray& sql, qint64 groupId, int opnum, int item) {
    const qint64 id = nextQuestionId_++;
    ++questionsMade_;
    const QChar answer = letter(between(0, opnum - 1));
    const QString content = QStringLiteral("第%1题：%2").arg(id).arg(filler(1, 3));
    addQuestionRow(sql, {id, groupId, content, answer,
                         QStringLiteral("答案为%1。%2。").arg(answer).arg(filler(1, 4)), item});
}

void BankGenerator::addFixedRows(QByteArray& sql) const {
    for (const QtypeRow& row : kQtypes) {
        sql += QStringLiteral("insert into qtype(id, code, title) values(%1, %2, %3);\n")
                   .arg(row.id)
                   .arg(row.code)
                   .arg(sqlText(QString::fromUtf8(row.title)))
                   .toUtf8();
    }
    sql += "insert into kemu(ID, mz) values('合成题库', 'hcst');\n";
    sql +=
        QStringLiteral("insert into geshu(kemugeshu) values('%1');\n").arg(questionsMade_).toUtf8();
    sql +=
        "insert into ts(txs, fg) values('40', '40');\n"
        "insert into ts(txs, fg) values('10', '');\n"
        "insert into ts(txs, fg) values('2', '');\n"
        "insert into ts(txs, fg) values('2', '');\n";
}

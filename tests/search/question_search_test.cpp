#include "search/question_search.h"

#include <gtest/gtest.h>

#include <QFile>

#include "core/error.h"
#include "search_bank.h"
#include "store/bank_schema.h"

// The search on the demo bank: what it finds is what the bank holds, by the trigram index for
// three characters or more and by a scan for fewer, whatever the text holds.
namespace {

using search::SearchIndex;

class QuestionSearchTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(bank.refresh(), SearchIndex::Outcome::Built); }

    const search::SearchHit* hitFor(const search::SearchResult& result, qint64 id) {
        for (const search::SearchHit& hit : result.hits)
            if (hit.questionId == id) return &hit;
        return nullptr;
    }

    SearchBank bank;
};

TEST_F(QuestionSearchTest, FindsStemsOptionsAndExplanationsAndMarksTheText) {
    // A stem substring: the stem comes with the text marked, and with its chapter.
    const search::SearchResult stem = bank.find(QStringLiteral("职业性有害因素可分为"));
    ASSERT_EQ(bank.foundIds(QStringLiteral("职业性有害因素可分为")), QList<qint64>{1001});
    const search::SearchHit& hit = stem.hits.first();
    EXPECT_EQ(hit.chapter, QStringLiteral("第一节 职业性有害因素"));
    EXPECT_EQ(hit.chapterId, 111);
    EXPECT_EQ(hit.stem.text, QStringLiteral("按来源分类，职业性有害因素可分为"));
    ASSERT_EQ(hit.stem.marks.size(), 1);
    EXPECT_EQ(hit.stem.text.mid(hit.stem.marks[0].start, hit.stem.marks[0].length),
              QStringLiteral("职业性有害因素可分为"));
    EXPECT_TRUE(hit.foundIn.isEmpty());

    // An option substring, and the same words in other questions' explanations: each says
    // where it holds them.
    const QString words = QStringLiteral("布鲁氏菌");
    const search::SearchResult options = bank.find(words);
    EXPECT_EQ(bank.foundIds(words), bank.holdingIds(words));
    ASSERT_NE(hitFor(options, 1002), nullptr);
    EXPECT_EQ(hitFor(options, 1002)->foundIn, QStringLiteral("选项"));
    EXPECT_TRUE(hitFor(options, 1002)->passage.text.contains(words));
    ASSERT_NE(hitFor(options, 1004), nullptr);
    EXPECT_EQ(hitFor(options, 1004)->foundIn, QStringLiteral("解析"));
    ASSERT_EQ(hitFor(options, 1004)->passage.marks.size(), 1);

    // The text a reader sees: markup inside the words does not hide them.
    EXPECT_EQ(bank.foundIds(QStringLiteral("铅以铅烟、铅尘形式")), QList<qint64>{3001});
    // A matching group's shared choice list answers for its questions.
    EXPECT_FALSE(bank.foundIds(QStringLiteral("石墨尘肺")).isEmpty());
    EXPECT_EQ(bank.foundIds(QStringLiteral("石墨尘肺")),
              bank.holdingIds(QStringLiteral("石墨尘肺")));
}

TEST_F(QuestionSearchTest, ShortTextsLettersInEitherCaseAndTheLimit) {
    // Two characters and one: fewer than a trigram, found by the scan all the same.
    for (const QString& text :
         {QStringLiteral("铅烟"), QStringLiteral("汞"), QStringLiteral("ZP")}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_FALSE(bank.holdingIds(text).isEmpty());
        EXPECT_EQ(bank.foundIds(text), bank.holdingIds(text));
    }
    EXPECT_EQ(bank.foundIds(QStringLiteral("zp")), bank.holdingIds(QStringLiteral("ZP")));
    EXPECT_EQ(bank.foundIds(QStringLiteral("zpp")), bank.holdingIds(QStringLiteral("ZPP")));
    // Blanks at the ends mean nothing; a blank text finds nothing.
    EXPECT_EQ(bank.foundIds(QStringLiteral("  职业性有害因素可分为 ")), QList<qint64>{1001});
    EXPECT_TRUE(bank.find(QStringLiteral("   ")).hits.isEmpty());

    const search::SearchResult five = bank.find(QStringLiteral("的"), 5);
    EXPECT_EQ(five.hits.size(), 5);
    EXPECT_TRUE(five.more);
    const QList<qint64> all = bank.holdingIds(QStringLiteral("的"));
    EXPECT_EQ(bank.foundIds(QStringLiteral("的")), all);
    EXPECT_FALSE(bank.find(QStringLiteral("的"), int(all.size())).more);
}

TEST_F(QuestionSearchTest, AnyTextIsTakenAsItStands) {
    // The demo bank holds "%～" in a few explanations and "～" in many: the percent sign is no
    // wildcard. It holds no "_" at all, which as a wildcard would match every question.
    EXPECT_LT(bank.holdingIds(QStringLiteral("%～")).size(),
              bank.holdingIds(QStringLiteral("～")).size());
    EXPECT_TRUE(bank.holdingIds(QStringLiteral("_")).isEmpty());
    EXPECT_TRUE(bank.foundIds(QStringLiteral("90%～95%")).contains(3002));
    EXPECT_TRUE(bank.foundIds(QStringLiteral("5'-核苷酸酶")).contains(3004));

    const QStringList texts{
        QStringLiteral("%～"),         QStringLiteral("_"),
        QStringLiteral("%"),           QStringLiteral("5'"),
        QStringLiteral("'"),           QStringLiteral("\""),
        QStringLiteral("\"\""),        QStringLiteral("\\"),
        QStringLiteral("\\%"),         QStringLiteral("铅\" OR \"汞"),
        QStringLiteral("NEAR(铅 汞)"), QStringLiteral("stem:铅中毒"),
        QStringLiteral("铅中毒*"),     QStringLiteral("^铅中毒"),
        QStringLiteral("铅 AND 汞"),   QStringLiteral("'); drop table entry; --"),
        QStringLiteral("' or '1'='1"), QStringLiteral("%' or 1=1 --"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        QList<qint64> found;
        EXPECT_NO_THROW(found = bank.foundIds(text));
        EXPECT_EQ(found, bank.holdingIds(text.simplified()));
    }
    // Still the same index, and the bank is still exactly a bank.
    EXPECT_EQ(bank.foundIds(QStringLiteral("职业性有害因素可分为")), QList<qint64>{1001});
    store::Database db(bank.bankPath(), store::Database::Access::ReadOnly);
    EXPECT_EQ(store::schemaProblem(db), QString());

    EXPECT_TRUE(bank.find(QStringLiteral("量子纠缠通信")).hits.isEmpty());
    EXPECT_FALSE(bank.find(QStringLiteral("量子纠缠通信")).more);
}

}  // namespace

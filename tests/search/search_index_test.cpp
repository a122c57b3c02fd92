#include "search/search_index.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "jet/jet_bank_intake.h"
#include "search/index_refresh.h"
#include "search_bank.h"
#include "store/bank_backups.h"
#include "store/bank_copy.h"
#include "test_material.h"
#include "tool_run.h"

// The index is built at first use, beside the bank and never in it, and follows the bank when
// a restore, an Access conversion or a changed text replaces what it was made from; the user's
// own marks never cost a build.
namespace {

using search::SearchIndex;

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kDemoStem = QStringLiteral("职业性有害因素可分为");

TEST(SearchIndexTest, BuiltOnceBesideTheBankAndNeverWritingIt) {
    SearchBank bank;
    const QByteArray before = bytesOf(bank.bankPath());
    EXPECT_EQ(bank.refresh(), SearchIndex::Outcome::Built);
    EXPECT_EQ(bytesOf(bank.bankPath()), before);
    EXPECT_TRUE(QFile::exists(bank.bankPath() + QStringLiteral(".search")));
    EXPECT_EQ(bank.refresh(), SearchIndex::Outcome::Current);

    // Favourites, the wrong-question bank and the exam labels are the user's, not the texts.
    bank.run(
        "update question set scbt='1', ct='1', ct1='1', lx='a2' where id between 1001 and 1010;"
        "update tree set scbt='1';");
    EXPECT_EQ(bank.refresh(), SearchIndex::Outcome::Current);

    // A corrected text under the same ids is another bank all the same.
    bank.run("update question set content='按照职业性有害因素的来源分类' where id=1001;");
    EXPECT_EQ(bank.refresh(), SearchIndex::Outcome::Built);
    EXPECT_TRUE(bank.foundIds(kDemoStem).isEmpty());
    EXPECT_EQ(bank.foundIds(QStringLiteral("按照职业性有害因素的来源")), QList<qint64>{1001});

    // A damaged index file is no index: made anew.
    {
        QFile index(SearchIndex::pathFor(bank.bankPath()));
        ASSERT_TRUE(index.open(QIODevice::WriteOnly | QIODevice::Truncate));
        index.write(QByteArray(8192, 'x'));
    }
    EXPECT_EQ(bank.refresh(), SearchIndex::Outcome::Built);
    EXPECT_EQ(bank.foundIds(QStringLiteral("按照职业性有害因素的来源")), QList<qint64>{1001});
}

TEST(SearchIndexTest, FollowsARestore) {
    SearchBank bank;
    ASSERT_EQ(bank.refresh(), SearchIndex::Outcome::Built);
    ASSERT_EQ(bank.foundIds(kDemoStem), QList<qint64>{1001});

    TempBank other;
    other.run(
        "insert into tree(id, nodename, code, parentid) values (1, '篇', 1, 0), (2, '章', 0, 1),"
        " (3, '另一章节', 0, 2);"
        "insert into qtype(id, code, title) values (3, 1, 'A1型题');"
        "insert into readtext(id, treeid, qtypeid) values (1, 3, 3);"
        "insert into question(id, readtextid, content, answer, \"explain\") values"
        " (7, 1, '另一个题库里的题目', 'A', '只在备份里');"
        "insert into opinion(id, questionid, code, content) values (1, 7, 'A', '甲');"
        "insert into kemu(ID) values ('职业病'); insert into geshu(kemugeshu) values ('1');"
        "insert into ts(txs) values ('1'), ('1'), ('1'), ('1');");
    QTemporaryDir backups;
    const QString backup = backups.filePath(store::kBackupNameStem + QStringLiteral("2024-5-2"));
    store::backupBank(other.bankPath(), backup);
    store::restoreFromBackup(backup, bank.bankPath());

    EXPECT_EQ(bank.refresh(), SearchIndex::Outcome::Built);
    EXPECT_TRUE(bank.foundIds(kDemoStem).isEmpty());
    const search::SearchResult found = bank.find(QStringLiteral("另一个题库"));
    ASSERT_EQ(found.hits.size(), 1);
    EXPECT_EQ(found.hits.first().questionId, 7);
    EXPECT_EQ(found.hits.first().chapter, QStringLiteral("另一章节"));
    EXPECT_EQ(bank.foundIds(QStringLiteral("只在备份")), QList<qint64>{7});
}

TEST(SearchIndexTest, FollowsAnAccessConversion) {
    SKIP_WITHOUT_TEST_MATERIAL();
    SearchBank bank;
    ASSERT_EQ(bank.refresh(), SearchIndex::Outcome::Built);
    QFile::remove(bank.bankPath());
    ASSERT_TRUE(
        QFile::copy(testMaterial(QStringLiteral("testdata/jet/sample-bank.mdb")), bank.bankPath()));
    QFile::setPermissions(bank.bankPath(), QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(jet::convertAccessBankInPlace(bank.bankPath()).has_value());

    EXPECT_EQ(bank.refresh(), SearchIndex::Outcome::Built);
    EXPECT_TRUE(bank.foundIds(kDemoStem).isEmpty());
    EXPECT_TRUE(bank.foundIds(QStringLiteral("磨玻璃影")).contains(100001));
    for (const QString& text :
         {QStringLiteral("磨玻璃影"), QStringLiteral("p<0.05"), QStringLiteral("10%")}) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_FALSE(bank.holdingIds(text).isEmpty());
        EXPECT_EQ(bank.foundIds(text), bank.holdingIds(text));
    }
}

// The window's refresh: on a thread of its own, telling when it builds and when it is done.
TEST(SearchIndexTest, RefreshOffTheCallersThread) {
    SearchBank bank;
    search::IndexRefresh refresh(bank.bankPath());
    QSignalSpy building(&refresh, &search::IndexRefresh::building);
    QSignalSpy finished(&refresh, &search::IndexRefresh::finished);
    refresh.start();
    EXPECT_TRUE(refresh.running());
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(building.size(), 1);
    EXPECT_EQ(finished.first().first().toString(), QString());
    EXPECT_FALSE(refresh.running());
    EXPECT_EQ(bank.foundIds(kDemoStem), QList<qint64>{1001});

    refresh.start();
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_EQ(building.size(), 1);  // the index was the bank's already

    // A bank that is gone is reported, not built from.
    QFile::remove(bank.bankPath());
    refresh.start();
    ASSERT_TRUE(finished.wait(60000));
    EXPECT_TRUE(finished.last().first().toString().contains(QStringLiteral("找不到题库文件")));
}

// vantrel-bank search: the same search for scripts, one question a line.
TEST(SearchIndexTest, TheToolPrintsTheMatches) {
    SearchBank bank;
    const ToolRun first = runVantrelBank({"search", "--dir", bank.programDir(), kDemoStem});
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_EQ(first.outText(),
              QStringLiteral("1001\t第一节 职业性有害因素\t按来源分类，职业性有害因素可分为\n"));
    EXPECT_TRUE(first.err.contains(QStringLiteral("正在建立搜索索引")));

    const ToolRun again = runVantrelBank({"search", "--dir", bank.programDir(), "布鲁氏菌"});
    EXPECT_EQ(again.status, 0);
    EXPECT_TRUE(again.err.isEmpty()) << again.err.toStdString();
    QList<qint64> ids;
    for (const QString& line : again.outText().split(u'\n', Qt::SkipEmptyParts))
        ids << line.section(u'\t', 0, 0).toLongLong();
    EXPECT_EQ(ids, bank.holdingIds(QStringLiteral("布鲁氏菌")));

    const ToolRun odd =
        runVantrelBank({"search", "--dir", bank.programDir(), "'); drop table entry; --"});
    EXPECT_EQ(odd.status, 0) << odd.err.toStdString();
    EXPECT_TRUE(odd.out.isEmpty());
    EXPECT_EQ(runVantrelBank({"search", "--dir", bank.programDir()}).status, 2);
}

}  // namespace

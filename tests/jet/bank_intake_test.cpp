#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include "jet/jet_bank_intake.h"
#include "store/database.h"
#include "test_material.h"

namespace {

// The original is kept under a name of its own even where no hard link can be made (here: the
// name is taken by a stale file of an earlier, interrupted start): its bytes are copied there.
TEST(BankIntakeTest, TheOriginalIsKeptWholeWhenItsNameCannotBeLinked) {
    SKIP_WITHOUT_TEST_MATERIAL();
    const QString sample = testMaterial("testdata/jet/sample-bank.mdb");
    QTemporaryDir dir;
    const QString bank = dir.filePath("Data/med.mdb");
    QDir().mkpath(dir.filePath("Data"));
    ASSERT_TRUE(QFile::copy(sample, bank));
    const QDateTime now = QDateTime::currentDateTime();
    for (int second = 0; second < 3; ++second) {
        QFile stale(jet::keptAccessOriginalPath(bank, now.addSecs(second)));
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("half a copy");
    }
    const std::optional<jet::InPlaceConversion> done = jet::convertAccessBankInPlace(bank);
    ASSERT_TRUE(done.has_value());
    EXPECT_EQ(fileBytes(done->keptOriginal), fileBytes(sample));
    EXPECT_EQ(store::Database(bank).select("select * from question").values.size(), 300);
    EXPECT_FALSE(jet::convertAccessBankInPlace(bank).has_value()) << "converted twice";
}

}  // namespace

// Where the user's data lives: beside a portable program, or in each user's data directory,
// filled from the shipped bank on the first start and never again.
#include "store/program_places.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/error.h"
#include "store/connection.h"
#include "store/connection_string.h"
#include "temp_bank.h"
#include "test_material.h"

namespace {

// A user's data location as the program finds it, under a home of the test's own.
QString userDataLocation(const QTemporaryDir& home) {
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Vantrel");
}

// A start of the installed program: its places, with the user's bank made when missing.
core::ProgramPlaces installedStart(const TempBank& shipped, const QTemporaryDir& home) {
    const core::ProgramPlaces places =
        store::placesFor(shipped.programDir(), false, userDataLocation(home));
    store::provideUserBank(places);
    return places;
}

QString favouriteOf(const QString& dataDir, int questionId) {
    store::Connection bank(store::ConnectionString::forDataDirectory(dataDir));
    return bank.query(QStringLiteral("select scbt from question where id=%1").arg(questionId))
        .text(QStringLiteral("scbt"));
}

void setFavourite(const QString& dataDir, int questionId) {
    store::Connection bank(store::ConnectionString::forDataDirectory(dataDir));
    bank.exec(QStringLiteral("update question set scbt='1' where id=%1").arg(questionId));
}

class ProgramPlaces : public testing::Test {
  protected:
    void SetUp() override {
        shipped.run("insert into question(id, content, scbt) values (7, '题干', '0')");
        shippedBytes = fileBytes(shipped.bankPath());
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

    TempBank shipped;
    QByteArray shippedBytes;
};

}  // namespace

TEST_F(ProgramPlaces, AnInstalledProgramKeepsEachUsersBankApartFromTheShippedOne) {
    QTemporaryDir firstHome, secondHome;

    const core::ProgramPlaces first = installedStart(shipped, firstHome);
    EXPECT_EQ(first.programDir, shipped.programDir());
    EXPECT_EQ(first.dataDir, firstHome.path() + QStringLiteral("/Vantrel/"));
    EXPECT_EQ(fileBytes(first.dataDir + QStringLiteral("Data/med.mdb")), shippedBytes);
    EXPECT_TRUE(QFileInfo(first.dataDir + QStringLiteral("Data/med.mdb")).isWritable());

    // A favourite set by the first user survives the next start: the bank is not copied again.
    setFavourite(first.dataDir, 7);
    const core::ProgramPlaces restarted = installedStart(shipped, firstHome);
    EXPECT_EQ(restarted.dataDir, first.dataDir);
    EXPECT_EQ(favouriteOf(restarted.dataDir, 7), QStringLiteral("1"));

    // Another user starts from the shipped bank.
    const core::ProgramPlaces second = installedStart(shipped, secondHome);
    EXPECT_EQ(favouriteOf(second.dataDir, 7), QStringLiteral("0"));

    EXPECT_EQ(fileBytes(shipped.bankPath()), shippedBytes);
    EXPECT_EQ(QDir(shipped.programDir() + QStringLiteral("Data")).entryList(QDir::Files),
              QStringList{QStringLiteral("med.mdb")});
}

TEST_F(ProgramPlaces, AWritableProgramDirectoryBesideTheProgramKeepsTheDataItself) {
    QTemporaryDir home;
    const core::ProgramPlaces places =
        store::placesFor(shipped.programDir(), true, userDataLocation(home));
    store::provideUserBank(places);
    EXPECT_EQ(places.dataDir, shipped.programDir());
    EXPECT_FALSE(QFileInfo::exists(home.path() + QStringLiteral("/Vantrel")));

    // Beside the program but without a bank of its own, it is no portable copy.
    QTemporaryDir bare;
    const core::ProgramPlaces withoutBank =
        store::placesFor(bare.path() + u'/', true, userDataLocation(home));
    EXPECT_EQ(withoutBank.dataDir, home.path() + QStringLiteral("/Vantrel/"));
}

TEST_F(ProgramPlaces, AProgramDirectoryTheUserMayNotWriteKeepsTheDataInTheUsersDirectory) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write a read-only folder";
    QTemporaryDir home;
    QFile::setPermissions(shipped.bankPath(), QFile::ReadOwner | QFile::ReadGroup);
    const core::ProgramPlaces places =
        store::placesFor(shipped.programDir(), true, userDataLocation(home));
    store::provideUserBank(places);
    EXPECT_EQ(places.dataDir, home.path() + QStringLiteral("/Vantrel/"));
    EXPECT_EQ(fileBytes(places.dataDir + QStringLiteral("Data/med.mdb")), shippedBytes);
}

TEST_F(ProgramPlaces, AUserBankThatCannotBeMadeIsAnErrorNamingTheFolder) {
    QTemporaryDir home;
    // A file where the data directory should be.
    QFile blocker(home.path() + QStringLiteral("/Vantrel"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const core::ProgramPlaces places =
        store::placesFor(shipped.programDir(), false, blocker.fileName());
    try {
        store::provideUserBank(places);
        FAIL() << "no error";
    } catch (const core::Error& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("无法创建数据文件夹")))
            << error.message().toStdString();
    }
    EXPECT_TRUE(QFileInfo(blocker.fileName()).isFile());
}

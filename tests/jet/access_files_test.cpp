#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "core/error.h"
#include "jet/bank_conversion.h"
#include "jet/jet_reader.h"
#include "test_material.h"

// Files written by Access itself: the reader must read them as mdbtools' own tools do, and a
// file that is no question bank must be refused by name before anything is written.
namespace {

QString mdbTool(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    EXPECT_TRUE(process.waitForFinished(60000)) << tool.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString accessFile(const char* name) {
    return testMaterial(QStringLiteral("testdata/jet/") + QLatin1String(name));
}

class AccessFilesTest : public testing::TestWithParam<const char*> {};

TEST_P(AccessFilesTest, EveryTableReadsWithTheRowCountsOfMdbtools) {
    SKIP_WITHOUT_TEST_MATERIAL();
    const QString path = accessFile(GetParam());
    jet::Reader reader(path);
    const QStringList tables = reader.tableNames();
    EXPECT_EQ(tables, mdbTool("mdb-tables", {"-1", path}).split(u'\n'));
    for (const QString& name : tables) {
        SCOPED_TRACE(name.toStdString());
        jet::Table table = reader.table(name);
        qint64 values = 0;
        const qint64 rows = table.readRows([&](const std::vector<jet::Value>& row) {
            EXPECT_EQ(row.size(), size_t(table.columns().size()));
            values += qint64(row.size());
        });
        EXPECT_EQ(QString::number(rows), mdbTool("mdb-count", {path, name}));
        EXPECT_EQ(values, rows * table.columns().size());
    }
}

TEST_P(AccessFilesTest, AFileThatIsNoBankIsRefusedNamingTheMissingTable) {
    SKIP_WITHOUT_TEST_MATERIAL();
    const QString path = accessFile(GetParam());
    QTemporaryDir dir;
    const QString bank = dir.filePath("Data/med.mdb");
    try {
        jet::convertAccessBank(path, bank);
        FAIL() << "converted";
    } catch (const core::Error& error) {
        EXPECT_EQ(error.message(), path + " 不是题库：缺少数据表 tree");
    }
    EXPECT_FALSE(QFileInfo::exists(bank));
    EXPECT_TRUE(QDir(dir.filePath("Data")).entryList(QDir::Files).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(WrittenByAccess, AccessFilesTest,
                         testing::Values("nwind.mdb", "DateTestDatabase.mdb",
                                         "ASampleDatabase.accdb"));

// The values themselves, where the file's README says what they are: a long integer key, dates,
// a memo and a text, and a table whose name is not ASCII.
TEST(AccessValuesTest, DatesMemosTextsAndNonAsciiNamesComeThrough) {
    SKIP_WITHOUT_TEST_MATERIAL();
    jet::Reader dates(accessFile("DateTestDatabase.mdb"));
    EXPECT_EQ(dates.kind(), jet::FileKind::Jet4);
    jet::Table table = dates.table("datetest");  // Jet compares names without case
    QStringList first;
    table.readRows([&](const std::vector<jet::Value>& row) {
        if (!first.isEmpty()) return;
        EXPECT_EQ(row[0].kind, jet::Value::Kind::Integer);
        EXPECT_EQ(row[0].integer, 1);
        for (const jet::Value& value : row)
            first << QString::fromUtf8(value.bytes.data(), qsizetype(value.bytes.size()));
    });
    EXPECT_EQ(first.mid(1), (QStringList{"2021-12-02 00:00:00", "2021-12-02 00:00:00",
                                         "2021-12-02 00:00:00", "Hello", "Hello"}));

    jet::Reader northwind(accessFile("nwind.mdb"));
    EXPECT_EQ(northwind.kind(), jet::FileKind::Jet3);
    EXPECT_TRUE(northwind.tableNames().contains(QStringLiteral("Umsätze")));
    EXPECT_EQ(jet::Reader(accessFile("ASampleDatabase.accdb")).kind(), jet::FileKind::Ace);
}

TEST(AccessValuesTest, WhatIsNoAccessFileIsRefusedWithItsName) {
    QTemporaryDir dir;
    QFile text(dir.filePath("notes.mdb"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Standard Jet DB, or so it says");
    text.close();
    for (const QString& path : {text.fileName(), dir.filePath("missing.mdb")}) {
        try {
            jet::Reader reader(path);
            ADD_FAILURE() << "opened " << path.toStdString();
        } catch (const core::Error& error) {
            EXPECT_TRUE(error.message().startsWith("无法读取 Access 数据库 " + path + "："))
                << error.message().toStdString();
        }
    }
}

}  // namespace

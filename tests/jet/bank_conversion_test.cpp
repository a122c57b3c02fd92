#include "jet/bank_conversion.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "core/error.h"
#include "store/bank_schema.h"
#include "store/database.h"
#include "test_material.h"

// A bank written as a Jet 4 file comes out as the SQLite bank with every value as it was stored:
// NULL apart from "", memos past libmdb's 16 KiB bind size whole, Chinese intact, the limits of
// a long integer exact, the rows of the tables without a key in their stored order.
namespace {

QJsonObject readJson(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QJsonDocument::fromJson(file.readAll()).object();
}

// Rows of tables keyed by `id` come back by their key; the others in the order stored.
QJsonArray expectedRows(const QJsonObject& bank, const QString& table) {
    const QJsonArray rows = bank.value(table).toArray();
    if (rows.isEmpty() || !rows.first().toObject().contains("id")) return rows;
    QList<QJsonValue> sorted(rows.begin(), rows.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const QJsonValue& a, const QJsonValue& b) {
        return a.toObject().value("id").toInteger() < b.toObject().value("id").toInteger();
    });
    QJsonArray byKey;
    for (const QJsonValue& row : sorted) byKey.append(row);
    return byKey;
}

// Compares every table of the converted bank with the JSON it was written from; returns the
// longest text seen, so that a test can see its memos were long ones.
qsizetype expectBankEquals(const QString& bankPath, const QJsonObject& json) {
    store::Database bank(bankPath, store::Database::Access::ReadOnly);
    qsizetype longest = 0;
    for (const store::BankTable& table : store::bankTables()) {
        SCOPED_TRACE(table.name.toStdString());
        const QJsonArray expected = expectedRows(json, table.name);
        const store::Database::Rows rows = bank.select("select \"" + table.columns.join("\", \"") +
                                                       "\" from " + table.name + " order by rowid");
        EXPECT_EQ(rows.values.size(), expected.size());
        if (rows.values.size() != expected.size()) continue;
        for (qsizetype r = 0; r < expected.size(); ++r) {
            const QJsonObject want = expected[r].toObject();
            for (qsizetype c = 0; c < table.columns.size(); ++c) {
                const QString& column = table.columns[c];
                const QJsonValue value = want.value(column);
                const QVariant& got = rows.values[r][c];
                SCOPED_TRACE(testing::Message() << "row " << r + 1 << " " << column.toStdString());
                if (value.isNull()) {
                    EXPECT_TRUE(got.isNull()) << got.toString().toStdString();
                } else if (value.isString()) {
                    EXPECT_FALSE(got.isNull());
                    EXPECT_EQ(got.toString(), value.toString());
                    longest = std::max(longest, value.toString().toUtf8().size());
                } else {
                    EXPECT_FALSE(got.isNull());
                    EXPECT_EQ(got.toLongLong(), value.toInteger());
                }
            }
        }
    }
    EXPECT_EQ(store::schemaProblem(bank), QString());
    return longest;
}

const QString kSampleJson = testMaterial("testdata/jet/sample-bank.json");

TEST(BankConversionTest, TheSampleBankComesOutValueForValue) {
    SKIP_WITHOUT_TEST_MATERIAL();
    QTemporaryDir dir;
    const QString bank = dir.filePath("Data/med.mdb");
    const QVector<jet::TableRows> rows =
        jet::convertAccessBank(testMaterial("testdata/jet/sample-bank.mdb"), bank);
    const QJsonObject json = readJson(kSampleJson);
    ASSERT_EQ(rows.size(), qsizetype(store::bankTables().size()));
    for (const jet::TableRows& table : rows)
        EXPECT_EQ(table.rows, json.value(table.table).toArray().size())
            << table.table.toStdString();
    EXPECT_GT(expectBankEquals(bank, json), 16384);
    // Nothing but the bank is left in its folder.
    EXPECT_EQ(QDir(dir.filePath("Data")).entryList(QDir::Files), QStringList{"med.mdb"});
}

TEST(BankConversionTest, TextStoredUncompressedAndAFileWithoutPasswordReadAlike) {
    SKIP_WITHOUT_TEST_MATERIAL();
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.mdb");
    ASSERT_EQ(runJetWriter({kSampleJson, plain, "--no-compress", "--password", ""}), QString());
    jet::convertAccessBank(plain, dir.filePath("Data/med.mdb"));
    expectBankEquals(dir.filePath("Data/med.mdb"), readJson(kSampleJson));
}

// The integer limits and NULL next to "" in every kind of column, in a bank of our own making.
TEST(BankConversionTest, IntegerLimitsAndEmptyTextsAreExact) {
    SKIP_WITHOUT_TEST_MATERIAL();
    QJsonObject json = readJson(kSampleJson);
    QJsonArray opinions = json.value("opinion").toArray();
    QJsonObject low = opinions[0].toObject(), high = opinions[1].toObject();
    low["questionid"] = qint64(-2147483648LL);
    low["code"] = "";
    low["content"] = QJsonValue::Null;
    high["questionid"] = 2147483647;
    high["code"] = QJsonValue::Null;
    high["content"] = "";
    opinions[0] = low;
    opinions[1] = high;
    json["opinion"] = opinions;
    QTemporaryDir dir;
    QFile file(dir.filePath("bank.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(json).toJson());
    file.close();
    ASSERT_EQ(runJetWriter({file.fileName(), dir.filePath("limits.mdb")}), QString());
    jet::convertAccessBank(dir.filePath("limits.mdb"), dir.filePath("Data/med.mdb"));
    expectBankEquals(dir.filePath("Data/med.mdb"), json);
}

// libmdb ends a scan quietly at a page it cannot read, and gives a memo whose pages are missing
// as a shorter text: a copy cut short (an interrupted copy from a stick) must be refused, not
// converted with rows or texts missing.
TEST(BankConversionTest, ACopyCutShortIsRefusedNotConvertedWithRowsMissing) {
    SKIP_WITHOUT_TEST_MATERIAL();
    QFile sample(testMaterial("testdata/jet/sample-bank.mdb"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray whole = sample.readAll();
    constexpr qsizetype kPage = 4096;
    QTemporaryDir dir;
    for (const qsizetype pages : {whole.size() / kPage / 4, whole.size() / kPage / 2,
                                  whole.size() / kPage * 3 / 4, whole.size() / kPage - 1}) {
        SCOPED_TRACE(pages);
        QFile cut(dir.filePath("cut.mdb"));
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly | QIODevice::Truncate));
        cut.write(whole.left(pages * kPage));
        cut.close();
        try {
            jet::convertAccessBank(cut.fileName(), dir.filePath("Data/med.mdb"));
            ADD_FAILURE() << "converted";
        } catch (const core::Error& error) {
            EXPECT_TRUE(error.message().endsWith("文件不完整或已损坏"))
                << error.message().toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("Data/med.mdb")));
    }
}

// The sample bank written by the Jet writer with a column of `question` left out (when
// `dropColumn` is set) and a table of the file's own added.
QString writeVariant(const QString& dir, const QString& dropColumn) {
    const QString out = dir + "/variant.mdb";
    const QString script = QStringLiteral(R"(
import json, runpy, sys
writer = runpy.run_path(sys.argv[1])
tables = writer["SCHEMA"]
bank = json.load(open(sys.argv[2], encoding="utf-8"))
drop = sys.argv[4]
tables["question"] = [c for c in tables["question"] if c[0] != drop]
for row in bank["question"]:
    row.pop(drop, None)
tables["notes"] = [("note", "TEXT")]
bank["notes"] = [{"note": "a table of the file's own"}]
writer["write_bank"](bank, sys.argv[3])
)");
    QProcess python;
    python.start("python3",
                 {"-c", script, testMaterial("tools/make_jet.py"), kSampleJson, out, dropColumn});
    EXPECT_TRUE(python.waitForFinished(120000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return out;
}

TEST(BankConversionTest, ATableOfItsOwnIsLeftBehindAndAMissingColumnIsNamed) {
    SKIP_WITHOUT_TEST_MATERIAL();
    QTemporaryDir dir;
    const QString bank = dir.filePath("Data/med.mdb");
    jet::convertAccessBank(writeVariant(dir.path(), "none"), bank);
    expectBankEquals(bank, readJson(kSampleJson));

    const QString old = writeVariant(dir.path(), "ct1");
    const QByteArray before = [&] {
        QFile file(bank);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    try {
        jet::convertAccessBank(old, bank);
        FAIL() << "converted";
    } catch (const core::Error& error) {
        EXPECT_EQ(error.message(), old + " 不是题库：数据表 question 缺少字段 ct1");
    }
    QFile after(bank);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before) << "the bank it would have replaced is untouched";
    EXPECT_EQ(QDir(dir.filePath("Data")).entryList(QDir::Files), QStringList{"med.mdb"});
}

}  // namespace

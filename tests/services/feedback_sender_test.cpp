#include "services/feedback_sender.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <iostream>

#include "feedback_table.h"
#include "loopback_endpoints.h"

using services::FeedbackReport;
using services::FeedbackSender;

namespace {

FeedbackReport reportWith(const QString& stem, const QString& remark) {
    FeedbackReport report;
    report.kemu = QStringLiteral("职业病");
    report.tihao = QStringLiteral("57");
    report.tigan = stem;
    report.shuoming = remark;
    return report;
}

class FeedbackSenderTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(sqliteOdbcDriverPath().isEmpty())
            << "the SQLite ODBC driver (Debian package libsqliteodbc) is not installed";
    }
    FeedbackTable table;
    FeedbackSender sender{table.connectionString()};
};

TEST_F(FeedbackSenderTest, QuotesBackslashesAndChineseArriveUnchanged) {
    FeedbackReport report = reportWith(
        QStringLiteral("患者's \"高热\" 3天', '1'); delete from yiyao; -- C:\\tmp\\a.jpg"),
        QStringLiteral("答案应为 'B'\n第二行 \\' 结束''"));
    report.flags.at(0) = true;
    report.flags.at(7) = true;

    QString error;
    ASSERT_TRUE(sender.send(report, &error)) << error.toStdString();

    const QList<QStringList> rows = table.rows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.front(), report.values());
    EXPECT_EQ(rows.front().at(0), QStringLiteral("职业病"));
    EXPECT_EQ(table.flagColumnsSetToOne(), (QStringList{"tupian", "siluddaan"}));
}

TEST_F(FeedbackSenderTest, EmptyRemarkAndNoFlagsStillSendARow) {
    const FeedbackReport report = reportWith(QStringLiteral("题干"), QString());
    ASSERT_TRUE(sender.send(report));

    const QList<QStringList> rows = table.rows();
    ASSERT_EQ(rows.size(), 1);
    for (int i = 3; i < 13; ++i) EXPECT_EQ(rows.front().at(i), QStringLiteral("0"));
    EXPECT_EQ(rows.front().at(13), QString(""));  // empty text, not NULL
}

TEST_F(FeedbackSenderTest, EachSendAddsOneRowOnAFreshConnection) {
    ASSERT_TRUE(sender.send(reportWith(QStringLiteral("一"), QStringLiteral("a"))));
    ASSERT_TRUE(sender.send(reportWith(QStringLiteral("二"), QStringLiteral("b"))));
    const QList<QStringList> rows = table.rows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0).at(2), QStringLiteral("一"));
    EXPECT_EQ(rows.at(1).at(2), QStringLiteral("二"));
}

TEST_F(FeedbackSenderTest, RejectedStatementIsAFailure) {
    const QTemporaryDir dir;
    const FeedbackSender withoutTable(
        QStringLiteral("DRIVER=%1;Database=%2")
            .arg(sqliteOdbcDriverPath(), dir.filePath(QStringLiteral("empty.db"))));
    QString error;
    EXPECT_FALSE(withoutTable.send(reportWith(QStringLiteral("题干"), {}), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("yiyao"))) << error.toStdString();
}

TEST(FeedbackDriverTest, UsesTheRegisteredNameElseTheLibraryPath) {
    QTemporaryDir config;
    const QByteArray saved = qgetenv("ODBCSYSINI");
    const auto restore = qScopeGuard([&] {
        if (saved.isNull())
            qunsetenv("ODBCSYSINI");
        else
            qputenv("ODBCSYSINI", saved);
    });
    qputenv("ODBCSYSINI", config.path().toUtf8());

    QFile ini(config.filePath(QStringLiteral("odbcinst.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[SQLite3]\nDriver=libsqlite3odbc.so\n");
    ini.close();
    const QString path = FeedbackSender::freeTdsDriver();
    EXPECT_TRUE(path.endsWith(QStringLiteral("libtdsodbc.so"))) << path.toStdString();
    EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();

    ASSERT_TRUE(ini.open(QIODevice::Append));
    ini.write("[FreeTDS]\nDriver=libtdsodbc.so\n");
    ini.close();
    EXPECT_EQ(FeedbackSender::freeTdsDriver(), QStringLiteral("FreeTDS"));
}

// The real SQL Server client against loopback endpoints that cannot take a report.
class FreeTdsFailureTest : public testing::Test {
  protected:
    static bool sendTo(quint16 port, QString& error, qint64& elapsedMs) {
        const FeedbackSender sender(
            FeedbackSender::sqlServerConnectionString(QStringLiteral("127.0.0.1"), port));
        QElapsedTimer clock;
        clock.start();
        const bool sent =
            sender.send(reportWith(QStringLiteral("题干"), QStringLiteral("备注")), &error);
        elapsedMs = clock.elapsed();
        return sent;
    }
};

TEST_F(FreeTdsFailureTest, RefusedConnectionFails) {
    QString error;
    qint64 elapsedMs = 0;
    EXPECT_FALSE(sendTo(closedLoopbackPort(), error, elapsedMs));
    // The driver itself was reached: the failure is the server's absence, not a missing driver.
    EXPECT_TRUE(error.contains(QStringLiteral("FreeTDS"))) << error.toStdString();
    std::cout << "[ measured ] refused connection failed after " << elapsedMs << " ms\n";
}

TEST_F(FreeTdsFailureTest, SilentServerFailsAfterTheLoginTimeout) {
    SilentListener listener;
    QString error;
    qint64 elapsedMs = 0;
    EXPECT_FALSE(sendTo(listener.port(), error, elapsedMs));
    EXPECT_TRUE(error.contains(QStringLiteral("FreeTDS"))) << error.toStdString();
    // The send gives up on its own rather than waiting for the server forever.
    EXPECT_LT(elapsedMs, 3 * FeedbackSender::kTimeoutSeconds * 1000);
    std::cout << "[ measured ] silent server failed after " << elapsedMs << " ms\n";
}

}  // namespace

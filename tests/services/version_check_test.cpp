#include "services/version_check.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QNetworkProxy>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <optional>

#include "loopback_endpoints.h"
#include "scripted_messages.h"

using services::VersionCheck;

namespace {

// An HTTP/1.1 server on 127.0.0.1 that records every request and answers each path from its
// table; a path without an answer never gets one.
class LoopbackHttpServer {
  public:
    struct Request {
        QByteArray path;
        QMap<QByteArray, QByteArray> headers;  // names in lower case
    };

    LoopbackHttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { acceptAll(); });
    }

    QString url(const QByteArray& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }

    void answer(const QByteArray& path, const QByteArray& status, const QByteArray& body,
                const QByteArray& extraHeaders = {}) {
        answers_[path] = "HTTP/1.1 " + status +
                         "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" +
                         extraHeaders + "\r\n" + body;
    }

    QList<Request> requests;

  private:
    void acceptAll() {
        while (QTcpSocket* socket = server_.nextPendingConnection())
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [this, socket] { serve(*socket); });
    }

    void serve(QTcpSocket& socket) {
        QByteArray& pending = pending_[&socket];
        pending += socket.readAll();
        for (qsizetype end; (end = pending.indexOf("\r\n\r\n")) >= 0;) {
            const QList<QByteArray> lines = pending.left(end).split('\n');
            pending.remove(0, end + 4);
            Request request{lines.first().split(' ').value(1), {}};
            for (const QByteArray& line : lines.mid(1)) {
                const qsizetype colon = line.indexOf(':');
                request.headers[line.left(colon).trimmed().toLower()] =
                    line.mid(colon + 1).trimmed();
            }
            requests << request;
            if (answers_.contains(request.path)) socket.write(answers_.value(request.path));
        }
    }

    QMap<QByteArray, QByteArray> answers_;
    QHash<QTcpSocket*, QByteArray> pending_;
    QTcpServer server_;  // last, so its sockets go before the tables they use
};

// Answers every request with a body that never ends, `chunk` bytes every `everyMs`.
class EndlessServer {
  public:
    EndlessServer(int chunk, int everyMs) : chunk_(chunk) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    socket->readAll();
                    socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
                });
                sockets_ << socket;
            }
        });
        QObject::connect(&drip_, &QTimer::timeout, [this] {
            for (QTcpSocket* socket : sockets_)
                if (socket->state() == QAbstractSocket::ConnectedState)
                    socket->write(QByteArray(chunk_, 'x'));
        });
        drip_.start(everyMs);
    }
    QString url() const {
        return QStringLiteral("http://127.0.0.1:%1/zyb/Predate.ini").arg(server_.serverPort());
    }

  private:
    int chunk_;
    QTimer drip_;
    QList<QTcpSocket*> sockets_;
    QTcpServer server_;
};

QByteArray versionFile(const QByteArray& date) { return "[File1]\r\nDate=" + date + "\r\n"; }

class VersionCheckTest : public testing::Test {
  protected:
    QString programDir() const { return dir->path() + QLatin1Char('/'); }

    VersionCheck makeCheck(const QString& versionFileUrl, bool online = true) {
        VersionCheck check(
            programDir(), versionFileUrl, messages,
            [this](const QString& path) { started << path; }, [online] { return online; });
        check.setTimeoutMs(500);
        return check;
    }

    void write(const QString& name, const QByteArray& bytes) {
        QFile file(dir->filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray read(const QString& name) const {
        QFile file(dir->filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool updateAnnounced() const {
        return messages.asked.size() == 1 && messages.asked.front().caption == "信息" &&
               messages.asked.front().text == "软件需要更新" &&
               messages.asked.front().buttons == core::MessageService::Buttons::Ok &&
               started == QStringList{programDir() + "app_upd.exe"};
    }

    void forget() {
        messages = ScriptedMessages();
        started.clear();
    }

    std::optional<QTemporaryDir> dir{std::in_place};
    ScriptedMessages messages;
    QStringList started;
    LoopbackHttpServer server;
};

TEST_F(VersionCheckTest, DownloadSendsFixedHeadersKeepsCookiesUsesNoProxyAndSavesTheBodyAsIs) {
    // The server would also serve as a proxy for a host that does not exist; the download must
    // not go through it. (Qt itself bypasses proxies for loopback addresses.)
    const QNetworkProxy savedProxy = QNetworkProxy::applicationProxy();
    const auto restore = qScopeGuard([&] { QNetworkProxy::setApplicationProxy(savedProxy); });
    QNetworkProxy::setApplicationProxy(QNetworkProxy(
        QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), QUrl(server.url("/")).port()));
    server.answer("http://update.invalid/zyb/Predate.ini", "200 OK", versionFile("2099-01-01"));

    const QByteArray body = "[File1]\r\nDate=2013-05-02\r\n; \xd6\xd0\xce\xc4\n\x00\xff tail";
    server.answer("/zyb/Predate.ini", "200 OK", body, "Content-Type: application/octet-stream\r\n");
    server.answer("/zyb/start", "302 Found", {},
                  "Set-Cookie: session=57; Path=/\r\nLocation: /zyb/Predate.ini\r\n");
    write("tmp.ini", versionFile("2012-01-01"));

    VersionCheck check = makeCheck({});
    ASSERT_TRUE(check.DownloadFile(server.url("/zyb/start"), dir->filePath("tmp.ini")));
    EXPECT_EQ(read("tmp.ini"), body);

    ASSERT_EQ(server.requests.size(), 2);
    for (const LoopbackHttpServer::Request& request : server.requests) {
        EXPECT_EQ(request.headers.value("accept"), "text/html, */*");
        EXPECT_EQ(request.headers.value("user-agent"), "Mozilla/3.0 (compatible; Indy Library)");
        EXPECT_FALSE(request.headers.contains("authorization"));
    }
    // Qt drops the body's type when it follows a redirect by itself.
    EXPECT_EQ(server.requests.first().headers.value("content-type"), "text/html");
    EXPECT_EQ(server.requests.last().path, "/zyb/Predate.ini");
    EXPECT_EQ(server.requests.last().headers.value("cookie"), "session=57");

    EXPECT_FALSE(check.DownloadFile(QStringLiteral("http://update.invalid/zyb/Predate.ini"),
                                    dir->filePath("tmp.ini")));
    EXPECT_EQ(server.requests.size(), 2);
    EXPECT_EQ(read("tmp.ini"), body);
}

TEST_F(VersionCheckTest, FailedDownloadsReturnFalseAndLeaveTheOlderFileWhole) {
    const QByteArray older = versionFile("2013-05-01");
    write("tmp.ini", older);
    server.answer("/missing", "404 Not Found", "<html>not found</html>");
    server.answer("/error", "500 Internal Server Error", "<html>error</html>");
    server.answer("/ok", "200 OK", versionFile("2013-05-02"));
    // No version file is this large: neither is saved, nor read whole.
    server.answer("/huge", "200 OK", QByteArray(50 * 1024 * 1024, 'x'));
    server.answer("/just-over", "200 OK", QByteArray(VersionCheck::kMaxVersionFileBytes + 1, 'x'));
    SilentListener silent;
    VersionCheck check = makeCheck({});
    const QString target = dir->filePath("tmp.ini");

    EXPECT_FALSE(check.DownloadFile(server.url("/missing"), target));
    EXPECT_FALSE(check.DownloadFile(server.url("/error"), target));
    EXPECT_FALSE(check.DownloadFile(server.url("/never-answered"), target));  // the time-out
    EXPECT_FALSE(check.DownloadFile(
        QStringLiteral("http://127.0.0.1:%1/Predate.ini").arg(closedLoopbackPort()), target));
    EXPECT_FALSE(check.DownloadFile(
        QStringLiteral("http://127.0.0.1:%1/Predate.ini").arg(silent.port()), target));
    EXPECT_FALSE(check.DownloadFile(QString(), target));
    EXPECT_FALSE(check.DownloadFile(server.url("/ok"), dir->filePath("no-such-folder/tmp.ini")));
    EXPECT_FALSE(check.DownloadFile(server.url("/huge"), target));
    EXPECT_FALSE(check.DownloadFile(server.url("/just-over"), target));
    // An endless body is given up past the limit, long before the deadline; one that drips a
    // byte at a time, at the deadline.
    const EndlessServer endless(64 * 1024, 1);
    const EndlessServer dripping(1, 100);
    check.setTimeoutMs(5000);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(check.DownloadFile(endless.url(), target));
    EXPECT_LT(clock.elapsed(), 4000);
    check.setTimeoutMs(500);
    EXPECT_FALSE(check.DownloadFile(dripping.url(), target));

    EXPECT_EQ(read("tmp.ini"), older);
    EXPECT_EQ(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"tmp.ini"});
}

TEST_F(VersionCheckTest, ALaterPublishedDateAsTextStartsTheUpdaterFromBothChecks) {
    struct Case {
        QByteArray published, installed;
        bool update;
    };
    const QList<Case> cases = {{"2013-05-02", "2013-05-01", true},
                               {"2013-05-01", "2013-05-01", false},
                               {"2013-04-30", "2013-05-01", false},
                               {"2013-5-2", "2013-10-01", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.published.toStdString() + " vs " + c.installed.toStdString());
        dir.emplace();  // a fresh program directory per case
        forget();
        write("predate.ini", versionFile(c.installed));
        server.answer("/zyb/Predate.ini", "200 OK", versionFile(c.published));
        VersionCheck check = makeCheck(server.url("/zyb/Predate.ini"));

        check.startupCheck();
        EXPECT_EQ(read("tmp.ini"), versionFile(c.published));
        if (c.update) {
            EXPECT_TRUE(updateAnnounced());
        } else {
            EXPECT_TRUE(messages.asked.isEmpty());
            EXPECT_TRUE(started.isEmpty());
        }
        EXPECT_TRUE(messages.infos.isEmpty());

        forget();
        check.manualCheck();
        if (c.update) {
            EXPECT_TRUE(updateAnnounced());
            EXPECT_TRUE(messages.infos.isEmpty());
        } else {
            EXPECT_EQ(messages.infos, QStringList{"已经是最新版本"});
            EXPECT_TRUE(started.isEmpty());
        }
        EXPECT_EQ(read("predate.ini"), versionFile(c.installed));  // never written
    }
}

TEST_F(VersionCheckTest, StartupCheckIsSilentOnFailureAndTheManualCheckUsesTheEarlierFile) {
    write("tmp.ini", versionFile("2013-05-02"));  // left by an earlier run
    write("predate.ini", versionFile("2013-05-01"));
    server.answer("/zyb/Predate.ini", "404 Not Found", "<html>not found</html>");

    makeCheck(server.url("/zyb/Predate.ini")).startupCheck();
    makeCheck(QString()).startupCheck();  // the subject record could not be read
    makeCheck(QStringLiteral("http://127.0.0.1:%1/zyb/Predate.ini").arg(closedLoopbackPort()))
        .startupCheck();
    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_TRUE(messages.infos.isEmpty());
    EXPECT_TRUE(started.isEmpty());

    makeCheck(QString()).manualCheck();
    EXPECT_TRUE(updateAnnounced());
}

TEST_F(VersionCheckTest, ManualCheckOfflineOrWithoutAnyFile) {
    makeCheck(QString()).manualCheck();  // neither file: today against today
    EXPECT_EQ(messages.infos, QStringList{"已经是最新版本"});
    EXPECT_TRUE(messages.asked.isEmpty());

    forget();
    write("tmp.ini", versionFile("2013-05-02"));
    write("predate.ini", versionFile("2013-05-01"));
    makeCheck(QString(), false).manualCheck();
    EXPECT_EQ(messages.infos, QStringList{"请检查网络连接"});
    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_TRUE(started.isEmpty());
}

TEST_F(VersionCheckTest, TheDefaultUpdaterStartRunsTheProgramInItsDirectoryWithoutWaiting) {
    write("app_upd.exe", "#!/bin/sh\nsleep 1\npwd > started\n");
    ASSERT_TRUE(QFile::setPermissions(dir->filePath("app_upd.exe"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    VersionCheck check(programDir(), QString(), messages);

    check.StartUpdater();
    EXPECT_FALSE(QFile::exists(dir->filePath("started")));  // not waited for
    ASSERT_EQ(messages.asked.size(), 1);
    EXPECT_EQ(messages.asked.front().text, "软件需要更新");
    for (QDeadlineTimer deadline(10000);
         !QFile::exists(dir->filePath("started")) && !deadline.hasExpired();)
        QThread::msleep(20);
    EXPECT_EQ(read("started").trimmed(), QDir(dir->path()).canonicalPath().toUtf8());

    // Without the updater the user has still been told; nothing else happens.
    QFile::remove(dir->filePath("app_upd.exe"));
    check.StartUpdater();
    EXPECT_EQ(messages.asked.size(), 2);
}

}  // namespace

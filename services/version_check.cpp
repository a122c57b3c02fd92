#include "services/version_check.h"

#include <QDate>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkInformation>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <QtDebug>
#include <memory>
#include <utility>

namespace services {

namespace {

const QString kPublishedFile = QStringLiteral("tmp.ini");
const QString kInstalledFile = QStringLiteral("predate.ini");
const QString kUpdaterFile = QStringLiteral("app_upd.exe");

QNetworkRequest versionFileRequest(const QUrl& url, int timeoutMs) {
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "text/html, */*");
    request.setRawHeader("Content-Type", "text/html");
    request.setRawHeader("User-Agent", "Mozilla/3.0 (compatible; Indy Library)");
    // Covers a server that stalls between bytes; the caller's deadline covers a slow trickle.
    request.setTransferTimeout(timeoutMs);
    return request;
}

// Reads the reply's body as it comes, no longer than timeoutMs in all, and gives up on a body
// larger than a version file can be. The user's clicks and keys go on meanwhile: holding them
// back would hold the user behind a slow server.
QByteArray receiveBody(QNetworkReply& reply, int timeoutMs, bool& tooLarge) {
    QByteArray body;
    const auto take = [&] {
        body += reply.read(VersionCheck::kMaxVersionFileBytes + 1 - body.size());
        if (body.size() > VersionCheck::kMaxVersionFileBytes) {
            tooLarge = true;
            reply.abort();
        }
    };
    if (!reply.isFinished()) {
        QEventLoop loop;
        QObject::connect(&reply, &QNetworkReply::readyRead, &loop, take);
        QObject::connect(&reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &reply, &QNetworkReply::abort);
        deadline.start(timeoutMs);
        loop.exec();
    }
    if (!tooLarge) take();
    return body;
}

bool succeeded(const QNetworkReply& reply) {
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return reply.error() == QNetworkReply::NoError && status >= 200 && status < 300;
}

// Written beside the target and renamed over it, so a failed write never leaves half a file.
bool saveWhole(const QString& path, const QByteArray& body) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(body) == body.size() && file.commit();
}

}  // namespace

QString updateBaseUrl() { return QStringLiteral(VANTREL_UPDATE_BASE_URL); }

VersionCheck::VersionCheck(core::ProgramPlaces places, QString versionFileUrl,
                           core::MessageService& messages, UpdaterStart startUpdater,
                           ConnectionTest isOnline)
    : places_(std::move(places)),
      versionFileUrl_(std::move(versionFileUrl)),
      messages_(messages),
      startUpdater_(startUpdater ? std::move(startUpdater) : UpdaterStart(startUpdaterProcess)),
      isOnline_(isOnline ? std::move(isOnline) : ConnectionTest(platformIsOnline)) {}

bool VersionCheck::DownloadFile(const QString& url, const QString& path) {
    const QUrl address(url);
    if (url.isEmpty() || !address.isValid() || address.isRelative()) return false;

    QNetworkAccessManager manager;  // its default cookie jar takes what the server sets
    manager.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    const std::unique_ptr<QNetworkReply> reply(
        manager.get(versionFileRequest(address, timeoutMs_)));
    bool tooLarge = false;
    const QByteArray body = receiveBody(*reply, timeoutMs_, tooLarge);
    return !tooLarge && succeeded(*reply) && saveWhole(path, body);
}

bool VersionCheck::IsOnline() { return isOnline_(); }

QString VersionCheck::iniDate(const QString& path) const {
    const QSettings ini(path, QSettings::IniFormat);
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    return ini.value(QStringLiteral("File1/Date"), today).toString();
}

bool VersionCheck::UpdateNeeded() {
    // Byte-wise on purpose: both files are meant to hold "yyyy-mm-dd".
    return iniDate(places_.dataDir + kPublishedFile).toUtf8() >
           iniDate(places_.programDir + kInstalledFile).toUtf8();
}

void VersionCheck::StartUpdater() {
    messages_.ask(QStringLiteral("信息"), QStringLiteral("软件需要更新"),
                  core::MessageService::Buttons::Ok);
    startUpdater_(places_.programDir + kUpdaterFile);
}

void VersionCheck::startupCheck() {
    if (!DownloadFile(versionFileUrl_, places_.dataDir + kPublishedFile)) return;
    if (UpdateNeeded()) StartUpdater();
}

void VersionCheck::manualCheck() {
    if (!IsOnline()) {
        messages_.info(QStringLiteral("请检查网络连接"));
        return;
    }
    if (UpdateNeeded())
        StartUpdater();
    else
        messages_.info(QStringLiteral("已经是最新版本"));
}

void VersionCheck::startUpdaterProcess(const QString& path) {
    const QFileInfo updater(path);
    if (!updater.isFile()) {
        qWarning() << "The updater was not found:" << path;
        return;
    }
    if (updater.isExecutable() && QProcess::startDetached(path, {}, updater.absolutePath())) return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        qWarning() << "The updater could not be started:" << path;
}

bool VersionCheck::platformIsOnline() {
    // The check itself needs no network, so a platform that cannot tell (no backend, or one
    // that answers "unknown") must not keep the user from it.
    if (!QNetworkInformation::instance() &&
        !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return true;
    return QNetworkInformation::instance()->reachability() !=
           QNetworkInformation::Reachability::Disconnected;
}

}  // namespace services

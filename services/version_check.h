#pragma once

#include <QString>
#include <functional>

#include "core/messages.h"
#include "core/program_places.h"

namespace services {

// The update server's directory of this build (VANTREL_UPDATE_BASE_URL), ending in "/". A
// subject's version file is updateBaseUrl() + <subject folder> + "/Predate.ini".
QString updateBaseUrl();

// Whether a newer version is published: compares the date of the version file fetched from the
// update server ("tmp.ini", kept in the data directory) with the installed one ("predate.ini",
// in the program directory), and starts the updater "app_upd.exe" when the published date is later.
// This program never writes predate.ini; keeping it current is the updater's business.
class VersionCheck {
  public:
    // Starts the program at the given path without waiting for it.
    using UpdaterStart = std::function<void(const QString& path)>;
    // Whether the machine has a network connection.
    using ConnectionTest = std::function<bool()>;

    static constexpr int kDefaultTimeoutMs = 10000;
    // A version file is a few lines: a larger answer is no version file and is never saved.
    static constexpr qint64 kMaxVersionFileBytes = 64 * 1024;

    // An empty updater start or connection test means the platform's (startUpdaterProcess,
    // platformIsOnline).
    VersionCheck(core::ProgramPlaces places, QString versionFileUrl, core::MessageService& messages,
                 UpdaterStart startUpdater = {}, ConnectionTest isOnline = {});

    // Whole time a download may take before it is given up, so start-up never hangs.
    void setTimeoutMs(int timeoutMs) { timeoutMs_ = timeoutMs; }

    // HTTP GET of url; on a 2xx answer the body is written unchanged over path. A failed request
    // (no connection, an error status, the time-out, a body over kMaxVersionFileBytes) or a
    // failed write returns false and leaves an older file in place. Waits in a local event loop
    // that lets the user's input through.
    bool DownloadFile(const QString& url, const QString& path);
    bool IsOnline();
    // The published date (File1/Date of tmp.ini) is later than the installed one (predate.ini),
    // as plain text; a missing file or entry reads as today.
    bool UpdateNeeded();
    // Tells the user "软件需要更新", then starts the updater.
    void StartUpdater();

    // The first tick of the main window's start-up timer: fetch the version file and start the
    // updater when needed; every failure ends silently. The caller switches its timer off first:
    // the download's wait and the message box both dispatch timer events.
    void startupCheck();
    // The upgrade button: compares against the tmp.ini left by a start-up check, without
    // downloading again.
    void manualCheck();

    // The default updater start: a detached process, or the desktop's "open" for a file that is
    // not executable here. A failing start is only logged.
    static void startUpdaterProcess(const QString& path);
    // The default connection test: the platform's reachability, where only "disconnected"
    // counts as offline.
    static bool platformIsOnline();

  private:
    QString iniDate(const QString& path) const;

    core::ProgramPlaces places_;
    QString versionFileUrl_;
    core::MessageService& messages_;
    UpdaterStart startUpdater_;
    ConnectionTest isOnline_;
    int timeoutMs_ = kDefaultTimeoutMs;
};

}  // namespace services

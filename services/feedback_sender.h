#pragma once

#include <QString>

#include "services/feedback_report.h"

namespace services {

// Writes one report as a row of yiyao on the feedback database, through Qt Sql's ODBC driver.
// The values travel as bound parameters, so quotes or backslashes in a stem or remark cannot
// change the statement. Each send opens its own connection in the calling thread and closes it
// again, so a send may run on a worker thread.
class FeedbackSender {
  public:
    // Seconds allowed for the login and for the statement.
    static constexpr int kTimeoutSeconds = 10;

    // By default the SQL Server feedback database of this build (see defaultConnectionString).
    explicit FeedbackSender(QString odbcConnectionString = defaultConnectionString());

    // DSN-less connection string for the feedback database on `server`: the FreeTDS driver,
    // catalog yiyaofk, client charset GBK.
    static QString sqlServerConnectionString(const QString& server, int port);
    // The feedback server this program was built for (VANTREL_FEEDBACK_SERVER / _PORT).
    static QString defaultConnectionString();
    // The FreeTDS ODBC driver: its registered name in odbcinst.ini, else the library's path.
    static QString freeTdsDriver();

    // Returns true when the row was written; otherwise false, with the driver's message in
    // *error when given.
    bool send(const FeedbackReport& report, QString* error = nullptr) const;

    const QString& connectionString() const { return connectionString_; }

  private:
    QString connectionString_;
};

}  // namespace services

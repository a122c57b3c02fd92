#include "services/feedback_sender.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

// VANTREL_FEEDBACK_SERVER and VANTREL_FEEDBACK_PORT are build settings (services/CMakeLists.txt).

namespace services {
namespace {

const QString kInsert = QStringLiteral(
    "insert into yiyao (kemu,tihao,tigan,tupian , kaoshidg ,xueke , chenjiu , cuobiezi , "
    "silutigan ,silutp,siluddaan , silucbz ,shiticf ,shuoming) "
    "values(?,?,?,?,?,?,?,?,?,?,?,?,?,?)");

const QString kCatalog = QStringLiteral("yiyaofk");
const QString kUser = QStringLiteral("sa");
const QString kPassword = QStringLiteral("rkwmzdpqhtvna482");

// unixODBC reads its driver list from $ODBCSYSINI/odbcinst.ini, or /etc/odbcinst.ini.
QString odbcinstIniPath() {
    const QString dir = qEnvironmentVariable("ODBCSYSINI", QStringLiteral("/etc"));
    return QDir(dir).filePath(QStringLiteral("odbcinst.ini"));
}

// Where the tdsodbc package puts the driver when it is not registered.
QString freeTdsLibraryPath() {
    const QStringList candidates{
        QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so"),
        QStringLiteral("/usr/lib/aarch64-linux-gnu/odbc/libtdsodbc.so"),
        QStringLiteral("/usr/lib/odbc/libtdsodbc.so"),
        QStringLiteral("/usr/local/lib/libtdsodbc.so"),
    };
    for (const QString& path : candidates)
        if (QFileInfo::exists(path)) return path;
    for (const QFileInfo& multiarch :
         QDir(QStringLiteral("/usr/lib")).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString path = multiarch.filePath() + QStringLiteral("/odbc/libtdsodbc.so");
        if (QFileInfo::exists(path)) return path;
    }
    return candidates.front();
}

// Every send gets a connection of its own: connections belong to the thread that made them.
QString uniqueConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("vantrel-feedback-%1").arg(counter.fetchAndAddRelaxed(1));
}

// A null QString would be bound as SQL NULL; the table receives empty text instead.
QVariant textValue(const QString& text) { return text.isNull() ? QStringLiteral("") : text; }

bool insertReport(QSqlDatabase& db, const FeedbackReport& report, QString* error) {
    db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1;SQL_ATTR_CONNECTION_TIMEOUT=%1")
                             .arg(FeedbackSender::kTimeoutSeconds));
    if (!db.open()) {
        if (error) *error = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    bool ok = query.prepare(kInsert);
    if (ok) {
        for (const QString& value : report.values()) query.addBindValue(textValue(value));
        ok = query.exec();
    }
    if (!ok && error) *error = query.lastError().text();
    return ok;
}

}  // namespace

FeedbackSender::FeedbackSender(QString odbcConnectionString)
    : connectionString_(std::move(odbcConnectionString)) {}

QString FeedbackSender::freeTdsDriver() {
    const QSettings odbcinst(odbcinstIniPath(), QSettings::IniFormat);
    if (odbcinst.childGroups().contains(QStringLiteral("FreeTDS")))
        return QStringLiteral("FreeTDS");
    return freeTdsLibraryPath();
}

QString FeedbackSender::sqlServerConnectionString(const QString& server, int port) {
    // Timeout is FreeTDS's statement time-out; the login time-out is set on the connection.
    return QStringLiteral(
               "DRIVER={%1};SERVER=%2;PORT=%3;DATABASE=%4;UID=%5;PWD={%6};ClientCharset=GBK;TDS_"
               "Version=7.3;"
               "Timeout=%7")
        .arg(freeTdsDriver(), server, QString::number(port), kCatalog, kUser, kPassword,
             QString::number(kTimeoutSeconds));
}

QString FeedbackSender::defaultConnectionString() {
    return sqlServerConnectionString(QStringLiteral(VANTREL_FEEDBACK_SERVER),
                                     VANTREL_FEEDBACK_PORT);
}

bool FeedbackSender::send(const FeedbackReport& report, QString* error) const {
    const QString name = uniqueConnectionName();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
        db.setDatabaseName(connectionString_);
        ok = insertReport(db, report, error);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

}  // namespace services

#pragma once

#include <QMap>
#include <QString>

namespace store {

// The fixed connection string of the question bank, and its parsed key=value fields.
class ConnectionString {
  public:
    // "Provider=…;Data Source=" + dataDir + "Data/med.mdb" + ";Persist Security Info=false" + …
    // for the data directory (core::ProgramPlaces) of the bank. A directory holding ';' is
    // written as a quoted value, so the path survives the parse.
    static QString forDataDirectory(const QString& dataDir);

    explicit ConnectionString(const QString& text);

    QString field(const QString& key) const;  // keys compare without regard to case
    QString dataSource() const { return field(QStringLiteral("Data Source")); }
    const QString& text() const { return text_; }

  private:
    QString text_;
    QMap<QString, QString> fields_;  // lower-case key -> value
};

}  // namespace store

#pragma once

#include <QString>
#include <QTemporaryDir>

#include "store/connection.h"

// A program directory in a temporary folder holding Data/med.mdb with the bank schema and
// whatever rows a test inserts. Removed with the object.
class TempBank {
  public:
    TempBank();

    // Program directory, with its trailing separator.
    QString programDir() const { return dir_.path() + QStringLiteral("/"); }
    QString bankPath() const { return programDir() + QStringLiteral("Data/med.mdb"); }
    QString connectionString() const;

    // Runs SQL (several statements allowed) directly on the bank file.
    void run(const QString& sql) const;
    // A fresh connection to the bank, as a window would open it.
    store::Connection connect() const { return store::Connection(connectionString()); }
    // Copies the built page template and pictures (ty.html, tp/, ks/) into the program directory.
    void installPageAssets() const;
    // Replaces the bank with the demo bank of the build and copies its question pictures.
    void useDemoBank() const;

  private:
    QTemporaryDir dir_;
};

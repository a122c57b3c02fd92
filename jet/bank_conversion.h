#pragma once

#include <QString>
#include <QVector>
#include <functional>
#include <memory>

// Converting a question bank kept in an Access file (Jet 3, Jet 4 or ACE) into the program's
// SQLite bank: the tables and columns of the bank's schema, every row in the order the file
// stores it, NULL kept apart from "", text as UTF-8, numbers as they are stored. Tables and
// columns the bank does not have are left behind.
namespace jet {

class Reader;

struct TableRows {
    QString table;
    qint64 rows = 0;
};

// Told the rows written so far and the rows of all tables together.
using Progress = std::function<void(qint64 done, qint64 total)>;

class BankConversion {
  public:
    // Opens the Access file and checks that it holds every table and column of the bank; throws
    // core::Error naming the file and the first table or column it lacks.
    explicit BankConversion(const QString& accessPath);
    ~BankConversion();

    // The rows of the bank's tables as the file's table definitions record them.
    qint64 totalRows() const { return total_; }

    // Writes the SQLite bank into the file at `path` (empty or absent; it is the caller's to
    // throw away on failure) in one transaction. Returns the rows written per table, in the
    // schema's order. Throws core::Error naming the Access file and the cause.
    QVector<TableRows> writeTo(const QString& path, const Progress& progress = {});

  private:
    struct Source;
    QString accessPath_;
    std::unique_ptr<Reader> reader_;
    std::vector<Source> sources_;
    qint64 total_ = 0;
};

// Converts the Access file into a bank at `bankPath`, written beside it into a temporary file
// that is renamed into place only when whole; a file of that name is replaced. `beforeInstall`
// runs between the two, when the new bank is whole: what it throws leaves `bankPath` as it was.
QVector<TableRows> convertAccessBank(const QString& accessPath, const QString& bankPath,
                                     const Progress& progress = {},
                                     const std::function<void()>& beforeInstall = {});

}  // namespace jet

#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <memory>

namespace search {

// Brings the search index up to the bank (SearchIndex::refresh) on a thread of its own with a
// connection of its own, so that a build of a large bank never holds up the window that waits
// for it. Results arrive as signals on the thread that owns this object.
class IndexRefresh : public QObject {
    Q_OBJECT

  public:
    explicit IndexRefresh(const QString& bankPath, QObject* parent = nullptr);
    // Waits for a refresh under way: its connection must not outlive the program's end.
    ~IndexRefresh() override;

    // Starts a refresh, unless one is under way.
    void start();
    bool running() const { return thread_ != nullptr; }

  signals:
    // The index is being built anew (the bank changed, or it is the first use).
    void building();
    // The refresh has ended: the index is the bank's, or, with a failure, could not be made so.
    void finished(const QString& failure);

  private:
    QString bankPath_;
    std::unique_ptr<QThread> thread_;
    QString failure_;  // written by the thread, read once it has ended
};

}  // namespace search

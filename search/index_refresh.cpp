#include "search/index_refresh.h"

#include "core/error.h"
#include "search/search_index.h"

namespace search {

IndexRefresh::IndexRefresh(const QString& bankPath, QObject* parent)
    : QObject(parent), bankPath_(bankPath) {}

IndexRefresh::~IndexRefresh() {
    if (thread_) thread_->wait();
}

void IndexRefresh::start() {
    if (thread_) return;
    failure_.clear();
    thread_.reset(QThread::create([this] {
        try {
            SearchIndex(bankPath_).refresh([this] { emit building(); });
        } catch (const core::Error& e) {
            failure_ = e.message();
        }
    }));
    connect(thread_.get(), &QThread::finished, this, [this] {
        thread_->wait();
        thread_.reset();
        emit finished(failure_);
    });
    thread_->start(QThread::LowPriority);
}

}  // namespace search

#include "app/access_bank_start.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <algorithm>
#include <climits>
#include <exception>
#include <optional>

#include "core/error.h"
#include "core/messages.h"
#include "jet/jet_bank_intake.h"
#include "jet/jet_file.h"
#include "store/connection_string.h"

namespace app {
namespace {

// The conversion runs on a thread of its own so that the progress window stays alive; the
// window shows only when the conversion takes longer than this.
constexpr int kProgressDelayMs = 400;

std::optional<jet::InPlaceConversion> convertWithProgress(const QString& bankPath) {
    QProgressDialog progress;
    progress.setLabelText(QStringLiteral("正在把 Access 格式的题库转换为本程序的题库，请稍候……"));
    // A conversion stopped half-way would leave no bank to start on: nothing to cancel or close.
    progress.setCancelButton(nullptr);
    progress.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    progress.setWindowTitle(QStringLiteral("Vantrel"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setAutoReset(false);
    progress.setRange(0, 0);
    progress.setValue(0);

    std::optional<jet::InPlaceConversion> result;
    std::exception_ptr failure;
    QThread* worker = QThread::create([&] {
        try {
            result = jet::convertAccessBankInPlace(bankPath, [&](qint64 done, qint64 total) {
                QMetaObject::invokeMethod(&progress, [&progress, done, total] {
                    progress.setMaximum(int(std::min<qint64>(total, INT_MAX)));
                    progress.setValue(int(std::min<qint64>(done, INT_MAX)));
                });
            });
        } catch (...) {
            failure = std::current_exception();
        }
    });
    QEventLoop wait;
    QObject::connect(worker, &QThread::finished, &wait, &QEventLoop::quit);
    worker->start();
    wait.exec();
    worker->wait();
    delete worker;
    // Progress updates still queued would reach a dialog that is about to go.
    QCoreApplication::removePostedEvents(&progress);
    if (failure) std::rethrow_exception(failure);
    return result;
}

}  // namespace

void convertAccessBankOnStart(const QString& dataDir, core::MessageService& messages) {
    const QString bankPath =
        store::ConnectionString(store::ConnectionString::forDataDirectory(dataDir)).dataSource();
    if (!jet::isJetFile(bankPath)) return;
    try {
        const std::optional<jet::InPlaceConversion> done = convertWithProgress(bankPath);
        if (done) {
            messages.info(QStringLiteral("题库 %1 是 Access 格式，已转换为本程序的题库。\n"
                                         "原文件保存为 %2，可用“数据还原”恢复。")
                              .arg(bankPath, done->keptOriginal));
        }
    } catch (const core::Error& error) {
        messages.info(QStringLiteral("题库 %1 是 Access 格式，无法转换：\n%2")
                          .arg(bankPath, error.message()));
    }
}

}  // namespace app

#include "pageview/page_pdf.h"

#include <QDir>
#include <QFile>
#include <QMarginsF>
#include <QPageSize>
#include <QTemporaryFile>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <memory>

#include "core/error.h"
#include "pageview/engine_wait.h"
#include "store/replacement_file.h"

namespace pageview {

namespace {

// The document with a base address of `folder` at the start of its head: the address is plain
// ASCII once encoded, whatever encoding the document declares.
QByteArray withBaseAddress(const QByteArray& document, const QString& folder) {
    QString dir = QDir(folder).absolutePath();
    if (!dir.endsWith(u'/')) dir += u'/';
    const QByteArray base = "<base href=\"" + QUrl::fromLocalFile(dir).toEncoded() + "\">";
    const qsizetype head = document.toLower().indexOf("<head>");
    if (head < 0) return base + document;
    QByteArray result = document;
    return result.insert(head + qsizetype(sizeof("<head>") - 1), base);
}

// A print job of the engine cannot be stopped: a PDF it writes after the wait gave up on it is
// removed once it is there.
void removeWhenWritten(QWebEnginePage& page, const QString& file) {
    const auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(&page, &QWebEnginePage::pdfPrintingFinished, &page,
                                   [file, connection](const QString& written) {
                                       if (written != file) return;
                                       QFile::remove(file);
                                       QObject::disconnect(*connection);
                                   });
}

}  // namespace

QPageLayout pdfPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

void printPageToPdf(QWebEnginePage& page, const QString& path, int timeoutMs) {
    store::ReplacementFile pdf(path, [&](const QString& temp) {
        EngineWait wait(page);
        QObject::connect(&page, &QWebEnginePage::pdfPrintingFinished, &wait,
                         [&wait, temp](const QString& written, bool success) {
                             if (written == temp) wait.finish(success);
                         });
        QObject::connect(&page, &QWebEnginePage::renderProcessTerminated, &wait,
                         [&wait] { wait.finish(false); });
        page.printToPdf(temp, pdfPageLayout());
        switch (wait.wait(timeoutMs)) {
            case EngineWait::Outcome::Succeeded:
                return;
            case EngineWait::Outcome::Failed:
                throw core::Error(QStringLiteral("无法生成 PDF 文件：%1").arg(path));
            case EngineWait::Outcome::TimedOut:
                removeWhenWritten(page, temp);
                throw core::Error(QStringLiteral("生成 PDF 文件超时：%1").arg(path));
            case EngineWait::Outcome::Gone:
                throw core::Error(QStringLiteral("页面已关闭，PDF 文件没有生成：%1").arg(path));
        }
    });
    pdf.commit();
}

void renderDocumentToPdf(const QByteArray& document, const QString& folder, const QString& pdfPath,
                         int timeoutMs) {
    QTemporaryFile html(QDir::temp().filePath(QStringLiteral("vantrel-pdf-XXXXXX.html")));
    const QByteArray withBase = withBaseAddress(document, folder);
    if (!html.open() || html.write(withBase) != withBase.size() || !html.flush())
        throw core::Error(QStringLiteral("无法写入临时页面文件（%1）：%2")
                              .arg(html.fileName(), html.errorString()));
    html.close();

    // Off the record: nothing of the render stays on the disk.
    QWebEngineProfile profile;
    QWebEnginePage page(&profile);
    EngineWait loaded(page);
    QObject::connect(&page, &QWebEnginePage::loadFinished, &loaded,
                     [&loaded](bool ok) { loaded.finish(ok); });
    page.load(QUrl::fromLocalFile(html.fileName()));
    switch (loaded.wait(timeoutMs)) {
        case EngineWait::Outcome::Succeeded:
            break;
        case EngineWait::Outcome::TimedOut:
            throw core::Error(QStringLiteral("页面渲染超时，PDF 文件没有生成：%1").arg(pdfPath));
        default:
            throw core::Error(QStringLiteral("页面渲染失败，PDF 文件没有生成：%1").arg(pdfPath));
    }
    printPageToPdf(page, pdfPath, timeoutMs);
}

}  // namespace pageview

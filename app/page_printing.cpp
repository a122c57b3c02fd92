#include "app/page_printing.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWebEnginePage>

#include "app/chapter_tree_view.h"
#include "app/main_window_controls.h"
#include "core/error.h"
#include "pageview/engine_wait.h"
#include "pageview/page_pdf.h"
#include "pageview/web_page_view.h"

namespace app {

namespace {

// The engine lays the pages out and draws each onto the printer: a long chapter on a slow
// printer takes its time.
constexpr int kPrintTimeoutMs = 10 * 60 * 1000;
// The engine draws every sheet as a picture of the printer's resolution; this is sharp on
// paper and keeps a sheet's picture small.
constexpr int kPrintResolution = 300;

std::unique_ptr<QPrinter> printerFromDialog(QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setResolution(kPrintResolution);
    // Paper and margins as the PDF export has them, until the user chooses others.
    printer->setPageLayout(pageview::pdfPageLayout());
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return printer;
}

QString pdfFileFromDialog(QWidget* parent, const QString& suggested) {
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("导出为 PDF"), suggested,
                                                QStringLiteral("PDF 文件 (*.pdf)"));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    return path;
}

}  // namespace

PagePrinting::Dialogs PagePrinting::standardDialogs() {
    return {printerFromDialog, pdfFileFromDialog};
}

PagePrinting::PagePrinting(pageview::WebPageView& view, std::function<QString()> documentName)
    : view_(view), documentName_(std::move(documentName)) {}

PagePrinting::PagePrinting(MainWindowControls& controls, const CommandRunner& runCommand)
    : PagePrinting(*controls.WebBrowser1, [tree = controls.TreeView1] {
          const QTreeWidgetItem* chapter = tree->currentItem();
          return chapter ? chapter->text(0) : QString();
      }) {
    QWidget* page = controls.WebBrowser1;
    QMenu* menu = controls.PageMenu;
    QObject::connect(page, &QWidget::customContextMenuRequested, page,
                     [page, menu](const QPoint& at) { menu->popup(page->mapToGlobal(at)); });
    QObject::connect(controls.PrintPage, &QAction::triggered, page,
                     [this, runCommand] { runCommand([this] { print(); }); });
    QObject::connect(controls.ExportPdf, &QAction::triggered, page,
                     [this, runCommand] { runCommand([this] { exportPdf(); }); });
}

QString PagePrinting::suggestedPdfPath() const {
    QString name = documentName_().trimmed();
    // A chapter's name may hold characters that a file name cannot.
    name.replace(QRegularExpression(QStringLiteral(R"([/\\:*?"<>|])")), QStringLiteral("_"));
    if (name.isEmpty()) name = QStringLiteral("Vantrel 试题");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder.isEmpty() ? QDir::homePath() : folder)
        .filePath(name + QStringLiteral(".pdf"));
}

void PagePrinting::print() {
    view_.waitUntilReady();
    std::unique_ptr<QPrinter> printer = dialogs_.choosePrinter(view_.window());
    if (!printer) return;
    pageview::EngineWait wait(view_);
    QObject::connect(&view_, &QWebEngineView::printFinished, &wait,
                     [&wait](bool success) { wait.finish(success); });
    QObject::connect(view_.page(), &QWebEnginePage::renderProcessTerminated, &wait,
                     [&wait] { wait.finish(false); });
    view_.print(printer.get());
    switch (wait.wait(kPrintTimeoutMs)) {
        case pageview::EngineWait::Outcome::Succeeded:
            return;
        case pageview::EngineWait::Outcome::Failed:
            throw core::Error(
                QStringLiteral("打印失败：页面没有送到打印机。请检查打印机后再试一次。"));
        case pageview::EngineWait::Outcome::TimedOut: {
            // The engine goes on printing on this printer until it says it is done.
            std::shared_ptr<QPrinter> kept(std::move(printer));
            QObject::connect(
                &view_, &QWebEngineView::printFinished, &view_, [kept] {},
                Qt::SingleShotConnection);
            throw core::Error(QStringLiteral("打印超时：页面长时间没有打印完成。"));
        }
        case pageview::EngineWait::Outcome::Gone:
            throw core::Error(QStringLiteral("页面已关闭，没有打印。"));
    }
}

void PagePrinting::exportPdf() {
    view_.waitUntilReady();
    const QString path = dialogs_.choosePdfFile(view_.window(), suggestedPdfPath());
    if (path.isEmpty()) return;
    pageview::printPageToPdf(*view_.page(), path);
}

}  // namespace app

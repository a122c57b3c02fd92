#pragma once

#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace pageview {
class WebPageView;
}

namespace app {

struct MainWindowControls;

// Printing the page the main window shows, and saving it as a PDF file: the document as it is
// now (answers shown or hidden), laid out by the page engine. Both wait for the engine while
// events are dispatched; failures are core::Error with a message for the user.
class PagePrinting {
  public:
    // Where the user's choices come from: Qt's print dialog and save dialog by default.
    struct Dialogs {
        // A printer the user has set up, or null when the print was cancelled.
        std::function<std::unique_ptr<QPrinter>(QWidget* parent)> choosePrinter;
        // The PDF file to write, or empty when cancelled; `suggested` is the proposed path.
        std::function<QString(QWidget* parent, const QString& suggested)> choosePdfFile;
    };
    static Dialogs standardDialogs();

    using CommandRunner = std::function<void(const std::function<void()>& command)>;

    // `documentName` names the page shown (the chapter), for the proposed file name.
    PagePrinting(pageview::WebPageView& view, std::function<QString()> documentName);
    // The main window's page: its menu and Ctrl+P print and export through `runCommand`, the
    // selected chapter names the document.
    PagePrinting(MainWindowControls& controls, const CommandRunner& runCommand);

    void setDialogs(Dialogs dialogs) { dialogs_ = std::move(dialogs); }

    void print();      // 打印…
    void exportPdf();  // 导出为 PDF…

    // The proposed PDF file: the page's name in the user's documents folder.
    QString suggestedPdfPath() const;

  private:
    pageview::WebPageView& view_;
    std::function<QString()> documentName_;
    Dialogs dialogs_ = standardDialogs();
};

}  // namespace app

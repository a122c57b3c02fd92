#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/chapter_tree_view.h"
#include "app/main_window.h"
#include "pdf_probe.h"
#include "scripted_messages.h"
#include "test_material.h"
#include "ui/picture_button.h"
#include "window_bank.h"

// The main window's page menu and Ctrl+P: the page as it is shown, printed and saved as a PDF.
namespace {

const QString kA1Question = QStringLiteral("第一章节的题目");

class PagePrintingTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(files.isValid());
        window = std::make_unique<app::TForm10>(bank.programDir(), &messages);
        window->controls().Timer1->stop();  // no version check against the network
        // The print dialog's choice is a printer writing a PDF file; the save dialog's a path.
        window->printing().setDialogs({
            [this](QWidget*) {
                ++printersAsked;
                auto printer = std::make_unique<QPrinter>();
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(printTo);
                return printer;
            },
            [this](QWidget*, const QString& suggested) {
                suggestions << suggested;
                return pdfTo;
            },
        });
        window->show();
        ASSERT_TRUE(waitUntil(
            [&] {
                return window->state().PageShown == 1 && pageText(page()).contains(kA1Question);
            },
            30000));
    }

    pageview::WebPageView& page() { return *window->controls().WebBrowser1; }
    QString file(const QString& name) const { return files.filePath(name); }

    // A real right click on the page's first question.
    void rightClickOnPage(pageview::WebPageView& view) {
        const QVariantList centre =
            pageValue(view,
                      QStringLiteral("(function(){var r=document.body.getBoundingClientRect();"
                                     "return [r.left+20,r.top+20];})()"))
                .toList();
        ASSERT_EQ(centre.size(), 2);
        const QPoint at(qRound(centre[0].toDouble()), qRound(centre[1].toDouble()));
        QTest::mouseClick(view.focusProxy(), Qt::RightButton, Qt::NoModifier, at);
    }

    QTemporaryDir files;
    WindowBank bank;
    ScriptedMessages messages;
    std::unique_ptr<app::TForm10> window;
    QString printTo;
    QString pdfTo;
    int printersAsked = 0;
    QStringList suggestions;
};

TEST_F(PagePrintingTest, PageMenuOffersPrintAndPdfExportInThatOrder) {
    rightClickOnPage(page());
    QMenu* menu = window->controls().PageMenu;
    ASSERT_TRUE(waitUntil([&] { return menu->isVisible(); }));
    QStringList entries;
    for (const QAction* entry : menu->actions()) entries << entry->text();
    EXPECT_EQ(entries, (QStringList{QStringLiteral("打印…"), QStringLiteral("导出为 PDF…")}));
    EXPECT_EQ(menu->actions().first()->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    menu->hide();
    EXPECT_EQ(printersAsked, 0);
    EXPECT_TRUE(suggestions.isEmpty());
}

TEST_F(PagePrintingTest, ExportSavesThePageAsShownAndTheAnswersOnceShown) {
    pdfTo = file(QStringLiteral("hidden.pdf"));
    window->controls().ExportPdf->trigger();
    ASSERT_TRUE(QFileInfo::exists(pdfTo));
    EXPECT_EQ(QFileInfo(suggestions.value(0)).fileName(), QStringLiteral("a1.pdf"));
    const QString hidden = pdf_probe::pagedText(pdfTo);
    EXPECT_TRUE(hidden.contains(QStringLiteral("1.") + kA1Question)) << hidden.toStdString();
    EXPECT_TRUE(hidden.contains(QStringLiteral("A:甲B:乙")));
    EXPECT_FALSE(hidden.contains(QStringLiteral("正确答案")));
    EXPECT_TRUE(pdf_probe::info(pdfTo).contains(QStringLiteral("(A4)")));

    QTest::mouseClick(window->controls().NewImage10, Qt::LeftButton);  // 显示答案
    ASSERT_TRUE(waitUntil([&] { return pageText(page()).contains(QStringLiteral("正确答案")); }));
    pdfTo = file(QStringLiteral("shown.pdf"));
    window->controls().ExportPdf->trigger();
    const QString shown = pdf_probe::pagedText(pdfTo);
    EXPECT_TRUE(shown.contains(kA1Question));
    EXPECT_TRUE(shown.contains(QStringLiteral("正确答案：A答案解析：解析"))) << shown.toStdString();

    // Cancelled: nothing is written; a file that cannot be written is reported and not made.
    pdfTo.clear();
    window->controls().ExportPdf->trigger();
    pdfTo = file(QStringLiteral("no/such/folder.pdf"));
    window->controls().ExportPdf->trigger();
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("无法写入")))
        << messages.errors[0].toStdString();
    EXPECT_EQ(fileListing(files.path()), "hidden.pdf shown.pdf");
    EXPECT_EQ(suggestions.size(), 4);
}

TEST_F(PagePrintingTest, CtrlPPrintsThePageOnTheChosenPrinter) {
    printTo = file(QStringLiteral("printed.pdf"));
    QTest::keyClick(page().focusProxy(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(printersAsked, 1);
    ASSERT_TRUE(waitUntil([&] { return pdf_probe::pageCount(printTo) >= 1; }));
    EXPECT_TRUE(messages.errors.isEmpty()) << messages.errors.join('\n').toStdString();
}

TEST_F(PagePrintingTest, ACommandDuringAPageBuildIsNotRun) {
    pdfTo = file(QStringLiteral("during.pdf"));
    printTo = file(QStringLiteral("during-print.pdf"));
    bool building = false;
    // Runs in the first wait of the build that the click below starts.
    QTimer::singleShot(0, window.get(), [&] {
        building = window->controller().buildRunning();
        QTest::keyClick(page().focusProxy(), Qt::Key_P, Qt::ControlModifier);
        window->controls().ExportPdf->trigger();
    });
    app::ChapterTreeView& tree = *window->controls().TreeView1;
    QTreeWidgetItem* c1 = tree.nodeAt(7);
    tree.scrollToItem(c1);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(c1).center());
    ASSERT_TRUE(waitUntil([&] {
        return window->state().PageShown == 1 &&
               window->state().CurrentChapterId == QString::number(tree_rows::kC1);
    }));
    EXPECT_TRUE(building);
    EXPECT_EQ(printersAsked, 0);
    EXPECT_TRUE(suggestions.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(pdfTo));
}

}  // namespace

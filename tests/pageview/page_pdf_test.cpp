// Printing the page a view shows into a PDF file: the file is replaced whole, and a print the
// wait gave up on leaves nothing behind, also when the engine finishes it later.
#include "pageview/page_pdf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWebEnginePage>

#include "core/error.h"
#include "page_fixture.h"
#include "test_material.h"

namespace {

using PagePdf = PageFixture;

TEST_F(PagePdf, ReplacesTheFileWholeAndAPrintThatTimedOutLeavesNothingBehind) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    view_->append(QStringLiteral("<p>第一题</p>"));
    view_->waitUntilReady();
    int printsEnded = 0;
    QObject::connect(view_->page(), &QWebEnginePage::pdfPrintingFinished, view_,
                     [&] { ++printsEnded; });

    try {
        pageview::printPageToPdf(*view_->page(), path, 0);
        ADD_FAILURE() << "a print with no time to finish finished";
    } catch (const core::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("超时"))) << e.message().toStdString();
    }
    EXPECT_EQ(fileBytes(path), QByteArray("earlier"));
    // The engine writes the abandoned PDF after all; it is removed, not left beside the file.
    ASSERT_TRUE(waitUntil([&] { return printsEnded == 1; }, 60000));
    EXPECT_EQ(fileListing(dir.path()), "page.pdf");

    pageview::printPageToPdf(*view_->page(), path);
    EXPECT_TRUE(fileBytes(path).startsWith("%PDF-"));
    EXPECT_EQ(fileListing(dir.path()), "page.pdf");
}

}  // namespace

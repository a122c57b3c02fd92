#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>

class QWebEnginePage;

namespace pageview {

// How long the engine may take to lay out and print a page: a chapter of a thousand questions
// takes well under a minute.
inline constexpr int kPdfTimeoutMs = 5 * 60 * 1000;

// Every PDF is A4, portrait, with these margins; the template's print rules do the rest.
QPageLayout pdfPageLayout();

// Prints the document `page` holds now (as it is shown, scripts' changes included) into the PDF
// file `path`, waiting for the engine while events are dispatched. The PDF is written beside
// `path` and renamed into place, so a failure or time-out leaves `path` as it was. Failures are
// core::Error.
void printPageToPdf(QWebEnginePage& page, const QString& path, int timeoutMs = kPdfTimeoutMs);

// Renders an HTML document (bytes in the encoding it declares) into the PDF file `pdfPath`, as
// printPageToPdf does. Its relative addresses (the question pictures) resolve in `folder`, which
// is only read: an installed program directory is not the user's to write.
void renderDocumentToPdf(const QByteArray& document, const QString& folder, const QString& pdfPath,
                         int timeoutMs = kPdfTimeoutMs);

}  // namespace pageview

#pragma once

// What the page and preview commands share: the places (placesOf), the bank and the template, a
// text page view, and the finished document written to stdout as GBK (or, for the commands that
// take --pdf, into a PDF file).

#include <QFile>
#include <QStringList>

#include "command.h"
#include "core/error.h"
#include "pageview/page_pdf.h"
#include "pageview/text_page_view.h"
#include "store/connection.h"
#include "store/connection_string.h"

inline QString requiredOption(const QStringList& args, const QString& name) {
    const QString value = optionValue(args, name);
    if (value.isEmpty()) throw core::Error(QStringLiteral("缺少参数 %1").arg(name));
    return value;
}

class PageExport {
  public:
    explicit PageExport(const QStringList& args)
        : places_(placesOf(args)),
          bank_(store::ConnectionString::forDataDirectory(places_.dataDir)) {}

    store::Connection& bank() { return bank_; }
    pageview::TextPageView& view() { return view_; }
    QString templatePath() const { return places_.programDir + QStringLiteral("ty.html"); }

    // Writes the page as the template declares it: GBK.
    int write() const {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            throw core::Error(QStringLiteral("无法写出页面"));
        out.write(view_.gbkDocument());
        return 0;
    }

    // With --pdf FILE the same document goes into FILE as an A4 PDF, laid out by the page engine
    // as the windows print it; without it, as write() does.
    int writeHtmlOrPdf(const QStringList& args) const {
        if (!args.contains(QStringLiteral("--pdf"))) return write();
        pageview::renderDocumentToPdf(view_.gbkDocument(), places_.programDir,
                                      requiredOption(args, QStringLiteral("--pdf")));
        return 0;
    }

  private:
    core::ProgramPlaces places_;
    store::Connection bank_;
    pageview::TextPageView view_;
};

#pragma once

#include <QStringList>

#include "pageview/page_view.h"

namespace pageview {

// A page view that builds the page as text, for exporting pages without a browser: the template
// (a GBK file) with every appended fragment, in order, just before its last </body>.
// There are no elements to read or write: element access is a store::Error.
class TextPageView : public pageview::PageView {
  public:
    void load(const QString& path) override;
    void waitUntilReady() override {}
    void append(const QString& html) override { fragments_ << html; }

    QString value(const QString& id) override;
    bool checked(const QString& id) override;
    void setChecked(const QString& id, bool checked) override;
    void setValue(const QString& id, const QString& value) override;
    void setColor(const QString& id, const QString& color) override;
    QHash<QString, pageview::ElementState> formSnapshot() override;

    void setBodyFontSize(int size) override { bodyFontSize_ = size; }
    void execScript(const QString& code) override { scripts_ << code; }
    void zoom(int level) override { zoomLevel_ = level; }

    // The whole document: the template with the fragments inserted.
    QString html() const;
    // The document as GBK bytes; a character that GBK cannot hold is a store::Error.
    QByteArray gbkDocument() const;
    int zoomLevel() const { return zoomLevel_; }
    int bodyFontSize() const { return bodyFontSize_; }
    const QStringList& scripts() const { return scripts_; }

  private:
    [[noreturn]] static void noElements(const QString& id);

    QString template_;
    QStringList fragments_;
    QStringList scripts_;
    int zoomLevel_ = 0;
    int bodyFontSize_ = 0;
};

}  // namespace pageview

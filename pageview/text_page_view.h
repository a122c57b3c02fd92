#pragma once

#include <QStringList>

#include "pageview/page_view.h"

namespace pageview {

// A page view that builds the page as text, for exporting pages without a browser: the template
// (a GBK file) with every appended fragment, in order, just before its last </body>.
// Element access answers from the start tags of the fragments, as a browser would from the
// parsed page: a value attribute (a select's selected option, else its first), a checked
// attribute; writes change the markup that html() prints. The first element with an id counts;
// an id that no fragment holds is a core::Error, and setColor leaves the markup as it is.
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

    // A page of text has no display and runs no scripts: these leave it as it is.
    void setBodyFontSize(int) override {}
    void execScript(const QString&) override {}
    void zoom(int) override {}

    // The whole document: the template with the fragments inserted.
    QString html() const;
    // The document as GBK bytes; a character that GBK cannot hold is a core::Error.
    QByteArray gbkDocument() const;

  private:
    // The fragment that holds the first element with this id; a core::Error when none does.
    qsizetype fragmentOf(const QString& id);
    // Brings the index of ids and radio groups up to the last fragment.
    void indexFragments();

    QString template_;
    QStringList fragments_;
    // So that a lookup does not read the whole page again: the first fragment of each id and
    // the fragments holding each radio group, for the fragments before indexed_. Writes never
    // change ids, names or types.
    QHash<QString, qsizetype> idFragments_;
    QHash<QString, QList<qsizetype>> radioFragments_;
    qsizetype indexed_ = 0;
};

}  // namespace pageview

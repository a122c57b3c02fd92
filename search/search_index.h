#pragma once

#include <QString>
#include <functional>

// Architecture notes: the question search index.
//
// The index is a SQLite file of its own beside the bank, Data/med.mdb.search, never tables in
// the bank: the bank stays exactly the bank (a backup copies no index, the restore's schema
// check lets no table of ours in, the bank check and the Jet converter know nothing of it), and
// a build writes only the index file, so it never holds the bank's write lock while the windows
// post favourites and hand-ins. The index holds nothing that cannot be read from the bank again:
// a damaged or missing file is simply made anew.
//
// It holds every question's plain texts (table entry: stem, options, explanation, and its
// chapter for the list) and an FTS5 table over them with the trigram tokenizer, which finds any
// substring of three or more characters without a word splitter (content='entry', so the texts
// are stored once).
//
// The bank is replaced whole by a restore or an Access conversion, even by hand while the
// program is closed. So refresh() compares a fingerprint of what the index is made of (a digest
// of every question's texts, group, chapter and options, read from the bank) with the one the
// index was built from, and builds anew when they differ. The fingerprint is read before the
// rows are copied: a bank that changes in between leaves a fingerprint that no longer matches,
// so the next refresh builds again rather than keeping a stale index. The bank is attached
// read-only and read in statements of their own; the build then runs in one transaction of the
// index file alone, so a reader sees the old index or the new one whole.

namespace search {

class SearchIndex {
  public:
    explicit SearchIndex(const QString& bankPath);

    // The index file of a bank: beside it, named after it.
    static QString pathFor(const QString& bankPath);

    enum class Outcome { Current, Built };
    // Brings the index up to the bank: nothing when it was built from the bank as it is, else a
    // build, announced through `building` (called on this thread) before it starts. Reads the
    // bank and never writes it. Throws core::Error (a missing bank, a file that is no bank, an
    // index that cannot be written).
    Outcome refresh(const std::function<void()>& building = {});

  private:
    QString bankPath_;
    QString indexPath_;
};

}  // namespace search

#include "search/search_index.h"

#include <sqlite3.h>

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QtDebug>
#include <memory>

#include "core/error.h"
#include "search/plain_text.h"
#include "store/database.h"

namespace search {
namespace {

// Raised whenever what the index holds or how its texts are made changes: an index built by
// another version of the program is then built anew, since its fingerprint no longer matches.
const QString kFormat = QStringLiteral("1");

const char* const kSchema[] = {
    "create table if not exists meta(key text primary key, value text)",
    "create table if not exists entry(id integer primary key, chapter_id integer, chapter text,"
    " stem text, options text, explain text)",
    "create virtual table if not exists entry_fts using fts5(stem, options, explain,"
    " content='entry', content_rowid='id', tokenize='trigram')",
};

// What the index is made of, as the bank stores it: its rows and the columns they hold.
struct Source {
    QString columns;
    QString rows;
};

// Every question with what is searched and shown of it. A matching group's questions are
// answered from the group's shared choice list, which their page shows instead of option rows:
// for them `choices` holds it (never null), for every other question it is null.
const Source kQuestions{
    QStringLiteral("id, chapter_id, chapter, stem, explain, choices"),
    QStringLiteral(
        "select q.id as id, r.treeid as chapter_id, t.nodename as chapter, q.content as stem,"
        " q.\"explain\" as explain,"
        " case when cast(y.code as integer) = 9 then coalesce(r.content, '') end as choices"
        " from bank.question q left join bank.readtext r on r.id = q.readtextid"
        " left join bank.qtype y on y.id = r.qtypeid left join bank.tree t on t.id = r.treeid"),
};
const Source kOptions{
    QStringLiteral("id, questionid, content"),
    QStringLiteral("select id, questionid, content from bank.opinion"),
};

// plain_text(html): the text a reader sees (plainText).
void plainTextFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* html = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
    const QByteArray text =
        plainText(QString::fromUtf8(html, sqlite3_value_bytes(args[0]))).toUtf8();
    sqlite3_result_text(context, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

// fingerprint(values…): a digest of every value of the rows it is given, in their order. Each
// value goes in with its type and length, so that "ab","c" differs from "a","bc".
QCryptographicHash** digestOf(sqlite3_context* context, int bytes) {
    return static_cast<QCryptographicHash**>(sqlite3_aggregate_context(context, bytes));
}

void fingerprintStep(sqlite3_context* context, int count, sqlite3_value** args) {
    QCryptographicHash** digest = digestOf(context, sizeof(QCryptographicHash*));
    if (!digest) {
        sqlite3_result_error_nomem(context);
        return;
    }
    if (!*digest) *digest = new QCryptographicHash(QCryptographicHash::Sha1);
    for (int i = 0; i < count; ++i) {
        const int type = sqlite3_value_type(args[i]);
        const char* bytes =
            type == SQLITE_NULL ? "" : reinterpret_cast<const char*>(sqlite3_value_text(args[i]));
        const qint32 head[2] = {type, type == SQLITE_NULL ? 0 : sqlite3_value_bytes(args[i])};
        (*digest)->addData(QByteArrayView(reinterpret_cast<const char*>(head), sizeof head));
        (*digest)->addData(QByteArrayView(bytes, head[1]));
    }
}

// Also called for a statement that ends early, so the digest never leaks.
void fingerprintFinal(sqlite3_context* context) {
    QCryptographicHash** digest = digestOf(context, 0);
    const QByteArray hex = digest && *digest ? (*digest)->result().toHex() : QByteArray("none");
    if (digest) {
        delete *digest;
        *digest = nullptr;
    }
    sqlite3_result_text(context, hex.constData(), int(hex.size()), SQLITE_TRANSIENT);
}

void registerFunctions(store::Database& index) {
    sqlite3* db = index.handle();
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_function_v2(db, "plain_text", 1, flags, nullptr, plainTextFunction, nullptr,
                                   nullptr, nullptr) != SQLITE_OK ||
        sqlite3_create_function_v2(db, "fingerprint", -1, flags, nullptr, nullptr,
                                   fingerprintStep, fingerprintFinal, nullptr) != SQLITE_OK) {
        throw core::Error(QStringLiteral("无法准备搜索索引：%1")
                              .arg(QString::fromUtf8(sqlite3_errmsg(db))));
    }
}

// Only a file that is no database at all is removed; one that is merely locked (another
// program building it) is left alone and reported by the statement that meets the lock.
bool isDatabase(store::Database& index) {
    const int rc = sqlite3_exec(index.handle(), "select count(*) from sqlite_master", nullptr,
                                nullptr, nullptr);
    return rc != SQLITE_NOTADB && rc != SQLITE_CORRUPT;
}

std::unique_ptr<store::Database> openIndex(const QString& path) {
    auto index = std::make_unique<store::Database>(path, store::Database::Access::OwnFile);
    if (!isDatabase(*index)) {
        qWarning() << "search index is no database, made anew:" << path;
        index.reset();
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-journal"));
        index = std::make_unique<store::Database>(path, store::Database::Access::OwnFile);
    }
    for (const char* statement : kSchema) index->exec(QString::fromLatin1(statement));
    registerFunctions(*index);
    return index;
}

// The bank by a read-only URI: the index's connection can never write it, and a missing bank is
// not created.
QString readOnlyUri(const QString& bankPath) {
    QUrl uri = QUrl::fromLocalFile(QFileInfo(bankPath).absoluteFilePath());
    uri.setQuery(QStringLiteral("mode=ro"));
    return QString::fromUtf8(uri.toEncoded());
}

QString bankFingerprint(store::Database& index) {
    const auto digest = [&](const Source& source) {
        return index
            .select(QStringLiteral("select fingerprint(") + source.columns +
                    QStringLiteral(") from (") + source.rows + QStringLiteral(" order by id)"))
            .values.value(0)
            .value(0)
            .toString();
    };
    return kFormat + u':' + digest(kQuestions) + u':' + digest(kOptions);
}

QString storedFingerprint(store::Database& index) {
    return index.select(QStringLiteral("select value from meta where key='fingerprint'"))
        .values.value(0)
        .value(0)
        .toString();
}

// A write transaction of the index that rolls back unless committed.
class IndexTransaction {
  public:
    explicit IndexTransaction(store::Database& index) : index_(index) {
        index_.exec(QStringLiteral("begin immediate"));
    }
    ~IndexTransaction() {
        if (committed_) return;
        try {
            index_.exec(QStringLiteral("rollback"));
        } catch (const core::Error& e) {
            qWarning() << "search index rollback failed:" << e.message();
        }
    }
    void commit() {
        index_.exec(QStringLiteral("commit"));
        committed_ = true;
    }
    IndexTransaction(const IndexTransaction&) = delete;
    IndexTransaction& operator=(const IndexTransaction&) = delete;

  private:
    store::Database& index_;
    bool committed_ = false;
};

void build(store::Database& index, const QString& fingerprint) {
    // Copied as stored, each in one statement of its own, so that the bank is held only while it
    // is read; the texts are made plain afterwards from the copies.
    index.exec(QStringLiteral("create temp table staged_question as ") + kQuestions.rows);
    index.exec(QStringLiteral("create temp table staged_option as ") + kOptions.rows);
    IndexTransaction transaction(index);
    index.exec(QStringLiteral("delete from entry"));
    index.exec(QStringLiteral(
        "insert into entry(id, chapter_id, chapter, stem, options, explain)"
        " select s.id, s.chapter_id, s.chapter, plain_text(s.stem),"
        " coalesce(plain_text(s.choices), o.texts), plain_text(s.explain)"
        " from staged_question s left join"
        " (select questionid, group_concat(plain_text(content), char(10)) as texts"
        " from (select questionid, content from staged_option order by questionid, id)"
        " group by questionid) o on o.questionid = s.id"));
    index.exec(QStringLiteral("insert into entry_fts(entry_fts) values('rebuild')"));
    index.exec(QStringLiteral("insert or replace into meta(key, value) values('fingerprint', ?)"),
               {fingerprint});
    transaction.commit();
}

}  // namespace

SearchIndex::SearchIndex(const QString& bankPath)
    : bankPath_(bankPath), indexPath_(pathFor(bankPath)) {}

QString SearchIndex::pathFor(const QString& bankPath) {
    return bankPath + QStringLiteral(".search");
}

SearchIndex::Outcome SearchIndex::refresh(const std::function<void()>& building) {
    // Opened as the windows open it first: a missing file or one that is no bank says so.
    { const store::Database bank(bankPath_, store::Database::Access::ReadOnly); }
    const std::unique_ptr<store::Database> index = openIndex(indexPath_);
    index->exec(QStringLiteral("attach database ? as bank"), {readOnlyUri(bankPath_)});
    const QString fingerprint = bankFingerprint(*index);
    if (fingerprint == storedFingerprint(*index)) return Outcome::Current;
    if (building) building();
    build(*index, fingerprint);
    return Outcome::Built;
}

}  // namespace search

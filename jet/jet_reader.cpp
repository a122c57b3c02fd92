#include "jet_reader.h"

#include <mdbtools.h>

#include <QFile>
#include <algorithm>
#include <cstring>

#include "core/error.h"

namespace jet {
namespace {

// Row offsets on a data page carry flags in their top bits.
constexpr int kRowOffsetMask = 0x1fff;
// The 12 bytes before a memo or OLE value: its length (30 bits) and where its pages are.
constexpr quint32 kLongValueLengthMask = 0x3fffffff;
// libmdb reads an OLE value into the column's bound buffer in chunks up to this size.
constexpr size_t kOleChunk = size_t(MDB_BIND_SIZE) * 64;

struct GFree {
    void operator()(char* text) const { g_free(text); }
};
using GText = std::unique_ptr<char, GFree>;

struct Free {
    void operator()(void* bytes) const { free(bytes); }
};
using MallocBytes = std::unique_ptr<void, Free>;

// Text converted to UTF-8 becomes at most three bytes for each stored byte (one byte of a Jet 3
// code page or of compressed Jet 4 text; two of UCS-2), plus the terminating NUL.
size_t utf8Capacity(size_t storedBytes) { return 3 * storedBytes + 1; }

QString fileMessage(const QString& path, const QString& what) {
    return QStringLiteral("无法读取 Access 数据库 %1：%2").arg(path, what);
}

}  // namespace

struct Reader::Handle {
    MdbHandle* mdb = nullptr;
    ~Handle() {
        if (mdb) mdb_close(mdb);
    }
};

struct Table::Definition {
    MdbTableDef* table = nullptr;
    ~Definition() {
        if (table) mdb_free_tabledef(table);
    }
};

Reader::Reader(const QString& path) : path_(path), handle_(std::make_unique<Handle>()) {
    if (!QFile::exists(path)) throw core::Error(fileMessage(path, QStringLiteral("文件不存在")));
    kind_ = fileKindOf(path);
    if (kind_ == FileKind::NotJet)
        throw core::Error(fileMessage(path, QStringLiteral("不是 Access 数据库文件")));
    handle_->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!handle_->mdb || !mdb_read_catalog(handle_->mdb, MDB_TABLE)) {
        throw core::Error(fileMessage(
            path, kind_ == FileKind::Ace
                      ? QStringLiteral(
                            "文件已损坏，或是无法读取的 Access 2007 以后的格式（如加密的文件）")
                      : QStringLiteral("文件已损坏或格式无法识别")));
    }
    mdb_set_date_fmt(handle_->mdb, "%Y-%m-%d %H:%M:%S");
}

Reader::~Reader() = default;

QStringList Reader::tableNames() const {
    QStringList names;
    GPtrArray* catalog = handle_->mdb->catalog;
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (mdb_is_user_table(entry)) names << QString::fromUtf8(entry->object_name);
    }
    return names;
}

Table Reader::table(const QString& name) const {
    GPtrArray* catalog = handle_->mdb->catalog;
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (mdb_is_user_table(entry) &&
            QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) == 0)
            return Table(*this, entry);
    }
    throw core::Error(QStringLiteral("%1 中没有数据表 %2").arg(path_, name));
}

Table::Table(const Reader& reader, void* entry)
    : reader_(&reader), definition_(std::make_unique<Definition>()) {
    auto* catalogEntry = static_cast<MdbCatalogEntry*>(entry);
    name_ = QString::fromUtf8(catalogEntry->object_name);
    definition_->table = mdb_read_table(catalogEntry);
    if (!definition_->table || !mdb_read_columns(definition_->table))
        throw core::Error(
            fileMessage(reader.path(), QStringLiteral("数据表 %1 的定义无法读取").arg(name_)));
    for (guint i = 0; i < definition_->table->num_cols; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(definition_->table->columns, i));
        columns_.push_back({QString::fromUtf8(column->name), column->col_type});
    }
}

Table::~Table() = default;
Table::Table(Table&&) noexcept = default;

int Table::columnIndex(const QString& name) const {
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

qint64 Table::recordedRowCount() const { return definition_->table->num_rows; }

namespace {

// Takes the values of one cracked row out of the page libmdb holds.
class RowDecoder {
  public:
    RowDecoder(MdbTableDef* table, const QString& path)
        : table_(table), mdb_(table->entry->mdb), path_(path) {
        const guint count = table->num_cols;
        fields_.resize(count);
        row_.resize(count);
        texts_.resize(count);
        oleBuffers_.resize(count);
        for (guint i = 0; i < count; ++i) {
            // An OLE value is read through its column's bound buffer (mdb_ole_read_full).
            if (column(i)->col_type == MDB_OLE) {
                oleBuffers_[i].resize(kOleChunk);
                mdb_bind_column(table, int(i) + 1, oleBuffers_[i].data(), nullptr);
            }
        }
    }

    ~RowDecoder() {
        for (guint i = 0; i < table_->num_cols; ++i)
            if (!oleBuffers_[i].empty()) column(i)->bind_ptr = nullptr;
    }

    // The row mdb_fetch_row has just read, taken apart again for its null flags.
    const std::vector<Value>& decodeFetchedRow() {
        int start = 0;
        size_t size = 0;
        if (mdb_find_row(mdb_, int(table_->cur_row) - 1, &start, &size) != 0 ||
            mdb_crack_row(table_, start & kRowOffsetMask, size, fields_.data()) < 0) {
            throw core::Error(
                fileMessage(path_, QStringLiteral("数据表 %1 的第 %2 页有无法读取的行")
                                       .arg(QString::fromUtf8(table_->name))
                                       .arg(table_->cur_phys_pg)));
        }
        for (const MdbField& field : fields_) {
            if (field.colnum < 0 || guint(field.colnum) >= table_->num_cols) continue;
            row_[field.colnum] = valueOf(field);
        }
        return row_;
    }

    // Frees what the values of the last row pointed into.
    void releaseRow() {
        owned_.clear();
        oleOwned_.clear();
    }

  private:
    MdbColumn* column(guint i) const {
        return static_cast<MdbColumn*>(g_ptr_array_index(table_->columns, i));
    }

    Value valueOf(const MdbField& field) {
        MdbColumn* col = column(guint(field.colnum));
        Value value;
        // A yes/no column keeps its value in the null flag: set means "no".
        if (col->col_type == MDB_BOOL) {
            value.kind = Value::Kind::Integer;
            value.integer = field.is_null ? 0 : 1;
            return value;
        }
        if (field.is_null) return value;
        unsigned char* page = mdb_->pg_buf;
        switch (col->col_type) {
            case MDB_BYTE:
                return integer(mdb_get_byte(page, field.start));
            case MDB_INT:
                return integer(qint16(mdb_get_int16(page, field.start)));
            case MDB_LONGINT:
            case MDB_COMPLEX:
                return integer(qint32(mdb_get_int32(page, field.start)));
            case MDB_FLOAT:
                return real(mdb_get_single(page, field.start));
            case MDB_DOUBLE:
                return real(mdb_get_double(page, field.start));
            case MDB_TEXT:
                return text(field);
            case MDB_MEMO:
                return memo(field);
            case MDB_BINARY:
                return blob(static_cast<const char*>(field.value), size_t(std::max(field.siz, 0)));
            case MDB_OLE:
                return ole(col);
            case MDB_MONEY:
                return ownedText(GText(mdb_money_to_string(mdb_, field.start)));
            case MDB_NUMERIC:
                return ownedText(
                    GText(mdb_numeric_to_string(mdb_, field.start, col->col_scale, col->col_prec)));
            default:  // date and time, replication ids
                return ownedText(
                    GText(mdb_col_to_string(mdb_, page, field.start, col->col_type, field.siz)));
        }
    }

    static Value integer(qint64 number) {
        Value value;
        value.kind = Value::Kind::Integer;
        value.integer = number;
        return value;
    }
    static Value real(double number) {
        Value value;
        value.kind = Value::Kind::Real;
        value.real = number;
        return value;
    }
    static Value blob(const char* bytes, size_t size) {
        Value value;
        value.kind = Value::Kind::Blob;
        value.bytes = std::string_view(bytes, size);
        return value;
    }

    // Text columns are converted into a buffer of the column's own, sized for the value.
    Value text(const MdbField& field) {
        std::string& buffer = texts_[field.colnum];
        const size_t stored = size_t(std::max(field.siz, 0));
        buffer.resize(utf8Capacity(stored));
        const int length = mdb_unicode2ascii(mdb_, static_cast<const char*>(field.value), stored,
                                             buffer.data(), buffer.size());
        Value value;
        value.kind = Value::Kind::Text;
        value.bytes = std::string_view(buffer.data(), size_t(std::max(length, 0)));
        return value;
    }

    // libmdb converts a memo into a buffer of its bind size and cuts what does not fit: the bind
    // size is raised to this value's length for the one conversion.
    Value memo(const MdbField& field) {
        const quint32 stored =
            quint32(mdb_get_int32(mdb_->pg_buf, field.start)) & kLongValueLengthMask;
        const size_t usual = mdb_->bind_size;
        mdb_set_bind_size(mdb_, std::max(usual, utf8Capacity(stored)));
        GText converted(mdb_col_to_string(mdb_, mdb_->pg_buf, field.start, MDB_MEMO, field.siz));
        mdb_set_bind_size(mdb_, usual);
        // A page of the value that cannot be read gives a shorter text, or none, and no error.
        // Every two stored bytes give at least one byte of UTF-8 (the two of a compressed
        // text's header aside).
        if (2 * std::strlen(converted.get()) + 2 < stored) {
            throw core::Error(
                fileMessage(path_, QStringLiteral("数据表 %1 字段 %2 的长文本不完整，"
                                                  "文件不完整或已损坏")
                                       .arg(QString::fromUtf8(table_->name),
                                            QString::fromUtf8(column(guint(field.colnum))->name))));
        }
        return ownedText(std::move(converted));
    }

    Value ole(MdbColumn* col) {
        size_t size = 0;
        MallocBytes bytes(mdb_ole_read_full(mdb_, col, &size));
        const Value value = blob(static_cast<const char*>(bytes.get()), size);
        oleOwned_.push_back(std::move(bytes));
        return value;
    }

    Value ownedText(GText text) {
        Value value;
        value.kind = Value::Kind::Text;
        value.bytes = text ? std::string_view(text.get()) : std::string_view();
        owned_.push_back(std::move(text));
        return value;
    }

    MdbTableDef* table_;
    MdbHandle* mdb_;
    QString path_;
    std::vector<MdbField> fields_;
    std::vector<Value> row_;
    std::vector<std::string> texts_;
    std::vector<std::vector<char>> oleBuffers_;
    std::vector<GText> owned_;
    std::vector<MallocBytes> oleOwned_;
};

}  // namespace

qint64 Table::readRows(const RowVisitor& visit) {
    MdbTableDef* table = definition_->table;
    RowDecoder decoder(table, reader_->path());
    mdb_rewind_table(table);
    qint64 rows = 0;
    while (mdb_fetch_row(table)) {
        visit(decoder.decodeFetchedRow());
        decoder.releaseRow();
        ++rows;
    }
    // libmdb ends a scan quietly at a page it cannot read: a copy cut short would lose rows.
    // More rows than recorded lose nothing (a count an interrupted write left behind).
    if (rows < recordedRowCount()) {
        throw core::Error(
            fileMessage(reader_->path(), QStringLiteral("数据表 %1 记录有 %2 行，只读出 %3 行，"
                                                        "文件不完整或已损坏")
                                             .arg(name_)
                                             .arg(recordedRowCount())
                                             .arg(rows)));
    }
    return rows;
}

}  // namespace jet

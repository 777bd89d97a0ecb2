#pragma once
// The thread's open file of one table: its SQLite connection, the column map derived from the
// layout and the prepared statements kept for it. Internal to the store.
#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/store/record_buffer.h"
#include "framework/store/store_context.h"
#include "framework/store/table_access.h"
#include "framework/store/table_layout.h"

namespace zrv::store {

// One column of the SQL table: a record field (field >= 0) or a memo (memo >= 0).
struct Column {
    std::string name;
    int field = -1;
    int memo = -1;
};

// Where a caller keeps a statement of a file for its next use.
struct StatementSlot {
    const class TableFile* file = nullptr;
    std::uint64_t generation = 0;
    sqlite3_stmt* statement = nullptr;
};

struct OpenResult {
    StoreError error = StoreError::None;
    std::string text;
    int message = 0;          // the message that reports it (0: none)
    bool unwritable = false;  // the file or its folder cannot be written: reading may still work
};

class TableFile {
public:
    TableFile(const TableLayout& layout, std::string path, std::string label, const StoreOptions& options);
    ~TableFile();
    TableFile(const TableFile&) = delete;
    TableFile& operator=(const TableFile&) = delete;

    // Opens, creating when missing, and checks layout and keys; raises the open messages (a
    // timer tick only those it has not raised before, see ErrorReporter::raise_about). A file
    // that this program may not write, or whose folder it may not write, is opened for reading
    // only, in a way that writes nothing in the folder.
    OpenResult open();
    void close();
    // Before an operation: sets how long it waits for another program's lock (a timer tick
    // waits only briefly), re-opens a connection that reads an unchanging snapshot of the file
    // once the file has changed, and opens the file anew when another file has taken its name
    // (moved over it, or deleted and made again). False when the file cannot be read now.
    bool prepare();
    // How long the connection waits for a lock now.
    std::chrono::milliseconds wait() const { return wait_; }
    void set_wait(std::chrono::milliseconds wait);

    const TableLayout& layout() const { return *layout_; }
    const std::string& path() const { return path_; }
    const std::string& label() const { return label_; }
    bool read_only() const { return read_only_; }
    sqlite3* db() const { return db_; }
    const std::vector<Column>& columns() const { return columns_; }
    const std::string& table_name() const { return table_name_; }
    const StoreOptions& options() const { return options_; }

    // A kept statement for this SQL text, reset and cleared; nullptr on error (see errmsg()).
    sqlite3_stmt* statement(const std::string& sql);
    // The same, found again through the caller's slot without looking the text up while the
    // file keeps the statement the slot was given.
    sqlite3_stmt* statement(const std::string& sql, StatementSlot& slot);
    std::string errmsg() const;
    // The file's stamp now (no stamp when it cannot be read).
    FileStamp stamp();

    // The SELECT list "rowid, col, col ..." and decoding of one row of it into a buffer.
    const std::string& select_list() const { return select_list_; }
    // Reads columns 1.. of the statement's current row; appends "field: reason" for every
    // value that does not fit (that field is left cleared). A text longer than its field fits:
    // it reads cut to the field's size.
    void decode_row(sqlite3_stmt* row, RecordBuffer& record, std::vector<std::string>& unfit) const;
    // Writes a line into the error log for each value of the record read at `position` that did
    // not fit (decode_row's "field: reason"), once per file, record and field while the program
    // runs, so that an operator can find why a cell shows empty.
    void log_unreadable(std::int64_t position, const RecordBuffer& record, const std::vector<std::string>& unfit) const;
    // One column of the row (0 for the first after the rowid) into its field or memo of a buffer
    // in which that field or memo is cleared; the reason when the value does not fit (the field
    // is then left cleared), nullptr when it fits.
    const char* decode_column(sqlite3_stmt* row, std::size_t column, RecordBuffer& record) const;
    // The field's or memo's name that the reasons of a column start with.
    const std::string& column_label(std::size_t column) const;
    // Whether no two columns' fields share a byte of the record, so that each column can be
    // converted on its own.
    bool columns_apart() const { return columns_apart_; }
    // Binds every column's value starting at parameter `first`; false (with the field named in
    // `problem`) when a value of the buffer cannot be stored.
    bool bind_row(sqlite3_stmt* statement, int first, const RecordBuffer& record, std::string& problem) const;
    // The same for one column, at one parameter.
    bool bind_column(sqlite3_stmt* statement, int parameter, const RecordBuffer& record, std::size_t column,
                     std::string& problem) const;
    // Whether a column's field (its bytes) or memo is the same in two buffers of this layout.
    bool same_column(const RecordBuffer& a, const RecordBuffer& b, std::size_t column) const;
    // Binds one field's value as a key component compares it.
    void bind_value(sqlite3_stmt* statement, int parameter, const RecordBuffer& record, int field) const;
    std::string column_of_field(int field) const;  // quoted
    // "a DESC, b, rowid" for a key's order (reversed when !forward).
    std::string order_by(int key, bool forward) const;

    // Damaged keys found during an operation: message 33, rebuild; 32 when that fails.
    bool rebuild_keys();

    // Users: the TableAccess objects of this thread that have it open.
    std::vector<TableAccess*> users;

    // SQL of the file's schema (for the documentation tests and the scoring tool).
    std::string create_table_sql() const;
    // What makes an empty file: the zrv_layout table and its rows, the table, the indexes.
    std::vector<std::string> schema_statements() const;
    std::vector<std::string> create_index_sql() const;
    std::string signature() const;
    std::string index_name(int key) const;  // unquoted

private:
    enum class Access { Write, Read, Snapshot };
    OpenResult open_connection(Access access);
    OpenResult open_for_reading();
    int probe(int& tables, std::string& text);
    OpenResult check_or_create();
    OpenResult report(OpenResult result);
    bool create_schema(std::string& error);
    bool run_sql(const std::string& sql, std::string& error);  // error: SQLite's text on failure
    bool keys_intact();
    void finalize_statements();

    const TableLayout* layout_;
    std::string path_, label_;
    StoreOptions options_;
    sqlite3* db_ = nullptr;
    bool read_only_ = false;
    // The file the connection opened, as the file system knows it; reopen_: another file has
    // its name, and opening that one has not succeeded yet.
    std::uint64_t device_ = 0, inode_ = 0;
    bool reopen_ = false;
    std::int64_t looked_ms_ = -1;  // when a tick last looked (coarse monotonic clock), -1 never
    // A look at the name no older than `age` (another thread's serves).
    bool replaced(std::chrono::steady_clock::duration age);
    bool snapshot_ = false;  // read with SQLite's immutable flag: re-opened when the file changes
    std::string snapshot_stamp_;
    std::chrono::milliseconds wait_{0};
    std::vector<Column> columns_;
    std::vector<int> column_of_field_;  // field -> column index, -1 for groups
    bool columns_apart_ = true;
    std::string table_name_, select_list_;
    std::vector<std::string> index_names_;
    std::unordered_map<std::string, sqlite3_stmt*> statements_;
    std::uint64_t statements_generation_ = 0;  // unique to these statements: renewed when they are finalized
    sqlite3_stmt* data_version_ = nullptr;
    std::uint64_t connection_ = 0;                        // the stamps' connection number, 0 until the first stamp
    sqlite3_file* wal_file_ = nullptr;                    // in WAL mode (as the first stamp found it): the file whose header tells
    const volatile std::uint32_t* wal_header_ = nullptr;  // that header, once mapped
};

// The conversion of one reader's rows into its record buffer that remembers the column values of
// the row it converted last: a column whose value is the same as then keeps the bytes (and the
// reason it did not fit) it gave then, so a re-read of a changed record converts only the
// columns that changed. The buffer it fills holds exactly what decode_row would put there.
class RowDecoder {
public:
    RowDecoder();
    ~RowDecoder();
    void decode(const TableFile& file, sqlite3_stmt* row, RecordBuffer& record, std::vector<std::string>& unfit);

private:
    struct Value {
        int type = 0;                  // SQLite's type; 0: none converted yet
        std::size_t at = 0, size = 0;  // a text or a blob: where its bytes are in the row's buffer
        std::int64_t number = 0;       // an integer, or a REAL's bits
    };
    std::vector<Value> values_;                               // by column
    std::string bytes_[2];                                    // the texts and blobs of this row and of the last one
    int last_bytes_ = 0;                                      // which of bytes_ holds the last row's
    std::vector<std::pair<std::size_t, std::string>> unfit_;  // by column: "field: reason"
    std::unique_ptr<RecordBuffer> converted_;
};

// Quotes an SQL identifier.
std::string quote_identifier(std::string_view name);

}  // namespace zrv::store

#pragma once
// TableAccess: the file manager of one table on one thread. It owns the table's record buffer
// and reaches the table's file through the thread's store context (one SQLite connection per
// thread and table). The data dictionary subclasses it per table and overrides the hooks.
//
// Every operation sets the error code and text of the last operation (error(), error_text())
// and, on failure, the thread's last file error in the error reporter. Failures reach the
// operator as the store's numbered messages; none is thrown.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/store/record_buffer.h"
#include "framework/store/table_layout.h"

struct sqlite3_stmt;

namespace zrv::store {

class TableFile;  // the thread's open file of one table (store_context.h)
class RowDecoder;
struct StatementSlot;

enum class StoreError : int {
    None = 0,
    NotFound,          // no record with that key / position
    NotOpen,           // the file could not be opened
    AccessDenied,      // opened for reading only
    CreateFailed,      // the missing file could not be created
    InvalidFile,       // not a table file of this layout; left unchanged
    KeysDamaged,       // the keys could not be rebuilt
    DuplicateKey,      // a unique key would be taken twice
    ChangedElsewhere,  // another program changed the record since it was read
    DeletedElsewhere,  // another program deleted the record since it was read
    Busy,              // no transaction could be started in time
    NumberingFailed,   // no new number could be given
    CheckFailed,       // a field check refused the record
    ValueDoesNotFit,   // a value of the buffer cannot be stored in its column
    NoCurrentRecord,   // update without a record read first
    Other,             // any other SQLite error (text says which)
    DiskFull,          // the disk has no room for the write
};

enum class UseMode { Initialize, Use };

// What tells whether a file changed between two looks: a commit by any other connection or
// process moves `version` or `generation`, this connection's own writes move `own`, and a
// connection opened anew (or its statements renewed) has a `connection` of its own. Equal
// stamps: nothing was committed in between.
struct FileStamp {
    std::uint64_t connection = 0;  // 0: no stamp
    std::int64_t version = 0;
    std::int64_t generation = 0;
    std::int64_t own = 0;
    bool operator==(const FileStamp&) const = default;
};

// Names the expressions of the screens can reach (a list's search and colour expressions).
class FieldBindings {
public:
    struct Binding {
        std::string name;
        class TableAccess* table = nullptr;
        int field = -1;  // record field, or -1 for a memo
        int memo = -1;
        int size = 0;  // memo: its size in characters
    };
    void bind_field(std::string_view name, TableAccess& table, int field);
    void bind_memo(std::string_view name, TableAccess& table, int memo, int size);
    const Binding* find(std::string_view name) const;  // without regard to case
    const std::vector<Binding>& all() const { return bindings_; }

private:
    std::vector<Binding> bindings_;
};

class TableAccess {
public:
    explicit TableAccess(const TableLayout& layout);
    virtual ~TableAccess();
    TableAccess(const TableAccess&) = delete;
    TableAccess& operator=(const TableAccess&) = delete;

    // ---- hooks for the data dictionary ------------------------------------------------------
    // Build time: file closed, opened lazily.
    virtual void initialize();
    // Release time: closes the file if this object has it open.
    virtual void shutdown();
    // Before any operation on the file. The base opens the file (lazily, once).
    virtual void use_table(UseMode mode = UseMode::Use);
    // Binds every record field under its full name; tables with memos add them after.
    virtual void bind_fields(FieldBindings& bindings);
    // New-record defaults, after the buffer was cleared (none by default).
    virtual void prime_new_record();
    // Field check: 0 when the value is accepted. `report` says whether a failure is shown.
    virtual int validate_field(int field, bool report);

    // ---- helpers for the hooks --------------------------------------------------------------
    void bind_record_fields(FieldBindings& bindings);
    void bind_memos(FieldBindings& bindings);

    // ---- state ------------------------------------------------------------------------------
    const TableLayout& layout() const { return *layout_; }
    RecordBuffer& record() { return record_; }
    const RecordBuffer& record() const { return record_; }
    // The name messages use for the file (the table's label unless set otherwise).
    const std::string& file_label() const { return label_; }
    void set_file_label(std::string label) { label_ = std::move(label); }
    bool is_open() const { return file_ != nullptr; }
    bool read_only() const;

    StoreError error() const { return error_; }
    const std::string& error_text() const { return error_text_; }
    // Values of the last record read that did not fit their fields (they were cleared), as
    // "field: reason"; empty when every value fitted.
    const std::vector<std::string>& unfit_values() const { return unfit_; }

    // ---- operations -------------------------------------------------------------------------
    // Opens the file (create when missing, check its layout and keys). Each open is matched by
    // a close; the thread's connection closes with its last user.
    bool open();
    void close();

    // The first record in key order whose key equals the buffer's key fields. NotFound leaves
    // the buffer as it was.
    bool get_by_key(int key);
    // get_by_key; when nothing is found the buffer is cleared.
    bool fetch_or_clear(int key);
    // Reads the record at a position (its row id, as a RecordView gives it).
    bool get_by_position(std::int64_t position);
    // The position of the record last read or written (0 when none).
    std::int64_t position() const { return position_; }
    // The file's stamp as a read now would find the file: equal stamps, nothing committed in
    // between. A file that is not open, or cannot be read now, has no stamp (never equal).
    FileStamp stamp();

    // Clears the buffer (keeping the fields listed, set beforehand from a range limit), applies
    // the defaults, numbers the first key (highest value + 1, 1 in an empty table) and adds the
    // record at once, all in one write transaction. A file opened for reading only, held by
    // another program or not writable gives its access message (2) at once; three attempts
    // failed otherwise ask, with message 38, whether to try again.
    bool prepare_new_record(std::span<const int> keep_fields = {});
    // Deletes the record prepare_new_record added (an insert that was cancelled).
    bool undo_autonumber();
    bool has_reserved_record() const { return reserved_ != 0; }

    // Runs the field checks in record order; the first failure is the only one reported.
    // Returns its result (0 when every field is accepted).
    int validate_record();
    // Completes an insert: writes the record numbering added (never adds a second) or, without
    // one, adds the record. Checks first; nothing is written when one fails.
    bool insert();
    // Writes back the fields the buffer changed since the record was read (those whose bytes
    // differ from the record as read, a memo whose text differs), in one transaction; every
    // other column stays as the file holds it. Refused when another program changed or deleted
    // the record meanwhile: changed one of those fields (message 7: the buffer takes the record
    // as the file holds it now) or deleted it (message 8). Nothing changed: nothing is written.
    // Afterwards the buffer holds the record as the file does.
    bool update();
    // The record as it was read when the buffer's changes were made, where that is not the record
    // last read (a form that keeps its operator's changes while it reads the record again):
    // update then writes the fields that differ from it, while the file still holds them so.
    void set_changes_based_on(const RecordBuffer& as_read);

    // Current highest value of a key's first field (0 when empty); for tools and tests.
    std::int64_t highest_value(int key);

protected:
    void set_error(StoreError error, std::string_view text = {});

    // The file this object has open (nullptr when closed); for the store's own classes.
    TableFile* file() const { return file_; }

private:
    friend class RecordView;
    friend class TableStoreInternals;

    const TableLayout* layout_;
    RecordBuffer record_;
    std::unique_ptr<RecordBuffer> last_read_;  // the record as last read, for update
    std::string label_;
    bool ready();
    bool repaired(int rc);
    void take_row(sqlite3_stmt* row);
    int taken_key(std::int64_t own_position, const std::vector<std::size_t>* columns = nullptr);
    // What stopped a write; reported once its transaction has ended, so that no other program
    // waits for this one while the operator reads the message.
    struct Refusal {
        StoreError error = StoreError::None;  // None: nothing stopped it
        int message = 0;
        std::string text;
        int key = -1;  // message 15: the key that is taken
        explicit operator bool() const { return error != StoreError::None; }
    };
    Refusal taken_key_refusal(int key) const;
    Refusal write_refusal(int locked_message, int rc = 0) const;
    Refusal failed_write(int message, int rc, std::string problem) const;
    void refuse(const Refusal& refusal);
    void report(StoreError error, int message, const std::string& text);
    bool refused_write(int locked_message, int rc = 0);
    // Writes the buffer into the row at `position` (only `columns`, when given), or adds it when
    // `position` is 0.
    int write_row(std::int64_t& position, std::string& problem, const std::vector<std::size_t>* columns = nullptr);
    std::vector<std::size_t> changed_columns() const;
    Refusal write_changes(const std::vector<std::size_t>& columns);
    Refusal add_numbered(std::string& problem, bool& added);
    Refusal write_insert();

    // The last get_by_key: reading the same again while the file's stamp has not moved finds
    // what it found then, so it is not read again. The stamp is what makes it stale: every
    // commit moves it, this connection's own writes too, and a connection opened anew has
    // stamps of its own; a found record also holds only while the buffer is that record as
    // read at that position (another read or a change of the buffer ends it).
    struct KeyedRead {
        FileStamp stamp;
        int key = -1;  // -1: none to go by
        bool found = false;
        std::int64_t position = 0;  // found: the record's
        std::string searched;       // not found: the key fields' images searched for
    };
    KeyedRead keyed_;
    bool reads_the_same(int key, const FileStamp& stamp) const;
    void key_image(int key, std::string& out) const;  // the key fields' images (RecordBuffer::append_image)
    bool key_image_is(int key, const std::string& image) const;
    // Where a unique key's record was last found, and the key it was found by; a position in
    // the file of that connection only.
    struct Found {
        std::uint64_t connection = 0;
        int key = -1;
        std::int64_t position = 0;
        std::string image;  // the key fields' images as the record read held them
    };
    Found found_;
    void took_keyed_row(sqlite3_stmt* row, int key, const FileStamp& stamp);
    // A unique key's record stays at its position while its key is unchanged: a read of that
    // position with the key as condition finds it without a search of the key's index. False
    // when that does not find it (deleted, its key changed, another key searched): the key is
    // then searched.
    bool read_where_found(int key, const FileStamp& stamp);
    // The key searched for anew with the case of its text folded in every script (the file's
    // index folds only A to Z); the record found is read. False when none is found so.
    bool get_by_folded_key(int key);
    // The SELECT of a keyed read, by key (at a position: the record there when it has the key);
    // built at its first use (it depends on the layout only).
    const std::string& keyed_select(int key, bool at_position = false);
    sqlite3_stmt* keyed_statement(int key, bool at_position);
    std::vector<std::string> keyed_select_;
    std::vector<StatementSlot> keyed_statements_;  // as keyed_select_

    std::unique_ptr<RowDecoder> decoder_;  // the rows this object reads into its buffer
    TableFile* file_ = nullptr;            // owned by the thread's store context
    int opens_ = 0;
    int last_rc_ = 0;
    bool repairing_ = false;
    bool initialized_ = false;
    std::int64_t position_ = 0;
    std::int64_t reserved_ = 0;  // row id of the record numbering added
    StoreError error_ = StoreError::None;
    std::string error_text_;
    std::vector<std::string> unfit_;
};

}  // namespace zrv::store

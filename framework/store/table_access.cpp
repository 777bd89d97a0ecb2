#include "framework/store/table_access.h"

#include <algorithm>
#include <cerrno>

#include "framework/core/error_reporter.h"
#include "framework/store/store_context.h"
#include "framework/store/store_internal.h"
#include "framework/store/table_file.h"

namespace zrv::store {

bool store_context_gone();  // store_context.cpp

class TableStoreInternals {
public:
    static void detach(TableAccess& t) {
        t.file_ = nullptr;
        t.opens_ = 0;
    }
    // The file was opened anew (another file now has its name): positions in the old one mean
    // nothing there, so the next operation searches by key.
    static void forget_positions(TableAccess& t) {
        t.position_ = 0;
        t.reserved_ = 0;
    }
};

void detach_user(TableAccess& user) { TableStoreInternals::detach(user); }
void forget_positions(TableAccess& user) { TableStoreInternals::forget_positions(user); }

namespace {

int primary(int rc) { return rc & 0xFF; }

// SQLite's result of a write that found no room: the disk (or the file system's quota) is full.
bool disk_full(sqlite3* db, int rc) {
    return primary(rc) == SQLITE_FULL || (primary(rc) == SQLITE_IOERR && db && sqlite3_system_errno(db) == ENOSPC);
}

// Rolls back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(TableFile& file) : file_(file) {}
    ~WriteTransaction() {
        if (active_) sqlite3_exec(file_.db(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
    // BEGIN IMMEDIATE, waiting at most `wait` for another writer.
    int begin(std::chrono::milliseconds wait) {
        const std::chrono::milliseconds before = file_.wait();
        file_.set_wait(wait);
        int rc = sqlite3_exec(file_.db(), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        file_.set_wait(before);
        active_ = rc == SQLITE_OK;
        return rc;
    }
    int commit() {
        int rc = sqlite3_exec(file_.db(), "COMMIT", nullptr, nullptr, nullptr);
        if (rc == SQLITE_OK) active_ = false;
        return rc;
    }

private:
    TableFile& file_;
    bool active_ = false;
};

std::string key_condition(const TableFile& file, const KeyLayout& key, int first_parameter) {
    std::string sql;
    for (std::size_t i = 0; i < key.components.size(); ++i) {
        if (i) sql += " AND ";
        sql += file.column_of_field(key.components[i].field) + " = ?" + std::to_string(first_parameter + static_cast<int>(i));
    }
    return sql;
}

void bind_key(const TableFile& file, sqlite3_stmt* s, const KeyLayout& key, const RecordBuffer& record, int first_parameter) {
    for (std::size_t i = 0; i < key.components.size(); ++i)
        file.bind_value(s, first_parameter + static_cast<int>(i), record, key.components[i].field);
}

}  // namespace

// ---- field bindings -------------------------------------------------------------------------

void FieldBindings::bind_field(std::string_view name, TableAccess& table, int field) {
    bindings_.push_back({std::string(name), &table, field, -1, 0});
}

void FieldBindings::bind_memo(std::string_view name, TableAccess& table, int memo, int size) {
    bindings_.push_back({std::string(name), &table, -1, memo, size});
}

const FieldBindings::Binding* FieldBindings::find(std::string_view name) const {
    for (const Binding& b : bindings_)
        if (detail::same_name(b.name, name)) return &b;
    return nullptr;
}

// ---- life cycle and hooks -------------------------------------------------------------------

TableAccess::TableAccess(const TableLayout& layout)
    : layout_(&layout), record_(layout), label_(layout.label.empty() ? layout.name : layout.label) {}

TableAccess::~TableAccess() {
    if (!store_context_gone()) shutdown();
}

void TableAccess::initialize() {
    shutdown();
    initialized_ = false;
    record_.clear();
}

void TableAccess::shutdown() {
    while (file_) close();
    reserved_ = 0;
}

void TableAccess::use_table(UseMode mode) {
    initialized_ = true;
    if (mode == UseMode::Use && !file_) open();
}

void TableAccess::bind_fields(FieldBindings& bindings) { bind_record_fields(bindings); }
void TableAccess::prime_new_record() {}
int TableAccess::validate_field(int, bool) { return 0; }

void TableAccess::bind_record_fields(FieldBindings& bindings) {
    for (std::size_t i = 0; i < layout_->fields.size(); ++i) bindings.bind_field(layout_->fields[i].name, *this, static_cast<int>(i));
}

void TableAccess::bind_memos(FieldBindings& bindings) {
    for (std::size_t i = 0; i < layout_->memos.size(); ++i)
        bindings.bind_memo(layout_->memos[i].name, *this, static_cast<int>(i), layout_->memos[i].size);
}

bool TableAccess::read_only() const { return file_ && file_->read_only(); }

void TableAccess::set_error(StoreError error, std::string_view text) {
    error_ = error;
    error_text_.assign(text);  // in the text's room: a tick's read that finds nothing allocates nothing
    if (error != StoreError::None) app_error_reporter().set_file_error(static_cast<int>(error), error_text_, label_);
}

bool TableAccess::open() {
    if (file_) {
        ++opens_;
        set_error(StoreError::None);
        return true;
    }
    StoreContext& context = thread_store();
    TableFile* file = context.acquire(*layout_, label_);
    if (!file->db()) {
        OpenResult r = file->open();
        if (r.error != StoreError::None) {
            context.release(file);
            set_error(r.error, r.text);
            return false;
        }
    }
    file->users.push_back(this);
    file_ = file;
    opens_ = 1;
    set_error(file->read_only() ? StoreError::AccessDenied : StoreError::None, file->read_only() ? "opened for reading only" : "");
    error_ = StoreError::None;  // reading works; the message said the rest
    return true;
}

void TableAccess::close() {
    if (!file_) return;
    if (--opens_ > 0) return;
    TableFile* file = file_;
    file_ = nullptr;
    file->users.erase(std::remove(file->users.begin(), file->users.end(), this), file->users.end());
    if (file->users.empty()) {
        file->close();
        thread_store().release(file);
    }
}

bool TableAccess::ready() {
    use_table(UseMode::Use);
    if (file_ && file_->prepare()) return true;
    if (error_ == StoreError::None) set_error(StoreError::NotOpen, "the file is not open");
    return false;
}

// Damaged keys found by an operation: rebuild once and tell whether to run it again.
bool TableAccess::repaired(int rc) {
    if (primary(rc) != SQLITE_CORRUPT || repairing_) return false;
    repairing_ = true;
    bool ok = file_->rebuild_keys();
    repairing_ = false;
    return ok;
}

void TableAccess::take_row(sqlite3_stmt* row) {
    unfit_.clear();
    if (!decoder_) decoder_ = std::make_unique<RowDecoder>();
    decoder_->decode(*file_, row, record_, unfit_);
    position_ = sqlite3_column_int64(row, 0);
    if (last_read_) *last_read_ = record_;
    else last_read_ = std::make_unique<RecordBuffer>(record_);
    if (!unfit_.empty()) {
        file_->log_unreadable(position_, record_, unfit_);
        std::string text;
        for (const std::string& u : unfit_) text += (text.empty() ? "" : "; ") + u;
        app_error_reporter().set_file_error(static_cast<int>(StoreError::ValueDoesNotFit), text, label_);
    }
}

// ---- reading --------------------------------------------------------------------------------

bool TableAccess::get_by_key(int key) {
    if (!ready()) return false;
    if (key < 0 || key >= static_cast<int>(layout_->keys.size())) {
        set_error(StoreError::Other, "no such key");
        return false;
    }
    // Most reads of a screen's tick find the file as the last one did.
    const FileStamp stamp = file_->stamp();
    if (reads_the_same(key, stamp)) {
        if (keyed_.found) set_error(StoreError::None);
        else set_error(StoreError::NotFound, "no record with that key");
        return keyed_.found;
    }
    if (read_where_found(key, stamp)) return true;
    const KeyLayout& k = layout_->keys[static_cast<std::size_t>(key)];
    for (int attempt = 0; attempt < 2; ++attempt) {
        sqlite3_stmt* s = keyed_statement(key, false);
        if (!s) {
            set_error(StoreError::Other, file_->errmsg());
            return false;
        }
        bind_key(*file_, s, k, record_, 1);
        int rc = sqlite3_step(s);
        if (rc == SQLITE_ROW) {
            took_keyed_row(s, key, stamp);
            return true;
        }
        sqlite3_reset(s);
        if (rc == SQLITE_DONE && get_by_folded_key(key)) {
            keyed_.key = -1;  // read again each time: its key fields differ from the search's
            return true;
        }
        if (rc == SQLITE_DONE) {
            keyed_.stamp = stamp;
            keyed_.key = key;
            keyed_.found = false;
            key_image(key, keyed_.searched);
            set_error(StoreError::NotFound, "no record with that key");
            return false;
        }
        if (attempt == 0 && repaired(rc)) continue;
        set_error(primary(rc) == SQLITE_BUSY ? StoreError::Busy : StoreError::Other, sqlite3_errmsg(file_->db()));
        return false;
    }
    return false;
}

sqlite3_stmt* TableAccess::keyed_statement(int key, bool at_position) {
    const std::string& sql = keyed_select(key, at_position);
    if (keyed_statements_.empty()) keyed_statements_.resize(keyed_select_.size());
    return file_->statement(sql, keyed_statements_[2 * static_cast<std::size_t>(key) + (at_position ? 1 : 0)]);
}

const std::string& TableAccess::keyed_select(int key, bool at_position) {
    if (keyed_select_.empty()) keyed_select_.resize(2 * layout_->keys.size());
    std::string& sql = keyed_select_[2 * static_cast<std::size_t>(key) + (at_position ? 1 : 0)];
    if (sql.empty()) {
        const std::string select = "SELECT " + file_->select_list() + " FROM " + quote_identifier(file_->table_name()) + " WHERE ";
        const KeyLayout& k = layout_->keys[static_cast<std::size_t>(key)];
        sql = at_position ? select + "rowid = ?1 AND " + key_condition(*file_, k, 2)
                          : select + key_condition(*file_, k, 1) + " ORDER BY " + file_->order_by(key, true) + " LIMIT 1";
    }
    return sql;
}

// Found: the buffer still holds the record as read (so its key fields are the record's), every
// value fitted. Not found: the buffer's key fields are those searched for.
bool TableAccess::reads_the_same(int key, const FileStamp& stamp) const {
    if (keyed_.key != key || stamp.connection == 0 || !(stamp == keyed_.stamp)) return false;
    if (keyed_.found) return position_ == keyed_.position && unfit_.empty() && last_read_ && record_ == *last_read_;
    return key_image_is(key, keyed_.searched);
}

void TableAccess::took_keyed_row(sqlite3_stmt* row, int key, const FileStamp& stamp) {
    take_row(row);
    sqlite3_reset(row);
    keyed_.stamp = stamp;
    keyed_.key = key;
    keyed_.found = true;
    keyed_.position = position_;
    found_.connection = stamp.connection;
    found_.key = key;
    found_.position = position_;
    key_image(key, found_.image);
    set_error(StoreError::None);
}

bool TableAccess::read_where_found(int key, const FileStamp& stamp) {
    const KeyLayout& k = layout_->keys[static_cast<std::size_t>(key)];
    if (!k.unique || found_.key != key || found_.position == 0 || found_.connection != stamp.connection) return false;
    sqlite3_stmt* s = key_image_is(key, found_.image) ? keyed_statement(key, true) : nullptr;
    if (!s) return false;
    sqlite3_bind_int64(s, 1, found_.position);
    bind_key(*file_, s, k, record_, 2);
    if (sqlite3_step(s) == SQLITE_ROW) {
        took_keyed_row(s, key, stamp);
        return true;
    }
    sqlite3_reset(s);
    return false;
}

void TableAccess::key_image(int key, std::string& out) const {
    out.clear();
    for (const KeyComponent& c : layout_->keys[static_cast<std::size_t>(key)].components) record_.append_image(c.field, out);
}

bool TableAccess::key_image_is(int key, const std::string& image) const {
    std::string_view rest = image;
    for (const KeyComponent& c : layout_->keys[static_cast<std::size_t>(key)].components)
        if (!record_.takes_image(c.field, rest)) return false;
    return rest.empty();
}

bool TableAccess::fetch_or_clear(int key) {
    if (get_by_key(key)) return true;
    record_.clear();
    return false;
}

FileStamp TableAccess::stamp() {
    if (!file_ || !file_->prepare()) return {};
    return file_->stamp();
}

bool TableAccess::get_by_position(std::int64_t position) {
    if (!ready()) return false;
    const std::string sql = "SELECT " + file_->select_list() + " FROM " + quote_identifier(file_->table_name()) + " WHERE rowid = ?1";
    sqlite3_stmt* s = file_->statement(sql);
    if (!s) {
        set_error(StoreError::Other, file_->errmsg());
        return false;
    }
    sqlite3_bind_int64(s, 1, position);
    int rc = sqlite3_step(s);
    if (rc == SQLITE_ROW) take_row(s);
    sqlite3_reset(s);
    if (rc == SQLITE_ROW) set_error(StoreError::None);
    else if (rc == SQLITE_DONE) set_error(StoreError::NotFound, "no record at that position");
    else set_error(StoreError::Other, sqlite3_errmsg(file_->db()));
    return rc == SQLITE_ROW;
}

std::int64_t TableAccess::highest_value(int key) {
    if (!ready() || layout_->keys.empty()) return 0;
    int field = layout_->keys.at(static_cast<std::size_t>(key)).components.at(0).field;
    bool text = layout_->fields[static_cast<std::size_t>(field)].kind == FieldKind::Text;
    std::string column = file_->column_of_field(field);
    std::string sql = "SELECT max(" + (text ? "CAST(" + column + " AS INTEGER)" : column) + ") FROM " +
                      quote_identifier(file_->table_name());
    sqlite3_stmt* s = file_->statement(sql);
    std::int64_t highest = 0;
    int rc = s ? sqlite3_step(s) : SQLITE_ERROR;
    if (rc == SQLITE_ROW && sqlite3_column_type(s, 0) != SQLITE_NULL) {
        auto d = Decimal::parse(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)), 9);
        highest = d ? d->rescaled(0)->units() : sqlite3_column_int64(s, 0);
    }
    if (s) sqlite3_reset(s);
    last_rc_ = rc;
    return highest;
}

// ---- checks ---------------------------------------------------------------------------------

int TableAccess::validate_record() {
    for (std::size_t i = 0; i < layout_->fields.size(); ++i) {
        if (layout_->fields[i].kind == FieldKind::Group) continue;
        if (int result = validate_field(static_cast<int>(i), true); result != 0) {
            set_error(StoreError::CheckFailed, "the value of " + layout_->fields[i].name + " was refused");
            return result;
        }
    }
    return 0;
}

// A unique key of the buffer that another record already holds; -1 when none. With `columns`
// (the columns an update writes), only the keys that include one of them: the others keep the
// values the file holds.
int TableAccess::taken_key(std::int64_t own_position, const std::vector<std::size_t>* columns) {
    for (std::size_t k = 0; k < layout_->keys.size(); ++k) {
        const KeyLayout& key = layout_->keys[k];
        if (!key.unique) continue;
        if (columns && std::none_of(key.components.begin(), key.components.end(), [&](const KeyComponent& c) {
                return std::any_of(columns->begin(), columns->end(),
                                   [&](std::size_t column) { return file_->columns()[column].field == c.field; });
            }))
            continue;
        const std::string sql = "SELECT rowid FROM " + quote_identifier(file_->table_name()) + " WHERE " +
                                key_condition(*file_, key, 2) + " AND rowid <> ?1 LIMIT 1";
        sqlite3_stmt* s = file_->statement(sql);
        if (!s) continue;
        sqlite3_bind_int64(s, 1, own_position);
        bind_key(*file_, s, key, record_, 2);
        int rc = sqlite3_step(s);
        sqlite3_reset(s);
        if (rc == SQLITE_ROW) return static_cast<int>(k);
    }
    return -1;
}

TableAccess::Refusal TableAccess::taken_key_refusal(int key) const {
    const KeyLayout& k = layout_->keys[static_cast<std::size_t>(key)];
    return {StoreError::DuplicateKey, 15, "the key " + (k.description.empty() ? k.name : k.description) + " is taken", key};
}

// A write the file does not allow: opened for reading only, or (by `rc`, the result of starting
// the transaction) not writable or held by another program; none otherwise. Reported with the
// file's access message; a lock with `locked_message` (an update says its transaction was
// cancelled).
TableAccess::Refusal TableAccess::write_refusal(int locked_message, int rc) const {
    const int p = primary(rc);
    const std::string why = file_->db() ? sqlite3_errmsg(file_->db()) : "";
    if (file_->read_only()) return {StoreError::AccessDenied, 2, "the file is opened for reading only"};
    if (p == SQLITE_READONLY || p == SQLITE_CANTOPEN || p == SQLITE_PERM || p == SQLITE_AUTH)
        return {StoreError::AccessDenied, 2, "the file cannot be written (" + why + ")"};
    if (p == SQLITE_BUSY || p == SQLITE_LOCKED)
        return {StoreError::Busy, locked_message, locked_message == 2 ? "another program holds the file locked (" + why + ")" : why};
    return {};
}

// A write that failed with SQLite's `rc`, reported by `message`; a full disk says so.
TableAccess::Refusal TableAccess::failed_write(int message, int rc, std::string problem) const {
    if (problem.empty()) problem = file_->errmsg();
    if (disk_full(file_->db(), rc)) return {StoreError::DiskFull, message, "the disk is full (" + problem + ")"};
    return {rc == SQLITE_MISMATCH ? StoreError::ValueDoesNotFit : StoreError::Other, message, problem};
}

bool TableAccess::refused_write(int locked_message, int rc) {
    const Refusal r = write_refusal(locked_message, rc);
    if (r) refuse(r);
    return static_cast<bool>(r);
}

void TableAccess::refuse(const Refusal& r) {
    if (r.key < 0) {
        report(r.error, r.message, r.text);
        return;
    }
    ErrorReporter& reporter = app_error_reporter();
    const KeyLayout& k = layout_->keys[static_cast<std::size_t>(r.key)];
    reporter.set_file_name(label_);
    reporter.set_key_name(k.description.empty() ? k.name : k.description);
    set_error(r.error, r.text);
    reporter.raise(r.message);
}

void TableAccess::report(StoreError error, int message, const std::string& text) {
    set_error(error, text);
    ErrorReporter& reporter = app_error_reporter();
    reporter.set_file_name(label_);
    reporter.raise_with_text(message, text);
}

// Writes the buffer into the row at `position` (every column, or only `columns`), or adds it
// when `position` is 0; inside the caller's transaction. Returns the SQLite result; the new row
// id goes to `position`.
int TableAccess::write_row(std::int64_t& position, std::string& problem, const std::vector<std::size_t>* columns) {
    std::string sql;
    const std::string table = quote_identifier(file_->table_name());
    const auto& all = file_->columns();
    std::vector<std::size_t> every;
    if (!columns) {
        every.resize(all.size());
        for (std::size_t i = 0; i < every.size(); ++i) every[i] = i;
        columns = &every;
    }
    if (position != 0) {
        sql = "UPDATE " + table + " SET ";
        for (std::size_t i = 0; i < columns->size(); ++i)
            sql += (i ? ", " : "") + quote_identifier(all[(*columns)[i]].name) + " = ?" + std::to_string(i + 2);
        sql += " WHERE rowid = ?1";
    } else {
        sql = "INSERT INTO " + table + " (";
        std::string values;
        for (std::size_t i = 0; i < columns->size(); ++i) {
            sql += (i ? ", " : "") + quote_identifier(all[(*columns)[i]].name);
            values += (i ? ", ?" : "?") + std::to_string(i + 2);
        }
        sql += ") VALUES (" + values + ")";
    }
    sqlite3_stmt* s = file_->statement(sql);
    if (!s) {
        problem = file_->errmsg();
        return sqlite3_errcode(file_->db());
    }
    for (std::size_t i = 0; i < columns->size(); ++i)
        if (!file_->bind_column(s, static_cast<int>(i) + 2, record_, (*columns)[i], problem)) return SQLITE_MISMATCH;
    if (position != 0) sqlite3_bind_int64(s, 1, position);
    int rc = sqlite3_step(s);
    sqlite3_reset(s);
    if (rc != SQLITE_DONE) {
        problem = sqlite3_errmsg(file_->db());
        return rc;
    }
    if (position == 0) position = sqlite3_last_insert_rowid(file_->db());
    else if (sqlite3_changes(file_->db()) == 0) return SQLITE_NOTFOUND;
    return SQLITE_OK;
}

// ---- new records ----------------------------------------------------------------------------

// One attempt to number the buffer's record and add it, in a transaction of its own that has
// ended when it returns. `added` on success; a refusal that ends the numbering; otherwise
// (neither) another attempt may succeed, and `problem` says why this one did not.
TableAccess::Refusal TableAccess::add_numbered(std::string& problem, bool& added) {
    added = false;
    const int field = layout_->keys[0].components.at(0).field;
    WriteTransaction transaction(*file_);
    int rc = transaction.begin(file_->options().transaction_wait);
    if (rc != SQLITE_OK) {
        if (Refusal r = write_refusal(2, rc)) return r;
        if (disk_full(file_->db(), rc)) return failed_write(4, rc, {});
        problem = sqlite3_errmsg(file_->db());
        return {};
    }
    std::int64_t next = highest_value(0) + 1;
    if (primary(last_rc_) != SQLITE_ROW) {
        problem = sqlite3_errmsg(file_->db());
        return {};
    }
    if (!record_.set_integer(field, next)) {
        problem = "the next number does not fit " + layout_->fields[static_cast<std::size_t>(field)].name;
        return {};
    }
    if (int taken = taken_key(0); taken >= 0) return taken_key_refusal(taken);
    std::int64_t position = 0;
    rc = write_row(position, problem);
    if (rc == SQLITE_MISMATCH) return {StoreError::ValueDoesNotFit, 4, problem};
    if (rc == SQLITE_OK) rc = transaction.commit();
    if (rc != SQLITE_OK) {
        if (disk_full(file_->db(), rc)) return failed_write(4, rc, problem);
        if (problem.empty()) problem = sqlite3_errmsg(file_->db());
        return {};
    }
    reserved_ = position_ = position;
    added = true;
    return {};
}

bool TableAccess::prepare_new_record(std::span<const int> keep_fields) {
    // Range-limit values survive the clear.
    std::vector<std::pair<int, std::string>> kept;
    RecordBuffer before = record_;
    record_.clear();
    for (int f : keep_fields) {
        if (f < 0 || f >= static_cast<int>(layout_->fields.size())) continue;
        record_.copy_exact(f, before);
    }
    prime_new_record();
    reserved_ = 0;
    if (!ready()) return false;
    if (layout_->keys.empty() || !layout_->keys[0].auto_number) {
        set_error(StoreError::None);
        return true;
    }
    if (refused_write(2)) return false;
    std::string problem;
    for (int round = 0; round < 3; ++round) {  // each round: three attempts, then ask
        for (int attempt = 0; attempt < 3; ++attempt) {
            bool added = false;
            if (Refusal r = add_numbered(problem, added)) {
                refuse(r);
                return false;
            }
            if (added) {
                last_read_ = std::make_unique<RecordBuffer>(record_);
                set_error(StoreError::None);
                return true;
            }
        }
        set_error(StoreError::NumberingFailed, problem);
        app_error_reporter().set_file_name(label_);
        if (app_error_reporter().raise_with_text(38, problem) != ButtonYes) break;
    }
    set_error(StoreError::NumberingFailed, problem);
    return false;
}

bool TableAccess::undo_autonumber() {
    if (reserved_ == 0) return true;
    if (!ready()) return false;
    const std::string sql = "DELETE FROM " + quote_identifier(file_->table_name()) + " WHERE rowid = ?1";
    sqlite3_stmt* s = file_->statement(sql);
    int rc = SQLITE_ERROR;
    if (s) {
        sqlite3_bind_int64(s, 1, reserved_);
        rc = sqlite3_step(s);
        sqlite3_reset(s);
    }
    if (rc != SQLITE_DONE) {
        set_error(StoreError::Other, file_->errmsg());
        return false;
    }
    reserved_ = 0;
    position_ = 0;
    last_read_.reset();
    set_error(StoreError::None);
    return true;
}

// The insert's transaction; it has ended when this returns.
TableAccess::Refusal TableAccess::write_insert() {
    WriteTransaction transaction(*file_);
    int rc = transaction.begin(file_->options().transaction_wait);
    if (rc != SQLITE_OK) {
        if (Refusal r = write_refusal(2, rc)) return r;
        return failed_write(4, rc, {});
    }
    if (int taken = taken_key(reserved_); taken >= 0) return taken_key_refusal(taken);
    // The record numbering added is completed in place; if it has gone meanwhile, it is added.
    std::int64_t position = reserved_;
    std::string problem;
    rc = write_row(position, problem);
    if (rc == SQLITE_NOTFOUND) {
        position = 0;
        rc = write_row(position, problem);
    }
    if (rc == SQLITE_OK) rc = transaction.commit();
    if (rc != SQLITE_OK) return failed_write(4, rc, problem);
    position_ = position;
    return {};
}

bool TableAccess::insert() {
    if (validate_record() != 0) return false;  // whatever the answer, nothing is written
    if (!ready() || refused_write(2)) return false;
    if (Refusal r = write_insert()) {
        refuse(r);
        return false;
    }
    reserved_ = 0;
    last_read_ = std::make_unique<RecordBuffer>(record_);
    set_error(StoreError::None);
    return true;
}

// The columns whose field or memo the buffer holds otherwise than the record as read.
std::vector<std::size_t> TableAccess::changed_columns() const {
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < file_->columns().size(); ++i)
        if (!file_->same_column(record_, *last_read_, i)) changed.push_back(i);
    return changed;
}

// The update's transaction: the record as the file holds it now, checked on the columns to be
// written against the record as read, then those columns written. It has ended when this
// returns.
TableAccess::Refusal TableAccess::write_changes(const std::vector<std::size_t>& columns) {
    WriteTransaction transaction(*file_);
    int rc = transaction.begin(file_->options().transaction_wait);
    if (rc != SQLITE_OK) {
        if (Refusal r = write_refusal(27, rc)) return r;
        if (disk_full(file_->db(), rc)) return failed_write(31, rc, {});
        return {StoreError::Other, 27, sqlite3_errmsg(file_->db())};
    }
    const std::string sql = "SELECT " + file_->select_list() + " FROM " + quote_identifier(file_->table_name()) + " WHERE rowid = ?1";
    sqlite3_stmt* s = file_->statement(sql);
    if (!s) return failed_write(31, sqlite3_errcode(file_->db()), file_->errmsg());
    sqlite3_bind_int64(s, 1, position_);
    rc = sqlite3_step(s);
    if (rc == SQLITE_DONE) {
        sqlite3_reset(s);
        return {StoreError::DeletedElsewhere, 8, "the record was deleted"};
    }
    if (rc != SQLITE_ROW) {
        std::string text = sqlite3_errmsg(file_->db());
        sqlite3_reset(s);
        return failed_write(31, rc, text);
    }
    RecordBuffer now(*layout_);
    std::vector<std::string> unfit;
    file_->decode_row(s, now, unfit);
    sqlite3_reset(s);
    // Another program's change of a column this writes, unless to the very value written.
    const bool changed_elsewhere = std::any_of(columns.begin(), columns.end(), [&](std::size_t c) {
        return !file_->same_column(now, *last_read_, c) && !file_->same_column(now, record_, c);
    });
    if (changed_elsewhere) {
        record_ = now;
        *last_read_ = now;
        unfit_ = std::move(unfit);
        return {StoreError::ChangedElsewhere, 7, "the record was changed by another program"};
    }
    if (int taken = taken_key(position_, &columns); taken >= 0) return taken_key_refusal(taken);
    std::int64_t position = position_;
    std::string problem;
    rc = write_row(position, problem, &columns);
    if (rc == SQLITE_OK) rc = transaction.commit();
    if (rc != SQLITE_OK) return failed_write(31, rc, problem);
    // The record as the file holds it now: what others wrote meanwhile, and what this wrote.
    for (std::size_t c : columns) {
        const Column& column = file_->columns()[c];
        if (column.memo >= 0) {
            now.set_memo(column.memo, record_.memo(column.memo));
            continue;
        }
        now.copy_exact(column.field, record_);
        const std::string label = file_->column_label(c) + ": ";
        unfit.erase(std::remove_if(unfit.begin(), unfit.end(), [&](const std::string& u) { return u.rfind(label, 0) == 0; }),
                    unfit.end());
    }
    record_ = now;
    *last_read_ = now;
    unfit_ = std::move(unfit);
    return {};
}

bool TableAccess::update() {
    if (validate_record() != 0) return false;  // whatever the answer, nothing is written
    if (!ready()) return false;
    if (position_ == 0 || !last_read_) {
        report(StoreError::NoCurrentRecord, 31, "no record was read");
        return false;
    }
    const std::vector<std::size_t> columns = changed_columns();
    if (columns.empty()) {
        set_error(StoreError::None);
        return true;
    }
    if (refused_write(27)) return false;
    if (Refusal r = write_changes(columns)) {
        refuse(r);
        return false;
    }
    set_error(StoreError::None);
    return true;
}

void TableAccess::set_changes_based_on(const RecordBuffer& as_read) { last_read_ = std::make_unique<RecordBuffer>(as_read); }

}  // namespace zrv::store

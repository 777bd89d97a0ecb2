#include "framework/store/table_file.h"

#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <mutex>
#include <set>
#include <thread>
#include <unordered_map>

#include "framework/core/error_reporter.h"
#include "framework/services/utf8.h"
#include "framework/store/store_internal.h"
#include "framework/store/table_schema.h"

namespace zrv::store {

void forget_positions(TableAccess& user);  // table_access.cpp

namespace {

// A column's type and constraints: NOT NULL, with the value a new record starts with as its
// default, so that a row added naming only some columns reads as a new record of the program.
std::string column_type(const FieldLayout& f) {
    const char* type = "";
    const char* zero = "0";
    switch (f.kind) {
        case FieldKind::Text:
            type = "TEXT COLLATE NOCASE";
            zero = "''";
            break;
        case FieldKind::Long:
        case FieldKind::Byte:
        case FieldKind::Time:
            type = "INTEGER";
            break;
        case FieldKind::Decimal:
            type = "NUMERIC";
            break;
        case FieldKind::Real:
            type = "REAL";
            break;
        case FieldKind::Date:
            type = "TEXT";
            zero = "''";
            break;
        case FieldKind::Group:
            break;
    }
    return std::string(type) + " NOT NULL DEFAULT " + (f.initial.empty() ? std::string(zero) : f.initial);
}

std::string sql_literal(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

std::string without_prefix(const std::string& name) {
    auto colon = name.find(':');
    return colon == std::string::npos ? name : name.substr(colon + 1);
}

std::uint64_t new_statements_generation() {
    static std::atomic<std::uint64_t> generations{0};
    return ++generations;
}

bool is_whole(double d) { return d == static_cast<double>(static_cast<std::int64_t>(d)); }

// Text of a column value, as SQLite renders numbers (15 significant digits for a REAL).
std::string column_text(sqlite3_stmt* row, int column) {
    const unsigned char* text = sqlite3_column_text(row, column);
    return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(sqlite3_column_bytes(row, column)))
                : std::string();
}

}  // namespace

std::string quote_identifier(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

TableFile::TableFile(const TableLayout& layout, std::string path, std::string label, const StoreOptions& options)
    : layout_(&layout),
      path_(std::move(path)),
      label_(std::move(label)),
      options_(options),
      statements_generation_(new_statements_generation()) {
    table_name_ = layout.name;
    column_of_field_.assign(layout.fields.size(), -1);
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        if (layout.fields[i].kind == FieldKind::Group) continue;
        column_of_field_[i] = static_cast<int>(columns_.size());
        columns_.push_back({without_prefix(layout.fields[i].name), static_cast<int>(i), -1});
    }
    for (std::size_t i = 0; i < layout.memos.size(); ++i)
        columns_.push_back({without_prefix(layout.memos[i].name), -1, static_cast<int>(i)});
    std::vector<bool> taken(static_cast<std::size_t>(std::max(layout.buffer_size, 0)), false);
    for (const Column& c : columns_) {
        if (c.field < 0) continue;
        const FieldLayout& f = layout.fields[static_cast<std::size_t>(c.field)];
        for (int b = f.at; b < f.at + f.width; ++b) {
            if (b < 0 || b >= static_cast<int>(taken.size()) || taken[static_cast<std::size_t>(b)]) columns_apart_ = false;
            else taken[static_cast<std::size_t>(b)] = true;
        }
    }
    select_list_ = "rowid";
    for (const Column& c : columns_) select_list_ += ", " + quote_identifier(c.name);
    for (std::size_t k = 0; k < layout.keys.size(); ++k) {
        std::string name = layout.keys[k].description.empty() ? layout.keys[k].name : layout.keys[k].description;
        const auto colon = name.find(':');
        if (colon != std::string::npos && detail::same_name(std::string_view(name).substr(0, colon), layout.prefix))
            name = layout.prefix + name.substr(colon);
        std::string unique_name = name;
        for (int n = 2; std::any_of(index_names_.begin(), index_names_.end(),
                                    [&](const std::string& s) { return detail::same_name(s, unique_name); });
             ++n)
            unique_name = name + "_" + std::to_string(n);
        index_names_.push_back(unique_name);
    }
}

TableFile::~TableFile() { close(); }

void TableFile::finalize_statements() {
    for (auto& [sql, statement] : statements_) sqlite3_finalize(statement);
    statements_.clear();
    statements_generation_ = new_statements_generation();
    sqlite3_finalize(data_version_);
    data_version_ = nullptr;
    connection_ = 0;
}

void TableFile::close() {
    finalize_statements();
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

std::string TableFile::errmsg() const { return db_ ? sqlite3_errmsg(db_) : "file not open"; }

sqlite3_stmt* TableFile::statement(const std::string& sql, StatementSlot& slot) {
    if (slot.file == this && slot.generation == statements_generation_ && slot.statement && db_) {
        sqlite3_reset(slot.statement);
        sqlite3_clear_bindings(slot.statement);
        return slot.statement;
    }
    sqlite3_stmt* s = statement(sql);
    slot = {this, statements_generation_, s};
    return s;
}

sqlite3_stmt* TableFile::statement(const std::string& sql) {
    if (!db_) return nullptr;
    auto it = statements_.find(sql);
    if (it != statements_.end()) {
        sqlite3_reset(it->second);
        sqlite3_clear_bindings(it->second);
        return it->second;
    }
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &s, nullptr) != SQLITE_OK) {
        sqlite3_finalize(s);
        return nullptr;
    }
    statements_.emplace(sql, s);
    return s;
}

namespace {

// In WAL mode every commit rewrites the wal-index header: two copies of its 48 bytes at the
// start of the shared-memory file, the second written first. Equal copies give the file's
// state without a lock or a system call (the committed frame count and the salts that change
// whenever the log starts over); copies caught while being written give none. The copies are
// read as SQLite's own readers read them, without a lock, which the thread checker cannot
// follow.
__attribute__((no_sanitize("thread"))) bool read_wal_header(const volatile std::uint32_t* words, std::int64_t& version,
                                                            std::int64_t& generation) {
    constexpr int kWords = 12;
    std::uint32_t first[kWords], second[kWords];
    for (int i = 0; i < kWords; ++i) first[i] = words[i];
    std::atomic_thread_fence(std::memory_order_seq_cst);
    for (int i = 0; i < kWords; ++i) second[i] = words[kWords + i];
    const bool initialised = (first[3] & 0xFF) == 1 || (first[3] >> 24) == 1;  // isInit, either byte order
    if (std::memcmp(first, second, sizeof first) != 0 || first[0] != 3007000 || !initialised) return false;
    // iChange and mxFrame; the two salts.
    version = std::int64_t((std::uint64_t(first[2]) << 32) | first[4]);
    generation = std::int64_t((std::uint64_t(first[8]) << 32) | first[9]);
    return true;
}

}  // namespace

FileStamp TableFile::stamp() {
    static std::atomic<std::uint64_t> connections{0};
    if (!db_) return {};
    if (connection_ == 0) {
        connection_ = ++connections;
        sqlite3_stmt* s = nullptr;
        const bool wal = sqlite3_prepare_v2(db_, "PRAGMA journal_mode", -1, &s, nullptr) == SQLITE_OK &&
                         sqlite3_step(s) == SQLITE_ROW && detail::same_name(column_text(s, 0), "wal");
        sqlite3_finalize(s);
        wal_file_ = nullptr;
        wal_header_ = nullptr;
        if (wal && (sqlite3_file_control(db_, "main", SQLITE_FCNTL_FILE_POINTER, &wal_file_) != SQLITE_OK || !wal_file_ ||
                    !wal_file_->pMethods || wal_file_->pMethods->iVersion < 2 || !wal_file_->pMethods->xShmMap))
            wal_file_ = nullptr;
    }
    // The shared memory stays where SQLite mapped it while the connection is open.
    if (wal_file_ && !wal_header_) {
        volatile void* region = nullptr;
        if (wal_file_->pMethods->xShmMap(wal_file_, 0, 32768, 0, &region) == SQLITE_OK && region)
            wal_header_ = static_cast<const volatile std::uint32_t*>(region);
    }
    // The header moves with this connection's own commits too.
    FileStamp stamp{.connection = connection_};
    if (wal_header_ && read_wal_header(wal_header_, stamp.version, stamp.generation)) return stamp;
    // Otherwise SQLite's own count of the commits of other connections and of this one's
    // changes; its generation -1 keeps it apart from a header's.
    stamp.own = sqlite3_total_changes64(db_);
    if (!data_version_ &&
        sqlite3_prepare_v3(db_, "PRAGMA data_version", -1, SQLITE_PREPARE_PERSISTENT, &data_version_, nullptr) != SQLITE_OK) {
        sqlite3_finalize(data_version_);
        data_version_ = nullptr;
        return {};
    }
    const bool read = sqlite3_step(data_version_) == SQLITE_ROW;
    stamp.version = read ? sqlite3_column_int64(data_version_, 0) : 0;
    sqlite3_reset(data_version_);
    if (!read) return {};
    stamp.generation = -1;
    return stamp;
}

std::string TableFile::signature() const { return layout_signature(*layout_); }

std::string TableFile::index_name(int key) const { return index_names_.at(static_cast<std::size_t>(key)); }

std::string TableFile::column_of_field(int field) const {
    int c = column_of_field_.at(static_cast<std::size_t>(field));
    return c < 0 ? std::string() : quote_identifier(columns_[static_cast<std::size_t>(c)].name);
}

std::string TableFile::create_table_sql() const {
    std::string sql = "CREATE TABLE " + quote_identifier(table_name_) + " (";
    bool first = true;
    for (const Column& c : columns_) {
        sql += first ? "\n  " : ",\n  ";
        first = false;
        sql += quote_identifier(c.name) + " " +
               (c.field >= 0 ? column_type(layout_->fields[static_cast<std::size_t>(c.field)]) : "TEXT NOT NULL DEFAULT ''");
    }
    return sql + "\n)";
}

std::vector<std::string> TableFile::create_index_sql() const {
    std::vector<std::string> out;
    for (std::size_t k = 0; k < layout_->keys.size(); ++k) {
        const KeyLayout& key = layout_->keys[k];
        std::string sql = std::string("CREATE ") + (key.unique ? "UNIQUE " : "") + "INDEX " + quote_identifier(index_names_[k]) +
                          " ON " + quote_identifier(table_name_) + " (";
        for (std::size_t i = 0; i < key.components.size(); ++i) {
            const KeyComponent& c = key.components[i];
            if (i) sql += ", ";
            sql += column_of_field(c.field);
            if (layout_->fields[static_cast<std::size_t>(c.field)].kind == FieldKind::Text) sql += " COLLATE NOCASE";
            if (c.descending) sql += " DESC";
        }
        out.push_back(sql + ")");
    }
    return out;
}

std::vector<std::string> TableFile::schema_statements() const {
    std::vector<std::string> out{"CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL)",
                                 "INSERT INTO zrv_layout (name, value) VALUES\n  ('format', '1'),\n  ('table', " +
                                     sql_literal(table_name_) + "),\n  ('signature', " + sql_literal(signature()) + ")",
                                 create_table_sql()};
    for (std::string& index : create_index_sql()) out.push_back(std::move(index));
    return out;
}

std::vector<std::string> schema_statements(const TableLayout& layout) {
    return TableFile(layout, {}, {}, default_store_options()).schema_statements();
}

std::vector<std::string> index_names(const TableLayout& layout) {
    const TableFile file(layout, {}, {}, default_store_options());
    std::vector<std::string> out;
    for (std::size_t k = 0; k < layout.keys.size(); ++k) out.push_back(file.index_name(static_cast<int>(k)));
    return out;
}

std::string schema_script(const TableLayout& layout) {
    std::string out = "PRAGMA journal_mode = WAL;\nBEGIN IMMEDIATE;\n";
    for (const std::string& statement : schema_statements(layout)) out += statement + ";\n";
    return out + "COMMIT;\n";
}

std::string TableFile::order_by(int key, bool forward) const {
    const KeyLayout& k = layout_->keys.at(static_cast<std::size_t>(key));
    std::string sql;
    for (const KeyComponent& c : k.components) {
        sql += column_of_field(c.field);
        sql += (c.descending == forward) ? " DESC, " : ", ";
    }
    return sql + (forward ? "rowid" : "rowid DESC");
}

namespace {

// A file name as an SQLite URI ("file:" and the path, with the characters a URI reserves escaped).
std::string file_uri(const std::string& path) {
    std::string uri = "file:";
    for (char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
            uri += hex;
        } else {
            uri += c;
        }
    }
    return uri;
}

// What identifies a version of the file and its journal: size and time of both.
std::string file_stamp(const std::string& path) {
    std::string stamp;
    for (const std::string& name : {path, path + "-wal"}) {
        std::error_code ec;
        auto size = std::filesystem::file_size(name, ec);
        if (ec) {
            stamp += "-;";
            continue;
        }
        auto time = std::filesystem::last_write_time(name, ec);
        stamp += std::to_string(size) + "@" + std::to_string(time.time_since_epoch().count()) + ";";
    }
    return stamp;
}

bool has_journal_content(const std::string& path) {
    std::error_code ec;
    return std::filesystem::file_size(path + "-wal", ec) > 0 && !ec;
}

// What a look at a file's name found. The threads' connections to one table file look at one
// name: a look younger than the age a caller allows serves every thread, so that a tenth of a
// second's looks of a tournament's screens at a file cost one system call, not one per screen.
// Looks are taken one at a time, so the newest is the latest the file system said.
struct NameLook {
    std::chrono::steady_clock::time_point at{};
    bool found = false;
    std::uint64_t device = 0, inode = 0;
};

NameLook look_at_name(const std::string& path, std::chrono::steady_clock::duration age) {
    static std::mutex mutex;
    static std::unordered_map<std::string, NameLook> looks;
    std::lock_guard lock(mutex);
    NameLook& look = looks[path];
    const auto now = std::chrono::steady_clock::now();
    if (look.at == std::chrono::steady_clock::time_point{} || now - look.at >= age) {
        struct stat file {};
        look.found = ::stat(path.c_str(), &file) == 0;
        look.device = look.found ? static_cast<std::uint64_t>(file.st_dev) : 0;
        look.inode = look.found ? static_cast<std::uint64_t>(file.st_ino) : 0;
        look.at = now;
    }
    return look;
}

}  // namespace

OpenResult TableFile::open_connection(Access access) {
    close();
    snapshot_ = access == Access::Snapshot;
    int flags = (access == Access::Write ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY) | SQLITE_OPEN_NOMUTEX;
    std::string name = path_;
    if (access != Access::Write) {
        // Reading only: the journal files are used when they are there and never made; a
        // snapshot reads the file as it is without any lock or journal file.
        flags |= SQLITE_OPEN_URI;
        name = file_uri(path_) + (snapshot_ ? "?immutable=1" : "?mode=ro");
    }
    int rc = sqlite3_open_v2(name.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        OpenResult r{StoreError::NotOpen, db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc)};
        close();
        return r;
    }
    sqlite3_extended_result_codes(db_, 1);
    set_wait(app_error_reporter().in_background() ? options_.tick_wait : options_.busy_timeout);
    read_only_ = access != Access::Write || sqlite3_db_readonly(db_, "main") == 1;
    if (snapshot_) snapshot_stamp_ = file_stamp(path_);
    const NameLook look = look_at_name(path_, {});
    if (look.found) {
        device_ = look.device;
        inode_ = look.inode;
    }
    return {};
}

// Whether the name now belongs to another file than the one the connection has open. A name
// that belongs to none (deleted, not made again yet) is not another file: the connection goes
// on reading the one it has.
bool TableFile::replaced(std::chrono::steady_clock::duration age) {
    const NameLook look = look_at_name(path_, age);
    return look.found && (look.device != device_ || look.inode != inode_);
}

void TableFile::set_wait(std::chrono::milliseconds wait) {
    if (db_ && wait != wait_) sqlite3_busy_timeout(db_, static_cast<int>(wait.count()));
    wait_ = wait;
}

bool TableFile::prepare() {
    const bool tick = app_error_reporter().in_background();
    bool look = !tick;
    if (tick && db_) {
        // The clock a tick reads for this is the coarse one: no finer than the system's timer
        // tick, and a fraction of the cost of a read of the precise one on every re-read.
        timespec t{};
        clock_gettime(CLOCK_MONOTONIC_COARSE, &t);
        const std::int64_t now_ms = std::int64_t(t.tv_sec) * 1000 + t.tv_nsec / 1'000'000;
        look = looked_ms_ < 0 || now_ms - looked_ms_ >= options_.replaced_check.count();
        if (look) looked_ms_ = now_ms;
    }
    if (db_ && look && replaced(tick ? options_.replaced_check : std::chrono::steady_clock::duration{})) {
        // SQLite leaves the journal files of a file that has moved where they are, under the
        // name the new file's journal has: what they hold of the old file is written into it
        // and the journal emptied first, so that the new file is read as it is. Its users'
        // positions are positions in the old file; the new one is opened as any file is, and
        // reported once when it cannot be used.
        if (!read_only_) sqlite3_exec(db_, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
        close();
        reopen_ = true;
        snapshot_ = false;
    }
    if (reopen_ && !db_) {
        if (open().error != StoreError::None) return false;
        reopen_ = false;
        for (TableAccess* user : users) forget_positions(*user);
    }
    if (snapshot_ && (!db_ || file_stamp(path_) != snapshot_stamp_)) {
        // Another program wrote the file since this snapshot was taken: read it anew (through
        // its journal files now, when that program keeps them); tried again while it fails.
        if (open_for_reading().error != StoreError::None) snapshot_ = true;
    }
    if (!db_) return false;
    set_wait(tick ? options_.tick_wait : options_.busy_timeout);
    return true;
}

// Reads what the file holds: the number of tables, or SQLite's result.
int TableFile::probe(int& tables, std::string& text) {
    sqlite3_stmt* s = nullptr;
    int rc = sqlite3_prepare_v2(db_, "SELECT count(*) FROM sqlite_master WHERE type = 'table'", -1, &s, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_step(s);
    if (rc == SQLITE_ROW) tables = sqlite3_column_int(s, 0);
    text = sqlite3_errmsg(db_);
    sqlite3_finalize(s);
    return rc == SQLITE_ROW ? SQLITE_OK : rc;
}

// A connection that only reads, and makes no file in the folder: through the journal files when
// both are there (another program keeps them while it has the file open), else (when nothing
// waits in the journal) a snapshot of the file itself. SQLite would make the journal files
// missing, as the reading user, and the other program's user could not write them then.
OpenResult TableFile::open_for_reading() {
    std::error_code ec;
    const bool journal = std::filesystem::exists(path_ + "-wal", ec) && std::filesystem::exists(path_ + "-shm", ec);
    OpenResult r;
    int tables = 0;
    std::string text = "another program's changes wait in a journal without its index";
    int rc = SQLITE_CANTOPEN;
    if (journal) {
        r = open_connection(Access::Read);
        rc = r.error == StoreError::None ? probe(tables, text) : SQLITE_CANTOPEN;
        if (rc == SQLITE_OK) return {};
    }
    const int primary = rc & 0xFF;
    if (primary != SQLITE_BUSY && primary != SQLITE_LOCKED && primary != SQLITE_NOTADB && primary != SQLITE_CORRUPT &&
        !has_journal_content(path_)) {
        r = open_connection(Access::Snapshot);
        if (r.error == StoreError::None && (rc = probe(tables, text)) == SQLITE_OK) return {};
    }
    if (r.error != StoreError::None) text = r.text;
    close();
    if ((rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED)
        return {StoreError::NotOpen, "another program holds the file locked (" + text + ")", 2};
    return {StoreError::NotOpen, "the file cannot be read (" + text + ")", 2};
}

OpenResult TableFile::report(OpenResult result) {
    if (result.message == 0) return result;
    ErrorReporter& reporter = app_error_reporter();
    reporter.set_file_name(label_);
    reporter.set_file_error(static_cast<int>(result.error), result.text, label_);
    reporter.raise_about(path_, result.message, result.text);
    return result;
}

OpenResult TableFile::open() {
    ErrorReporter& reporter = app_error_reporter();
    reporter.set_file_name(label_);
    const bool background = reporter.in_background();
    std::error_code ec;
    const bool existed = std::filesystem::exists(path_, ec) && std::filesystem::file_size(path_, ec) > 0;

    OpenResult r = open_connection(Access::Write);
    if (r.error != StoreError::None && !existed) return report({StoreError::CreateFailed, r.text, 12});
    if ((r.error != StoreError::None || read_only_) && !background) {
        // Held by someone else, or not ours to write: wait for the lock to clear and try again.
        std::this_thread::sleep_for(options_.lock_recovery);
        r = open_connection(Access::Write);
    }
    if (r.error == StoreError::None && !read_only_) {
        r = check_or_create();
        if (r.error == StoreError::None) {
            reporter.subject_works(path_);
            return r;
        }
        if (!r.unwritable) {
            close();
            return report(r);
        }
        if (!existed) {
            close();
            return report({StoreError::CreateFailed, r.text, 12});
        }
    }
    // Settle for reading only.
    r = open_for_reading();
    if (r.error != StoreError::None) return report(r);
    report({StoreError::AccessDenied, "the file is opened for reading only", 2});
    r = check_or_create();
    if (r.error != StoreError::None) {
        close();
        return report(r);
    }
    return r;
}

bool TableFile::run_sql(const std::string& sql, std::string& error) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
    error = message ? message : sqlite3_errmsg(db_);
    sqlite3_free(message);
    return false;
}

bool TableFile::create_schema(std::string& error) {
    set_wait(options_.busy_timeout);  // another thread or program may be creating it: let it finish
    auto exec = [&](const std::string& sql) { return run_sql(sql, error); };
    exec("PRAGMA journal_mode=WAL");  // best effort: a file system without shared memory keeps its journal
    if (!exec("BEGIN IMMEDIATE")) return false;
    // Another thread or program may have created it meanwhile.
    sqlite3_stmt* s = nullptr;
    bool empty = false;
    if (sqlite3_prepare_v2(db_, "SELECT count(*) FROM sqlite_master", -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW)
        empty = sqlite3_column_int(s, 0) == 0;
    sqlite3_finalize(s);
    bool ok = true;
    if (empty)
        for (const std::string& sql : schema_statements()) ok = ok && exec(sql);
    if (ok) return exec("COMMIT");
    std::string keep = error;
    exec("ROLLBACK");
    error = keep;
    return false;
}

OpenResult TableFile::check_or_create() {
    auto fail = [](StoreError error, int message, const std::string& text) { return OpenResult{error, text, message}; };

    // What the file holds. A tick does not wait for another program's lock.
    int tables = -1;
    const int attempts = app_error_reporter().in_background() ? 1 : 2;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        std::string text;
        const int primary = probe(tables, text) & 0xFF;
        if (primary == SQLITE_OK) break;
        if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT) return fail(StoreError::InvalidFile, 26, text);
        if (primary == SQLITE_FULL || (primary == SQLITE_IOERR && sqlite3_system_errno(db_) == ENOSPC))
            return fail(StoreError::DiskFull, 2, "the disk is full (" + text + ")");  // tried again at the next use
        if (primary != SQLITE_BUSY && primary != SQLITE_LOCKED) {
            // The folder cannot hold the journal files, or the file cannot be written.
            OpenResult r = fail(StoreError::NotOpen, 2, "the file cannot be read (" + text + ")");
            r.unwritable = !read_only_;
            return r;
        }
        if (attempt == attempts - 1) return fail(StoreError::NotOpen, 2, "another program holds the file locked (" + text + ")");
        std::this_thread::sleep_for(options_.lock_recovery);
    }

    if (tables == 0) {
        if (read_only_) return fail(StoreError::CreateFailed, 12, "the file is read-only");
        std::string error;
        if (!create_schema(error)) {
            OpenResult r = fail(StoreError::CreateFailed, 12, error);
            r.unwritable = (sqlite3_errcode(db_) & 0xFF) == SQLITE_READONLY || (sqlite3_errcode(db_) & 0xFF) == SQLITE_CANTOPEN;
            return r;
        }
    }

    // Layout: the signature and the columns, exactly. A file of another layout is never touched.
    {
        sqlite3_stmt* s = nullptr;
        std::string found;
        bool ok = sqlite3_prepare_v2(db_, "SELECT value FROM zrv_layout WHERE name = 'signature'", -1, &s, nullptr) == SQLITE_OK &&
                  sqlite3_step(s) == SQLITE_ROW;
        if (ok) found = column_text(s, 0);
        sqlite3_finalize(s);
        if (!ok) return fail(StoreError::InvalidFile, 26, "the file has no layout signature");
        if (!same_signature(found, signature()))
            return fail(StoreError::InvalidFile, 26, "the record layout differs: " + signature_difference(found, signature()));
        std::vector<std::string> names;
        std::string pragma = "PRAGMA table_info(" + quote_identifier(table_name_) + ")";
        if (sqlite3_prepare_v2(db_, pragma.c_str(), -1, &s, nullptr) == SQLITE_OK)
            while (sqlite3_step(s) == SQLITE_ROW) names.push_back(column_text(s, 1));
        sqlite3_finalize(s);
        bool same = names.size() == columns_.size();
        for (std::size_t i = 0; same && i < names.size(); ++i) same = detail::same_name(names[i], columns_[i].name);
        if (!same) return fail(StoreError::InvalidFile, 26, "the columns differ from the record layout");
    }

    if (!keys_intact() && !rebuild_keys()) return {StoreError::KeysDamaged, "the keys could not be built"};  // reported there

    if (!read_only_) {
        sqlite3_stmt* s = nullptr;
        std::string mode;
        if (sqlite3_prepare_v2(db_, "PRAGMA journal_mode", -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW)
            mode = column_text(s, 0);
        sqlite3_finalize(s);
        if (!detail::same_name(mode, "wal")) sqlite3_exec(db_, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    }
    return {};
}

bool TableFile::keys_intact() {
    // Unique flags of the existing indexes.
    // Index names, as SQLite's, do not depend on case.
    std::vector<std::pair<std::string, bool>> unique;
    sqlite3_stmt* s = nullptr;
    std::string pragma = "PRAGMA index_list(" + quote_identifier(table_name_) + ")";
    if (sqlite3_prepare_v2(db_, pragma.c_str(), -1, &s, nullptr) == SQLITE_OK)
        while (sqlite3_step(s) == SQLITE_ROW) unique.emplace_back(column_text(s, 1), sqlite3_column_int(s, 2) != 0);
    sqlite3_finalize(s);
    for (std::size_t k = 0; k < layout_->keys.size(); ++k) {
        const KeyLayout& key = layout_->keys[k];
        auto it = std::find_if(unique.begin(), unique.end(),
                               [&](const auto& u) { return detail::same_name(u.first, index_names_[k]); });
        if (it == unique.end() || it->second != key.unique) return false;
        pragma = "PRAGMA index_xinfo(" + quote_identifier(index_names_[k]) + ")";
        std::size_t n = 0;
        bool same = sqlite3_prepare_v2(db_, pragma.c_str(), -1, &s, nullptr) == SQLITE_OK;
        while (same && sqlite3_step(s) == SQLITE_ROW) {
            if (sqlite3_column_int(s, 5) == 0) continue;  // the row id
            if (n >= key.components.size()) {
                same = false;
                break;
            }
            const KeyComponent& c = key.components[n++];
            bool text = layout_->fields[static_cast<std::size_t>(c.field)].kind == FieldKind::Text;
            same = sqlite3_column_int(s, 1) == column_of_field_[static_cast<std::size_t>(c.field)] &&
                   (sqlite3_column_int(s, 3) != 0) == c.descending && detail::same_name(column_text(s, 4), text ? "NOCASE" : "BINARY");
        }
        sqlite3_finalize(s);
        if (!same || n != key.components.size()) return false;
    }
    return true;
}

bool TableFile::rebuild_keys() {
    ErrorReporter& reporter = app_error_reporter();
    reporter.set_file_name(label_);
    reporter.raise_about(path_, 33, "");
    std::string error = "the file is open for reading only";
    if (!read_only_) {
        finalize_statements();
        set_wait(options_.busy_timeout);
        auto exec = [&](const std::string& sql) { return run_sql(sql, error); };
        bool ok = exec("BEGIN IMMEDIATE");
        if (ok) {
            auto sql = create_index_sql();
            for (std::size_t k = 0; ok && k < sql.size(); ++k)
                ok = exec("DROP INDEX IF EXISTS " + quote_identifier(index_names_[k])) && exec(sql[k]);
            ok = ok && exec("COMMIT");
            if (!ok) {
                std::string keep = error;
                exec("ROLLBACK");
                error = keep;
            }
        }
        if (!ok) ok = exec("REINDEX " + quote_identifier(table_name_)) && keys_intact();
        if (!ok && (sqlite3_errcode(db_) & 0xFF) == SQLITE_CORRUPT) {
            // The pages of a key are beyond reading: forget the keys (the records stay as they
            // are), build them anew and let VACUUM drop the pages that nothing uses any more.
            std::string names;
            for (const std::string& n : index_names_) names += (names.empty() ? "'" : ", '") + n + "'";
            std::string sql = "DELETE FROM sqlite_master WHERE type = 'index' AND name IN (" + names + ")";
            ok = exec("PRAGMA writable_schema = ON") && exec("BEGIN IMMEDIATE") && exec(sql) && exec("COMMIT");
            if (!ok) exec("ROLLBACK");
            exec("PRAGMA writable_schema = RESET");
            if (ok) {
                ok = exec("BEGIN IMMEDIATE");
                for (const std::string& create : create_index_sql()) ok = ok && exec(create);
                ok = ok && exec("COMMIT");
                if (!ok) exec("ROLLBACK");
            }
            if (ok) exec("VACUUM");
            ok = ok && keys_intact();
        }
        if (ok) return true;
    }
    report({StoreError::KeysDamaged, error, 32});
    return false;
}

void TableFile::decode_row(sqlite3_stmt* row, RecordBuffer& record, std::vector<std::string>& unfit) const {
    record.clear();
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (const char* problem = decode_column(row, i, record)) unfit.push_back(column_label(i) + ": " + problem);
}

void TableFile::log_unreadable(std::int64_t position, const RecordBuffer& record, const std::vector<std::string>& unfit) const {
    if (unfit.empty() || !options_.log_unreadable) return;
    static std::mutex mutex;
    static std::set<std::string, std::less<>> logged;  // file, record and field
    for (const std::string& u : unfit) {
        std::string seen = path_ + '\n' + std::to_string(position) + '\n' + u.substr(0, u.find(": "));
        {
            std::lock_guard lock(mutex);
            if (!logged.insert(std::move(seen)).second) continue;
        }
        std::string which = "record " + std::to_string(position);
        if (!layout_->keys.empty() && !layout_->keys[0].components.empty()) {
            const int key = layout_->keys[0].components[0].field;
            which += " (" + layout_->fields[static_cast<std::size_t>(key)].name + " " +
                     std::string(detail::trim_blanks(record.get_text(key))) + ")";
        }
        app_error_reporter().log(label_ + " (" + std::filesystem::path(path_).filename().string() + "), " + which + ": " + u +
                                 "; the value shows empty and is not written back");
    }
}

const std::string& TableFile::column_label(std::size_t column) const {
    const Column& c = columns_[column];
    return c.memo >= 0 ? layout_->memos[static_cast<std::size_t>(c.memo)].name
                       : layout_->fields[static_cast<std::size_t>(c.field)].name;
}

const char* TableFile::decode_column(sqlite3_stmt* row, std::size_t column, RecordBuffer& record) const {
    const Column& c = columns_[column];
    const int col = static_cast<int>(column) + 1;
    const int type = sqlite3_column_type(row, col);
    if (type == SQLITE_NULL) return nullptr;
    if (c.memo >= 0) {
        if (type == SQLITE_BLOB || !record.set_memo(c.memo, column_text(row, col))) return "too long";
        return nullptr;
    }
    const FieldLayout& f = layout_->fields[static_cast<std::size_t>(c.field)];
    const char* problem = nullptr;
    switch (f.kind) {
        case FieldKind::Text: {
            if (type == SQLITE_BLOB) {
                problem = "not a text";
                break;
            }
            const unsigned char* text = sqlite3_column_text(row, col);
            std::string_view utf8(reinterpret_cast<const char*>(text), static_cast<std::size_t>(sqlite3_column_bytes(row, col)));
            // A text longer than the field reads cut to its size.
            if (!record.set_text(c.field, utf8) && !valid_utf8(utf8)) problem = "not well-formed UTF-8";
            break;
        }
        case FieldKind::Long:
        case FieldKind::Byte:
        case FieldKind::Time: {
            std::int64_t v = 0;
            if (type == SQLITE_INTEGER) v = sqlite3_column_int64(row, col);
            else if (type == SQLITE_FLOAT && is_whole(sqlite3_column_double(row, col)) &&
                     std::abs(sqlite3_column_double(row, col)) < 9e18)
                v = static_cast<std::int64_t>(sqlite3_column_double(row, col));
            else {
                problem = "not a whole number";
                break;
            }
            if (!record.set_integer(c.field, v)) problem = "out of range";
            break;
        }
        case FieldKind::Decimal: {
            if (type == SQLITE_BLOB) {
                problem = "not a number";
                break;
            }
            if (type == SQLITE_INTEGER && sqlite3_column_int64(row, col) == 0 && f.size >= 1 && f.size <= 10 && f.places >= 0 &&
                f.places <= Decimal::max_places)
                break;  // a packed zero is all zero bytes, as the cleared buffer holds already
            auto d = type == SQLITE_INTEGER ? std::optional<Decimal>(Decimal::from_integer(sqlite3_column_int64(row, col)))
                                            : Decimal::parse(column_text(row, col), Decimal::max_places / 2);
            if (!d) problem = "not a number";
            else if (!record.set_decimal(c.field, *d)) problem = "out of range";
            break;
        }
        case FieldKind::Real:
            if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) record.set_real(c.field, sqlite3_column_double(row, col));
            else problem = "not a number";
            break;
        case FieldKind::Date: {
            auto serial = type == SQLITE_TEXT ? parse_iso_date(column_text(row, col)) : std::nullopt;
            if (!serial) problem = "not a date (YYYY-MM-DD)";
            else record.set_date(c.field, *serial);
            break;
        }
        case FieldKind::Group:
            break;
    }
    if (problem) record.clear_field(c.field);
    return problem;
}

RowDecoder::RowDecoder() = default;
RowDecoder::~RowDecoder() = default;

void RowDecoder::decode(const TableFile& file, sqlite3_stmt* row, RecordBuffer& record, std::vector<std::string>& unfit) {
    if (!file.columns_apart()) {
        file.decode_row(row, record, unfit);
        return;
    }
    const auto& columns = file.columns();
    if (!converted_ || &converted_->layout() != &file.layout()) {
        converted_ = std::make_unique<RecordBuffer>(file.layout());
        values_.assign(columns.size(), Value{});
        unfit_.clear();
    }
    // This row's texts and blobs go after one another into one buffer, the last row's are in
    // the other.
    const std::string& before = bytes_[last_bytes_];
    std::string& now = bytes_[1 - last_bytes_];
    now.clear();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        // One look at the column's value: each of SQLite's column calls costs about as much as
        // the comparison itself.
        sqlite3_value* value = sqlite3_column_value(row, static_cast<int>(i) + 1);
        const int type = sqlite3_value_type(value);
        Value& last = values_[i];
        bool same = last.type == type;
        switch (type) {
            case SQLITE_INTEGER: {
                const std::int64_t n = sqlite3_value_int64(value);
                same = same && last.number == n;
                last.number = n;
                break;
            }
            case SQLITE_FLOAT: {
                const double d = sqlite3_value_double(value);
                std::int64_t bits = 0;
                std::memcpy(&bits, &d, sizeof bits);
                same = same && last.number == bits;
                last.number = bits;
                break;
            }
            case SQLITE_TEXT:
            case SQLITE_BLOB: {
                // The bytes as stored: asking for a text of a blob (or the reverse) would convert it.
                const void* data = type == SQLITE_TEXT ? static_cast<const void*>(sqlite3_value_text(value))
                                                       : sqlite3_value_blob(value);
                const std::size_t size = data ? static_cast<std::size_t>(sqlite3_value_bytes(value)) : 0;
                const std::string_view bytes(static_cast<const char*>(data), size);
                same = same && std::string_view(before).substr(last.at, last.size) == bytes;
                last.at = now.size();
                last.size = size;
                now.append(bytes);
                break;
            }
            default:
                break;  // NULL
        }
        if (same) continue;
        last.type = type;
        const Column& c = columns[i];
        if (c.memo >= 0) converted_->set_memo(c.memo, {});
        else converted_->clear_field(c.field);
        const char* problem = file.decode_column(row, i, *converted_);
        // The reasons stay in column order; most rows have none.
        auto at = std::find_if(unfit_.begin(), unfit_.end(), [&](const auto& u) { return u.first >= i; });
        if (at != unfit_.end() && at->first == i) at = unfit_.erase(at);
        if (problem) unfit_.insert(at, {i, file.column_label(i) + ": " + problem});
    }
    last_bytes_ = 1 - last_bytes_;
    record = *converted_;
    for (const auto& u : unfit_) unfit.push_back(u.second);
}

void TableFile::bind_value(sqlite3_stmt* s, int p, const RecordBuffer& record, int field) const {
    const FieldLayout& f = layout_->fields.at(static_cast<std::size_t>(field));
    switch (f.kind) {
        case FieldKind::Text: {
            std::string t(detail::trim_right(record.get_text(field)));
            sqlite3_bind_text(s, p, t.c_str(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
            break;
        }
        case FieldKind::Long:
        case FieldKind::Byte:
        case FieldKind::Time:
            sqlite3_bind_int64(s, p, record.get_integer(field));
            break;
        case FieldKind::Decimal: {
            Decimal d = record.get_decimal(field);
            if (d.places() == 0) {
                sqlite3_bind_int64(s, p, d.units());
            } else if (d.rescaled(0) == d) {
                sqlite3_bind_int64(s, p, d.rounded_integer());
            } else {
                // Exact decimal text; the column's numeric affinity keeps it as a number.
                std::string t = d.to_string();
                sqlite3_bind_text(s, p, t.c_str(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
            }
            break;
        }
        case FieldKind::Real:
            sqlite3_bind_double(s, p, record.get_real(field));
            break;
        case FieldKind::Date: {
            std::string t = format_iso_date(record.get_date(field));
            sqlite3_bind_text(s, p, t.c_str(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
            break;
        }
        case FieldKind::Group:
            sqlite3_bind_null(s, p);
            break;
    }
}

bool TableFile::bind_row(sqlite3_stmt* s, int first, const RecordBuffer& record, std::string& problem) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (!bind_column(s, first + static_cast<int>(i), record, i, problem)) return false;
    return true;
}

bool TableFile::bind_column(sqlite3_stmt* s, int p, const RecordBuffer& record, std::size_t column, std::string& problem) const {
    const Column& c = columns_[column];
    if (c.memo >= 0) {
        const std::string& m = record.memo(c.memo);
        sqlite3_bind_text(s, p, m.c_str(), static_cast<int>(m.size()), SQLITE_TRANSIENT);
        return true;
    }
    if (!record.field_is_valid(c.field)) {
        problem = "the value of " + layout_->fields[static_cast<std::size_t>(c.field)].name + " does not fit its field";
        return false;
    }
    bind_value(s, p, record, c.field);
    return true;
}

bool TableFile::same_column(const RecordBuffer& a, const RecordBuffer& b, std::size_t column) const {
    const Column& c = columns_[column];
    if (c.memo >= 0) return a.memo(c.memo) == b.memo(c.memo);
    return a.same_field(c.field, b);
}

}  // namespace zrv::store

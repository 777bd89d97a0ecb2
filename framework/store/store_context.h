#pragma once
// The calling thread's store state: its open table files (one SQLite connection per table),
// shared by the thread's TableAccess objects and closed with their last user or at thread end.
#include <chrono>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zrv::store {

struct TableLayout;
class TableFile;

struct StoreOptions {
    std::string extension = ".sqlite";                 // added to a table's stored name
    std::chrono::milliseconds busy_timeout{2000};      // waiting for another writer
    std::chrono::milliseconds transaction_wait{2000};  // update: message 27 after this
    std::chrono::milliseconds lock_recovery{100};      // access denied: wait before opening again
    std::chrono::milliseconds tick_wait{20};           // a timer tick: waiting for another program's lock
    // A timer tick looks whether another file has taken a table file's name at most this often
    // (a look costs a system call, more than an unchanged re-read); an operator's action always.
    std::chrono::milliseconds replaced_check{100};
    // A value that could not be read goes into the program's error log (TableFile::log_unreadable).
    bool log_unreadable = true;
};

class StoreContext {
public:
    StoreContext();
    ~StoreContext();  // closes whatever is still open
    StoreContext(const StoreContext&) = delete;
    StoreContext& operator=(const StoreContext&) = delete;

    StoreOptions& options() { return options_; }

    // Closes the thread's files in the given order of table names, then any others.
    void close_all(std::span<const std::string> table_order = {});
    // Number of files (connections) this thread has open.
    std::size_t open_files() const;

    // Internal: the thread's file of a table, opened on first use, counted per user.
    TableFile* acquire(const TableLayout& layout, std::string_view label);
    void release(TableFile* file);

private:
    StoreOptions options_;
    std::vector<std::unique_ptr<TableFile>> files_;
};

// Options a thread's store context starts with (set before the thread's first use).
StoreOptions& default_store_options();

// The calling thread's store context.
StoreContext& thread_store();

// File name of a table's file in the current folder ("scoreboard.sqlite").
std::string table_file_name(const TableLayout& layout);

}  // namespace zrv::store

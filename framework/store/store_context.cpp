#include "framework/store/store_context.h"

#include <sqlite3.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <mutex>

#include "framework/store/store_internal.h"
#include "framework/store/table_file.h"

namespace zrv::store {
namespace {

// Trivially destructible, so it can still be read while other thread-locals are destroyed.
thread_local bool t_context_gone = false;

// Every thread keeps about two descriptors per open table; allow what the system allows.
void raise_open_file_limit() {
    static std::once_flag once;
    std::call_once(once, [] {
        rlimit limit{};
        if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
            limit.rlim_cur = std::min<rlim_t>(limit.rlim_max, 65536);
            setrlimit(RLIMIT_NOFILE, &limit);
        }
    });
}

// SQLite keeps no memory statistics: nothing here reads them, and keeping them takes a global
// lock on every allocation. Only before SQLite's first use in the process; refused (harmlessly)
// after it.
void configure_sqlite() {
    static std::once_flag once;
    std::call_once(once, [] { sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0); });
}

}  // namespace

void detach_user(TableAccess& user);  // table_access.cpp

StoreOptions& default_store_options() {
    static StoreOptions options;
    return options;
}

StoreContext::StoreContext() : options_(default_store_options()) {
    raise_open_file_limit();
    configure_sqlite();
}

StoreContext::~StoreContext() {
    close_all();
    t_context_gone = true;
}

StoreContext& thread_store() {
    thread_local StoreContext context;
    return context;
}

bool store_context_gone() { return t_context_gone; }

std::string table_file_name(const TableLayout& layout) {
    return (layout.stored_name.empty() ? layout.name : layout.stored_name) + default_store_options().extension;
}

std::size_t StoreContext::open_files() const { return files_.size(); }

TableFile* StoreContext::acquire(const TableLayout& layout, std::string_view label) {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::current_path(ec);
    std::string path = (folder / ((layout.stored_name.empty() ? layout.name : layout.stored_name) + options_.extension)).string();
    for (auto& file : files_)
        if (file->path() == path && &file->layout() == &layout) return file.get();
    auto file = std::make_unique<TableFile>(layout, path, std::string(label), options_);
    files_.push_back(std::move(file));
    return files_.back().get();
}

void StoreContext::release(TableFile* file) {
    auto it = std::find_if(files_.begin(), files_.end(), [&](auto& f) { return f.get() == file; });
    if (it == files_.end() || !(*it)->users.empty()) return;
    files_.erase(it);
}

void StoreContext::close_all(std::span<const std::string> table_order) {
    auto close_one = [&](std::size_t index) {
        std::unique_ptr<TableFile> file = std::move(files_[index]);
        files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(index));
        for (TableAccess* user : std::vector<TableAccess*>(file->users)) detach_user(*user);
        file->close();
    };
    for (const std::string& name : table_order)
        for (std::size_t i = 0; i < files_.size();) {
            const TableLayout& l = files_[i]->layout();
            if (detail::same_name(l.name, name) || detail::same_name(l.stored_name, name)) close_one(i);
            else ++i;
        }
    while (!files_.empty()) close_one(0);
}

}  // namespace zrv::store

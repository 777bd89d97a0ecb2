#include "live/fuzzy_search.h"
#include <utility>

#include <map>
#include <mutex>

#include "framework/core/window.h"

namespace zrv::live {

std::atomic<bool>& fuzzy_search_active(std::string_view list_procedure) {
    static std::mutex mutex;
    static std::map<std::string, std::atomic<bool>> flags;  // nodes never move
    std::lock_guard lock(mutex);
    return flags[upper(list_procedure)];
}

int FuzzySearchAll::choose(int search_order, int current_order, int tab_order) {
    const bool search = std::exchange(search_, false);
    const bool clear = std::exchange(clear_, false);
    if (search && query_.find_first_not_of(' ') != std::string::npos) {
        active_ = true;
        return search_order;
    }
    if (clear) {
        active_ = false;
        query_.clear();
    }
    if (active_) return current_order;
    return tab_order;
}

}  // namespace zrv::live

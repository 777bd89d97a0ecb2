#pragma once
// The search box of every list: "&Search" orders the rows by their fuzzy score against the
// query, "&Clear" blanks the query and lets the tabs choose the order again. Whether a list's
// search is active is one flag per list procedure for the whole process, shared by every open
// copy of that list on whatever thread; it starts cleared and outlives every copy.
#include <atomic>
#include <string>
#include <string_view>

namespace zrv::live {

// The process-wide FuzzySearchActive flag of a list procedure (safe from any thread).
std::atomic<bool>& fuzzy_search_active(std::string_view list_procedure);

// One open list's search state (its query and which button was pressed last).
class FuzzySearchAll {
public:
    explicit FuzzySearchAll(std::string_view list_procedure) : active_(fuzzy_search_active(list_procedure)) {}

    std::string& query() { return query_; }
    std::int64_t& score() { return score_; }
    void pressed_search() { search_ = true; }
    void pressed_clear() { clear_ = true; }
    bool active() const { return active_.load(); }

    // The order to choose: the search order, the current one, or the selected tab's.
    int choose(int search_order, int current_order, int tab_order);

private:
    std::atomic<bool>& active_;
    std::string query_;
    std::int64_t score_ = 0;
    bool search_ = false, clear_ = false;
};

}  // namespace zrv::live

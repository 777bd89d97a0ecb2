#include "flow/list_parts.h"

#include <algorithm>
#include <climits>

#include "data/dictionary_table.h"
#include "framework/core/window.h"
#include "framework/store/record_view.h"

namespace zrv::flow {

std::string column_format(const std::vector<ColumnSpec>& columns) {
    std::string format;
    for (const ColumnSpec& c : columns)
        format += std::to_string(c.width) + c.align + "(2)|M" + (c.coloured ? "*" : "") + "~" + c.header + "~@" +
                  c.picture + "@";
    return format;
}

const std::vector<QueueItem>& queue_items() {
    static const std::vector<QueueItem> items = {
        {"QueueStart", "1"}, {"QueueStop", "2"}, {"QueueDone", "3"}, {"QueueAssigned", "4"}};
    return items;
}

void add_tab_sheet(WindowLayout& l, const std::vector<std::string>& tabs, int x, int y, int width, int height) {
    const int sheet = 1000;
    l.controls.push_back({.number = sheet, .use = "?CURRENTTAB", .kind = ControlKind::Sheet, .x = x, .y = y, .width = width,
                          .height = height, .selected = 1});
    for (std::size_t t = 0; t < tabs.size(); ++t)
        l.controls.push_back({.use = "?TAB" + std::to_string(t + 1), .kind = ControlKind::Tab, .parent = sheet, .text = tabs[t]});
}

void add_search_box(WindowLayout& l, int x, int y, int width) {
    l.controls.push_back({.use = "?FUZZYGROUP", .kind = ControlKind::Group, .text = "Search All", .x = x, .y = y, .width = width, .height = 34});
    l.controls.push_back({.use = "?FUZZYQUERY", .kind = ControlKind::Entry, .x = x + 6, .y = y + 14, .width = width - 132, .height = 14});
    l.controls.push_back({.use = "?FUZZYGO", .kind = ControlKind::Button, .text = "&Search", .x = x + width - 120, .y = y + 14,
                          .width = 54, .height = 14});
    l.controls.push_back({.use = "?FUZZYCLEAR", .kind = ControlKind::Button, .text = "&Clear", .x = x + width - 60, .y = y + 14,
                          .width = 54, .height = 14});
}

void add_queue_status(WindowLayout& l, const std::string& use, int x, int y) {
    l.controls.push_back({.use = use + ":PROMPT", .kind = ControlKind::Prompt, .text = "Queue:", .x = x, .y = y, .width = 40, .height = 10});
    ControlState drop{.use = use, .kind = ControlKind::DropList, .disabled = true, .x = x + 44, .y = y, .width = 80, .height = 12};
    for (const QueueItem& i : queue_items()) {
        drop.items.push_back(i.text);
        drop.item_values.push_back(i.value);
    }
    l.controls.push_back(drop);
}

void add_button_bar(WindowLayout& l, const std::vector<std::string>& shown, int x, int y) {
    static const struct {
        const char* use;
        const char* tip;
        bool editing;
    } bar[] = {
        {"?BROWSE:TOP", "Go to the First Page", false},   {"?BROWSE:PAGEUP", "Go to the Prior Page", false},
        {"?BROWSE:UP", "Go to the Prior Record", false},  {"?BROWSE:DOWN", "Go to the Next Record", false},
        {"?BROWSE:PAGEDOWN", "Go to the Next Page", false}, {"?BROWSE:BOTTOM", "Go to the Last Page", false},
        {"?BROWSE:LOCATE", "", true},  {"?BROWSE:SELECT", "", true}, {"?BROWSE:INSERT", "", true},
        {"?BROWSE:CHANGE", "", true},  {"?BROWSE:DELETE", "", true}, {"?BROWSE:HISTORY", "", true},
        {"?BROWSE:HELP", "", false},
    };
    int at = x;
    for (const auto& b : bar) {
        const bool show = std::find(shown.begin(), shown.end(), b.use) != shown.end();
        ControlState c{.use = b.use, .kind = ControlKind::Button, .disabled = b.editing, .x = show ? at : -1000, .y = show ? y : -1000,
                       .width = 14, .height = 14, .tip = b.tip};
        if (show) at += 16;
        l.controls.push_back(c);
    }
}

live::SortOrder by_key(const char* key, const char* locator) { return live::SortOrder{.key = key, .locator = locator}; }

std::optional<Scroll> scroll_of(std::string_view use) {
    static const struct {
        const char* use;
        Scroll move;
    } buttons[] = {{"?BROWSE:TOP", Scroll::Top},   {"?BROWSE:PAGEUP", Scroll::PageUp},     {"?BROWSE:UP", Scroll::Up},
                   {"?BROWSE:DOWN", Scroll::Down}, {"?BROWSE:PAGEDOWN", Scroll::PageDown}, {"?BROWSE:BOTTOM", Scroll::Bottom}};
    for (const auto& b : buttons)
        if (upper(use) == b.use) return b.move;
    return std::nullopt;
}

int FlowBrowse::choose_sort_order() {
    if (order() < 0 && search() && search()->active()) return search_order();
    return BrowseList::choose_sort_order();
}

std::vector<FlowBrowse::Row> FlowBrowse::all_rows() {
    const int key = keys_[static_cast<std::size_t>(order_)];
    if (key < 0) return search_rows();
    const live::SortOrder& o = decl_.orders[static_cast<std::size_t>(order_)];
    apply_range(o);
    store::RecordView view(*table_, key);
    view.set_range(o.range_components);
    return view.first_page(INT_MAX / 2);
}

void FlowBrowse::scroll(Scroll move) {
    if (order_ < 0 || page_.empty()) return;
    std::vector<Row> all = all_rows();
    if (all.empty()) return;
    const int n = static_cast<int>(all.size());
    const int rows = std::max(1, decl_.page_rows);
    const auto index_of = [&](std::int64_t position, int otherwise) {
        for (int i = 0; i < n; ++i)
            if (all[static_cast<std::size_t>(i)].position == position) return i;
        return otherwise;
    };
    int first = index_of(page_.front().position, 0);
    int at = index_of(selected_position(), first);
    switch (move) {
        case Scroll::Top: first = at = 0; break;
        case Scroll::Bottom: at = n - 1; first = n - rows; break;
        case Scroll::Up: at = std::max(0, at - 1); break;
        case Scroll::Down: at = std::min(n - 1, at + 1); break;
        case Scroll::PageUp: first -= rows; at -= rows; break;
        case Scroll::PageDown: first += rows; at += rows; break;
    }
    at = std::clamp(at, 0, n - 1);
    first = std::clamp(std::clamp(first, at - rows + 1, at), 0, std::max(0, n - rows));
    const auto begin = all.begin() + first;
    page_.assign(std::make_move_iterator(begin), std::make_move_iterator(begin + std::min(rows, n - first)));
    show(all[static_cast<std::size_t>(at)].position);
}

FlowListScreen::FlowListScreen(std::string procedure, const WindowLayout& layout, live::ListScreenDeclaration declaration)
    : ListScreen(std::move(procedure), layout, std::move(declaration)) {
    browse_ = std::make_unique<FlowBrowse>(window(), decl_.list, this->procedure());
}

Flow FlowListScreen::on_accepted(int control) {
    const Flow flow = ListScreen::on_accepted(control);
    if (const std::optional<Scroll> move = control ? scroll_of(window().control(control).use) : std::nullopt) {
        static_cast<FlowBrowse&>(browse()).scroll(*move);
        window().display();
    }
    return flow;
}

}  // namespace zrv::flow

#include "flow/list_parts.h"

#include <algorithm>
#include <climits>

#include "data/dictionary_table.h"
#include "framework/core/window.h"
#include "framework/store/record_view.h"
#include "live/button_bar.h"

namespace zrv::flow {

std::string column_format(const std::vector<ColumnSpec>& columns) {
    std::string format;
    for (const ColumnSpec& c : columns)
        format += std::to_string(c.width) + c.align + "(2)|M" + (c.coloured ? "*" : "") + "~" + c.header + "~" +
                  (*c.tip ? "{" + std::string(c.tip) + "}" : "") + "@" + c.picture + "@";
    return format;
}

const std::vector<QueueItem>& queue_items() {
    static const std::vector<QueueItem> items = {{"QueueStart", "1"}, {"QueueStop", "2"}, {"QueueDone", "3"}, {"QueueAssigned", "4"}};
    return items;
}

void add_tab_sheet(WindowLayout& l, const std::vector<std::string>& tabs, int x, int y, int width, int height) {
    const int sheet = 1000;
    l.controls.push_back({.number = sheet,
                          .use = "?CURRENTTAB",
                          .kind = ControlKind::Sheet,
                          .x = x,
                          .y = y,
                          .width = width,
                          .height = height,
                          .selected = 1});
    for (std::size_t t = 0; t < tabs.size(); ++t)
        l.controls.push_back({.use = "?TAB" + std::to_string(t + 1), .kind = ControlKind::Tab, .parent = sheet, .text = tabs[t]});
}

void add_search_box(WindowLayout& l, int x, int y, int width) {
    l.controls.push_back(
        {.use = "?FUZZYGROUP", .kind = ControlKind::Group, .text = "Search All", .x = x, .y = y, .width = width, .height = 34});
    l.controls.push_back(
        {.use = "?FUZZYQUERY", .kind = ControlKind::Entry, .x = x + 6, .y = y + 14, .width = width - 132, .height = 14});
    l.controls.push_back({.use = "?FUZZYGO",
                          .kind = ControlKind::Button,
                          .text = "&Search",
                          .x = x + width - 120,
                          .y = y + 14,
                          .width = 54,
                          .height = 14});
    l.controls.push_back({.use = "?FUZZYCLEAR",
                          .kind = ControlKind::Button,
                          .text = "&Clear",
                          .x = x + width - 60,
                          .y = y + 14,
                          .width = 54,
                          .height = 14});
}

void add_queue_status(WindowLayout& l, const std::string& use, int x, int y) {
    l.controls.push_back(
        {.use = use + ":PROMPT", .kind = ControlKind::Prompt, .text = "Queue:", .x = x, .y = y, .width = 40, .height = 10});
    ControlState drop{.use = use, .kind = ControlKind::DropList, .disabled = true, .x = x + 44, .y = y, .width = 80, .height = 12};
    for (const QueueItem& i : queue_items()) {
        drop.items.push_back(i.text);
        drop.item_values.push_back(i.value);
    }
    l.controls.push_back(drop);
}

void add_button_bar(WindowLayout& l, const std::vector<std::string>& shown, int x, int y) {
    int at = x;
    for (const live::BarButton& b : live::kButtonBar) {
        const bool show = std::find(shown.begin(), shown.end(), b.use) != shown.end();
        ControlState c{.use = b.use,
                       .kind = ControlKind::Button,
                       .disabled = b.editing,
                       .x = show ? at : -1000,
                       .y = show ? y : -1000,
                       .width = 14,
                       .height = 14,
                       .image = b.image,
                       .tip = b.tip};
        if (show) at += 16;
        l.controls.push_back(c);
    }
}

live::SortOrder by_key(const char* key, const char* locator) { return live::SortOrder{.key = key, .locator = locator}; }

}  // namespace zrv::flow

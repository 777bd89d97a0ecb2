#pragma once
// Pieces the lists of the queues, the next-up screens and the manual results share: their column
// formats, the tab sheet, the search box, the disabled queue-status drop list, the framework's
// button bar.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/window.h"
#include "live/browse_list.h"
#include "live/list_screen.h"

namespace zrv::flow {

struct ColumnSpec {
    std::string header;
    const char* field;
    const char* picture;  // without its '@' marks: "s20", "n-14", "D17"
    int width;
    char align = 'L';  // L, R, C or D
    bool coloured = true;
    const char* tip = "";  // shown over the column's header
};

std::string column_format(const std::vector<ColumnSpec>& columns);

// The four texts and values of the queue-status drop list.
struct QueueItem {
    const char* text;
    const char* value;
};
const std::vector<QueueItem>& queue_items();

// Adds "?CURRENTTAB" with one tab per text.
void add_tab_sheet(WindowLayout& layout, const std::vector<std::string>& tabs, int x, int y, int width, int height);
// Adds "?FUZZYGROUP" "Search All" with its query entry and its two buttons.
void add_search_box(WindowLayout& layout, int x, int y, int width);
// Adds the disabled drop list that shows a status field ("?KE24:QUEUE") with its prompt.
void add_queue_status(WindowLayout& layout, const std::string& use, int x, int y);
// Adds the framework's button bar of a list; the named ones show, the others lie outside the
// window's area, the editing ones disabled.
void add_button_bar(WindowLayout& layout, const std::vector<std::string>& shown, int x, int y);

// An ascending order by a key, with the field a typed text locates on.
live::SortOrder by_key(const char* key, const char* locator = "");

}  // namespace zrv::flow

#pragma once
// Pieces the lists of the queues, the next-up screens and the manual results share: their column
// formats, the tab sheet, the search box, the disabled queue-status drop list, the framework's
// button bar and the list controller that scrolls by it.
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
    char align = 'L';     // L, R, C or D
    bool coloured = true;
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

// How the navigation buttons of the bar move a list.
enum class Scroll { Top, PageUp, Up, Down, PageDown, Bottom };
// The move a navigation button's use name ("?BROWSE:PAGEUP") stands for; nullopt for any other.
std::optional<Scroll> scroll_of(std::string_view use);

// The list of the flow screens: the navigation buttons scroll it, and a copy opened while its
// list's search is active starts in the search order (with its own empty query, so every row
// scores the same), as every other copy holds its current order.
class FlowBrowse : public live::BrowseList {
public:
    using BrowseList::BrowseList;

    int choose_sort_order() override;
    // Moves the highlight and the page in the current order; the highlighted row's record
    // becomes current.
    void scroll(Scroll move);

private:
    std::vector<Row> all_rows();
};

// A list screen over a FlowBrowse; its navigation buttons scroll the list.
class FlowListScreen : public live::ListScreen {
public:
    FlowListScreen(std::string procedure, const WindowLayout& layout, live::ListScreenDeclaration declaration);
    Flow on_accepted(int control) override;
};

}  // namespace zrv::flow

#pragma once
// BrowseList: a list control over a RecordView of one table, declared as data (columns,
// hidden fields, colours, sort orders with range limits and locators, the search order, the
// tabs that choose orders). ListScreen (list_screen.h) is the controller every list runs.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "data/declaration.h"
#include "data/dictionary.h"
#include "framework/core/control.h"
#include "framework/core/window.h"
#include "framework/store/record_view.h"
#include "framework/store/table_access.h"
#include "live/expression.h"
#include "live/fuzzy_search.h"
#include "live/list_format.h"
#include "live/list_thumb.h"
#include "live/related_records.h"

namespace zrv::data {
class DictionaryTable;
}

namespace zrv::live {

struct SortOrder {
    std::string key;  // the key's name; empty for the search order
    // The key's first components are fixed: to the values the fields of another table's buffer
    // hold ({own field, other field}), or, with no links, to the list's own buffer as it opened.
    int range_components = 0;
    std::vector<std::pair<std::string, std::string>> range_from;
    std::string locator;     // field a ListLocator and the TypingLocator work on; empty: none
    std::string expression;  // the search order: its sort value, best (lowest) first
    // A further field, ascending, that orders the records whose keys are equal; empty: those
    // keep the order they were added in.
    std::string then_by;
    Thumb thumb = Thumb::Rows;  // how the scroll bar's thumb maps to the order
};

struct SearchBox {
    std::string query_name;  // "FuzzyQuery9": the query, bound for the expression
    std::string score_name;  // "FuzzyResult9": the row's score (score lists only)
    // Joined with "&' '&" into the search expression; a field of another table takes part
    // as a column does (see ListDeclaration::fields).
    std::vector<std::string> fields;
    bool score_column = false;  // rows carry their score in a first column
    bool query_resets = false;  // accepting the query reads the page again at once
    // The box's controls in the window's layout.
    std::string query_control = "?FUZZYQUERY", go_control = "?FUZZYGO", clear_control = "?FUZZYCLEAR";
};

struct ListDeclaration {
    data::TableId table{};
    std::string list = "?BROWSE:1";
    std::string format;  // the list's own columns
    // One per column, then the hidden row fields. A column may show a field of another table:
    // of the row's own record of that table when row_related names the table, else what the
    // thread's buffer of that table holds, the same on every row.
    std::vector<std::string> fields;
    // Records of other tables that belong to each row, read by the row's own fields while the
    // row is filled and scored (blank when the row has none); the thread's buffers are left as
    // they were.
    std::vector<RelatedLookup> row_related;
    std::vector<SortOrder> orders;  // the search order is added after these
    int page_rows = 20;
    // Per-cell colours of a row (the row's record, the row with its texts filled in).
    std::function<void(const store::RecordBuffer&, ListRow&)> colours;
    std::string sheet;                      // the sheet whose tabs choose orders; empty: none
    std::function<int(int tab)> tab_order;  // order for a tab (1-based); unset: order 0
    std::string typing_locator;             // entry that locates as it is typed into
    bool locate_on_accept = false;          // the typing locator locates only when its entry is accepted
    std::optional<SearchBox> search;
};

// How the navigation buttons and keys move a list through its whole current order.
enum class Scroll { Top, PageUp, Up, Down, PageDown, Bottom };
// The move of a navigation button ("?BROWSE:PAGEUP", also a copy such as "?BROWSE:PAGEUP:2");
// nullopt for any other control.
std::optional<Scroll> scroll_of_button(std::string_view use);
// The move of a key pressed on the list (arrows, page keys, home and end); nullopt otherwise.
std::optional<Scroll> scroll_of_key(int keycode);

class BrowseList {
public:
    using Row = store::RecordView::Row;

    BrowseList(Window& window, ListDeclaration declaration, std::string procedure);
    virtual ~BrowseList();

    // Set-up: columns, fields, orders, the range values of the list's own buffer.
    void setup();

    const ListDeclaration& declaration() const { return decl_; }
    data::DictionaryTable& table() { return *table_; }
    FuzzySearchAll* search() { return search_.get(); }
    int search_order() const { return search_ ? static_cast<int>(decl_.orders.size()) : -1; }
    int order() const { return order_; }
    const std::vector<ListColumn>& columns() const { return columns_; }
    const std::vector<Row>& page() const { return page_; }
    int list_control() const { return list_; }

    // The order the list asks for (the tabs', or the search box's rule). Overridable.
    virtual int choose_sort_order();
    // Fills the row of the list from a record. Overridable; the base scores the row first when
    // the list has a score column. A page is filled again only when what it is read and filled
    // by changed (rows_in_order), so an override reads nothing else.
    virtual void fill_queue_row(const Row& row, ListRow& out);

    // Chooses the order; a new order is read from its top, the same one (when forced) around
    // the current record.
    void reset(bool force);
    // Reads the page again around a record (its position), or from the top.
    void refill_around(std::int64_t position);
    // The selected row (1-based, 0 none) and its record made current in the table's buffer.
    void select_row(int row);
    std::int64_t selected_position() const;
    // Moves the highlight and the page in the current order (within its range, or the
    // search's); the highlighted row's record becomes current.
    void scroll(Scroll move);
    // Moves to the first row at or after a text in the current order's locator field; the page
    // starts with it, or near the end is filled from before it.
    bool locate(std::string_view text);
    // The scroll bar's thumb let go at a step: the page starts with the first row at or after it.
    void drag_thumb(int step);
    // The list's box shows another number of rows: the page is cut again around the
    // highlighted row, its scroll bar by pages of the new size.
    void fit_page();
    // The fields an insert keeps from the current order's range limit, set in the buffer.
    std::vector<int> prime_range_fields();

protected:
    std::vector<Row> search_rows(bool& complete);  // complete: false when the read failed
    // The texts of a row's search fields, each as the search reads it (its related records read).
    std::vector<std::string> search_texts(const store::RecordBuffer& row) const;

    // What a read of the current order comes from: the files (the list table's, then the related
    // tables'), each by the stamp the store gives it, and what the list reads and fills its rows
    // by besides the files (order_inputs). A read made from one source serves while the source
    // stays the same: no read is ever dropped by hand.
    struct Source {
        std::vector<store::FileStamp> stamps;
        std::string inputs;
        bool operator==(const Source&) const = default;
        bool stamped() const;  // every file gave a stamp, so that its next change is seen
    };
    // The source as it is now (the current order's range limit set in the list table's buffer).
    Source source();
    // The rows of the current order: all of them (within its range), the search order's and a
    // further field's sorted here. Every page the operator moves to is cut from them, so the scroll bar covers them.
    // Read again only when their source moved on.
    const std::vector<Row>& rows_in_order();
    // The same for a source taken now.
    const std::vector<Row>& rows_in_order(Source now);
    // The rows of the current order as the files hold them now; `complete` false when a read
    // failed.
    std::vector<Row> read_order(bool& complete);
    // The row of the whole order as last read at a position (its index), `otherwise` when none.
    int row_of(std::int64_t position, int otherwise);
    // The row of the current order (its index, -1 none) that stands in the place of a record
    // gone since the last read: the first after it in the order as it stood that is still
    // there, else the last before it.
    int index_of_successor(const std::vector<Row>& all, std::int64_t gone) const;
    // After commits to the list table alone, in a key order: the page around a record read by
    // itself, and its place in the order found without reading the order (see place_alone).
    // False when it does not apply or the record is not in the order; the caller then reads the
    // whole order.
    bool refill_alone(Source& now, std::int64_t position, int before);
    // Where a page read alone stands: its first row's index in the order and the order's rows.
    // Counted by the file in an order of at most kCountedRows rows. In a longer one: where a row
    // of the page whose key is as it was stood in the whole order as last read, and that order's
    // size, each moved by the records added since that read (counted by position); off by the
    // rows removed, or moved by their key, before the page since then, which the next move,
    // locate or order change reads again. Nullopt when neither works (more than kCountedRows
    // records added since the whole order was read): the caller reads it again.
    struct Place {
        std::int64_t first = 0, rows = 0;
    };
    std::optional<Place> place_alone(store::RecordView& view, const std::vector<Row>& page);
    // What the rows of the current order are read by, besides the files.
    std::string order_inputs() const;
    void apply_range(const SortOrder& order);
    // Runs work with the row in the list table's buffer and the row's related records in
    // theirs (ListDeclaration::row_related); every buffer is as it was afterwards.
    void with_row_related(const store::RecordBuffer& row, const std::function<void()>& work);
    // The rows of a page: as many as the list's box shows whole, at most the declared page.
    int page_rows() const;
    // Fills the list's rows from page_; false when a related record could not be read.
    bool fill_page();
    // Shows the page of the whole order that starts at row `first` (0-based), highlights the
    // row at a position (the first when it is not on the page) and places the scroll bar. The
    // rows are filled again only when the page or what it was cut from changed.
    void show(int first, std::int64_t select_position);
    // The scroll bar's scale over the whole order as last read.
    const ThumbScale& scroll_scale();
    // Places the scroll bar for the page on show, starting at row `first` of an order of `rows`
    // rows, with its row `selected` (1-based) highlighted.
    void place_scroll(std::int64_t first, std::int64_t rows, int selected);

    Window& window_;
    ListDeclaration decl_;
    std::string procedure_;
    data::DictionaryTable* table_ = nullptr;
    int list_ = 0;
    std::vector<ListColumn> columns_;
    std::vector<int> column_fields_;                            // record field per column (-1: the score, or another table's)
    std::vector<std::optional<data::FieldRef>> column_others_;  // per column: another table's field
    std::vector<int> search_fields_;
    std::vector<std::optional<data::FieldRef>> search_others_;
    std::vector<int> keys_;          // per order; -1 for the search order
    std::vector<int> then_by_;       // per order: the further field, -1 none
    std::vector<int> thumb_fields_;  // per order: the field a text or date thumb follows, -1 none
    std::unique_ptr<FuzzySearchAll> search_;
    std::unique_ptr<store::RecordBuffer> own_range_;
    int order_ = -1;
    std::vector<Row> page_;
    RelatedRecords row_related_;  // decl_.row_related, found on the first row
    // Fields of other tables' buffers the rows are read and filled by (columns, search fields,
    // the related records' links).
    std::vector<data::FieldRef> outside_fields_;
    // What the list read, each part with the source it was read from. The whole order: every
    // read counted by its number.
    struct WholeOrder {
        std::uint64_t number = 0;
        bool reusable = false;  // complete, from a stamped source, its related records read
        Source source;
        std::vector<Row> rows;
        std::int64_t last_position = 0;               // the largest of its rows' positions
        std::unordered_map<std::int64_t, int> index;  // position -> row, made when first asked
        std::optional<ThumbScale> scale;              // a text or date thumb's, made when first asked
    };
    // The page on show: cut from a whole order's read (its number), or read alone from a source
    // around a record; its first row and its size as shown.
    struct ShownPage {
        bool reusable = false;    // its rows can be shown again as they are
        std::uint64_t whole = 0;  // 0: read alone
        Source source;            // read alone: its source, and around what
        std::int64_t position = 0;
        int before = 0;
        Place place;  // read alone: its place in the order
        int first = 0, rows = 0;
    };
    struct Reads {
        WholeOrder whole;
        ShownPage page;
    };
    Reads reads_;
    std::vector<std::int64_t> previous_positions_;  // the positions of the read before the last
    bool related_failed_ = false;                   // a related record could not be read since this was cleared
};

}  // namespace zrv::live

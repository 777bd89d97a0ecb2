#pragma once
// RecordView: the records of one table in one key's order, within range limits (the key's
// leading components fixed to the buffer's values) and through an optional filter, read page by
// page in both directions. Records with equal keys keep a stable order (their position). Each
// row carries its position, so a list can refill its page around a record.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/store/record_buffer.h"

struct sqlite3_stmt;

namespace zrv::store {

class TableAccess;

class RecordView {
public:
    struct Row {
        RecordBuffer record;
        std::int64_t position = 0;  // TableAccess::get_by_position reads it again
    };
    using Filter = std::function<bool(const RecordBuffer&)>;

    RecordView(TableAccess& table, int key);
    ~RecordView();

    // The key's first `components` components must equal the table buffer's values as they are
    // now (0: no range limit).
    void set_range(int components);
    void set_filter(Filter filter);  // rows for which it returns false are skipped
    int key() const { return key_; }

    // Each returns up to `rows` rows in key order and makes them the current page; the error of
    // the table says why a page is short because of a failure.
    std::vector<Row> first_page(int rows);
    std::vector<Row> last_page(int rows);
    std::vector<Row> next_page(int rows);      // after the current page's last row
    std::vector<Row> previous_page(int rows);  // before the current page's first row
    // A page starting at the record at `position` (or the next one in key order when that
    // record no longer passes); empty when there is none.
    std::vector<Row> page_from(std::int64_t position, int rows);
    // A page that holds `position` with as many rows before it as `rows_before` allows.
    std::vector<Row> page_around(std::int64_t position, int rows, int rows_before);

    // Count of records within the range and filter.
    std::int64_t count();
    // Count of records before the record at `position` in key order, within the range; nullopt
    // when that record is not there, the read failed or a filter is set.
    std::optional<std::int64_t> count_before(std::int64_t position);
    // The same for a row as this view read it (the record is not read again).
    std::optional<std::int64_t> count_before(const Row& row);
    // The records at positions after `after` (added since a read that ended there), up to `limit`
    // of them: how many, how many of them are within the range, and how many of those stand
    // before a row as this view read it, in key order. Read by position, so it costs what was
    // added; nullopt when the read failed or a filter is set.
    struct Added {
        std::int64_t rows = 0, in_range = 0, before = 0;
    };
    std::optional<Added> count_added(std::int64_t after, std::int64_t limit, const Row& row);

    struct Cursor;  // a place in key order

private:
    std::vector<Row> read(const Cursor* after, bool forward, int rows, bool inclusive);
    std::optional<Cursor> cursor_at(std::int64_t position);
    void bind_where(sqlite3_stmt* s, const Cursor* cursor) const;
    std::int64_t count_where(const Cursor* before);  // no filter: counted by the file
    void remember(const std::vector<Row>& page);

    TableAccess* table_;
    int key_;
    int range_components_ = 0;
    std::optional<RecordBuffer> range_record_;
    Filter filter_;
    std::unique_ptr<Cursor> first_, last_;  // of the current page
};

}  // namespace zrv::store

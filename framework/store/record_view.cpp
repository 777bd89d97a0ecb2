#include "framework/store/record_view.h"

#include <algorithm>

#include "framework/store/table_access.h"
#include "framework/store/table_file.h"

namespace zrv::store {

struct RecordView::Cursor {
    RecordBuffer record;
    std::int64_t position = 0;
};

RecordView::RecordView(TableAccess& table, int key) : table_(&table), key_(key) {}
RecordView::~RecordView() = default;

void RecordView::set_range(int components) {
    const int n = static_cast<int>(table_->layout().keys.at(static_cast<std::size_t>(key_)).components.size());
    range_components_ = std::clamp(components, 0, n);
    range_record_.emplace(table_->record());
}

void RecordView::set_filter(Filter filter) { filter_ = std::move(filter); }

namespace {

// The rows of a view: within the range limit (its first `range_components` key components equal
// ?1, ?2, ...) and, with a cursor, past it in a direction (the cursor's key components bound
// as ?100 + component, its position as ?200), the cursor's own row too when asked.
std::string where_of(const TableFile& file, const KeyLayout& key, int range_components, bool cursor, bool forward,
                     bool with_cursor_row) {
    std::string where;
    for (int i = 0; i < range_components; ++i)
        where += (where.empty() ? "" : " AND ") + file.column_of_field(key.components[static_cast<std::size_t>(i)].field) + " = ?" +
                 std::to_string(i + 1);
    if (!cursor) return where;
    // Rows past the cursor in this direction: the first free component beyond it, or equal and
    // the next beyond, ..., or all equal and a later position.
    auto beyond = [&](bool descending) { return (descending == forward) ? " < " : " > "; };
    std::string past, equal_so_far;
    for (std::size_t i = static_cast<std::size_t>(range_components); i < key.components.size(); ++i) {
        std::string column = file.column_of_field(key.components[i].field);
        std::string p = "?" + std::to_string(100 + i);
        past += (past.empty() ? "(" : " OR (") + equal_so_far + column + beyond(key.components[i].descending) + p + ")";
        equal_so_far += column + " = " + p + " AND ";
    }
    const char* rowid = forward ? (with_cursor_row ? " >= " : " > ") : (with_cursor_row ? " <= " : " < ");
    past += (past.empty() ? "(" : " OR (") + equal_so_far + "rowid" + rowid + "?200)";
    past = "(" + past + ")";
    if (static_cast<std::size_t>(range_components) < key.components.size()) {
        // A bound on the first free component lets the index start at the cursor.
        const KeyComponent& c = key.components[static_cast<std::size_t>(range_components)];
        past = file.column_of_field(c.field) + ((c.descending == forward) ? " <= " : " >= ") + "?" +
               std::to_string(100 + range_components) + " AND " + past;
    }
    return where + (where.empty() ? "" : " AND ") + past;
}

}  // namespace

void RecordView::bind_where(sqlite3_stmt* s, const Cursor* cursor) const {
    TableFile& file = *table_->file_;
    const KeyLayout& key = table_->layout().keys.at(static_cast<std::size_t>(key_));
    if (range_record_)
        for (int i = 0; i < range_components_; ++i)
            file.bind_value(s, i + 1, *range_record_, key.components[static_cast<std::size_t>(i)].field);
    if (cursor) {
        for (std::size_t i = static_cast<std::size_t>(range_components_); i < key.components.size(); ++i)
            file.bind_value(s, 100 + static_cast<int>(i), cursor->record, key.components[i].field);
        sqlite3_bind_int64(s, 200, cursor->position);
    }
}

std::vector<RecordView::Row> RecordView::read(const Cursor* after, bool forward, int rows, bool inclusive) {
    std::vector<Row> out;
    if (rows <= 0 || !table_->ready()) return out;
    TableFile& file = *table_->file_;
    const KeyLayout& key = table_->layout().keys.at(static_cast<std::size_t>(key_));
    auto make_sql = [&](bool cursor, bool with_cursor_row) {
        const std::string where = where_of(file, key, range_components_, cursor, forward, with_cursor_row);
        return "SELECT " + file.select_list() + " FROM " + quote_identifier(file.table_name()) +
               (where.empty() ? "" : " WHERE " + where) + " ORDER BY " + file.order_by(key_, forward) + " LIMIT ?300";
    };

    const int batch = filter_ ? std::max(rows * 2, 64) : rows;
    std::optional<Cursor> from;
    if (after) from = *after;
    std::vector<std::string> unfit;
    for (;;) {
        sqlite3_stmt* s = file.statement(make_sql(from.has_value(), inclusive));
        if (!s) {
            table_->set_error(StoreError::Other, file.errmsg());
            return out;
        }
        bind_where(s, from ? &*from : nullptr);
        sqlite3_bind_int(s, 300, batch);
        int seen = 0, rc;
        bool last_kept = false;
        std::optional<Row> last_skipped;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
            ++seen;
            Row row{RecordBuffer(table_->layout()), sqlite3_column_int64(s, 0)};
            unfit.clear();
            file.decode_row(s, row.record, unfit);
            file.log_unreadable(row.position, row.record, unfit);
            last_kept = !filter_ || filter_(row.record);
            if (!last_kept) {
                last_skipped = std::move(row);
                continue;
            }
            out.push_back(std::move(row));
            if (static_cast<int>(out.size()) == rows) break;
        }
        sqlite3_reset(s);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
            table_->set_error(rc == SQLITE_BUSY ? StoreError::Busy : StoreError::Other, file.errmsg());
            return out;
        }
        if (seen < batch || static_cast<int>(out.size()) == rows) break;
        // The next batch starts after the last row this one saw.
        const Row& last = last_kept ? out.back() : *last_skipped;
        from = Cursor{last.record, last.position};
        inclusive = false;
    }
    table_->set_error(StoreError::None);
    return out;
}

namespace {
void reverse_rows(std::vector<RecordView::Row>& rows) { std::reverse(rows.begin(), rows.end()); }
}  // namespace

std::vector<RecordView::Row> RecordView::first_page(int rows) {
    auto page = read(nullptr, true, rows, false);
    remember(page);
    return page;
}

std::vector<RecordView::Row> RecordView::last_page(int rows) {
    auto page = read(nullptr, false, rows, false);
    reverse_rows(page);
    remember(page);
    return page;
}

std::vector<RecordView::Row> RecordView::next_page(int rows) {
    if (!last_) return first_page(rows);
    auto page = read(last_.get(), true, rows, false);
    if (!page.empty()) remember(page);
    return page;
}

std::vector<RecordView::Row> RecordView::previous_page(int rows) {
    if (!first_) return last_page(rows);
    auto page = read(first_.get(), false, rows, false);
    reverse_rows(page);
    if (!page.empty()) remember(page);
    return page;
}

std::optional<RecordView::Cursor> RecordView::cursor_at(std::int64_t position) {
    RecordBuffer saved = table_->record();
    bool found = table_->get_by_position(position);
    std::optional<Cursor> cursor;
    if (found) cursor = Cursor{table_->record(), position};
    table_->record() = saved;
    return cursor;
}

std::vector<RecordView::Row> RecordView::page_from(std::int64_t position, int rows) {
    auto cursor = cursor_at(position);
    if (!cursor) return {};
    auto page = read(&*cursor, true, rows, true);
    remember(page);
    return page;
}

std::vector<RecordView::Row> RecordView::page_around(std::int64_t position, int rows, int rows_before) {
    auto cursor = cursor_at(position);
    if (!cursor) return {};
    // The rows before it, nearest first, then it and the rows after it: each row read once.
    std::vector<Row> page = read(&*cursor, false, std::clamp(rows_before, 0, std::max(rows - 1, 0)), false);
    if (table_->error() != StoreError::None) return page;
    reverse_rows(page);
    std::vector<Row> from = read(&*cursor, true, rows - static_cast<int>(page.size()), true);
    page.insert(page.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
    remember(page);
    return page;
}

std::int64_t RecordView::count() {
    if (!filter_) return count_where(nullptr);
    std::int64_t n = 0;
    Cursor* after = nullptr;
    std::optional<Cursor> at;
    for (;;) {
        auto rows = read(after, true, 256, false);
        n += static_cast<std::int64_t>(rows.size());
        if (rows.size() < 256) break;
        at = Cursor{rows.back().record, rows.back().position};
        after = &*at;
    }
    return n;
}

std::optional<std::int64_t> RecordView::count_before(std::int64_t position) {
    if (filter_) return std::nullopt;
    auto cursor = cursor_at(position);
    if (!cursor) return std::nullopt;
    const std::int64_t n = count_where(&*cursor);
    if (table_->error() != StoreError::None) return std::nullopt;
    return n;
}

std::optional<std::int64_t> RecordView::count_before(const Row& row) {
    if (filter_) return std::nullopt;
    const Cursor cursor{row.record, row.position};
    const std::int64_t n = count_where(&cursor);
    if (table_->error() != StoreError::None) return std::nullopt;
    return n;
}

std::optional<RecordView::Added> RecordView::count_added(std::int64_t after, std::int64_t limit, const Row& row) {
    if (filter_ || !table_->ready()) return std::nullopt;
    const Cursor cursor{row.record, row.position};
    TableFile& file = *table_->file_;
    const KeyLayout& key = table_->layout().keys.at(static_cast<std::size_t>(key_));
    std::string columns = "rowid AS rowid";
    for (const KeyComponent& c : key.components) columns += ", " + file.column_of_field(c.field);
    const std::string in_range = where_of(file, key, range_components_, false, false, false);
    const std::string before = where_of(file, key, range_components_, true, false, false);
    const std::string sql = "SELECT count(*), total(" + (in_range.empty() ? std::string("1") : in_range) + "), total(" + before +
                            ") FROM (SELECT " + columns + " FROM " + quote_identifier(file.table_name()) +
                            " WHERE rowid > ?301 ORDER BY rowid LIMIT ?302)";
    sqlite3_stmt* s = file.statement(sql);
    if (!s) {
        table_->set_error(StoreError::Other, file.errmsg());
        return std::nullopt;
    }
    bind_where(s, &cursor);
    sqlite3_bind_int64(s, 301, after);
    sqlite3_bind_int64(s, 302, std::max<std::int64_t>(limit, 0));
    const int rc = sqlite3_step(s);
    std::optional<Added> added;
    if (rc == SQLITE_ROW) added = Added{sqlite3_column_int64(s, 0), sqlite3_column_int64(s, 1), sqlite3_column_int64(s, 2)};
    sqlite3_reset(s);
    if (rc != SQLITE_ROW) {
        table_->set_error(rc == SQLITE_BUSY ? StoreError::Busy : StoreError::Other, file.errmsg());
        return std::nullopt;
    }
    table_->set_error(StoreError::None);
    return added;
}

std::int64_t RecordView::count_where(const Cursor* before) {
    if (!table_->ready()) return 0;
    TableFile& file = *table_->file_;
    const KeyLayout& key = table_->layout().keys.at(static_cast<std::size_t>(key_));
    const std::string where = where_of(file, key, range_components_, before != nullptr, false, false);
    sqlite3_stmt* s = file.statement("SELECT count(*) FROM " + quote_identifier(file.table_name()) +
                                     (where.empty() ? "" : " WHERE " + where));
    if (!s) {
        table_->set_error(StoreError::Other, file.errmsg());
        return 0;
    }
    bind_where(s, before);
    const int rc = sqlite3_step(s);
    const std::int64_t n = rc == SQLITE_ROW ? sqlite3_column_int64(s, 0) : 0;
    sqlite3_reset(s);
    if (rc != SQLITE_ROW) {
        table_->set_error(rc == SQLITE_BUSY ? StoreError::Busy : StoreError::Other, file.errmsg());
        return 0;
    }
    table_->set_error(StoreError::None);
    return n;
}

void RecordView::remember(const std::vector<Row>& page) {
    if (page.empty()) {
        first_.reset();
        last_.reset();
        return;
    }
    first_ = std::make_unique<Cursor>(Cursor{page.front().record, page.front().position});
    last_ = std::make_unique<Cursor>(Cursor{page.back().record, page.back().position});
}

}  // namespace zrv::store

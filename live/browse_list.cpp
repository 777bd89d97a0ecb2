#include "live/browse_list.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <unordered_map>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/app_services.h"
#include "framework/core/window.h"
#include "live/field_binding.h"

namespace zrv::live {

namespace {

constexpr int kAllRows = INT_MAX / 2;
// An order of up to this many rows places a page read alone by counting (the cost of a page's
// read or two); a longer one by its last whole read.
constexpr std::int64_t kCountedRows = 1000;

int field_of(const store::TableLayout& layout, const std::string& name) {
    const int f = layout.field_index(name);
    if (f < 0) throw std::invalid_argument("list field " + name + " is not a field of " + layout.name);
    return f;
}

// A field of the list's own table (its index, no other), or of another table of the thread
// (-1 and that field).
std::pair<int, std::optional<data::FieldRef>> source_of(const store::TableLayout& layout, const std::string& name) {
    const int f = layout.field_index(name);
    if (f >= 0) return {f, std::nullopt};
    std::optional<data::FieldRef> other = data::field_by_name(name);
    if (!other || other->is_memo())
        throw std::invalid_argument("list field " + name + " is not a field of " + layout.name + " nor of another table");
    return {-1, other};
}

// A row's search texts as one, a blank between each two: the text its score is taken from.
std::string joined(const std::vector<std::string>& texts) {
    std::string out;
    for (std::size_t i = 0; i < texts.size(); ++i) out += (i ? " " : "") + texts[i];
    return out;
}

// The index of the row at a position in an order; `otherwise` when it is not there.
int index_of(const std::vector<store::RecordView::Row>& all, std::int64_t position, int otherwise) {
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].position == position) return static_cast<int>(i);
    return otherwise;
}

}  // namespace

std::optional<Scroll> scroll_of_button(std::string_view use) {
    static constexpr std::pair<std::string_view, Scroll> kButtons[] = {
        {"?BROWSE:TOP", Scroll::Top},   {"?BROWSE:PAGEUP", Scroll::PageUp},     {"?BROWSE:UP", Scroll::Up},
        {"?BROWSE:DOWN", Scroll::Down}, {"?BROWSE:PAGEDOWN", Scroll::PageDown}, {"?BROWSE:BOTTOM", Scroll::Bottom}};
    const std::string name = upper(use.substr(0, use.find(':', sizeof "?BROWSE:" - 1)));
    for (const auto& [button, move] : kButtons)
        if (name == button) return move;
    return std::nullopt;
}

std::optional<Scroll> scroll_of_key(int keycode) {
    switch (keycode) {
        case kHomeKey:
            return Scroll::Top;
        case kPageUpKey:
            return Scroll::PageUp;
        case kUpKey:
            return Scroll::Up;
        case kDownKey:
            return Scroll::Down;
        case kPageDownKey:
            return Scroll::PageDown;
        case kEndKey:
            return Scroll::Bottom;
        default:
            return std::nullopt;
    }
}

BrowseList::BrowseList(Window& window, ListDeclaration declaration, std::string procedure)
    : window_(window), decl_(std::move(declaration)), procedure_(std::move(procedure)) {
    if (decl_.search) search_ = std::make_unique<FuzzySearchAll>(procedure_);
}

BrowseList::~BrowseList() = default;

void BrowseList::setup() {
    table_ = data::file_manager(decl_.table);
    if (!table_) throw std::logic_error("no data dictionary on this thread");
    const store::TableLayout& layout = table_->layout();
    list_ = window_.number_of(decl_.list);
    if (!list_) throw std::invalid_argument("no list control " + decl_.list);

    const bool score = decl_.search && decl_.search->score_column;
    const std::string format = score ? std::string(kScoreColumnFormat) + decl_.format : decl_.format;
    std::string error;
    std::optional<std::vector<ListColumn>> columns = parse_list_format(format, &error);
    if (!columns) throw std::invalid_argument("list format of " + procedure_ + ": " + error);
    columns_ = std::move(*columns);
    window_.modify(list_, [&](ControlState& c) { c.format = format; });
    column_fields_.clear();
    column_others_.clear();
    std::size_t next = 0;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (score && c == 0) {
            column_fields_.push_back(-1);
            column_others_.emplace_back();
            continue;
        }
        if (next >= decl_.fields.size()) throw std::invalid_argument("list " + procedure_ + " has more columns than fields");
        auto [field, other] = source_of(layout, decl_.fields[next++]);
        column_fields_.push_back(field);
        column_others_.push_back(other);
    }
    for (; next < decl_.fields.size(); ++next) field_of(layout, decl_.fields[next]);  // hidden fields exist

    keys_.clear();
    then_by_.clear();
    thumb_fields_.clear();
    for (const SortOrder& o : decl_.orders) {
        const int k = layout.key_index(o.key);
        if (k < 0) throw std::invalid_argument("no key " + o.key + " in " + layout.name);
        keys_.push_back(k);
        // A text or date thumb follows the key's first component below its range limit.
        const std::vector<store::KeyComponent>& components = layout.keys[static_cast<std::size_t>(k)].components;
        const bool keyed = o.thumb != Thumb::Rows && o.range_components < static_cast<int>(components.size());
        thumb_fields_.push_back(keyed ? components[static_cast<std::size_t>(o.range_components)].field : -1);
        then_by_.push_back(o.then_by.empty() ? -1 : field_of(layout, o.then_by));
        if (!o.locator.empty()) field_of(layout, o.locator);
    }
    if (decl_.search) {
        search_fields_.clear();
        search_others_.clear();
        for (const std::string& name : decl_.search->fields) {
            auto [field, other] = source_of(layout, name);
            search_fields_.push_back(field);
            search_others_.push_back(other);
        }
        keys_.push_back(-1);
        then_by_.push_back(-1);
    }
    own_range_ = std::make_unique<store::RecordBuffer>(table_->record());

    outside_fields_.clear();
    const auto add_outside = [&](const std::optional<data::FieldRef>& f) {
        if (f && &f->file() != table_) outside_fields_.push_back(*f);
    };
    for (const auto& other : column_others_) add_outside(other);
    for (const auto& other : search_others_) add_outside(other);
    for (const RelatedLookup& r : decl_.row_related)
        for (const auto& link : r.links) add_outside(data::field_by_name(link.second));
    reads_ = {};
    previous_positions_.clear();
}

int BrowseList::choose_sort_order() {
    const int tab = decl_.sheet.empty() ? 1 : window_.selected(window_.number_of(decl_.sheet));
    int by_tab = decl_.tab_order ? decl_.tab_order(tab) : 0;
    if (by_tab < 0 || by_tab >= static_cast<int>(decl_.orders.size())) by_tab = 0;
    if (!search_) return by_tab;
    // While a search is active the current order stays; a copy of the list opened meanwhile
    // starts in its own search order (its empty query scores every row the same).
    return search_->choose(search_order(), order_ < 0 ? search_order() : order_, by_tab);
}

void BrowseList::reset(bool force) {
    const int chosen = choose_sort_order();
    const bool changed = chosen != order_;
    order_ = chosen;
    // A new order starts at its top (the best matches of a search first); the same order is
    // read again around the current record.
    if (changed) refill_around(0);
    else if (force) refill_around(selected_position());
}

void BrowseList::apply_range(const SortOrder& order) {
    if (order.range_components <= 0) return;
    store::RecordBuffer& own = table_->record();
    const store::KeyLayout& key = table_->layout().keys.at(static_cast<std::size_t>(keys_[static_cast<std::size_t>(order_)]));
    if (order.range_from.empty()) {
        for (int c = 0; c < order.range_components && c < static_cast<int>(key.components.size()); ++c) {
            const int f = key.components[static_cast<std::size_t>(c)].field;
            own.set_text(f, own_range_->get_text(f));
        }
        return;
    }
    for (const auto& [mine, theirs] : order.range_from) {
        std::optional<data::FieldRef> other = data::field_by_name(theirs);
        if (!other) throw std::invalid_argument("no range field " + theirs);
        own.set_text(field_of(table_->layout(), mine), other->text());
    }
}

std::vector<int> BrowseList::prime_range_fields() {
    std::vector<int> keep;
    if (order_ < 0 || order_ >= static_cast<int>(decl_.orders.size())) return keep;
    const SortOrder& o = decl_.orders[static_cast<std::size_t>(order_)];
    apply_range(o);
    const store::KeyLayout& key = table_->layout().keys.at(static_cast<std::size_t>(keys_[static_cast<std::size_t>(order_)]));
    for (int c = 0; c < o.range_components && c < static_cast<int>(key.components.size()); ++c)
        keep.push_back(key.components[static_cast<std::size_t>(c)].field);
    return keep;
}

std::vector<BrowseList::Row> BrowseList::search_rows(bool& complete) {
    store::RecordView view(*table_, 0);
    std::vector<Row> rows = view.first_page(kAllRows);
    complete = table_->error() == store::StoreError::None;
    // Best first; of the rows holding every word of the query, those holding them all in one
    // field (the whole name in one field) before those holding them spread over several.
    const std::string& query = search_->query();
    const std::size_t first = query.find_first_not_of(" \t");
    const bool several_words = first != std::string::npos && query.find_first_of(" \t", first) < query.find_last_not_of(" \t");
    struct Keyed {
        int score;
        bool in_one_field;
        std::size_t row;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(rows.size());
    const TextMatcher& matcher = app_text_matcher();
    for (std::size_t i = 0; i < rows.size(); ++i)
        with_row_related(rows[i].record, [&] {
            const std::vector<std::string> texts = search_texts(rows[i].record);
            const int score = matcher.score(query, joined(texts));
            const bool in_one = score == 100 && several_words && std::any_of(texts.begin(), texts.end(), [&](const std::string& t) {
                                    return matcher.score(query, t) == 100;
                                });
            keyed.push_back({score, in_one, i});
        });
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return a.score != b.score ? a.score > b.score : a.in_one_field && !b.in_one_field;
    });
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (const Keyed& k : keyed) sorted.push_back(std::move(rows[k.row]));
    return sorted;
}

std::vector<std::string> BrowseList::search_texts(const store::RecordBuffer& row) const {
    std::vector<std::string> texts;
    texts.reserve(search_fields_.size());
    for (std::size_t i = 0; i < search_fields_.size(); ++i) {
        const std::optional<data::FieldRef>& other = search_others_[i];
        texts.push_back((other ? field_value(other->file().record(), other->field()) : field_value(row, search_fields_[i])).text());
    }
    return texts;
}

bool BrowseList::Source::stamped() const {
    return std::all_of(stamps.begin(), stamps.end(), [](const store::FileStamp& s) { return s.connection != 0; });
}

BrowseList::Source BrowseList::source() {
    if (keys_[static_cast<std::size_t>(order_)] >= 0) apply_range(decl_.orders[static_cast<std::size_t>(order_)]);
    Source now{{table_->stamp()}, {}};
    for (data::DictionaryTable* t : row_related_.tables(decl_.row_related)) now.stamps.push_back(t->stamp());
    now.inputs = order_inputs();
    return now;
}

const std::vector<BrowseList::Row>& BrowseList::rows_in_order() { return rows_in_order(source()); }

const std::vector<BrowseList::Row>& BrowseList::rows_in_order(Source now) {
    WholeOrder& last = reads_.whole;
    // Most ticks find every file as the last read left it.
    if (last.reusable && now == last.source) return last.rows;
    // The order as it stood, for a highlighted record that is gone from the new one.
    previous_positions_.clear();
    previous_positions_.reserve(last.rows.size());
    for (const Row& r : last.rows) previous_positions_.push_back(r.position);
    bool complete = true;
    related_failed_ = false;
    std::vector<Row> rows = read_order(complete);
    const bool reusable = complete && !related_failed_ && now.stamped();
    std::int64_t last_position = 0;
    for (const Row& r : rows) last_position = std::max(last_position, r.position);
    last = {.number = last.number + 1,
            .reusable = reusable,
            .source = std::move(now),
            .rows = std::move(rows),
            .last_position = last_position};
    return last.rows;
}

int BrowseList::row_of(std::int64_t position, int otherwise) {
    WholeOrder& whole = reads_.whole;
    if (whole.index.empty() && !whole.rows.empty()) {
        whole.index.reserve(whole.rows.size());
        for (std::size_t i = 0; i < whole.rows.size(); ++i) whole.index.emplace(whole.rows[i].position, static_cast<int>(i));
    }
    const auto found = whole.index.find(position);
    return found == whole.index.end() ? otherwise : found->second;
}

std::string BrowseList::order_inputs() const {
    std::string inputs = std::to_string(order_) + '\n';
    // The query orders the search order's rows and scores every row of a score column.
    if (search_) inputs += search_->query() + '\n';
    if (const int key = keys_[static_cast<std::size_t>(order_)]; key >= 0) {
        // The range limit as the list table's buffer holds it.
        const store::TableLayout& layout = table_->layout();
        const std::vector<store::KeyComponent>& components = layout.keys[static_cast<std::size_t>(key)].components;
        const int limited = std::min<int>(decl_.orders[static_cast<std::size_t>(order_)].range_components,
                                          static_cast<int>(components.size()));
        for (int c = 0; c < limited; ++c) table_->record().append_image(components[static_cast<std::size_t>(c)].field, inputs);
    }
    for (const data::FieldRef& f : outside_fields_) inputs += '\n' + f.text();
    return inputs;
}

std::vector<BrowseList::Row> BrowseList::read_order(bool& complete) {
    const int key = keys_[static_cast<std::size_t>(order_)];
    if (key < 0) return search_rows(complete);
    const SortOrder& o = decl_.orders[static_cast<std::size_t>(order_)];
    store::RecordView view(*table_, key);
    view.set_range(o.range_components);
    std::vector<Row> rows = view.first_page(kAllRows);
    complete = table_->error() == store::StoreError::None;
    const int further = then_by_[static_cast<std::size_t>(order_)];
    if (further < 0) return rows;
    // Records with equal keys stand together in key order: each such run is ordered by the
    // further field.
    const std::vector<store::KeyComponent>& components = table_->layout().keys[static_cast<std::size_t>(key)].components;
    const auto same_key = [&](const Row& a, const Row& b) {
        for (const store::KeyComponent& k : components)
            if (compare(field_value(a.record, k.field), field_value(b.record, k.field)) != 0) return false;
        return true;
    };
    const auto by_further = [&](const Row& a, const Row& b) {
        return compare(field_value(a.record, further), field_value(b.record, further)) < 0;
    };
    for (auto run = rows.begin(); run != rows.end();) {
        auto end = std::next(run);
        while (end != rows.end() && same_key(*run, *end)) ++end;
        std::stable_sort(run, end, by_further);
        run = end;
    }
    return rows;
}

void BrowseList::scroll(Scroll move) {
    if (order_ < 0 || page_.empty()) return;
    const std::vector<Row>& all = rows_in_order();
    if (all.empty()) return;
    const int n = static_cast<int>(all.size());
    const int rows = page_rows();
    int first = row_of(page_.front().position, 0);
    int at = row_of(selected_position(), first);
    switch (move) {
        case Scroll::Top:
            first = at = 0;
            break;
        case Scroll::Bottom:
            at = n - 1;
            first = n - rows;
            break;
        case Scroll::Up:
            --at;
            break;
        case Scroll::Down:
            ++at;
            break;
        case Scroll::PageUp:
            first -= rows;
            at -= rows;
            break;
        case Scroll::PageDown:
            first += rows;
            at += rows;
            break;
    }
    at = std::clamp(at, 0, n - 1);
    // The highlight stays on the page.
    first = std::clamp(first, at - rows + 1, at);
    show(first, all[static_cast<std::size_t>(at)].position);
}

void BrowseList::drag_thumb(int step) {
    if (order_ < 0) return;
    const std::vector<Row>& all = rows_in_order();
    if (all.empty()) return;
    const int first = scroll_scale().first_row_at(step);
    show(first, all[static_cast<std::size_t>(first)].position);
}

int BrowseList::page_rows() const {
    int shown = 0;
    window_.read(list_, [&](const ControlState& c) { shown = c.rows_shown; });
    return std::max(1, shown > 0 ? std::min(shown, decl_.page_rows) : decl_.page_rows);
}

void BrowseList::fit_page() {
    if (order_ < 0 || page_rows() == reads_.page.rows) return;
    refill_around(selected_position());
}

void BrowseList::refill_around(std::int64_t position) {
    if (order_ < 0) order_ = choose_sort_order();
    // The record keeps its place on the page; a new record, or one whose page is gone, starts
    // the page.
    int before = 0;
    for (std::size_t i = 0; i < page_.size(); ++i)
        if (page_[i].position == position) before = static_cast<int>(i);
    Source now = source();
    if (refill_alone(now, position, before)) return;
    const std::vector<Row>& all = rows_in_order(std::move(now));
    int at = row_of(position, -1);
    if (at < 0 && position != 0) {
        // The record is gone (another program deleted it): the list stays at the record that
        // followed it in the order as it stood, or at the one before it at the end.
        at = index_of_successor(all, position);
        if (at >= 0) position = all[static_cast<std::size_t>(at)].position;
    }
    show(at < 0 ? 0 : at - before, position);
}

bool BrowseList::refill_alone(Source& now, std::int64_t position, int before) {
    const std::size_t o = static_cast<std::size_t>(order_);
    const int key = keys_[o];
    const int rows = page_rows();
    const WholeOrder& whole = reads_.whole;
    const Source& full = whole.source;
    // An order of two pages or less is read whole again: that costs less than placing its page.
    if (position == 0 || key < 0 || then_by_[o] >= 0 || !whole.reusable || !now.stamped() ||
        whole.rows.size() <= 2 * static_cast<std::size_t>(rows))
        return false;
    // Only the list table's file moved since the whole order was read: what the rows are read
    // and filled by, and the related tables, are as they were.
    if (now.stamps.size() != full.stamps.size() || now.stamps[0] == full.stamps[0] || now.inputs != full.inputs ||
        !std::equal(now.stamps.begin() + 1, now.stamps.end(), full.stamps.begin() + 1))
        return false;
    ShownPage& shown = reads_.page;
    const bool same = shown.reusable && shown.whole == 0 && shown.source == now && shown.position == position &&
                      shown.before == before && shown.rows == rows;
    if (!same) {
        store::RecordView view(*table_, key);
        view.set_range(decl_.orders[o].range_components);
        std::vector<Row> page = view.page_around(position, rows, before);
        if (table_->error() != store::StoreError::None || index_of(page, position, -1) < 0) return false;
        if (static_cast<int>(page.size()) < rows) {
            // A page near the end is filled from before it: the list stays full.
            std::vector<Row> earlier = view.previous_page(rows - static_cast<int>(page.size()));
            if (table_->error() != store::StoreError::None) return false;
            page.insert(page.begin(), std::make_move_iterator(earlier.begin()), std::make_move_iterator(earlier.end()));
        }
        const std::optional<Place> place = place_alone(view, page);
        if (!place) return false;
        page_ = std::move(page);
        const bool filled = fill_page();
        shown = {.reusable = filled,
                 .whole = 0,
                 .source = std::move(now),
                 .position = position,
                 .before = before,
                 .place = *place,
                 .first = 0,
                 .rows = rows};
    }
    const int selected = index_of(page_, position, 0) + 1;
    place_scroll(shown.place.first, shown.place.rows, selected);
    select_row(selected);
    return true;
}

std::optional<BrowseList::Place> BrowseList::place_alone(store::RecordView& view, const std::vector<Row>& page) {
    if (page.empty()) return Place{};
    const std::vector<Row>& all = reads_.whole.rows;
    const std::optional<store::RecordView::Added> added = view.count_added(reads_.whole.last_position, kCountedRows + 1, page.front());
    if (!added || added->rows > kCountedRows) return std::nullopt;
    const std::int64_t total = static_cast<std::int64_t>(all.size()) + added->in_range;
    if (total <= kCountedRows) {
        const std::optional<std::int64_t> first = view.count_before(page.front());
        const std::int64_t rows = view.count();
        if (!first || table_->error() != store::StoreError::None) return std::nullopt;
        return Place{*first, rows};
    }
    // A row of the page whose key is what it was when the whole order was read stands where it
    // stood then, after the rows added before it since.
    const std::vector<store::KeyComponent>& key = table_->layout().keys[static_cast<std::size_t>(view.key())].components;
    std::string now, then;
    for (std::size_t i = 0; i < page.size(); ++i) {
        const int at = row_of(page[i].position, -1);
        if (at < 0) continue;
        now.clear();
        then.clear();
        for (const store::KeyComponent& c : key) {
            page[i].record.append_image(c.field, now);
            all[static_cast<std::size_t>(at)].record.append_image(c.field, then);
        }
        if (now != then) continue;
        // Before it on the page: rows that stood before it then, and rows added since.
        std::int64_t added_above = 0;
        for (std::size_t j = 0; j < i; ++j) added_above += page[j].position > reads_.whole.last_position;
        const std::int64_t first = std::max<std::int64_t>(0, at - static_cast<std::int64_t>(i) + added_above) + added->before;
        return Place{first, std::max(total, first + static_cast<std::int64_t>(page.size()))};
    }
    return std::nullopt;
}

int BrowseList::index_of_successor(const std::vector<Row>& all, std::int64_t gone) const {
    const auto was = std::find(previous_positions_.begin(), previous_positions_.end(), gone);
    if (was == previous_positions_.end()) return -1;
    std::unordered_map<std::int64_t, int> now;
    now.reserve(all.size());
    for (std::size_t i = 0; i < all.size(); ++i) now.emplace(all[i].position, static_cast<int>(i));
    for (auto it = std::next(was); it != previous_positions_.end(); ++it)
        if (const auto found = now.find(*it); found != now.end()) return found->second;
    for (auto it = std::make_reverse_iterator(was); it != previous_positions_.rend(); ++it)
        if (const auto found = now.find(*it); found != now.end()) return found->second;
    return -1;
}

const ThumbScale& BrowseList::scroll_scale() {
    WholeOrder& whole = reads_.whole;
    const std::size_t o = static_cast<std::size_t>(order_);
    const int field = o < thumb_fields_.size() ? thumb_fields_[o] : -1;
    std::optional<ThumbScale>& scale = whole.scale;
    if (field < 0) {
        // A row thumb's scale follows the page's size.
        const int n = static_cast<int>(whole.rows.size()), rows = page_rows();
        if (!scale || scale->rows != n || scale->page != rows) scale = row_scale(n, rows);
        return *scale;
    }
    if (scale) return *scale;
    std::vector<Value> keys;
    keys.reserve(whole.rows.size());
    for (const Row& r : whole.rows) keys.push_back(field_value(r.record, field));
    return scale.emplace(thumb_scale(decl_.orders[o].thumb, keys, page_rows()));
}

void BrowseList::place_scroll(std::int64_t first, std::int64_t rows, int selected) {
    const std::size_t o = static_cast<std::size_t>(order_);
    const bool by_rows = o >= thumb_fields_.size() || thumb_fields_[o] < 0;
    // A text or date thumb stands where the highlighted row stands in the whole order's scale.
    ThumbScale counted;
    const ThumbScale& scale = by_rows ? (counted = row_scale(static_cast<int>(std::min<std::int64_t>(rows, INT_MAX)), page_rows()))
                                      : scroll_scale();
    const int at = static_cast<int>(std::min<std::int64_t>(first, INT_MAX));
    window_.set_scroll(list_, scale.steps, scale.at(at, at + std::max(0, selected - 1)), scale.page);
}

bool BrowseList::fill_page() {
    std::vector<ListRow> shown(page_.size());
    related_failed_ = false;
    for (std::size_t i = 0; i < page_.size(); ++i) with_row_related(page_[i].record, [&] { fill_queue_row(page_[i], shown[i]); });
    window_.set_rows(list_, std::move(shown));
    return !related_failed_;
}

void BrowseList::show(int first, std::int64_t select_position) {
    const WholeOrder& whole = reads_.whole;
    const int n = static_cast<int>(whole.rows.size()), rows = page_rows();
    // A page near the end is filled from before it: the list stays full.
    first = std::clamp(first, 0, std::max(0, n - rows));
    // The same page of the same read shows the same rows: only the highlight may move.
    ShownPage& shown = reads_.page;
    if (!(shown.reusable && shown.whole == whole.number && shown.first == first && shown.rows == rows)) {
        page_.assign(whole.rows.begin() + first, whole.rows.begin() + std::min(n, first + rows));
        const bool filled = fill_page();
        shown = {.reusable = whole.reusable && filled, .whole = whole.number, .first = first, .rows = rows};
    }
    int selected = page_.empty() ? 0 : 1;
    for (std::size_t i = 0; i < page_.size(); ++i)
        if (page_[i].position == select_position) selected = static_cast<int>(i) + 1;
    place_scroll(first, n, selected);
    select_row(selected);
}

void BrowseList::with_row_related(const store::RecordBuffer& row, const std::function<void()>& work) {
    if (decl_.row_related.empty()) return work();
    std::vector<std::pair<data::DictionaryTable*, store::RecordBuffer>> saved;
    saved.emplace_back(table_, table_->record());
    for (data::DictionaryTable* t : row_related_.tables(decl_.row_related)) saved.emplace_back(t, t->record());
    table_->record() = row;
    row_related_.fetch(decl_.row_related);
    for (std::size_t i = 1; i < saved.size(); ++i)
        if (const store::StoreError e = saved[i].first->error(); e != store::StoreError::None && e != store::StoreError::NotFound)
            related_failed_ = true;
    work();
    for (auto& [t, buffer] : saved) t->record() = std::move(buffer);
}

void BrowseList::fill_queue_row(const Row& row, ListRow& out) {
    if (search_ && decl_.search->score_column) {
        search_->score() = app_text_matcher().score(search_->query(), joined(search_texts(row.record)));
    }
    out.cells.resize(columns_.size());
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const int f = column_fields_[c];
        if (const std::optional<data::FieldRef>& other = column_others_[c])
            out.cells[c].text = show_field(other->file().record(), other->field(), columns_[c].picture);
        else
            out.cells[c].text = f < 0 ? columns_[c].picture.format_number(store::Decimal::from_integer(search_->score()))
                                      : show_field(row.record, f, columns_[c].picture);
    }
    if (decl_.colours) decl_.colours(row.record, out);
}

void BrowseList::select_row(int row) {
    if (row < 0 || row > static_cast<int>(page_.size())) row = 0;
    if (window_.selected(list_) != row) window_.set_selected(list_, row);
    if (row > 0) table_->get_by_position(page_[static_cast<std::size_t>(row - 1)].position);
}

std::int64_t BrowseList::selected_position() const {
    const int row = window_.selected(list_);
    if (row > 0 && row <= static_cast<int>(page_.size())) return page_[static_cast<std::size_t>(row - 1)].position;
    return 0;
}

bool BrowseList::locate(std::string_view text) {
    if (order_ < 0 || keys_[static_cast<std::size_t>(order_)] < 0) return false;
    const SortOrder& o = decl_.orders[static_cast<std::size_t>(order_)];
    if (o.locator.empty()) return false;
    const store::TableLayout& layout = table_->layout();
    const int field = field_of(layout, o.locator);
    bool descending = false;
    for (const store::KeyComponent& k : layout.keys[static_cast<std::size_t>(keys_[static_cast<std::size_t>(order_)])].components)
        if (k.field == field) descending = k.descending;
    const bool numeric = layout.fields[static_cast<std::size_t>(field)].kind != store::FieldKind::Text;
    const std::vector<Row>& all = rows_in_order();
    const auto at = [&](std::size_t i) {
        show(static_cast<int>(i), all[i].position);
        return true;
    };
    if (numeric) {
        const Value wanted = Value(std::string(text)).number();
        for (std::size_t i = 0; i < all.size(); ++i) {
            const int c = compare(field_value(all[i].record, field), wanted);
            if (descending ? c <= 0 : c >= 0) return at(i);
        }
        return false;
    }
    // A text is compared character by character as the search compares it, without accents or
    // case ("l" and "ł" find "Łukasz"): the first row that begins with it, else the first row at
    // or after it.
    const std::u32string wanted = TextMatcher::folded(text);
    std::vector<std::u32string> begins;
    begins.reserve(all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        std::u32string& b = begins.emplace_back(TextMatcher::folded(field_value(all[i].record, field).text()));
        if (b.size() > wanted.size()) b.resize(wanted.size());
        if (b == wanted) return at(i);
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
        const int c = begins[i].compare(wanted);
        if (descending ? c <= 0 : c >= 0) return at(i);
    }
    return false;
}

}  // namespace zrv::live

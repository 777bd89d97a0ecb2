#include "live/list_thumb.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "framework/services/utf8.h"

namespace zrv::live {

namespace {

long double as_real(const store::Decimal& d) { return static_cast<long double>(d.units()) / std::pow(10.0L, d.places()); }

std::vector<int> text_steps(const std::vector<Value>& keys) {
    std::size_t longest = 0;
    for (const Value& k : keys) longest = std::max(longest, utf8_characters(k.text()));
    // Prefixes of the same number of characters, each a step where it differs from the row
    // above's.
    const auto steps_for = [&](std::size_t length) {
        std::vector<int> steps;
        steps.reserve(keys.size());
        Value last;
        for (std::size_t r = 0; r < keys.size(); ++r) {
            Value prefix(std::string(utf8_prefix(keys[r].text(), length)));
            steps.push_back(r == 0 ? 0 : steps.back() + (compare(prefix, last) != 0 ? 1 : 0));
            last = std::move(prefix);
        }
        return steps;
    };
    std::vector<int> best = steps_for(1);
    for (std::size_t length = 2; length <= longest; ++length) {
        std::vector<int> next = steps_for(length);
        if (!next.empty() && next.back() + 1 > kThumbSteps) break;
        best = std::move(next);
    }
    return best;
}

std::vector<int> date_steps(const std::vector<Value>& keys) {
    std::vector<long double> days;
    days.reserve(keys.size());
    for (const Value& k : keys) days.push_back(as_real(k.number()));
    const auto [lo, hi] = std::minmax_element(days.begin(), days.end());
    const long double low = *lo, span = *hi - *lo;
    const bool descending = days.front() > days.back();
    std::vector<int> steps;
    steps.reserve(days.size());
    for (long double d : days) {
        const int s = span > 0 ? static_cast<int>(std::lround((d - low) / span * (kThumbSteps - 1))) : 0;
        steps.push_back(descending ? kThumbSteps - 1 - s : s);
    }
    return steps;
}

}  // namespace

int ThumbScale::first_row_at(int step) const {
    if (rows <= 0) return 0;
    if (step_of_row.empty()) return step < steps ? std::max(step, 0) : rows - 1;
    const auto it = std::lower_bound(step_of_row.begin(), step_of_row.end(), step);
    return static_cast<int>(std::min(it - step_of_row.begin(), static_cast<std::ptrdiff_t>(step_of_row.size()) - 1));
}

int ThumbScale::at(int first_row, int highlighted_row) const {
    if (rows <= 0) return 0;
    const int row = follows_page ? first_row : highlighted_row;
    if (step_of_row.empty()) return std::min(std::clamp(row, 0, rows - 1), steps - 1);
    return step_of_row[static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(step_of_row.size()) - 1))];
}

ThumbScale row_scale(int rows, int page_rows) {
    ThumbScale scale;
    if (rows <= 0) return scale;
    page_rows = std::max(1, page_rows);
    scale.rows = rows;
    // The last page's first row is the last step: a page near the end is full.
    scale.steps = std::max(0, rows - page_rows) + 1;
    scale.page = page_rows;
    return scale;
}

ThumbScale thumb_scale(Thumb thumb, const std::vector<Value>& keys, int page_rows) {
    const int n = static_cast<int>(keys.size());
    if (thumb == Thumb::Rows || n == 0) return row_scale(n, page_rows);
    ThumbScale scale;
    scale.rows = n;
    scale.step_of_row = thumb == Thumb::Text ? text_steps(keys) : date_steps(keys);
    scale.steps = scale.step_of_row.back() + 1;
    // A text or date thumb shows the key value of the highlighted record.
    scale.page = std::max(1, scale.steps / 10);
    scale.follows_page = false;
    return scale;
}

}  // namespace zrv::live

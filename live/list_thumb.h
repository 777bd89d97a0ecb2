#pragma once
// The scroll thumb of a list over its whole order. A list's scroll bar has a number of steps;
// each row of the order stands at one of them (never before the row above it), and dragging
// the thumb to a step moves the list to the first row at or after it, highlighted.
//   Rows  a step per first row of a page (the order has no thumb of its own)
//   Text  a step per prefix of the order's key texts (TextThumbStep): the prefixes as long as
//         they can be with at most kThumbSteps of them, so the steps follow the values and not
//         how many rows share one
//   Date  the range from the order's first to its last date in kThumbSteps equal steps
//         (RealThumbStep)
#include <cstdint>
#include <vector>

#include "live/value.h"

namespace zrv::live {

enum class Thumb : std::uint8_t { Rows, Text, Date };

inline constexpr int kThumbSteps = 100;

struct ThumbScale {
    int steps = 0;  // 0: the order is empty
    int page = 1;   // the steps a click beside the thumb moves
    // Per row of the order, never smaller than the row above's (a text or date thumb); empty
    // for a row thumb, whose steps are the rows themselves up to the last page's first.
    std::vector<int> step_of_row;
    int rows = 0;  // the order's rows

    bool follows_page = true;  // the thumb shows the page's first row, else the highlighted row

    // The first row (0-based) at or after a step; the last row past the end.
    int first_row_at(int step) const;
    // Where the thumb stands for a page and its highlighted row (0-based rows of the order).
    int at(int first_row, int highlighted_row) const;
};

// keys: per row of the order, the thumb field's value.
ThumbScale thumb_scale(Thumb thumb, const std::vector<Value>& keys, int page_rows);
// A row thumb over an order of `rows` rows.
ThumbScale row_scale(int rows, int page_rows);

}  // namespace zrv::live

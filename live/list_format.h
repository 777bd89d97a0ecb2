#pragma once
// The column format of a list control, one column after the other:
//   <width><align>[(<indent>)][modifiers][~<header>~[<align>[(<indent>)]]][{<tip>}][@<picture>@]
// align is L, R, C or D; modifiers are '|' (right border), 'M' (resizable), '*' (the column
// has colours), 'Y', 'F', 'Z' (accepted, no effect here). The tip is shown over the column's
// header. A run of columns under a group header is written [~<group header>~<columns>]; a
// stacked group, [~<group header>~S<columns>], shows its cells one below the other in one column
// (each row as many lines high as the group has cells) while the row keeps one cell per column.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "live/picture.h"

namespace zrv::live {

struct ListColumn {
    int width = 0;
    char align = 'L';
    int indent = 0;
    bool right_border = false;
    bool resizable = false;
    bool coloured = false;
    std::string header;
    char header_align = 'L';
    int header_indent = 0;
    std::string tip;
    std::string group;     // the header of the group the column belongs to; empty: none
    bool stacked = false;  // its group is stacked
    std::string picture_text;
    Picture picture;
};

// The score column lists with a search score put before their own columns.
inline constexpr std::string_view kScoreColumnFormat = "48C(2)|M~Match Result~L(1)@n_3@";

// The format text of a run of columns under a group header, stacked or side by side.
std::string grouped_format(std::string_view group, std::string_view columns, bool stacked = false);

// nullopt when the format cannot be read (error says where).
std::optional<std::vector<ListColumn>> parse_list_format(std::string_view format, std::string* error = nullptr);

}  // namespace zrv::live

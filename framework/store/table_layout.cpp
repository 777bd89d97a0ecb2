#include "framework/store/table_layout.h"

#include <cctype>
#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/store/store_internal.h"

namespace zrv::store {
namespace {

const char* kind_name(FieldKind kind) {
    switch (kind) {
        case FieldKind::Text:
            return "Text";
        case FieldKind::Long:
            return "Long";
        case FieldKind::Decimal:
            return "Decimal";
        case FieldKind::Real:
            return "Real";
        case FieldKind::Date:
            return "Date";
        case FieldKind::Time:
            return "Time";
        case FieldKind::Byte:
            return "Byte";
        case FieldKind::Group:
            return "Group";
    }
    return "?";
}

}  // namespace

void place_cells(TableLayout& layout) {
    int at = 0;
    for (FieldLayout& f : layout.fields) {
        if (f.kind == FieldKind::Group) continue;
        f.at = at;
        f.width = f.size;
        at += f.width;
    }
    // A group's cells run from its first field's to its last field's end.
    for (std::size_t g = 0; g < layout.fields.size(); ++g) {
        FieldLayout& group = layout.fields[g];
        if (group.kind != FieldKind::Group) continue;
        int begin = -1, end = -1;
        for (std::size_t i = g + 1; i < layout.fields.size() && layout.fields[i].depth > group.depth; ++i) {
            const FieldLayout& inner = layout.fields[i];
            if (inner.kind == FieldKind::Group) continue;
            if (begin < 0) begin = inner.at;
            end = inner.at + inner.width;
        }
        group.at = begin < 0 ? 0 : begin;
        group.width = begin < 0 ? 0 : end - begin;
    }
    layout.buffer_size = at;
    layout.blank.assign(static_cast<std::size_t>(at), 0);
    for (const FieldLayout& f : layout.fields)
        if (f.kind == FieldKind::Text) std::memset(layout.blank.data() + f.at, ' ', static_cast<std::size_t>(f.width));
}

namespace {

// A name with the table's own prefix: "Equ:Entrenado" of table prefix "EQU" is "EQU:Entrenado".
std::string with_table_prefix(const TableLayout& layout, const std::string& name) {
    const auto colon = name.find(':');
    if (colon == std::string::npos || !detail::same_name(std::string_view(name).substr(0, colon), layout.prefix)) return name;
    return layout.prefix + name.substr(colon);
}

// The words of each line that holds any, in capitals.
std::vector<std::vector<std::string>> signature_words(std::string_view text) {
    std::vector<std::vector<std::string>> lines(1);
    std::string word;
    const auto end_word = [&] {
        if (!word.empty()) lines.back().push_back(std::move(word));
        word.clear();
    };
    for (char c : text) {
        if (c == '\n') {
            end_word();
            if (!lines.back().empty()) lines.emplace_back();
        } else if (c == ' ' || c == '\t' || c == '\r') {
            end_word();
        } else {
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    end_word();
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

}  // namespace

bool same_signature(std::string_view found, std::string_view expected) { return signature_words(found) == signature_words(expected); }

std::string signature_difference(std::string_view found, std::string_view expected) {
    const auto a = signature_words(found), b = signature_words(expected);
    const auto line = [](const std::vector<std::vector<std::string>>& lines, std::size_t i) {
        if (i >= lines.size()) return std::string("no line");
        std::string out = "\"";
        for (const std::string& w : lines[i]) out += (out.size() > 1 ? " " : "") + w;
        return out + "\"";
    };
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i)
        if (i >= a.size() || i >= b.size() || a[i] != b[i])
            return "line " + std::to_string(i + 1) + " reads " + line(a, i) + " where the layout has " + line(b, i);
    return {};
}

std::string layout_signature(const TableLayout& layout) {
    std::string s = "table " + layout.name + " record " + std::to_string(layout.record_size) + "\n";
    for (const FieldLayout& f : layout.fields) {
        s += "field " + with_table_prefix(layout, f.name) + " " + kind_name(f.kind) + " " + std::to_string(f.size);
        if (f.kind == FieldKind::Decimal) s += " " + std::to_string(f.digits) + "," + std::to_string(f.places);
        s += " @" + std::to_string(f.offset) + " depth " + std::to_string(f.depth) + "\n";
    }
    for (const MemoLayout& m : layout.memos) s += "memo " + with_table_prefix(layout, m.name) + " " + std::to_string(m.size) + "\n";
    return s;
}

int TableLayout::field_index(std::string_view field_name) const {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (detail::same_name(fields[i].name, field_name)) return static_cast<int>(i);
    return -1;
}

int TableLayout::key_index(std::string_view key_name) const {
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (detail::same_name(keys[i].name, key_name)) return static_cast<int>(i);
    return -1;
}

}  // namespace zrv::store

#include "framework/store/table_layout.h"

#include <cstring>

#include "framework/store/store_internal.h"

namespace zrv::store {
namespace {

const char* kind_name(FieldKind kind) {
    switch (kind) {
    case FieldKind::Text: return "Text";
    case FieldKind::Long: return "Long";
    case FieldKind::Decimal: return "Decimal";
    case FieldKind::Real: return "Real";
    case FieldKind::Date: return "Date";
    case FieldKind::Time: return "Time";
    case FieldKind::Byte: return "Byte";
    case FieldKind::Group: return "Group";
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

std::string layout_signature(const TableLayout& layout) {
    std::string s = "table " + layout.name + " record " + std::to_string(layout.record_size) + "\n";
    for (const FieldLayout& f : layout.fields) {
        s += "field " + f.name + " " + kind_name(f.kind) + " " + std::to_string(f.size);
        if (f.kind == FieldKind::Decimal) s += " " + std::to_string(f.digits) + "," + std::to_string(f.places);
        s += " @" + std::to_string(f.offset) + " depth " + std::to_string(f.depth) + "\n";
    }
    for (const MemoLayout& m : layout.memos) s += "memo " + m.name + " " + std::to_string(m.size) + "\n";
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

#include "framework/store/table_layout.h"

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

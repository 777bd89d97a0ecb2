#include "framework/store/table_layout.h"

#include "framework/store/store_internal.h"

namespace zrv::store {

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

#include "data/checks.h"

namespace zrv::data {

bool in_list(std::string_view list, std::string_view value) {
    while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
    std::size_t at = 0;
    while ((at = list.find(']', at)) != std::string_view::npos) {
        std::size_t end = list.find('[', at + 1);
        if (end == std::string_view::npos) return false;
        if (list.substr(at + 1, end - at - 1) == value) return true;
        at = end + 1;
    }
    return false;
}

bool in_range(const store::Decimal& value, std::int64_t low, std::int64_t high) {
    return !(value < store::Decimal::from_integer(low)) && !(store::Decimal::from_integer(high) < value);
}

}  // namespace zrv::data

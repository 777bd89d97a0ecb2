#include "live/related_records.h"

#include "data/dictionary.h"
#include "data/dictionary_table.h"

namespace zrv::live {

void fetch_related(const std::vector<RelatedLookup>& related) {
    for (const RelatedLookup& r : related) {
        data::DictionaryTable* other = data::file_manager(r.table);
        if (!other) continue;
        for (const auto& [theirs, mine] : r.links) {
            std::optional<data::FieldRef> to = data::field_by_name(theirs), from = data::field_by_name(mine);
            if (to && from) to->set_text(from->text());
        }
        other->fetch_or_clear(other->layout().key_index(r.key));
    }
}

}  // namespace zrv::live

#include "live/related_records.h"

#include "data/dictionary_table.h"

namespace zrv::live {

const std::vector<RelatedRecords::Lookup>& RelatedRecords::resolved(const std::vector<RelatedLookup>& lookups) {
    if (!resolved_) {
        resolved_.emplace();
        for (const RelatedLookup& r : lookups) {
            data::DictionaryTable* other = data::file_manager(r.table);
            if (!other) continue;
            Lookup& l = resolved_->emplace_back(Lookup{other, other->layout().key_index(r.key), {}});
            for (const auto& [theirs, mine] : r.links) {
                std::optional<data::FieldRef> to = data::field_by_name(theirs), from = data::field_by_name(mine);
                if (to && from) l.links.emplace_back(*to, *from);
            }
        }
    }
    return *resolved_;
}

void RelatedRecords::fetch(const std::vector<RelatedLookup>& lookups) {
    for (const Lookup& l : resolved(lookups)) {
        for (const auto& [to, from] : l.links) to.set_from(from);
        l.table->fetch_or_clear(l.key);
    }
}

std::vector<data::DictionaryTable*> RelatedRecords::tables(const std::vector<RelatedLookup>& lookups) {
    std::vector<data::DictionaryTable*> out;
    for (const Lookup& l : resolved(lookups)) out.push_back(l.table);
    return out;
}

}  // namespace zrv::live

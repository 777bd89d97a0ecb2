#pragma once
// RelatedRecordLookup: records of other tables that belong to a record, each read into its
// table's buffer on the thread by a key whose fields are set from the record's own fields. A
// form reads its related records on every reset; a list reads each row's own while it fills it.
#include <string>
#include <utility>
#include <vector>

#include "data/declaration.h"

namespace zrv::live {

struct RelatedLookup {
    data::TableId table{};
    std::string key;                                         // the related table's key
    std::vector<std::pair<std::string, std::string>> links;  // {related field, own field}
};

// Each related record in turn, into its table's buffer: the key's fields set from the own
// fields (as the thread's buffers hold them), then read; a record not found leaves a cleared
// buffer.
void fetch_related(const std::vector<RelatedLookup>& related);

}  // namespace zrv::live

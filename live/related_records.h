#pragma once
// RelatedRecordLookup: records of other tables that belong to a record, each read into its
// table's buffer on the thread by a key whose fields are set from the record's own fields. A
// form reads its related records on every reset; a list reads each row's own while it fills it.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "data/declaration.h"
#include "data/dictionary.h"

namespace zrv::data {
class DictionaryTable;
}

namespace zrv::live {

struct RelatedLookup {
    data::TableId table{};
    std::string key;                                         // the related table's key
    std::vector<std::pair<std::string, std::string>> links;  // {related field, own field}
};

// The look-ups of one form or list, their tables, keys and fields found on the first fetch (on
// the thread that owns them) and reused on every fetch after it.
class RelatedRecords {
public:
    // Each related record in turn, into its table's buffer: the key's fields set from the own
    // fields (as the thread's buffers hold them), then read; a record not found leaves a
    // cleared buffer.
    void fetch(const std::vector<RelatedLookup>& lookups);
    // The related tables' file managers (those that exist), in the order of the look-ups.
    std::vector<data::DictionaryTable*> tables(const std::vector<RelatedLookup>& lookups);

private:
    struct Lookup {
        data::DictionaryTable* table;
        int key;
        std::vector<std::pair<data::FieldRef, data::FieldRef>> links;  // {related field, own field}
    };
    const std::vector<Lookup>& resolved(const std::vector<RelatedLookup>& lookups);
    std::optional<std::vector<Lookup>> resolved_;
};

}  // namespace zrv::live

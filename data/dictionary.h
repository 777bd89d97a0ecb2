#pragma once
// The data dictionary: the 23 tables in dictionary order with their names and layouts (the
// same for every thread, derived once from the declarations), and the calling thread's managers
// of all 23 (built by InitDataDictionary, released by KillDataDictionary).
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "data/declaration.h"
#include "data/derive.h"
#include "framework/store/table_layout.h"
#include "framework/store/values.h"

namespace zrv::data {

class DictionaryTable;
class DictionaryRelations;

// ---- the tables ------------------------------------------------------------------------------
std::span<const TableId> dictionary_order();
// The order in which a thread's table files are closed when the thread ends.
std::span<const TableId> thread_end_close_order();

const TableDefinition& definition(TableId table);
const store::TableLayout& layout(TableId table);
// By table name ("ScoreBoard"), stored name ("scoreboard") or prefix ("SB"), without regard to
// case; nullptr / nullopt when none.
const store::TableLayout* layout(std::string_view table_name);
std::optional<TableId> table_by_name(std::string_view table_name);
std::optional<TableId> table_by_prefix(std::string_view prefix);

const std::string& table_name(TableId table);
const std::string& table_prefix(TableId table);
const std::string& stored_name(TableId table);
const std::string& table_label(TableId table);

// Where a field or memo name ("SB:IDCOMBATE", "CM:Memo1") lies, without regard to case.
struct FieldAddress {
    TableId table{};
    int field = -1;  // record field, -1 for a memo
    int memo = -1;
};
std::optional<FieldAddress> find_field_address(std::string_view name);

// ---- the calling thread's dictionary ---------------------------------------------------------
// Builds the thread's managers of all 23 tables in dictionary order; no file is opened. Calls
// nest: only the first builds, and the dictionary lives until the matching last Kill.
void InitDataDictionary();
// Releases them: the thread's open table files are closed in the thread-end order, then each
// table's relation manager and file manager are shut down and freed in dictionary order.
void KillDataDictionary();
bool dictionary_built();  // on the calling thread

// The thread's managers of a table; nullptr outside the life of its dictionary.
DictionaryTable* file_manager(TableId table);
DictionaryRelations* relation_manager(TableId table);

// A field (or memo) of one of the thread's 23 record buffers, reached by name.
class FieldRef {
public:
    FieldRef(FieldAddress address, DictionaryTable& table) : address_(address), table_(&table) {}

    TableId table() const { return address_.table; }
    int field() const { return address_.field; }
    int memo() const { return address_.memo; }
    bool is_memo() const { return address_.memo >= 0; }
    const store::FieldLayout* layout() const;  // nullptr for a memo
    DictionaryTable& file() const { return *table_; }

    // As the record buffer writes and reads them (text with its padding, numbers exactly).
    std::string text() const;
    bool set_text(std::string_view value) const;
    // The value of another field, as set_text(from.text()) would set it.
    bool set_from(const FieldRef& from) const;
    std::int64_t integer() const;
    bool set_integer(std::int64_t value) const;
    store::Decimal decimal() const;
    bool set_decimal(const store::Decimal& value) const;

private:
    FieldAddress address_;
    DictionaryTable* table_;
};

// nullopt when no table has that field or the thread has no dictionary.
std::optional<FieldRef> field_by_name(std::string_view name);

}  // namespace zrv::data

#pragma once
// From a table's declaration to what the store and the managers use: the expanded field rows,
// the TableLayout (offsets computed from the sizes in order, groups spanning the fields after
// them), and the checks, defaults and relations resolved to field and key indexes. Whatever in
// a declaration does not hold together (an offset that is not where the sizes put the field, a
// group its fields do not fill, a name that is not there) is listed in `problems`.
#include <string>
#include <string_view>
#include <vector>

#include "data/declaration.h"
#include "framework/store/table_layout.h"

namespace zrv::data {

struct ExpandedField {
    std::string name;
    decl::Kind kind;
    int declared_offset = 0;
    std::string meaning;  // as declared
};

// The layout rows with every repeat and unit row written out, differences applied.
std::vector<ExpandedField> expand_rows(const decl::Table& table, std::vector<std::string>& problems);

struct ResolvedRelation {
    decl::Relation::Type type = decl::Relation::Type::Plain;
    TableId related{};
    int related_key = -1;    // keyed: index in the related table's keys
    int field = -1;          // keyed: the link field of this table
    int related_field = -1;  // keyed: the link field of the related table
};

struct TableDefinition {
    const decl::Table* declaration = nullptr;
    store::TableLayout layout;
    std::vector<std::string> meanings;  // per field: its description in the declaration, or ""
    std::vector<int> check_of_field;    // per field: index into declaration->checks, -1 for none
    std::vector<int> default_fields;    // per default, in order: its field
    std::vector<ResolvedRelation> relations;
    std::vector<std::string> problems;  // empty when the declaration is sound
};

// One table on its own; relations are resolved by derive_all, which knows every table.
TableDefinition derive_table(const decl::Table& table);
std::vector<TableDefinition> derive_all(const std::vector<decl::Table>& tables);

// Field index by name without regard to case, -1 when none (on the derived layout).
int find_field(const store::TableLayout& layout, std::string_view name);
int find_key(const store::TableLayout& layout, std::string_view name);
bool same_name(std::string_view a, std::string_view b);

}  // namespace zrv::data

#include "data/dictionary_table.h"

#include "data/checks.h"
#include "data/dictionary.h"
#include "framework/core/error_reporter.h"

namespace zrv::data {

namespace {
constexpr int kValueError = 19;
constexpr int kRangeError = 20;
}  // namespace

DictionaryTable::DictionaryTable(const TableDefinition& definition)
    : store::TableAccess(definition.layout), definition_(&definition) {}

void DictionaryTable::initialize() {
    in_use_ = false;
    set_file_label(definition_->layout.label);
    store::TableAccess::initialize();
}

void DictionaryTable::shutdown() {
    store::TableAccess::shutdown();
    in_use_ = false;
}

void DictionaryTable::use_table(store::UseMode mode) {
    if (mode != store::UseMode::Initialize) use_table(store::UseMode::Initialize);
    if (mode == store::UseMode::Initialize) {
        if (in_use_) return;
        in_use_ = true;
    }
    store::TableAccess::use_table(mode);
}

void DictionaryTable::bind_fields(store::FieldBindings& bindings) {
    bind_record_fields(bindings);
    bind_memos(bindings);  // each under its full name, as a text of the memo's size
}

void DictionaryTable::prime_new_record() {
    const auto& defaults = definition_->declaration->defaults;
    for (std::size_t i = 0; i < defaults.size(); ++i) {
        int field = definition_->default_fields[i];
        if (field < 0) continue;
        const decl::Value& v = defaults[i].value;
        if (v.is_text) record().set_text(field, v.text);
        else record().set_integer(field, v.number);
    }
}

int DictionaryTable::validate_field(int field, bool report) {
    if (field < 0 || static_cast<std::size_t>(field) >= definition_->check_of_field.size()) return 0;
    int c = definition_->check_of_field[static_cast<std::size_t>(field)];
    if (c < 0) return 0;
    const decl::Check& check = definition_->declaration->checks[static_cast<std::size_t>(c)];
    bool list = check.type == decl::Check::Type::List;
    bool ok = list ? in_list(check.list, record().get_text(field)) : in_range(record().get_decimal(field), check.low, check.high);
    if (ok) return 0;
    if (!report) return 1;
    ErrorReporter& reporter = app_error_reporter();
    reporter.set_message_field(check.label);
    int answer = reporter.raise_with_text(list ? kValueError : kRangeError, check.display);
    return answer != 0 ? answer : 1;
}

void DictionaryRelations::initialize_with(DictionaryTable& file) {
    file.initialize();
    store::TableRelations::initialize(file, true);
}

void DictionaryRelations::declare_relations() {
    for (const ResolvedRelation& r : definition(id_).relations) {
        DictionaryRelations* related = relation_manager(r.related);
        if (related == nullptr) continue;
        if (r.type == decl::Relation::Type::Keyed) add_relation(*related, r.related_key, {{r.field, r.related_field}});
        else add_plain(*related);
    }
}

}  // namespace zrv::data

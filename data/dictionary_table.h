#pragma once
// The two managers every table has on every thread, one generic class each, driven by the
// table's declaration: the file manager (DictionaryTable, a TableAccess) and the relation
// manager (DictionaryRelations, a TableRelations).
#include "data/derive.h"
#include "framework/store/table_access.h"
#include "framework/store/table_relations.h"

namespace zrv::data {

class DictionaryTable : public store::TableAccess {
public:
    explicit DictionaryTable(const TableDefinition& definition);

    TableId id() const { return definition_->declaration->id; }
    const TableDefinition& definition() const { return *definition_; }

    // Marks the table not yet in use and names the file by the table's label for messages.
    void initialize() override;
    void shutdown() override;
    // Any use first runs the initialising use, once per thread: the keys are the layout's, in
    // declaration order, the first one auto-numbered.
    void use_table(store::UseMode mode = store::UseMode::Use) override;
    // The record fields under their full names, then each memo under its name.
    void bind_fields(store::FieldBindings& bindings) override;
    // The declared defaults, in their order.
    void prime_new_record() override;
    // The declared check of the field: 0 when accepted. A failure is always non-zero, whatever
    // the message box answers, so the record is never written with it.
    int validate_field(int field, bool report) override;

    bool in_use() const { return in_use_; }

private:
    const TableDefinition* definition_;
    bool in_use_ = false;
};

class DictionaryRelations : public store::TableRelations {
public:
    explicit DictionaryRelations(TableId id) : id_(id) {}
    TableId id() const { return id_; }

    // Initialises the file manager, then the relations with transactions on.
    void initialize_with(DictionaryTable& file);
    // The declared relations, to the calling thread's relation managers of the related tables.
    void declare_relations() override;

private:
    TableId id_;
};

}  // namespace zrv::data

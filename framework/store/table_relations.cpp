#include "framework/store/table_relations.h"

#include <algorithm>

#include "framework/store/table_access.h"

namespace zrv::store {

TableRelations::~TableRelations() = default;

void TableRelations::initialize(TableAccess& file, bool transactions) {
    file_ = &file;
    transactions_ = transactions;
    declared_ = false;
    relations_.clear();
}

void TableRelations::shutdown() {
    if (opened_) close();
    if (file_) file_->shutdown();
    relations_.clear();
    declared_ = false;
    file_ = nullptr;
}

void TableRelations::declare_relations() {}

void TableRelations::add_relation(TableRelations& related, int related_key, std::vector<Link> links) {
    relations_.push_back({&related, related_key, std::move(links)});
}

void TableRelations::add_plain(TableRelations& related) { relations_.push_back({&related, -1, {}}); }

const std::vector<TableRelations::Relation>& TableRelations::relations() {
    if (!declared_) {
        declared_ = true;  // first, so a relation back to this table does not declare twice
        declare_relations();
    }
    return relations_;
}

void TableRelations::open_from(std::vector<TableRelations*>& visited) {
    if (std::find(visited.begin(), visited.end(), this) != visited.end()) return;
    visited.push_back(this);
    for (const Relation& r : relations())
        if (r.related) r.related->open_from(visited);
}

void TableRelations::open() {
    if (opened_) return;
    std::vector<TableRelations*> visited;
    open_from(visited);
    // Files open lazily at their first real use; here each table is only made ready for use.
    for (TableRelations* r : visited)
        if (r->file_) r->file_->use_table(UseMode::Initialize);
    opened_with_ = std::move(visited);
    opened_ = true;
}

void TableRelations::close() {
    if (!opened_) return;
    for (TableRelations* r : opened_with_)
        if (r->file_) r->file_->close();
    opened_with_.clear();
    opened_ = false;
}

bool TableRelations::fetch_related(const Relation& relation) {
    if (!relation.keyed() || !relation.related || !relation.related->file_ || !file_) return false;
    TableAccess& related = *relation.related->file_;
    for (const Link& link : relation.links)
        if (!related.record().set_text(link.related_field, file_->record().get_text(link.field)))
            related.record().clear_field(link.related_field);
    return related.fetch_or_clear(relation.related_key);
}

bool TableRelations::insert() { return file_ && file_->insert(); }
bool TableRelations::update() { return file_ && file_->update(); }

}  // namespace zrv::store

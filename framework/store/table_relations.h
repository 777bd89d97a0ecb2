#pragma once
// TableRelations: the relation manager of one table on one thread. It holds the table's
// relations to other tables, declared once when first needed, opens and closes the related
// tables together (each once) and hands insert and update to the table's file manager.
#include <string_view>
#include <utility>
#include <vector>

namespace zrv::store {

class TableAccess;

class TableRelations {
public:
    struct Link {
        int field = -1;          // field of this table
        int related_field = -1;  // field of the related table
    };
    struct Relation {
        TableRelations* related = nullptr;
        int related_key = -1;  // -1 for a plain entry (the mirror of the related side)
        std::vector<Link> links;
        bool keyed() const { return related_key >= 0; }
    };

    TableRelations() = default;
    virtual ~TableRelations();
    TableRelations(const TableRelations&) = delete;
    TableRelations& operator=(const TableRelations&) = delete;

    // Ties the manager to its file manager; relations are not declared yet.
    virtual void initialize(TableAccess& file, bool transactions = true);
    // Shuts the file manager down, then forgets the relations.
    virtual void shutdown();
    // Declares the relations with add_relation / add_plain; called once, when first needed.
    virtual void declare_relations();

    void add_relation(TableRelations& related, int related_key, std::vector<Link> links);
    void add_plain(TableRelations& related);
    const std::vector<Relation>& relations();  // declares them when not yet done
    bool relations_declared() const { return declared_; }

    TableAccess& file() { return *file_; }
    bool has_file() const { return file_ != nullptr; }

    // Opens this table and, transitively, every related one, each once. Files open lazily.
    void open();
    // Closes what open() opened.
    void close();
    bool is_open() const { return opened_; }

    // Looks up the related record of a keyed relation: copies the link values into the related
    // buffer and fetches the first match by the related key (buffer cleared when none).
    bool fetch_related(const Relation& relation);

    bool insert();
    bool update();

private:
    void open_from(std::vector<TableRelations*>& visited);

    TableAccess* file_ = nullptr;
    bool transactions_ = true;
    bool declared_ = false;
    bool opened_ = false;
    std::vector<Relation> relations_;
    std::vector<TableRelations*> opened_with_;  // what open() opened, for close()
};

}  // namespace zrv::store

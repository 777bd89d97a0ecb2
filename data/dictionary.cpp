#include "data/dictionary.h"

#include <array>
#include <cctype>
#include <memory>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "data/dictionary_table.h"
#include "framework/store/record_buffer.h"
#include "framework/store/store_context.h"

namespace zrv::data {

namespace {

constexpr std::array<TableId, table_count> kDictionaryOrder = [] {
    std::array<TableId, table_count> order{};
    for (int i = 0; i < table_count; ++i) order[static_cast<std::size_t>(i)] = static_cast<TableId>(i);
    return order;
}();

constexpr std::array<TableId, table_count> kThreadEndCloseOrder = {
    TableId::KataJuezCard7,
    TableId::KataJuezCard6,
    TableId::KataJuezCard5,
    TableId::KataJuezCard4,
    TableId::KataJuezCard3,
    TableId::KataJuezCard2,
    TableId::KataJuezCard1,
    TableId::ScoreBoard,
    TableId::ResultadosManual,
    TableId::TatamiMats,
    TableId::Equipos,
    TableId::Colores,
    TableId::Katas,
    TableId::Modalidades,
    TableId::ResultadosKataJueces5,
    TableId::Divisiones,
    TableId::Categoria,
    TableId::TournamentInfo,
    TableId::Dojo,
    TableId::Competidor,
    TableId::KumiteEquipo5,
    TableId::KumiteIndividual,
    TableId::KataEvent,
};

struct Tables {
    std::vector<TableDefinition> definitions;
    std::unordered_map<std::string, FieldAddress> fields;  // by name in capitals
};

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

const Tables& tables() {
    static const Tables all = [] {
        Tables t;
        t.definitions = derive_all(declarations());
        for (const TableDefinition& d : t.definitions) {
            const TableId id = d.declaration->id;
            for (std::size_t f = 0; f < d.layout.fields.size(); ++f)
                t.fields.emplace(upper(d.layout.fields[f].name), FieldAddress{id, static_cast<int>(f), -1});
            for (std::size_t m = 0; m < d.layout.memos.size(); ++m)
                t.fields.emplace(upper(d.layout.memos[m].name), FieldAddress{id, -1, static_cast<int>(m)});
        }
        return t;
    }();
    return all;
}

std::size_t at(TableId table) {
    auto i = static_cast<std::size_t>(table);
    if (i >= static_cast<std::size_t>(table_count)) throw std::out_of_range("no such table");
    return i;
}

struct ThreadDictionary {
    // The thread's store context is made first, so that it outlives the managers at thread end.
    ThreadDictionary() { store::thread_store(); }
    int depth = 0;
    std::vector<std::unique_ptr<DictionaryTable>> files;
    std::vector<std::unique_ptr<DictionaryRelations>> relations;
};

ThreadDictionary& thread_dictionary() {
    thread_local ThreadDictionary dictionary;
    return dictionary;
}

}  // namespace

std::span<const TableId> dictionary_order() { return kDictionaryOrder; }
std::span<const TableId> thread_end_close_order() { return kThreadEndCloseOrder; }

const TableDefinition& definition(TableId table) { return tables().definitions[at(table)]; }
const store::TableLayout& layout(TableId table) { return definition(table).layout; }

std::optional<TableId> table_by_name(std::string_view name) {
    for (const TableDefinition& d : tables().definitions)
        if (same_name(d.layout.name, name) || same_name(d.layout.stored_name, name)) return d.declaration->id;
    return std::nullopt;
}

std::optional<TableId> table_by_prefix(std::string_view prefix) {
    for (const TableDefinition& d : tables().definitions)
        if (same_name(d.layout.prefix, prefix)) return d.declaration->id;
    return std::nullopt;
}

const store::TableLayout* layout(std::string_view name) {
    std::optional<TableId> id = table_by_name(name);
    if (!id) id = table_by_prefix(name);
    return id ? &layout(*id) : nullptr;
}

const std::string& table_name(TableId table) { return layout(table).name; }
const std::string& table_prefix(TableId table) { return layout(table).prefix; }
const std::string& stored_name(TableId table) { return layout(table).stored_name; }
const std::string& table_label(TableId table) { return layout(table).label; }

std::optional<FieldAddress> find_field_address(std::string_view name) {
    const auto& fields = tables().fields;
    auto it = fields.find(upper(name));
    if (it == fields.end()) return std::nullopt;
    return it->second;
}

void InitDataDictionary() {
    ThreadDictionary& d = thread_dictionary();
    if (d.depth++ > 0) return;
    const Tables& all = tables();
    // Create every file manager and relation manager first (a relation manager reaches the
    // others when its relations are declared), then initialise them in dictionary order.
    d.files.clear();
    d.relations.clear();
    for (TableId id : kDictionaryOrder) {
        d.files.push_back(std::make_unique<DictionaryTable>(all.definitions[at(id)]));
        d.relations.push_back(std::make_unique<DictionaryRelations>(id));
    }
    for (TableId id : kDictionaryOrder) d.relations[at(id)]->initialize_with(*d.files[at(id)]);
}

void KillDataDictionary() {
    ThreadDictionary& d = thread_dictionary();
    if (d.depth == 0) return;
    if (--d.depth > 0) return;
    // The files first, in the thread-end order, so they close in that order; shutting a file
    // manager down again with its relation manager then finds it closed.
    for (TableId id : kThreadEndCloseOrder) d.files[at(id)]->shutdown();
    for (TableId id : kDictionaryOrder) d.relations[at(id)]->shutdown();
    std::vector<std::string> order;
    for (TableId id : kThreadEndCloseOrder) order.push_back(layout(id).name);
    store::thread_store().close_all(order);
    for (TableId id : kDictionaryOrder) {
        d.relations[at(id)].reset();
        d.files[at(id)].reset();
    }
    d.relations.clear();
    d.files.clear();
}

bool dictionary_built() { return thread_dictionary().depth > 0; }

DictionaryTable* file_manager(TableId table) {
    ThreadDictionary& d = thread_dictionary();
    return d.depth > 0 ? d.files[at(table)].get() : nullptr;
}

DictionaryRelations* relation_manager(TableId table) {
    ThreadDictionary& d = thread_dictionary();
    return d.depth > 0 ? d.relations[at(table)].get() : nullptr;
}

const store::FieldLayout* FieldRef::layout() const {
    if (is_memo()) return nullptr;
    return &data::layout(address_.table).fields[static_cast<std::size_t>(address_.field)];
}

std::string FieldRef::text() const {
    if (is_memo()) return table_->record().memo(address_.memo);
    return table_->record().get_text(address_.field);
}

bool FieldRef::set_text(std::string_view value) const {
    if (is_memo()) return table_->record().set_memo(address_.memo, value);
    return table_->record().set_text(address_.field, value);
}

bool FieldRef::set_from(const FieldRef& from) const {
    if (is_memo() || from.is_memo()) return set_text(from.text());
    return table_->record().copy_field(address_.field, from.table_->record(), from.address_.field);
}

std::int64_t FieldRef::integer() const {
    if (is_memo()) return 0;
    return table_->record().get_integer(address_.field);
}

bool FieldRef::set_integer(std::int64_t value) const {
    if (is_memo()) return table_->record().set_memo(address_.memo, std::to_string(value));
    return table_->record().set_integer(address_.field, value);
}

store::Decimal FieldRef::decimal() const {
    if (is_memo()) return store::Decimal{};
    return table_->record().get_decimal(address_.field);
}

bool FieldRef::set_decimal(const store::Decimal& value) const {
    if (is_memo()) return table_->record().set_memo(address_.memo, value.to_string());
    return table_->record().set_decimal(address_.field, value);
}

std::optional<FieldRef> field_by_name(std::string_view name) {
    std::optional<FieldAddress> address = find_field_address(name);
    if (!address) return std::nullopt;
    DictionaryTable* table = file_manager(address->table);
    if (table == nullptr) return std::nullopt;
    return FieldRef(*address, *table);
}

}  // namespace zrv::data

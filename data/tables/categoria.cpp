// Categoria: one record per category.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table categoria() {
    return Table{
        .id = TableId::Categoria,
        .name = "Categoria",
        .prefix = "KAT",
        .stored_name = "Categoria",
        .label = "Categoria",
        .record_size = 109,
        .layout = {
            field(0, "KAT:ID", Long, "category number; primary key (auto-numbered)"),
            field(4, "KAT:CATEGORIAS", Text(45), "category name"),
            field(49, "KAT:DIVICIONINFO", Text(45), "division information"),
            field(94, "KAT:COLOR", Text(15), "colour"),
        },
        .keys = {
            key("Kat:IDCategorias", {"KAT:ID"}, Primary | Unique | Optional, "Kat:IDCategorias", Auto::Yes),
            key("Kat:CategoriasKey", {"KAT:CATEGORIAS"}, Duplicates, "Kat:CategoriasKey", Auto::No),
        },
        .relations = {
            keyed(TableId::KataEvent, "KE:KeyCategoriaCode", "KAT:CATEGORIAS", "KE:CategoriaCode"),
            keyed(TableId::Competidor, "CM:CategoriaKey", "KAT:CATEGORIAS", "CM:CATEGORIA"),
            keyed(TableId::Equipos, "Equ:KeyCategorias", "KAT:CATEGORIAS", "EQU:CATEGORIA"),
            keyed(TableId::KumiteEquipo5, "KE212:KeyCategoria", "KAT:CATEGORIAS", "KE212:Categoria"),
            keyed(TableId::KumiteIndividual, "KE24:KeyCategoria", "KAT:CATEGORIAS", "KE24:Categoria"),
            keyed(TableId::ResultadosManual, "RM:keyCategorias", "KAT:CATEGORIAS", "RM:Categorias"),
        },
    };
}

}  // namespace zrv::data::tables

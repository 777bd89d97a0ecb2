// Divisiones: one record per division; its name is unique.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table divisiones() {
    return Table{
        .id = TableId::Divisiones,
        .name = "Divisiones",
        .prefix = "DIV",
        .stored_name = "Divisiones",
        .label = "Divisiones",
        .record_size = 53,
        .layout = {
            field(0, "DIV:IDCATEGORYA", Real, "division number (Real); primary key (auto-numbered)"),
            field(8, "DIV:DIVISIONES", Text(45), "division name (unique key)"),
        },
        .keys = {
            key("DIV:IDDivicion", {"DIV:IDCATEGORYA"}, Primary | Unique | Optional, "DIV:IDDivicion", Auto::Yes),
            key("DIV:DivicionesKey", {"DIV:DIVISIONES"}, Unique, "DIV:DivicionesKey", Auto::No),
        },
        .relations = {
            keyed(TableId::KataEvent, "KE:KEYDivicionCode", "DIV:DIVISIONES", "KE:CategoriaCode"),
            keyed(TableId::Equipos, "Equ:KeyDivicion", "DIV:DIVISIONES", "EQU:DIVICION"),
            keyed(TableId::KumiteEquipo5, "KE212:KeyDivicion", "DIV:DIVISIONES", "KE212:Divicion"),
            keyed(TableId::KumiteIndividual, "KE24:KeyDivicion", "DIV:DIVISIONES", "KE24:Divicion"),
            keyed(TableId::ResultadosManual, "RM:keyDivisiones", "DIV:DIVISIONES", "RM:Divisiones"),
            keyed(TableId::Competidor, "CM:KeyDivicion", "DIV:DIVISIONES", "CM:DIVICION"),
        },
    };
}

}  // namespace zrv::data::tables

// Modalidades: one record per modality.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table modalidades() {
    return Table{
        .id = TableId::Modalidades,
        .name = "Modalidades",
        .prefix = "MOD",
        .stored_name = "Modalidades",
        .label = "Modalidades",
        .record_size = 49,
        .layout = {
            field(0, "MOD:IDMNOMBER", Long, "modality number; primary key (auto-numbered)"),
            field(4, "MOD:MODALIDAD", Text(45), "modality name"),
        },
        .keys = {
            key("Mod:keyModalidad", {"MOD:IDMNOMBER"}, Primary | Unique | Optional, "Mod:keyModalidad", Auto::Yes),
            key("Mod:KeyMobalidades", {"MOD:MODALIDAD"}, Duplicates, "Mod:KeyMobalidades", Auto::No),
        },
        .relations = {
            keyed(TableId::KataEvent, "KE:KeyModalidad", "MOD:MODALIDAD", "KE:Modalidad"),
            keyed(TableId::Equipos, "Equ:KeyModalidad", "MOD:IDMNOMBER", "EQU:MODALIDAD"),
            keyed(TableId::KumiteEquipo5, "KE212:KeyModalidad", "MOD:IDMNOMBER", "KE212:Modalidad"),
            keyed(TableId::KumiteIndividual, "KE24:KeyModalidad", "MOD:IDMNOMBER", "KE24:Modalidad"),
            keyed(TableId::ResultadosManual, "RM:keyModalidad", "MOD:MODALIDAD", "RM:Modalidad"),
        },
    };
}

}  // namespace zrv::data::tables

// Colores: one record per colour.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table colores() {
    return Table{
        .id = TableId::Colores,
        .name = "Colores",
        .prefix = "COL",
        .stored_name = "Colores",
        .label = "Colores",
        .record_size = 10,
        .layout = {
            field(0, "COL:IDCOLORES", Long, "colour number; primary key (auto-numbered)"),
            field(4, "COL:COLORES", Text(6), "colour code"),
        },
        .keys = {
            key("Col:KeyIDColor", {"COL:IDCOLORES"}, Primary | Unique | Optional, "Col:KeyIDColor", Auto::Yes),
            key("Col:KeyColor", {"COL:COLORES"}, Duplicates, "Col:KeyColor", Auto::No),
        },
        .relations = {
            keyed(TableId::KataEvent, "KE:KeyNumeroDeCompetencia", "COL:IDCOLORES", "KE:NumeroDeCompeticion"),
            keyed(TableId::Equipos, "Equ:KeyColor", "COL:IDCOLORES", "EQU:COLOR"),
            keyed(TableId::KumiteEquipo5, "KE212:KeyColorE1R1A", "COL:IDCOLORES", "KE212:COLORE1R1A"),
            keyed(TableId::KumiteIndividual, "KE24:KeyIDNumeroDeEventoKIndividual", "COL:IDCOLORES", "KE24:IDNumeroDeEventoKIndividual"),
        },
    };
}

}  // namespace zrv::data::tables

// ResultadosKataJueces5: one record per kata result with five judges.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table resultados_kata_jueces5() {
    return Table{
        .id = TableId::ResultadosKataJueces5,
        .name = "ResultadosKataJueces5",
        .prefix = "R5J",
        .stored_name = "ResultadosKataJueces5",
        .label = "ResultadosKataJueces5",
        .record_size = 544,
        .layout = {
            field(0, "R5J:IDCONTROLNUMBER", Text(20), "control number (Text); primary key (auto-numbered)"),
            field(20, "R5J:FECHAEVENTO", Date, "event date"),
            field(24, "R5J:NOMBRECOMPETIDOR1", Text(20), "competitor's first name"),
            field(44, "R5J:CODIGOEVENTO", Decimal(7, 2), "event code (a Decimal here)"),
            field(48, "R5J:APELLIDOCOMPETIDOR1", Text(20), "competitor's surname"),
            field(68, "R5J:NUMERODECOMPETICION", Decimal(7, 2), "kata event number (a Decimal here)"),
            field(72, "R5J:COMPETIDORPUNTOST1", Decimal(7, 2), "technical points"),
            field(76, "R5J:COMPETIDORPUNTOSA1", Decimal(7, 2), "athletic points"),
            field(80, "R5J:RESULTADOTOTALC1", Decimal(7, 2), "total result"),
            repeat('n', 2, 8, 52, {
                field(84, "R5J:NOMBRECOMPETIDOR{n}", Text(20), "competitor's first name"),
                field(104, "R5J:APELLIDOCOMPETIDOR{n}", Text(20), "competitor's surname"),
                field(124, "R5J:COMPETIDORPUNTOST{n}", Decimal(7, 2), "technical points"),
                field(128, "R5J:COMPETIDORPUNTOSA{n}", Decimal(7, 2), "athletic points"),
                field(132, "R5J:RESULTADOTOTALC{n}", Decimal(7, 2), "total result"),
            }),
            units({Text(20), Decimal(7, 2)}, 24, {
                unit(448, {"R5J:PRIMERLUGARNOMBRE", "R5J:PRIMERLUGARPUNTOS"}),
                unit(472, {"R5J:SEGUNDOLUGARNOMBRE", "R5J:SEGUNDOLUGARPUNTOS"}),
                unit(496, {"R5J:TERCERLUGARNOMBRES", "R5J:TERCERLUGARPUNTOSS"}),
                unit(520, {"R5J:TERCERLUGARNOMBRE", "R5J:TECERLUGARPUNTOS"}),
            }),
        },
        .keys = {
            key("R5J:KeyResultadosDiNumber", {"R5J:IDCONTROLNUMBER"}, Primary | Unique | Optional, "R5J:KeyResultadosDiNumber", Auto::Yes),
            key("R5J:KeyFecha", {"R5J:FECHAEVENTO"}, Duplicates, "R5J:KeyFecha", Auto::No),
            key("R5J:KeyCodigoDeEvento", {"R5J:CODIGOEVENTO"}, Duplicates, "R5J:KeyCodigoDeEvento", Auto::No),
        },
        .relations = {
            keyed(TableId::KataEvent, "KE:KeyNumeroDeCompetencia", "R5J:IDCONTROLNUMBER", "KE:NumeroDeCompeticion"),
            plain(TableId::Competidor),
        },
    };
}

}  // namespace zrv::data::tables

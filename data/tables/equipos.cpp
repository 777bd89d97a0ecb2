// Equipos: one record per registered team.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table equipos() {
    return Table{
        .id = TableId::Equipos,
        .name = "Equipos",
        .prefix = "EQU",
        .stored_name = "Equipos",
        .label = "Equipos",
        .record_size = 253,
        .layout = {
            field(0, "EQU:IDNUMERODEEQUIPO", Long, "team number; primary key (auto-numbered)"),
            field(4, "EQU:FECHAEVENTO", Date, "event date"),
            field(8, "EQU:CODIGODEEVENTO", Text(20), "event code"),
            field(28, "EQU:NOMBREDEEQUIPO", Text(20), "team name"),
            field(48, "EQU:DIVICION", Text(45), "division"),
            field(93, "Equ:TotalIntegrantes", Decimal(7, 0), "number of members, 1 to 5 (field check)"),
            field(97, "EQU:MODALIDAD", Text(45), "modality"),
            field(142, "EQU:CATEGORIA", Text(45), "category"),
            field(187, "EQU:MUNICIPIOEQUIPO", Text(20), "municipality"),
            field(207, "EQU:NOMBREDOJO", Text(20), "dojo"),
            field(227, "Equ:Entrenado", Text(20), "coach"),
            field(247, "EQU:COLOR", Text(6), "colour code"),
        },
        .keys = {
            key("Equ:KeyIDNumeroDeEquipo", {"EQU:IDNUMERODEEQUIPO"}, Primary | Unique | Optional, "Equ:KeyIDNumeroDeEquipo", Auto::Yes),
            key("Equ:KeyCodigoDeEvento", {"EQU:CODIGODEEVENTO"}, Duplicates, "Equ:KeyCodigoDeEvento", Auto::No),
            key("Equ:KeyFechaEvento", {"EQU:FECHAEVENTO"}, Duplicates, "Equ:KeyFechaEvento", Auto::No),
            key("Equ:KeyCategorias", {"EQU:CATEGORIA"}, Duplicates, "Equ:KeyCategorias", Auto::No),
            key("Equ:KeyMunicipioEquipo", {"EQU:MUNICIPIOEQUIPO"}, Duplicates, "Equ:KeyMunicipioEquipo", Auto::No),
            key("Equ:KeyColor", {"EQU:COLOR"}, Duplicates, "Equ:KeyColor", Auto::No),
            key("Equ:KeyEntrenadores", {"Equ:Entrenado"}, Duplicates, "Equ:KeyEntrenadores", Auto::No),
            key("Equ:KeyNombreDeEquipo", {"EQU:NOMBREDEEQUIPO"}, Duplicates, "Equ:KeyNombreDeEquipo", Auto::No),
            key("Equ:KeyDivicion", {"EQU:DIVICION"}, Duplicates, "Equ:KeyDivicion", Auto::No),
            key("Equ:KeyModalidad", {"EQU:MODALIDAD"}, Duplicates, "Equ:KeyModalidad", Auto::No),
            key("Equ:KeyCategoriaModalidadDiviciones", {"EQU:MODALIDAD", "EQU:CATEGORIA", "EQU:DIVICION"}, Duplicates, "Equ:KeyCategoriaModalidadDiviciones", Auto::No),
        },
        .checks = {
            range_check("Equ:TotalIntegrantes", "Equ:TotalIntegrantes", 1, 5, "1 .. 5"),
        },
        .relations = {
            keyed(TableId::KumiteEquipo5, "KE212:KeyIDNumeroDeEventoEquipo", "EQU:IDNUMERODEEQUIPO", "KE212:IDNumeroDeEventoEquipo"),
            plain(TableId::Colores),
            plain(TableId::Dojo),
            plain(TableId::Categoria),
            plain(TableId::Divisiones),
            plain(TableId::Modalidades),
            plain(TableId::TournamentInfo),
            keyed(TableId::Competidor, "CM:KeyNumeroRecordID", "EQU:IDNUMERODEEQUIPO", "CM:IDCompetidor"),
        },
    };
}

}  // namespace zrv::data::tables

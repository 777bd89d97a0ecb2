// TournamentInfo: one record per tournament.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table tournament_info() {
    return Table{
        .id = TableId::TournamentInfo,
        .name = "TournamentInfo",
        .prefix = "TOU",
        .stored_name = "TournamentInfo",
        .label = "TournamentInfo",
        .record_size = 542,
        .layout = {
            field(0, "TOU:TID", Long, "tournament number; primary key (auto-numbered)"),
            field(4, "TOU:TLID", Long, "second tournament number"),
            field(8, "TOU:CODIGODEEVENTO", Text(20), "event code"),
            field(28, "TOU:FECHAEVENTO", Date, "event date"),
            field(32, "TOU:NOMBRETORNEO", Text(50), "tournament name"),
            field(82, "TOU:NOMBREORGANIZACION", Text(50), "organisation name"),
            field(132, "TOU:NOMBREEMPRESA", Text(50), "company name"),
            field(182, "TOU:NOMBREDELDIRECTOREVENTO", Text(50), "event director"),
            field(232, "TOU:NOBREDIRECTORTECNICO", Text(50), "technical director"),
            field(282, "TOU:CELULAR", Text(20), "mobile telephone"),
            field(302, "TOU:TELEFONO", Text(20), "telephone"),
            field(322, "TOU:EMAIL", Text(20), "e-mail address"),
            field(342, "TOU:ZIP", Text(20), "postal code"),
            field(362, "TOU:PAIS", Text(20), "country"),
            field(382, "TOU:CIUDAD", Text(20), "city"),
            field(402, "TOU:DIRECCION", Text(50), "address"),
            field(452, "TOU:PAGINAWEB", Text(45), "web page"),
            field(497, "TOU:FACEBOOK", Text(45), "social network page"),
        },
        .keys = {
            key("TOU:KeyTID", {"-TOU:TID"}, Primary | Unique | Optional, "TOU:KeyTID", Auto::Yes),
            key("TOU:keyTLID", {"TOU:TLID"}, Duplicates, "TOU:keyTLID", Auto::No),
            key("TOU:KEYCodigoDeEvento", {"TOU:CODIGODEEVENTO"}, Unique, "TOU:KEYCodigoDeEvento", Auto::No),
            key("TOU:FechaKey", {"TOU:FECHAEVENTO"}, Duplicates | Optional, "TOU:FechaKey", Auto::No),
            key("TOU:NombreTorneoKey", {"TOU:NOMBRETORNEO"}, Duplicates, "TOU:NombreTorneoKey", Auto::No),
            key("TOU:KeyNombreOrganizacion", {"TOU:NOMBREORGANIZACION"}, Duplicates, "TOU:KeyNombreOrganizacion", Auto::No),
            key("TOU:KeyNombreEmpresa", {"TOU:NOMBREEMPRESA"}, Duplicates, "TOU:KeyNombreEmpresa", Auto::No),
            key("TOU:KeyNombreDelDirectorEvento", {"TOU:NOMBREDELDIRECTOREVENTO"}, Duplicates, "TOU:KeyNombreDelDirectorEvento", Auto::No),
            key("TOU:keyNobreDirectorTecnico", {"TOU:NOBREDIRECTORTECNICO"}, Duplicates, "TOU:keyNobreDirectorTecnico", Auto::No),
            key("TOU:PaisKey", {"TOU:PAIS"}, Duplicates, "TOU:PaisKey", Auto::No),
            key("TOU:CiudadKey", {"TOU:CIUDAD"}, Duplicates, "TOU:CiudadKey", Auto::No),
        },
        .relations = {
            keyed(TableId::KataEvent, "KE:KeyNumeroDeCompetencia", "TOU:TID", "KE:NumeroDeCompeticion"),
            keyed(TableId::Equipos, "Equ:KeyIDNumeroDeEquipo", "TOU:TID", "EQU:IDNUMERODEEQUIPO"),
            keyed(TableId::KumiteEquipo5, "KE212:KeyIDNumeroDeEventoEquipo", "TOU:TID", "KE212:IDNumeroDeEventoEquipo"),
            keyed(TableId::KumiteIndividual, "KE24:KeyIDNumeroDeEventoKIndividual", "TOU:TID", "KE24:IDNumeroDeEventoKIndividual"),
            keyed(TableId::ResultadosManual, "RM:keyCodigoDeEvento", "TOU:CODIGODEEVENTO", "RM:CodigoDeEvento"),
            keyed(TableId::Competidor, "CM:KEYCodigoDeEvento", "TOU:CODIGODEEVENTO", "CM:CODIGODEEVENTO"),
        },
    };
}

}  // namespace zrv::data::tables

// Dojo: one record per dojo (school).
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table dojo() {
    return Table{
        .id = TableId::Dojo,
        .name = "Dojo",
        .prefix = "DOJ",
        .stored_name = "Dojo",
        .label = "Dojo",
        .record_size = 453,
        .layout = {
            field(0, "DOJ:IDDOJO", Long, "dojo number; primary key (auto-numbered)"),
            field(4, "DOJ:ORGANIZACION", Text(20), "organisation"),
            field(24, "DOJ:USERID", Long, "user id"),
            field(28, "DOJ:NOMBREMAESTRO", Text(20), "master's name"),
            field(48, "DOJ:NOMBREESCUELA", Text(20), "school (dojo) name"),
            field(68, "DOJ:CELULAR", Text(20), "mobile telephone"),
            field(88, "DOJ:TELEFONO", Text(20), "telephone"),
            field(108, "DOJ:FAX", Text(20), "fax"),
            field(128, "DOJ:DIRECCION", Text(40), "address"),
            field(168, "DOJ:CIUDAD", Text(20), "city"),
            field(188, "DOJ:PAIS", Text(20), "country"),
            field(208, "DOJ:ZIP", Text(10), "postal code"),
            field(218, "DOJ:POBOX", Text(40), "post-office box"),
            field(258, "DOJ:EMAIL1", Text(20), "e-mail address"),
            field(278, "DOJ:EMAIL2", Text(20), "e-mail address"),
            field(298, "DOJ:NOMBREENTRENADOR", Text(20), "coach"),
            field(318, "DOJ:NOMBREASISTENTEENTRENADOR", Text(20), "assistant coach"),
            field(338, "DOJ:AFILIADOALALIGA", Text(5), "league member"),
            field(343, "DOJ:NUMERODEAFILIADO", Text(20), "membership number"),
            field(363, "DOJ:PAGINAWEB", Text(45), "web page"),
            field(408, "DOJ:FACEBOOK", Text(45), "social network page"),
        },
        .keys = {
            key("DOJ:IDDojoKey", {"DOJ:IDDOJO"}, Primary | Unique | Optional, "DOJ:IDDojoKey", Auto::Yes),
            key("DOJ:KeyEntrenador", {"DOJ:NOMBREENTRENADOR"}, Duplicates, "DOJ:KeyEntrenador", Auto::No),
            key("DOJ:KeyUserID", {"DOJ:USERID"}, Duplicates, "DOJ:KeyUserID", Auto::No),
            key("DOJ:KeyCiudad", {"DOJ:CIUDAD"}, Duplicates, "DOJ:KeyCiudad", Auto::No),
            key("DOJ:KeyMunicipio", {"DOJ:CIUDAD"}, Duplicates, "DOJ:KeyMunicipio", Auto::No),
            key("DOJ:DojoNameKey", {"DOJ:NOMBREESCUELA"}, Duplicates, "DOJ:DojoNameKey", Auto::No),
            key("DOJ:OrganizacionKey", {"DOJ:ORGANIZACION"}, Duplicates, "DOJ:OrganizacionKey", Auto::No),
            key("DOJ:MaestoKey", {"DOJ:NOMBREMAESTRO"}, Duplicates, "DOJ:MaestoKey", Auto::No),
            key("DOJ:PaisKey", {"DOJ:PAIS"}, Duplicates, "DOJ:PaisKey", Auto::No),
        },
        .relations = {
            keyed(TableId::KataEvent, "KE:KeyNumeroDeCompetencia", "DOJ:IDDOJO", "KE:NumeroDeCompeticion"),
            keyed(TableId::Competidor, "CM:KeyDojo", "DOJ:NOMBREESCUELA", "CM:DojoName"),
            keyed(TableId::Equipos, "Equ:KeyIDNumeroDeEquipo", "DOJ:IDDOJO", "EQU:IDNUMERODEEQUIPO"),
            keyed(TableId::KumiteEquipo5, "KE212:KeyIDNumeroDeEventoEquipo", "DOJ:IDDOJO", "KE212:IDNumeroDeEventoEquipo"),
            keyed(TableId::KumiteIndividual, "KE24:KeyIDNumeroDeEventoKIndividual", "DOJ:IDDOJO", "KE24:IDNumeroDeEventoKIndividual"),
        },
    };
}

}  // namespace zrv::data::tables

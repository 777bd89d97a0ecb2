// KataEvent: one record per kata event: event information, judges' cards, eight competitor blocks, places.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table kata_event() {
    return Table{
        .id = TableId::KataEvent,
        .name = "KataEvent",
        .prefix = "KE",
        .stored_name = "KataEvent",
        .label = "KataEvent",
        .record_size = 2438,
        .layout = {
            field(0, "KE:NumeroDeCompeticion", Long),
            field(4, "KE:CodigoEvento", Text(20)),  // event code
            field(24, "KE:Cerrar", Decimal(7, 0)),  // close flag: 1 closes every screen that shows the record
            field(28, "KE:ONDECK", Group(72)),
            repeat('n', 1, 18, 4, {
                field(28, "KE:OnDeck{n}", Decimal(7, 0)),
            }),
            field(100, "KE:EVENTINFO", Group(399)),
            field(100, "KE:NombreDeEvento", Text(50)),  // event name
            field(150, "KE:FechaDeEvento", Date),  // event date
            field(154, "KE:TatamiMatsNo", Text(30)),  // tatami (mat) number or name
            field(184, "KE:Queue", Text(20)),  // queue status "1" to "4" (field check)
            field(204, "KE:REGION", Text(20)),  // region
            field(224, "KE:MUNICIPIO", Text(50)),  // municipality
            field(274, "KE:Modalidad", Text(45)),  // modality
            field(319, "KE:Divicion", Text(45)),  // division
            field(364, "KE:CategoriaCode", Text(45)),  // category
            field(409, "KE:COLORAZUL", Text(20)),
            field(429, "KE:COLORROJO", Text(20)),
            field(449, "KE:NOMBREDEORGANIZADOR", Text(50)),  // organiser name
            field(499, "KE:IDKATAJUEZCARD", Group(28)),
            repeat('n', 1, 7, 4, {
                field(499, "KE:KATAJUEZCARD{n}", Decimal(7, 0)),
            }),
            field(527, "KE:CARDOMANUAL", Group(12)),
            field(527, "KE:CARDMANUAL3", Decimal(7, 0)),
            field(531, "KE:CARDMANUAL5", Decimal(7, 0)),
            field(535, "KE:CARDMANUAL7", Decimal(7, 0)),
            field(539, "KE:COMPETIDOR1", Group(160)),  // competitor block
            field(539, "KE:NombreCompetidor1", Text(20)),  // competitor's first name
            field(559, "KE:AppelidoCompetidor1", Text(20)),  // competitor's surname
            field(579, "KE:COLORC1", Text(6)),  // competitor's colour code
            field(585, "KE:KATAC1", Text(20)),  // kata performed
            field(605, "KE:PAISC1", Text(20)),  // competitor's country
            field(625, "KE:ResultadoC2", Decimal(5, 2)),  // total result
            repeat('n', 1, 7, 6, {
                field(628, "KE:JUEZ{n}TC1", Decimal(5, 2)),
                field(631, "KE:JUEZ{n}AC1", Decimal(5, 2)),
            }),
            field(670, "KE:ResultadoC1", Decimal(5, 2)),  // total result
            field(673, "KE:ResultadoAC1", Decimal(5, 2)),  // athletic result
            field(676, "KE:ResultadoTC1", Decimal(5, 2)),  // technical result
            field(679, "KE:DOJONOMBRE1", Text(20)),  // competitor's dojo
            field(699, "KE:COMPETIDOR2", Group(154)),  // competitor block
            field(699, "KE:NombreCompetidor2", Text(20)),  // competitor's first name
            field(719, "KE:AppelidoCompetidor2", Text(20)),  // competitor's surname
            field(739, "KE:COLORC2", Text(6)),  // competitor's colour code
            field(745, "KE:KATAC2", Text(20)),  // kata performed
            field(765, "KE:PAISC2", Text(20)),  // competitor's country
            repeat('n', 1, 7, 6, {
                field(785, "KE:JUEZ{n}TC2", Decimal(5, 2)),
                field(788, "KE:JUEZ{n}AC2", Decimal(5, 2)),
            }),
            field(827, "KE:ResultadoTC2", Decimal(5, 2)),  // technical result
            field(830, "KE:ResultadoAC2", Decimal(5, 2)),  // athletic result
            field(833, "KE:DOJONOMBRE2", Text(20)),  // competitor's dojo
            field(853, "KE:COMPETIDOR3", Group(157)),  // competitor block
            field(853, "KE:NombreCompetidor3", Text(20)),  // competitor's first name
            field(873, "KE:AppelidoCompetidor3", Text(20)),  // competitor's surname
            field(893, "KE:COLORC3", Text(6)),  // competitor's colour code
            field(899, "KE:KATAC3", Text(20)),  // kata performed
            field(919, "KE:PAISC3", Text(20)),  // competitor's country
            repeat('n', 1, 7, 6, {
                field(939, "KE:JUEZ{n}TC3", Decimal(5, 2)),
                field(942, "KE:JUEZ{n}AC3", Decimal(5, 2)),
            }),
            field(981, "KE:ResultadoC3", Decimal(5, 2)),  // total result
            field(984, "KE:ResultadoTC3", Decimal(5, 2)),  // technical result
            field(987, "KE:ResultadoAC3", Decimal(5, 2)),  // athletic result
            field(990, "KE:DOJONOMBRE3", Text(20)),  // competitor's dojo
            repeat('n', 4, 5, 157, {
                field(1010, "KE:COMPETIDOR{n}", Group(157)),  // competitor block
                field(1010, "KE:NombreCompetidor{n}", Text(20)),
                field(1030, "KE:AppelidoCompetidor{n}", Text(20)),
                field(1050, "KE:COLORC{n}", Text(6)),
                field(1056, "KE:KATAC{n}", Text(20)),
                field(1076, "KE:PAISC{n}", Text(20)),
                repeat('j', 1, 5, 6, {
                    field(1096, "KE:JUEZ{j}TC{n}", Decimal(5, 2)),
                    field(1099, "KE:JUEZ{j}AC{n}", Decimal(5, 2)),
                }),
                field(1126, "KE:JUEZ6AC{n}", Decimal(5, 2)),
                field(1129, "KE:JUEZ6TC{n}", Decimal(5, 2)),
                field(1132, "KE:JUEZ7TC{n}", Decimal(5, 2)),
                field(1135, "KE:JUEZ7AC{n}", Decimal(5, 2)),
                field(1138, "KE:ResultadoC{n}", Decimal(5, 2)),
                field(1141, "KE:ResultadoTC{n}", Decimal(5, 2)),
                field(1144, "KE:ResultadoAC{n}", Decimal(5, 2)),
                field(1147, "KE:DOJONOMBRE{n}", Text(20)),
            }),
            field(1324, "KE:COMPETIDOR6", Group(157)),  // competitor block
            field(1324, "KE:NombreCompetidor6", Text(20)),  // competitor's first name
            field(1344, "KE:AppelidoCompetidor6", Text(20)),  // competitor's surname
            field(1364, "KE:COLORC6", Text(6)),  // competitor's colour code
            field(1370, "KE:KATAC6", Text(20)),  // kata performed
            field(1390, "KE:PAISC6", Text(20)),  // competitor's country
            repeat('n', 1, 7, 6, {
                field(1410, "KE:JUEZ{n}TC6", Decimal(5, 2)),
                field(1413, "KE:JUEZ{n}AC6", Decimal(5, 2)),
            }),
            field(1452, "KE:ResultadoC6", Decimal(5, 2)),  // total result
            field(1455, "KE:ResultadoTC6", Decimal(5, 2)),  // technical result
            field(1458, "KE:ResultadoAC6", Decimal(5, 2)),  // athletic result
            field(1461, "KE:DOJONOMBRE6", Text(20)),  // competitor's dojo
            field(1481, "KE:COMPETIDOR7", Group(157)),  // competitor block
            field(1481, "KE:NombreCompetidor7", Text(20)),  // competitor's first name
            field(1501, "KE:AppelidoCompetidor7", Text(20)),  // competitor's surname
            field(1521, "KE:COLORC7", Text(6)),  // competitor's colour code
            field(1527, "KE:KATAC7", Text(20)),  // kata performed
            field(1547, "KE:PAISC7", Text(20)),  // competitor's country
            repeat('n', 1, 7, 6, {
                field(1567, "KE:JUEZ{n}TC7", Decimal(5, 2)),
                field(1570, "KE:JUEZ{n}AC7", Decimal(5, 2)),
            }),
            field(1609, "KE:ResultadoC7", Decimal(5, 2)),  // total result
            field(1612, "KE:ResultadoTC7", Decimal(5, 2)),  // technical result
            field(1615, "KE:DOJONOMBRE7", Text(20)),  // competitor's dojo
            field(1635, "KE:ResultadoAC7", Decimal(5, 2)),  // athletic result
            field(1638, "KE:COMPETIDOR8", Group(157)),  // competitor block
            field(1638, "KE:NombreCompetidor8", Text(20)),  // competitor's first name
            field(1658, "KE:AppelidoCompetidor8", Text(20)),  // competitor's surname
            field(1678, "KE:COLORC8", Text(6)),  // competitor's colour code
            field(1684, "KE:KATAC8", Text(20)),  // kata performed
            field(1704, "KE:PAISC8", Text(20)),  // competitor's country
            repeat('n', 1, 7, 6, {
                field(1724, "KE:JUEZ{n}TC8", Decimal(5, 2)),
                field(1727, "KE:JUEZ{n}AC8", Decimal(5, 2)),
            }),
            field(1766, "KE:ResultadoC8", Decimal(5, 2)),  // total result
            field(1769, "KE:ResultadoTC8", Decimal(5, 2)),  // technical result
            field(1772, "KE:ResultadoAC8", Decimal(5, 2)),  // athletic result
            field(1775, "KE:DOJONOMBRE8", Text(20)),  // competitor's dojo
            field(1795, "KE:REGISTRACION", Group(324)),
            field(1795, "KE:KeyDe357", Decimal(7, 0)),  // number of judges: 3, 5 or 7
            repeat('n', 1, 8, 40, {
                field(1799, "KE:RegistracionCompetidor{n}", Text(20)),
                field(1819, "KE:RegistracionCApellido{n}", Text(20)),
            }),
            field(2119, "KE:EMPATES", Group(16)),
            repeat('n', 1, 4, 4, {
                field(2119, "KE:DESPLEGAEMPATES{n}", Decimal(7, 2)),
            }),
            field(2135, "KE:RESULTADOS", Group(175)),
            field(2135, "KE:PrimerLugarNombre", Text(40)),  // first place: name
            field(2175, "KE:PrimerLugarPuntos", Decimal(5, 2)),  // first place: points
            field(2178, "KE:SegundoLugarNombre", Text(40)),  // second place: name
            field(2218, "KE:SegundoLugarPuntos", Decimal(5, 2)),  // second place: points
            field(2221, "KE:SEGUNDOLUGARPUNTOS1", Decimal(5, 2)),  // second place: points (the field the result screens show)
            field(2224, "KE:TercerLugarNombre", Text(40)),  // third place: name
            field(2264, "KE:TercerLugarPuntos", Decimal(5, 2)),  // third place: points
            field(2267, "KE:CuartoLugarNombre", Text(40)),  // fourth place: name
            field(2307, "KE:CuartoLugarPuntos", Decimal(5, 2)),  // fourth place: points
            field(2310, "KE:TRADICIONAL", Group(128)),  // traditional kata fields
            repeat('n', 1, 8, 8, {
                field(2310, "KE:KTDBOXAC{n}", Decimal(7, 0)),
                field(2314, "KE:KTDBOXBC{n}", Decimal(7, 0)),
            }),
            repeat('n', 1, 8, 8, {
                field(2374, "KE:KTDESEAC{n}", Decimal(7, 2)),
                field(2378, "KE:KTDESEBC{n}", Decimal(7, 2)),
            }),
        },
        .keys = {
            key("KE:KeyNumeroDeCompetencia", {"-KE:NumeroDeCompeticion"}, Primary | Unique | Optional, "KE:KeyNumeroDeCompetencia", Auto::Yes),
            key("KE:KeyCodigoDeEvento", {"KE:CodigoEvento"}, Duplicates, "KE:KeyCodigoDeEvento", Auto::No),
            key("KE:KeyCategoriaCode", {"KE:CategoriaCode"}, Duplicates, "KE:KeyCategoriaCode", Auto::No),
            key("KE:KeyQueue", {"KE:Queue"}, Duplicates, "KE:KeyQueue", Auto::No),
            key("KE:KeyTatamiMatsNo", {"KE:TatamiMatsNo"}, Duplicates, "KE:KeyTatamiMatsNo", Auto::No),
            key("KE:KeyCategoriaModalidadDiviciones", {"KE:Modalidad", "KE:CategoriaCode", "KE:Divicion"}, Duplicates, "KE:KeyCategoriaModalidadDiviciones", Auto::No),
            key("KE:KeyModalidad", {"KE:Modalidad"}, Duplicates, "KE:KeyModalidad", Auto::No),
            key("KE:KeyColorC1", {"KE:COLORC1"}, Duplicates, "KE:KeyColorC1", Auto::No),
            key("KE:KeyNombreCompetidor1", {"KE:NombreCompetidor1"}, Duplicates, "KE:KeyNombreCompetidor1", Auto::No),
            key("KE:KeyAppelidoCompetidor1", {"KE:AppelidoCompetidor1"}, Duplicates, "KE:KeyAppelidoCompetidor1", Auto::No),
            key("KE:KeyFechaDeEvento", {"KE:FechaDeEvento"}, Duplicates, "KE:KeyFechaDeEvento", Auto::No),
            key("KE:KEYDivicionCode", {"KE:CategoriaCode"}, Duplicates, "KE:KEYDivicionCode", Auto::No),
            key("KE:KeyNombreDeOrganizador", {"KE:NOMBREDEORGANIZADOR"}, Duplicates, "KE:KeyNombreDeOrganizador", Auto::No),
            key("KE:KeyResultados", {"KE:ResultadoC1", "KE:ResultadoC2", "KE:ResultadoC3", "KE:ResultadoC4", "KE:ResultadoC5", "KE:ResultadoC6", "KE:ResultadoC7", "KE:ResultadoC8"}, Duplicates, "KE:KeyResultados", Auto::No),
            key("KE:KeyNombresCompetidores", {"KE:NombreCompetidor1", "KE:NombreCompetidor2", "KE:NombreCompetidor3", "KE:NombreCompetidor4", "KE:NombreCompetidor5", "KE:NombreCompetidor6", "KE:NombreCompetidor7", "KE:NombreCompetidor8"}, Duplicates, "KE:KeyNombresCompetidores", Auto::No),
            key("KE:KeyPuntuacionC1", {"KE:ResultadoC1"}, Duplicates, "KE:KeyPuntuacionC1", Auto::No),
            key("KE:KeyPuntuacionC2", {"KE:ResultadoC2"}, Duplicates, "KE:KeyPuntuacionC2", Auto::No),
            key("KE:KeyPuntuacionC3", {"KE:ResultadoC3"}, Duplicates, "KE:KeyPuntuacionC3", Auto::No),
            key("KE:KeyPuntuacionC4", {"KE:ResultadoC4"}, Duplicates, "KE:KeyPuntuacionC4", Auto::No),
            key("KE:KeyPuntuacionC5", {"KE:ResultadoC5"}, Duplicates, "KE:KeyPuntuacionC5", Auto::No),
            key("KE:KeyPuntuacionC6", {"KE:ResultadoC6"}, Duplicates, "KE:KeyPuntuacionC6", Auto::No),
            key("KE:KeyPuntuacionC7", {"KE:ResultadoC7"}, Duplicates, "KE:KeyPuntuacionC7", Auto::No),
            key("KE:KeyPuntuacionC8", {"KE:ResultadoC8"}, Duplicates, "KE:KeyPuntuacionC8", Auto::No),
            key("KE:KeyCompetidor1", {"KE:NombreCompetidor1", "KE:AppelidoCompetidor1"}, Duplicates, "KE:KeyCompetidor1", Auto::No),
            key("KE:KeyCompetidor2", {"KE:NombreCompetidor2", "KE:AppelidoCompetidor2"}, Duplicates, "KE:KeyCompetidor2", Auto::No),
            key("KE:KeyCompetidor3", {"KE:NombreCompetidor3", "KE:AppelidoCompetidor3"}, Duplicates, "KE:KeyCompetidor3", Auto::No),
            key("KE:KeyCompetidor4", {"KE:NombreCompetidor4", "KE:AppelidoCompetidor4"}, Duplicates, "KE:KeyCompetidor4", Auto::No),
            key("KE:KeyCompetidor5", {"KE:NombreCompetidor5", "KE:AppelidoCompetidor5"}, Duplicates, "KE:KeyCompetidor5", Auto::No),
            key("KE:KeyCompetidor6", {"KE:NombreCompetidor6", "KE:AppelidoCompetidor6"}, Duplicates, "KE:KeyCompetidor6", Auto::No),
            key("KE:KeyCompetidor7", {"KE:NombreCompetidor7", "KE:AppelidoCompetidor7"}, Duplicates, "KE:KeyCompetidor7", Auto::No),
            key("KE:KeyCompetidor8", {"KE:NombreCompetidor8", "KE:AppelidoCompetidor8"}, Duplicates, "KE:KeyCompetidor8", Auto::No),
            key("KE:KeyDojoName", {"KE:DOJONOMBRE1"}, Duplicates | Optional, "KE:KeyDojoName", Auto::No),
            key("KE:KeyNombreDeCompetidor", {"KE:NombreCompetidor1", "KE:AppelidoCompetidor1"}, Duplicates | Optional, "KE:KeyNombreDeCompetidor", Auto::No),
            key("KE:KeyPociciondeGanadores", {"KE:ResultadoC1"}, Duplicates | Optional, "KE:KeyPociciondeGanadores", Auto::No),
        },
        .checks = {
            list_check("KE:Queue", "Queue", "]1[]2[]3[]4[", "'QueueStart','QueueStop','QueueDone','QueueAssigned'"),
        },
        .defaults = in_order({
            set({"KE:Cerrar"}, 0),
            set_each("KE:OnDeck{n}", 1, 18, 0),
            set({"KE:Queue"}, "2"),
        }),
        .relations = {
            keyed(TableId::ResultadosManual, "RM:keyNumeroDeCompeticionKata", "KE:NumeroDeCompeticion", "RM:NumeroDeCompeticion"),
            plain(TableId::KataJuezCard1),
            plain(TableId::KataJuezCard2),
            plain(TableId::KataJuezCard3),
            plain(TableId::KataJuezCard4),
            plain(TableId::KataJuezCard5),
            plain(TableId::KataJuezCard6),
            plain(TableId::KataJuezCard7),
            plain(TableId::Dojo),
            plain(TableId::Divisiones),
            plain(TableId::Categoria),
            plain(TableId::Competidor),
            plain(TableId::ResultadosKataJueces5),
            plain(TableId::TournamentInfo),
            plain(TableId::Modalidades),
            plain(TableId::Katas),
            plain(TableId::Colores),
            plain(TableId::TatamiMats),
        },
    };
}

}  // namespace zrv::data::tables

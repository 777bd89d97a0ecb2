// KumiteEquipo5: one record per team kumite event of three or four teams of up to five competitors.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table kumite_equipo5() {
    return Table{
        .id = TableId::KumiteEquipo5,
        .name = "KumiteEquipo5",
        .prefix = "KE212",
        .stored_name = "KumiteEquipo5",
        .label = "KumiteEquipo5",
        .record_size = 5151,
        .layout = {
            field(0, "KE212:IDNumeroDeEventoEquipo", Long),
            repeat('n', 1, 4, 4, {
                field(4, "KE212:IDNUMERODEEQUIPO{n}", Long),
            }),
            field(20, "KE212:Cerrar", Decimal(7, 0)),  // close flag: 1 closes every screen that shows the record
            field(24, "KE212:Queue", Text(20)),  // queue status "1" to "4" (field check)
            field(44, "KE212:COLORE1R1A", Text(6)),  // colour code of team 1
            field(50, "KE212:TatamiMatsNo", Text(30)),  // tatami (mat) number or name
            field(80, "KE212:CodigoDeEvento", Text(20)),  // event code
            field(100, "KE212:FechaEvento", Date),  // event date
            field(104, "KE212:Categoria", Text(45)),  // category
            field(149, "KE212:Divicion", Text(45)),  // division
            field(194, "KE212:Modalidad", Text(45)),  // modality
            field(239, "KE212:ONDECK", Group(280)),
            field(239, "KE212:ReadyCompetitorDojoAka", Text(45)),  // next-up text: dojo of the aka competitor
            field(284, "KE212:ReadyCompetitorAka", Text(45)),  // next-up text: aka competitor
            field(329, "KE212:ReadyCompetitorDojoAo", Text(45)),  // next-up text: dojo of the ao competitor
            field(374, "KE212:ReadyCompetitorAo", Text(45)),  // next-up text: ao competitor
            repeat('n', 1, 25, 4, {
                field(419, "KE212:OnDeck{n}", Decimal(7, 0)),
            }),
            field(519, "KE212:COMBATINFO", Group(158)),
            field(519, "KE212:NombreDelEvento", Text(50)),  // event name
            field(569, "KE212:KEYDE34", Decimal(7, 0)),  // number of teams: 3 or 4
            field(573, "KE212:DirecionDelEvento", Text(50)),  // event address
            field(623, "KE212:NombreDelOrganizador", Text(50)),  // organiser name
            field(673, "KE212:RONDA", Decimal(7, 2)),
            field(677, "KE212:DESEMPATE", Group(64)),
            repeat('n', 1, 16, 4, {
                field(677, "KE212:DESEMPATE{n}", Decimal(7, 0)),
            }),
            field(741, "KE212:COMBATIDINFO", Group(96)),
            units({Decimal(7, 0), Decimal(7, 0)}, 8, {
                unit(741, {"KE212:COMBATID11", "KE212:COMBATID12"}),
                unit(749, {"KE212:COMBATID13", "KE212:COMBATID14"}),
                unit(757, {"KE212:COMBATID15", "KE212:COMBATID16"}),
                unit(765, {"KE212:COMBATID21", "KE212:COMBATID22"}),
                unit(773, {"KE212:COMBATID23", "KE212:COMBATID24"}),
                unit(781, {"KE212:COMBATID25", "KE212:COMBATID26"}),
                unit(789, {"KE212:COMBATID31", "KE212:COMBATID32"}),
                unit(797, {"KE212:COMBATID33", "KE212:COMBATID34"}),
                unit(805, {"KE212:COMBATID35", "KE212:COMBATID36"}),
                unit(813, {"KE212:COMBATID41", "KE212:COMBATID42"}),
                unit(821, {"KE212:COMBATID43", "KE212:COMBATID44"}),
                unit(829, {"KE212:COMBATID45", "KE212:COMBATID46"}),
            }),
            field(837, "KE212:EQUIPO1", Group(548)),  // first-round block of this team number
            field(837, "KE212:NombreDeEquipoE1R1A", Text(20)),  // team name
            field(857, "KE212:GANOE1", Decimal(7, 0)),  // won flag of this team
            field(861, "KE212:MUNICIPIOEQUIPOE1R1A", Text(20)),  // team municipality
            field(881, "KE212:ENTRENADOE1R1A", Text(20)),  // coach
            field(901, "KE212:NOMBREDOJOE1R1A", Text(20)),  // team dojo
            units({Text(30), Text(20), Decimal(7, 0), Decimal(7, 0), Decimal(7, 2), Decimal(7, 2), Decimal(7, 2)}, 70, {
                unit(921, {"KE212:NOMBRECOMPETIDOR1E1R1A", "KE212:NOMBRECOMPETIDOR1DOJOE1R1A", "KE212:RESULTADOC1BE1R1A", "KE212:KIKENC1BE1R1A", "KE212:KIKENC1BBE1R1A", "KE212:RESULTADOC1E1R1A", "KE212:PUNTOSC1E1R1A"}),
                unit(991, {"KE212:NOMBRECOMPETIDOR2E1R1A", "KE212:NOMBRECOMPETIDOR2DOJOE1R1A", "KE212:RESULTADOC2BE1R1A", "KE212:KIKENC2BE1R1A", {"KE212:KIKENC2BBE1R1A", Decimal(7, 0)}, "KE212:RESULTADOC2E1R1A", "KE212:PUNTOSC2E1R1A"}),
                unit(1061, {"KE212:NOMBRECOMPETIDOR3E1R1A", "KE212:NOMBRECOMPETIDOR3DOJOE1R1A", "KE212:RESULTADOC3BE1R1A", "KE212:KIKENC3BE1R1A", "KE212:KIKENC3BBE1R1A", "KE212:RESULTADOC3E1R1A", "KE212:PUNTOSC3E1R1A"}),
                unit(1131, {"KE212:NOMBRECOMPETIDOR4E1R1A", "KE212:NOMBRECOMPETIDOR4DOJOE1R1A", "KE212:RESULTADOC4BE1R1A", "KE212:KIKENC4BE1R1A", {"KE212:KIKENC4BBE1R1A", Decimal(7, 0)}, "KE212:RESULTADOC4E1R1A", "KE212:PUNTOSC4E1R1A"}),
                unit(1201, {"KE212:NOMBRECOMPETIDOR5E1R1A", "KE212:NOMBRECOMPETIDOR5DOJOE1R1A", "KE212:RESULTADOC5BE1R1A", "KE212:KIKENC5BE1R1A", "KE212:KIKENC5BBE1R1A", "KE212:RESULTADOC5E1R1A", "KE212:PUNTOSC5E1R1A"}),
                unit(1271, {"KE212:COMPETIDORDESEMPATER1A", "KE212:NOMBRECOMPETIDORDOJODR1A", "KE212:RESULTADODBE1R1A", "KE212:KIKENDBE1R1A", {"KE212:KIKENDBBE1R1A", Decimal(7, 0)}, "KE212:RSULTADODE1R1A", "KE212:PUNTOSDE1R1A"}),
            }),
            units({Decimal(7, 2), Decimal(7, 2)}, 8, {
                unit(1341, {"KE212:HANTEYE1R1A", "KE212:EQUIPO1R1RE"}),
                unit(1349, {{"KE212:Tag1", Decimal(7, 0)}, {"KE212:TAGG1", Decimal(7, 0)}}),
                unit(1357, {"KE212:EQUIPO1R1PU", "KE212:EQUIPO1R1TRE"}),
                unit(1365, {"KE212:EQUIPO1R1TPU", "KE212:EQUIPO1R2RE"}),
                unit(1373, {"KE212:EQUIPO1R2PU", "KE212:EQUIPO1R2TPU"}),
            }),
            field(1381, "KE212:EQUIPO1R2TRE", Decimal(7, 2)),
            field(1385, "KE212:EQUIPO2", Group(554)),  // first-round block of this team number
            field(1385, "KE212:NombreDeEquipo2R1R", Text(20)),  // team name
            field(1405, "KE212:GANOE2", Decimal(7, 0)),  // won flag of this team
            field(1409, "KE212:MUNICIPIOEQUIPO2R1R", Text(20)),  // team municipality
            field(1429, "KE212:ENTRENADOE2R1R", Text(20)),  // coach
            field(1449, "KE212:NOMBREDOJOE2R1R", Text(20)),  // team dojo
            field(1469, "KE212:COLORE2R1R", Text(6)),  // team colour code
            field(1475, "KE212:NOMBRECOMPETIDOR1E2R1R", Text(30)),
            field(1505, "KE212:NOMBRECOMPETIDOR1DOJOE2R1R", Text(20)),
            field(1525, "KE212:RESULTADOC1BE2R1R", Decimal(7, 2)),
            field(1529, "KE212:KIKENC1BE2R1R", Decimal(7, 0)),
            field(1533, "KE212:KIKENC1BBE2R1R", Decimal(7, 0)),
            field(1537, "KE212:RESULTADOC1E2R1R", Decimal(7, 2)),
            field(1541, "KE212:PUNTOSC1E2R1R", Decimal(7, 2)),
            repeat('n', 2, 5, 70, {
                field(1545, "KE212:NOMBRECOMPETIDOR{n}E2R1R", Text(30)),
                field(1575, "KE212:NOMBRECOMPETIDOR{n}DOJOE2R1R", Text(20)),
                field(1595, "KE212:RESULTADOC{n}BE2R1R", Decimal(7, 0)),
                field(1599, "KE212:KIKENC{n}BE2R1R", Decimal(7, 0)),
                field(1603, "KE212:KIKENC{n}BBE2R1R", Decimal(7, 0)),
                field(1607, "KE212:RESULTADOC{n}E2R1R", Decimal(7, 2)),
                field(1611, "KE212:PUNTOSC{n}E2R1R", Decimal(7, 2)),
            }),
            field(1825, "KE212:COMPETIDORDESEMPATEE2R1R", Text(30)),
            field(1855, "KE212:NOMBRECOMPETIDORDOJODE2R1R", Text(20)),
            units({Decimal(7, 2), Decimal(7, 2)}, 8, {
                unit(1875, {{"KE212:RESULTADODBE2R1R", Decimal(7, 0)}, {"KE212:KIKENDBE2R1R", Decimal(7, 0)}}),
                unit(1883, {{"KE212:KIKENDBBE2R1R", Decimal(7, 0)}, "KE212:RSULTADODE2R1R"}),
                unit(1891, {"KE212:PUNTOSDE2R1R", "KE212:HANTEYE2R1R"}),
                unit(1899, {"KE212:EQUIPOE2R1RE", "KE212:Tag2"}),
                unit(1907, {"KE212:TAGG2", "KE212:EQUIPOE2R1PU"}),
                unit(1915, {"KE212:EQUIPOE2R1TRE", "KE212:EQUIPOE2R1TPU"}),
                unit(1923, {"KE212:EQUIPO2R2RE", "KE212:EQUIPO2R2PU"}),
                unit(1931, {"KE212:EQUIPO2R2TRE", "KE212:EQUIPO2R2TPU"}),
            }),
            field(1939, "KE212:EQUIPO3", Group(530)),  // first-round block of this team number
            field(1939, "KE212:NombreDeEquipoE3R1A", Text(20)),  // team name
            field(1959, "KE212:GANOE3", Decimal(7, 0)),  // won flag of this team
            field(1963, "KE212:MUNICIPIOEQUIPOE3R1A", Text(20)),  // team municipality
            field(1983, "KE212:ENTRENADOE3R1A", Text(20)),  // coach
            field(2003, "KE212:NOMBREDOJOE3R1A", Text(20)),  // team dojo
            field(2023, "KE212:COLORE3R1A", Text(6)),  // team colour code
            repeat('n', 1, 5, 66, {
                field(2029, "KE212:NOMBRECOMPETIDOR{n}E3R1A", Text(30)),
                field(2059, "KE212:NOMBRECOMPETIDOR{n}DOJOE3R1A", Text(20)),
                field(2079, "KE212:RESULTADOC{n}BE3R1A", Decimal(7, 0)),
                field(2083, "KE212:KIKENC{n}BE3R1A", Decimal(7, 0)),
                field(2087, "KE212:RESULTADOC{n}E3R1A", Decimal(7, 2)),
                field(2091, "KE212:PUNTOSC{n}E3R1A", Decimal(7, 2)),
            }),
            field(2359, "KE212:COMPETIDORDESEMPATEE3R1A", Text(30)),
            field(2389, "KE212:NOMBRECOMPETIDORDOJODE3R1A", Text(20)),
            units({Decimal(7, 2), Decimal(7, 2), Decimal(7, 2)}, 12, {
                unit(2409, {{"KE212:RESULTADODBE3R1A", Decimal(7, 0)}, {"KE212:KIKENDBE3R1A", Decimal(7, 0)}, "KE212:RSULTADODE3R1A"}),
                unit(2421, {"KE212:PUNTOSDE3R1A", "KE212:HANTEYE3R1A", "KE212:EQUIPOE3R1RE"}),
                unit(2433, {"KE212:Tag3", "KE212:TAGG3", "KE212:EQUIPOE3R1PU"}),
                unit(2445, {"KE212:EQUIPO3R1TRE", "KE212:EQUIPO3R1TPU", "KE212:EQUIPO3R2RE"}),
                unit(2457, {"KE212:EQUIPO3R2TRE", "KE212:EQUIPO3R2PU", "KE212:EQUIPO3R2TPU"}),
            }),
            field(2469, "KE212:EQUIPO4", Group(530)),  // first-round block of this team number
            field(2469, "KE212:NombreDeEquipoE4R1R", Text(20)),  // team name
            field(2489, "KE212:GANOE4", Decimal(7, 0)),  // won flag of this team
            field(2493, "KE212:MUNICIPIOEQUIPOE4R1R", Text(20)),  // team municipality
            field(2513, "KE212:ENTRENADOE4R1R", Text(20)),  // coach
            field(2533, "KE212:NOMBREDOJOE4R1R", Text(20)),  // team dojo
            field(2553, "KE212:COLORE4R1R", Text(6)),  // team colour code
            field(2559, "KE212:NOMBREDOJOCOMPETIDOR1E4R1R", Text(20)),
            field(2579, "KE212:NOMBRECOMPETIDOR1E4R1R", Text(30)),
            field(2609, "KE212:RESULTADOC1BE4R1R", Decimal(7, 2)),
            field(2613, "KE212:KIKENC1BE4R1R", Decimal(7, 0)),
            field(2617, "KE212:RESULTADOC1E4R1R", Decimal(7, 2)),
            field(2621, "KE212:PUNTOSC1E4R1R", Decimal(7, 2)),
            repeat('n', 2, 5, 66, {
                field(2625, "KE212:NOMBRECOMPETIDOR{n}E4R1R", Text(30)),
                field(2655, "KE212:NOMBREDOJOCOMPETIDOR{n}E4R1R", Text(20)),
                field(2675, "KE212:RESULTADOC{n}BE4R1R", Decimal(7, 2)),
                field(2679, "KE212:KIKENC{n}BE4R1R", Decimal(7, 0)),
                field(2683, "KE212:RESULTADOC{n}E4R1R", Decimal(7, 2)),
                field(2687, "KE212:PUNTOSC{n}E4R1R", Decimal(7, 2)),
            }),
            field(2889, "KE212:COMPETIDORDESEMPATEE4R1R", Text(30)),
            field(2919, "KE212:NOMBRECOMPETIDORDOJODE4R1R", Text(20)),
            units({Decimal(7, 2), Decimal(7, 2), Decimal(7, 2)}, 12, {
                unit(2939, {"KE212:RESULTADODE4R1R", {"KE212:KIKENDE4R1R", Decimal(7, 0)}, "KE212:RSULTADODE4R1R"}),
                unit(2951, {"KE212:PUNTOSDE4R1R", "KE212:HANTEYE4R1R", "KE212:EQUIPO4R1RE"}),
                unit(2963, {"KE212:Tag4", "KE212:TAGG4", "KE212:EQUIPO4R1PU"}),
                unit(2975, {"KE212:EQUIPO4R1TRE", "KE212:EQUIPO4R1TPU", "KE212:EQUIPO4R2RE"}),
                unit(2987, {"KE212:EQUIPO4R2PU", "KE212:EQUIPO4R2TPU", "KE212:EQUIPO4R2TRE"}),
            }),
            field(2999, "KE212:EQUIPOWIN1", Group(498)),  // block of a winners' bout team
            field(2999, "KE212:NOMBREDEEQUIPOW1R3R", Text(20)),  // team name
            field(3019, "KE212:MUNICIPIOEQUIPOW1R3R", Text(20)),  // team municipality
            field(3039, "KE212:ENTRENADOEW1R3R", Text(20)),  // coach
            field(3059, "KE212:NOMBREDOJOEW1R3R", Text(20)),  // team dojo
            field(3079, "KE212:COLOREW1R3R", Text(6)),  // team colour code
            units({Text(30), Text(20), Decimal(7, 0), Decimal(7, 0), Decimal(7, 0), Decimal(7, 0)}, 66, {
                unit(3085, {"KE212:NOMBRECOMPETIDOR1EW1R3R", "KE212:NOMBREDOJOCOMPETIDOR1EW1R3R", {"KE212:RESULTADOC1BEW1R3R", Decimal(7, 2)}, "KE212:KIKENC1BEW1R3R", "KE212:RESULTADOC1W1R3R", "KE212:PUNTOSC1W1R3R"}),
                unit(3151, {"KE212:NOMBRECOMPETIDOR2EW1R3R", "KE212:NOMBREDOJOCOMPETIDOR2EW1R3R", "KE212:RESULTADOC2BEW1R3R", "KE212:KIKENC2BEW1R3R", "KE212:RESULTADOC2W1R3R", "KE212:PUNTOSC2W1R3R"}),
                unit(3217, {"KE212:NOMBRECOMPETIDOR3EW1R3R", "KE212:NOMBREDOJOCOMPETIDOR3EW1R3R", "KE212:RESULTADOC3BEW1R3R", "KE212:KIKENC3BEW1R3R", "KE212:RESULTADOC3W1R3R", "KE212:PUNTOSC3W1R3R"}),
                unit(3283, {"KE212:NOMBRECOMPETIDOR4EW1R3R", "KE212:NOMBREDOJOCOMPETIDOR4EW1R3R", "KE212:RESULTADOC4BEW1R3R", "KE212:KIKENC4BEW1R3R", "KE212:RESULTADOC4W1R3R", "KE212:PUNTOSC4W1R3R"}),
                unit(3349, {"KE212:NOMBRECOMPETIDOR5EW1R3R", "KE212:NOMBREDOJOCOMPETIDOR5EW1R3R", "KE212:RESULTADOC5BEW1R3R", "KE212:KIKENC5BEW1R3R", "KE212:RESULTADOC5EW1R3R", "KE212:PUNTOSC5EW1R3R"}),
                unit(3415, {"KE212:COMPETIDORDESEMPATEEW1R3R", "KE212:NOMBRECOMPETIDORDOJODEW1R3R", "KE212:RESULTADODBEW1R3R", "KE212:KIKENDBEW1R3R", {"KE212:RSULTADODEW1R3R", Decimal(7, 2)}, "KE212:PUNTOSDEW1R3R"}),
            }),
            field(3481, "KE212:HANTEYEW1R3R", Decimal(7, 0)),  // hantei box
            field(3485, "KE212:TAGGW1", Decimal(7, 2)),
            field(3489, "KE212:RESULTADOFINALEW1R3R", Decimal(7, 0)),
            field(3493, "KE212:PUNTOSFINALESEW1R3R", Decimal(7, 0)),
            field(3497, "KE212:EQUIPOWIN2", Group(498)),  // block of a winners' bout team
            field(3497, "KE212:NOMBREDEEQUIPOW2R3R", Text(20)),  // team name
            field(3517, "KE212:MUNICIPIOEQUIPOW2R3R", Text(20)),  // team municipality
            field(3537, "KE212:ENTRENADOEW2R3R", Text(20)),  // coach
            field(3557, "KE212:NOMBREDOJOEW2R3R", Text(20)),  // team dojo
            field(3577, "KE212:COLOREW2R3R", Text(6)),  // team colour code
            units({Text(30), Text(20), Decimal(7, 0), Decimal(7, 0), Decimal(7, 0), Decimal(7, 0)}, 66, {
                unit(3583, {"KE212:NOMBRECOMPETIDOR1EW2R3R", "KE212:NOMBREDOJOCOMPETIDOR1EW2R3R", "KE212:RESULTADOC1EW2R3R", "KE212:KIKENC1EW2R3R", "KE212:RESULTADOC1W2R3R", "KE212:PUNTOSC1W2R3R"}),
                unit(3649, {"KE212:NOMBRECOMPETIDOR2EW2R3R", "KE212:NOMBREDOJOCOMPETIDOR2EW2R3R", "KE212:RESULTADOC2BW2R3R", "KE212:KIKENC2BW2R3R", "KE212:RESULTADOC2W2R3R", "KE212:PUNTOSC2W2R3R"}),
                unit(3715, {"KE212:NOMBRECOMPETIDOR3EW2R3R", "KE212:NOMBREDOJOCOMPETIDOR3EW2R3R", "KE212:RESULTADOC3BEW2R3R", "KE212:KIKENC3BEW2R3R", "KE212:RESULTADOC3W2R3R", "KE212:PUNTOSC3W2R3R"}),
                unit(3781, {"KE212:NOMBRECOMPETIDOR4EW2R3R", "KE212:NOMBREDOJOCOMPETIDOR4EW2R3R", "KE212:RESULTADOC4BEW2R3R", "KE212:KIKENC4BEW2R3R", "KE212:RESULTADOC4RW2R3R", "KE212:PUNTOSC4W2R3R"}),
                unit(3847, {"KE212:NOMBRECOMPETIDOR5EW2R3R", "KE212:NOMBREDOJOCOMPETIDOR5EW2R3R", "KE212:RESULTADOC5BEW2R3R", "KE212:KIKENC5BEW2R3R", "KE212:RESULTADOC5EW2R3R", "KE212:PUNTOSC5EW2R3R"}),
                unit(3913, {"KE212:COMPETIDORDESEMPATEEW2R3R", "KE212:NOMBRECOMPETIDORDOJODEW2R3R", "KE212:RESULTADODBEW2R3R", "KE212:KIKENDBEW2R3R", "KE212:RSULTADODEW2R3R", "KE212:PUNTOSDEW2R3R"}),
            }),
            field(3979, "KE212:HANTEYEW2R3R", Decimal(7, 0)),  // hantei box
            field(3983, "KE212:TAGGW2", Decimal(7, 2)),
            field(3987, "KE212:RESULTADOFINALEW2R3R", Decimal(7, 0)),
            field(3991, "KE212:PUNTOSFINALESEW2R3R", Decimal(7, 0)),
            field(3995, "KE212:EQUIPOLOST1", Group(498)),  // block of a losers' bout team
            field(3995, "KE212:NOMBREDEEQUIPOL1R4A", Text(20)),  // team name
            field(4015, "KE212:MUNICIPIOEQUIPOL1R4A", Text(20)),  // team municipality
            field(4035, "KE212:ENTRENADOEL1R4A", Text(20)),  // coach
            field(4055, "KE212:NOMBREDOJOEL1R4A", Text(20)),  // team dojo
            field(4075, "KE212:COLOREL1R4A", Text(6)),  // team colour code
            units({Text(30), Text(20), Decimal(7, 0), Decimal(7, 0), Decimal(7, 0), Decimal(7, 0)}, 66, {
                unit(4081, {"KE212:NOMBRECOMPETIDOR1EL1R4A", "KE212:NOMBREDOJOCOMPETIDOR1EL1R4A", "KE212:RESULTADOC1BL1R4A", "KE212:KIKENC1BL1R4A", "KE212:RESULTADOC1L1R4A", "KE212:PUNTOSC1L1R4A"}),
                unit(4147, {"KE212:NOMBRECOMPETIDOR2EL1R4A", "KE212:NOMBREDOJOCOMPETIDOR2EL1R4A", "KE212:RESULTADOC2BEL1R4A", "KE212:KIKENC2BEL1R4A", "KE212:RESULTADOC2L1R4A", "KE212:PUNTOSC2L1R4A"}),
                unit(4213, {"KE212:NOMBRECOMPETIDOR3EL1R4A", "KE212:NOMBREDOJOCOMPETIDOR3EL1R4A", "KE212:RESULTADOC3BEL1R4A", "KE212:KIKENC3BEL1R4A", "KE212:RESULTADOC3L1R4A", "KE212:PUNTOSC3L1R4A"}),
                unit(4279, {"KE212:NOMBRECOMPETIDOR4EL1R4A", "KE212:NOMBREDOJOCOMPETIDOR4EL1R4A", "KE212:RESULTADOC4BEL1R4A", "KE212:KIKENC4BEL1R4A", "KE212:RESULTADOC4L1R4A", "KE212:PUNTOSC4L1R4A"}),
                unit(4345, {"KE212:NOMBRECOMPETIDOR5EL1R4A", "KE212:NOMBREDOJOCOMPETIDOR5EL1R4A", "KE212:RESULTADOC5BL1R4A", "KE212:KIKENC5BL1R4A", "KE212:RESULTADOC5L1R4A", "KE212:PUNTOSC5L1R4A"}),
                unit(4411, {"KE212:COMPETIDORDESEMPATEL1R4A", "KE212:NOMBRECOMPETIDORDOJODL1R4A", "KE212:RESULTADODBL1R4A", "KE212:KIKENDBL1R4A", "KE212:RSULTADODL1R4A", "KE212:PUNTOSDL1R4A"}),
            }),
            field(4477, "KE212:HANTEYL1R4A", Decimal(7, 0)),  // hantei box
            field(4481, "KE212:TAGGL1", Decimal(7, 2)),
            field(4485, "KE212:RESULTADOSFINALESL1R4A", Decimal(7, 0)),
            field(4489, "KE212:PUNTOSFINALESL1R4A", Decimal(7, 0)),
            field(4493, "KE212:EQUIPOLOST2", Group(490)),  // block of a losers' bout team
            field(4493, "KE212:NOMBREDEEQUIPOL2R4A", Text(20)),  // team name
            field(4513, "KE212:MUNICIPIOEQUIPOL2R4A", Text(20)),  // team municipality
            field(4533, "KE212:ENTRENADOEL2R4A", Text(20)),  // coach
            field(4553, "KE212:NOMBREDOJOEL2R4A", Text(20)),  // team dojo
            field(4573, "KE212:COLOREL2R4A", Text(6)),  // team colour code
            repeat('n', 1, 4, 66, {
                field(4579, "KE212:NOMBRECOMPETIDOR{n}EL2R4A", Text(30)),
                field(4609, "KE212:NOMBREDOJOCOMPETIDOR{n}EL2R4A", Text(20)),
                field(4629, "KE212:RESULTADOC{n}BEL2R4A", Decimal(7, 0)),
                field(4633, "KE212:KIKENC{n}BEL2R4A", Decimal(7, 0)),
                field(4637, "KE212:RESULTADOC{n}L2R4A", Decimal(7, 0)),
                field(4641, "KE212:PUNTOSC{n}L2R4A", Decimal(7, 0)),
            }),
            field(4843, "KE212:NOMBRECOMPETIDOR5EL2R4A", Text(30)),
            field(4873, "KE212:NOMBREDOJOCOMPETIDOR5EL2R4A", Text(20)),
            field(4893, "KE212:RESULTADOC5BL2R4A", Decimal(7, 0)),
            field(4897, "KE212:KIKENC5BL2R4A", Decimal(7, 0)),
            field(4901, "KE212:RESULTADOC5L2R4A", Decimal(7, 0)),
            field(4905, "KE212:PUNTOSC5L2R4A", Decimal(7, 0)),
            field(4909, "KE212:COMPETIDORDESEMPATEL2R4A", Text(30)),
            field(4939, "KE212:NOMBRECOMPETIDORDOJODL2R4A", Text(20)),
            units({Decimal(7, 0), Decimal(7, 0)}, 8, {
                unit(4959, {"KE212:RESULTADODBL2R4A", "KE212:KIKENDBL2R4A"}),
                unit(4967, {"KE212:RSULTADODL2R4A", "KE212:PUNTOSDL2R4A"}),
                unit(4975, {"KE212:HANTEYL2R4A", {"KE212:TAGGL2", Decimal(7, 2)}}),
            }),
            field(4983, "KE212:RESULTADOS", Group(168)),  // places
            units({Decimal(7, 0), Decimal(7, 0), Text(20)}, 28, {
                unit(4983, {"KE212:RESULTADOFINALL2R4A", "KE212:PUNTOSFINALESL2R4A", "KE212:PRIMERLUGARORO"}),
                unit(5011, {"KE212:PRIMERLUGARRESULTADO", "KE212:PRIMERLUGARPUNTOS", "KE212:SEGUNDOLUGARPLATA"}),
                unit(5039, {"KE212:SEGUNDOLUGARRESULTADO", "KE212:SEGUNDOLUGARPUNTOS", "KE212:SUPERTERCERLUGARBRONCE"}),
                unit(5067, {"KE212:SUPERTERCERORESULTADO", "KE212:SUPERTERCEROPUNTOS", "KE212:CUARTOLUGARBRONCE"}),
            }),
            units({Decimal(7, 2), Decimal(7, 2)}, 8, {
                unit(5095, {{"KE212:CUARTOLUGARRESULTADOS", Decimal(7, 0)}, {"KE212:CUARTOLUGARPUNTOS", Decimal(7, 0)}}),
                unit(5103, {"KE212:GANAE5", "KE212:FINALE1"}),
                unit(5111, {"KE212:FINALE2", "KE212:FINALE3"}),
                unit(5119, {"KE212:FINALE4", "KE212:GANAE6"}),
                unit(5127, {"KE212:GANAE7", "KE212:GANAE8"}),
                unit(5135, {"KE212:EQUIPO3TOTALRE", "KE212:EQUIPO3TOTALPU"}),
                unit(5143, {"KE212:EQUIPO4TOTALRE", "KE212:EQUIPO4TOTALPU"}),
            }),
        },
        .keys = {
            key("KE212:KeyIDNumeroDeEventoEquipo", {"-KE212:IDNumeroDeEventoEquipo"}, Primary | Unique | Optional, "KE212:KeyIDNumeroDeEventoEquipo", Auto::Yes),
            key("KE212:KeyQueue", {"KE212:Queue"}, Duplicates, "KE212:KeyQueue", Auto::No),
            key("KE212:KeyColorE1R1A", {"KE212:COLORE1R1A"}, Duplicates, "KE212:KeyColorE1R1A", Auto::No),
            key("KE212:KeyTatamiMatsNo", {"KE212:TatamiMatsNo"}, Duplicates, "KE212:KeyTatamiMatsNo", Auto::No),
            key("KE212:KeyCategoriaModalidadDiviciones", {"KE212:Modalidad", "KE212:Categoria", "KE212:Divicion"}, Duplicates, "KE212:KeyCategoriaModalidadDiviciones", Auto::No),
            key("KE212:KeyCodigoDeEvento", {"KE212:CodigoDeEvento"}, Duplicates, "KE212:KeyCodigoDeEvento", Auto::No),
            key("KE212:KeyFechaEvento", {"KE212:FechaEvento"}, Duplicates, "KE212:KeyFechaEvento", Auto::No),
            key("KE212:KeyIDNumeroDeEquipo1", {"KE212:IDNUMERODEEQUIPO1"}, Duplicates, "KE212:KeyIDNumeroDeEquipo1", Auto::No),
            key("KE212:KeyMunicipioEquipoE1", {"KE212:MUNICIPIOEQUIPOE1R1A"}, Duplicates, "KE212:KeyMunicipioEquipoE1", Auto::No),
            key("KE212:KeyIDNumeroDeEquipo2", {"KE212:IDNUMERODEEQUIPO2"}, Duplicates, "KE212:KeyIDNumeroDeEquipo2", Auto::No),
            key("KE212:KeyMunicipioEquipoE2", {"KE212:MUNICIPIOEQUIPO2R1R"}, Duplicates, "KE212:KeyMunicipioEquipoE2", Auto::No),
            key("KE212:KeyIDNumeroDeEquipo3", {"KE212:IDNUMERODEEQUIPO3"}, Duplicates, "KE212:KeyIDNumeroDeEquipo3", Auto::No),
            key("KE212:KeyMunicipioEquipoE3", {"KE212:MUNICIPIOEQUIPOE3R1A"}, Duplicates, "KE212:KeyMunicipioEquipoE3", Auto::No),
            key("KE212:KeyIDNumeroDeEquipo4", {"KE212:IDNUMERODEEQUIPO4"}, Duplicates, "KE212:KeyIDNumeroDeEquipo4", Auto::No),
            key("KE212:KeyMunicipioEquipoE4", {"KE212:MUNICIPIOEQUIPOE4R1R"}, Duplicates, "KE212:KeyMunicipioEquipoE4", Auto::No),
            key("KE212:KeyCategoria", {"KE212:Categoria"}, Duplicates, "KE212:KeyCategoria", Auto::No),
            key("KE212:KeyModalidad", {"KE212:Modalidad"}, Duplicates, "KE212:KeyModalidad", Auto::No),
            key("KE212:KeyDivicion", {"KE212:Divicion"}, Duplicates, "KE212:KeyDivicion", Auto::No),
        },
        .checks = {
            list_check("KE212:Queue", "Queue", "]1[]2[]3[]4[", "'QueueStart','QueueStop','QueueDone','QueueAssigned'"),
        },
        .defaults = in_order({
            set({"KE212:Cerrar"}, 0),
            set({"KE212:Queue"}, "2"),
            set_each("KE212:OnDeck{n}", 1, 25, 0),
            set({"KE212:Tag1"}, 1),
            set({"KE212:Tag2"}, 2),
            set({"KE212:Tag3"}, 3),
            set({"KE212:Tag4"}, 4),
        }),
        .relations = {
            keyed(TableId::ScoreBoard, "SB:KeyIDNumeroDeEventoEquipo", "KE212:IDNumeroDeEventoEquipo", "SB:IDNumeroDeEventoEquipo"),
            plain(TableId::Equipos),
            plain(TableId::TournamentInfo),
            plain(TableId::Divisiones),
            plain(TableId::Categoria),
            plain(TableId::Modalidades),
            plain(TableId::Dojo),
            plain(TableId::Competidor),
            plain(TableId::Colores),
            plain(TableId::TatamiMats),
            keyed(TableId::ResultadosManual, "RM:keyNumeroDeCompeticionKata", "KE212:IDNumeroDeEventoEquipo", "RM:NumeroDeCompeticion"),
        },
    };
}

}  // namespace zrv::data::tables

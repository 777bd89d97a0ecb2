// KumiteIndividual: one record per individual kumite bracket (4, 8 or 16 competitors), charts A and B.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table kumite_individual() {
    return Table{
        .id = TableId::KumiteIndividual,
        .name = "KumiteIndividual",
        .prefix = "KE24",
        .stored_name = "KumiteIndividual",
        .label = "KumiteIndividual",
        .record_size = 4348,
        .layout = {
            field(0, "KE24:IDNumeroDeEventoKIndividual", Long),
            field(4, "KE24:FechaEvento", Date),  // event date
            field(8, "KE24:CodigoDeEvento", Text(20)),  // event code
            field(28, "KE24:Cerrar", Decimal(7, 0)),  // close flag: 1 closes every screen that shows the record
            field(32, "KE24:ManualEntry", Decimal(7, 0)),  // manual entry value
            field(36, "KE24:NombreDelEvento", Text(50)),  // event name
            field(86, "KE24:TatamiMatsNo", Text(30)),  // tatami (mat) number or name
            field(116, "KE24:Queue", Text(20)),  // queue status "1" to "4" (field check)
            field(136, "KE24:DirecionDelEvento", Text(50)),  // event address
            field(186, "KE24:KeyDe4816", Decimal(7, 0)),  // bracket size: 4, 8 or 16
            field(190, "KE24:Categoria", Text(45)),  // category
            field(235, "KE24:Categoria_CM", Text(45)),  // second category text
            field(280, "KE24:Divicion", Text(45)),  // division
            field(325, "KE24:Modalidad", Text(45)),  // modality
            field(370, "KE24:ONDECK", Group(264)),
            field(370, "KE24:ReadyCompetitorDojoAka", Text(45)),  // next-up text: dojo of the aka competitor
            field(415, "KE24:ReadyCompetitorAka", Text(45)),  // next-up text: aka competitor
            field(460, "KE24:ReadyCompetitorDojoAo", Text(45)),  // next-up text: dojo of the ao competitor
            field(505, "KE24:ReadyCompetitorAo", Text(45)),  // next-up text: ao competitor
            repeat('n', 1, 21, 4, {
                field(550, "KE24:OnDeck{n}", Decimal(7, 0)),
            }),
            field(634, "KE24:COMBAT", Group(68)),  // bout values
            units({Decimal(7, 0), Decimal(7, 0)}, 8, {
                unit(634, {"KE24:RONDA1ACM1", "KE24:RONDA1ACM2"}),
                unit(642, {"KE24:RONDA1ACM3", "KE24:RONDA1ACM4"}),
                unit(650, {"KE24:RONDA2ACM1", "KE24:RONDA2ACM2"}),
                unit(658, {"KE24:RONDA3ACM1", "KE24:RONDAFINALCM1"}),
                unit(666, {"KE24:RONDA1BCM1", "KE24:RONDA1BCM2"}),
                unit(674, {"KE24:RONDA1BCM3", "KE24:RONDA1BCM4"}),
                unit(682, {"KE24:RONDA2BCM1", "KE24:RONDA2BCM2"}),
                unit(690, {"KE24:RONDA3BCM1", "KE24:GANAA"}),
            }),
            field(698, "KE24:GANAB", Decimal(7, 0)),
            field(702, "KE24:REPECA", Group(36)),  // repechage values
            units({Decimal(7, 0), Decimal(7, 0), Decimal(7, 0)}, 12, {
                unit(702, {"KE24:REPECA1", "KE24:REPECA2", "KE24:REPECA3"}),
                unit(714, {"KE24:REPECA4", "KE24:REPECA1_B", "KE24:REPECA2_B"}),
                unit(726, {"KE24:REPECA3_B", "KE24:REPECA4_B", "KE24:REGISRC1B"}),
            }),
            field(738, "KE24:REGISTERS", Group(430)),  // registered competitors
            field(738, "KE24:REGIS1DOJO", Text(20)),
            units({Decimal(7, 0), Text(30), Text(20), Decimal(7, 0)}, 58, {
                unit(758, {"KE24:REGISPC1", "KE24:REGIS2AZUL", "KE24:REGISR2DOJO", "KE24:REGISRC2B"}),
                unit(816, {"KE24:REGISPC2", "KE24:REGIS3ROJO", "KE24:REGIS3DOJO", "KE24:REGISRC3B"}),
                unit(874, {"KE24:REGISPC3", "KE24:REGIS4AZUL", "KE24:REGIS4DOJO", "KE24:REGISRC4B"}),
                unit(932, {"KE24:REGISPC4", "KE24:REGISR5ROJO", "KE24:REGIS5DOJO", "KE24:REGISRC5B"}),
                unit(990, {"KE24:REGISPC5", "KE24:REGIS6AZUL", "KE24:REGIS6DOJO", "KE24:REGISRC6B"}),
                unit(1048, {"KE24:REGISPC6", "KE24:REGIS7ROJO", "KE24:REGIS7DOJO", "KE24:REGISRC7B"}),
                unit(1106, {"KE24:REGISPC7", "KE24:REGIS8AZUL", "KE24:REGIS8DOJO", "KE24:REGISRC8B"}),
            }),
            field(1164, "KE24:REGISPC8", Decimal(7, 0)),
            field(1168, "KE24:LLAVEA", Group(1218)),  // bracket chart A
            units({Text(30), Text(20), Decimal(7, 0), Decimal(7, 0)}, 58, {
                unit(1168, {"KE24:COMPETIDOR1ROJOAZUL", "KE24:COMPETIDOR1DOJO", "KE24:RESULTADOC1B", "KE24:PUNTOSC1"}),
                unit(1226, {"KE24:COMPETIDOR2AZUL", "KE24:COMPETIDOR2DOJO", "KE24:RESULTADOC2B", "KE24:PUNTOSC2"}),
                unit(1284, {"KE24:COMPETIDOR3ROJO", "KE24:COMPETIDOR3DOJO", "KE24:RESULTADOC3B", "KE24:PUNTOSC3"}),
                unit(1342, {"KE24:COMPETIDOR4AZUL", "KE24:COMPETIDOR4DOJO", "KE24:RESULTADOC4B", "KE24:PUNTOSC4"}),
                unit(1400, {"KE24:COMPETIDOR5ROJO", "KE24:COMPETIDOR5DOJO", "KE24:RESULTADOC5B", "KE24:PUNTOSC5"}),
                unit(1458, {"KE24:COMPETIDOR6AZUL", "KE24:COMPETIDOR6DOJO", "KE24:RESULTADOC6B", "KE24:PUNTOSC6"}),
                unit(1516, {"KE24:COMPETIDOR7ROJO", "KE24:COMPETIDOR7DOJO", "KE24:RESULTADOC7B", "KE24:PUNTOSC7"}),
                unit(1574, {"KE24:COMPETIDOR8AZUL", "KE24:COMPETIDOR8DOJO", "KE24:RESULTADOC8B", "KE24:PUNTOSC8"}),
                unit(1632, {"KE24:CRONDAA2R", "KE24:DRONDAA2R", "KE24:RRONDAA2R", "KE24:PRONDAA2R"}),
                unit(1690, {"KE24:CRONDAA2A", "KE24:DRONDAA2A", "KE24:RRONDAA2A", "KE24:PRONDAA2A"}),
                unit(1748, {"KE24:CRONDAB2R", "KE24:DRONDAB2R", "KE24:RRONDAB2R", "KE24:PRONDAB2R"}),
                unit(1806, {"KE24:CRONDAB2A", "KE24:DRONDAB2A", "KE24:RRONDAB2A", "KE24:PRONDAB2A"}),
                unit(1864, {"KE24:CFINALA3R", "KE24:DFINALA3R", "KE24:RFINALA3R", "KE24:PFINALA3R"}),
                unit(1922, {"KE24:CFINALB3A", "KE24:DFINALB3A", "KE24:RFINALB3A", "KE24:PFINALB3A"}),
                unit(1980, {"KE24:CGanador", "KE24:DGANADOR", "KE24:RGANADOR", "KE24:PGANADOR"}),
                unit(2038, {"KE24:CREPECA1A", "KE24:DREPECA1A", "KE24:RREPECA1A", "KE24:PCREPECA1A"}),
                unit(2096, {"KE24:CREPECA1AA", "KE24:DREPECA1AA", "KE24:RREPECA1AA", "KE24:PREPECA1AA"}),
                unit(2154, {"KE24:CREPECA1B", "KE24:DREPECA1B", "KE24:RREPECA1B", "KE24:PREPECA1B"}),
                unit(2212, {"KE24:CREPECA1BB", "KE24:DREPECA1BB", "KE24:RREPECA1BB", "KE24:PREPECA1BB"}),
                unit(2270, {"KE24:CREPECA1W", "KE24:DREPECA1W", "KE24:RREPECA1W", "KE24:PREPECA1W"}),
                unit(2328, {"KE24:CREPECAF", "KE24:DREPECAF", "KE24:RREPECAF", "KE24:PREPECAF"}),
            }),
            field(2386, "KE24:LLAVEB", Group(1654)),  // bracket chart B (same positions, names ending in _B)
            field(2386, "KE24:REGIS1ROJO", Text(30)),  // registered competitor 1 (name)
            units({Text(30), Text(20), Decimal(7, 0), Decimal(7, 0)}, 58, {
                unit(2416, {"KE24:REGIS1ROJO_B", "KE24:REGIS1DOJO_B", "KE24:REGISRC1B_B", "KE24:REGISPC1_B"}),
                unit(2474, {"KE24:REGIS2AZUL_B", "KE24:REGISR2DOJO_B", "KE24:REGISRC2B_B", "KE24:REGISPC2_B"}),
                unit(2532, {"KE24:REGIS3ROJO_B", "KE24:REGIS3DOJO_B", "KE24:REGISRC3B_B", "KE24:REGISPC3_B"}),
                unit(2590, {"KE24:REGIS4AZUL_B", "KE24:REGIS4DOJO_B", "KE24:REGISRC4B_B", "KE24:REGISPC4_B"}),
                unit(2648, {"KE24:REGISR5ROJO_B", "KE24:REGIS5DOJO_B", "KE24:REGISRC5B_B", "KE24:REGISPC5_B"}),
                unit(2706, {"KE24:REGIS6AZUL_B", "KE24:REGIS6DOJO_B", "KE24:REGISRC6B_B", "KE24:REGISPC6_B"}),
                unit(2764, {"KE24:REGIS7ROJO_B", "KE24:REGIS7DOJO_B", "KE24:REGISRC7B_B", "KE24:REGISPC7_B"}),
                unit(2822, {"KE24:REGIS8AZUL_B", "KE24:REGIS8DOJO_B", "KE24:REGISRC8B_B", "KE24:REGISPC8_B"}),
                unit(2880, {"KE24:COMPETIDOR1ROJOAZUL_B", "KE24:COMPETIDOR1DOJO_B", "KE24:RESULTADOC1B_B", "KE24:PUNTOSC1_B"}),
                unit(2938, {"KE24:COMPETIDOR2AZUL_B", "KE24:COMPETIDOR2DOJO_B", "KE24:RESULTADOC2B_B", "KE24:PUNTOSC2_B"}),
                unit(2996, {"KE24:COMPETIDOR3ROJO_B", "KE24:COMPETIDOR3DOJO_B", "KE24:RESULTADOC3B_B", "KE24:PUNTOSC3_B"}),
                unit(3054, {"KE24:COMPETIDOR4AZUL_B", "KE24:COMPETIDOR4DOJO_B", "KE24:RESULTADOC4B_B", "KE24:PUNTOSC4_B"}),
                unit(3112, {"KE24:COMPETIDOR5ROJO_B", "KE24:COMPETIDOR5DOJO_B", "KE24:RESULTADOC5B_B", "KE24:PUNTOSC5_B"}),
                unit(3170, {"KE24:COMPETIDOR6AZUL_B", "KE24:COMPETIDOR6DOJO_B", "KE24:RESULTADOC6B_B", "KE24:PUNTOSC6_B"}),
                unit(3228, {"KE24:COMPETIDOR7ROJO_B", "KE24:COMPETIDOR7DOJO_B", "KE24:RESULTADOC7B_B", "KE24:PUNTOSC7_B"}),
                unit(3286, {"KE24:COMPETIDOR8AZUL_B", "KE24:COMPETIDOR8DOJO_B", "KE24:RESULTADOC8B_B", "KE24:PUNTOSC8_B"}),
                unit(3344, {"KE24:CRONDAA2R_B", "KE24:DRONDAA2R_B", "KE24:RRONDAA2R_B", "KE24:PRONDAA2R_B"}),
                unit(3402, {"KE24:CRONDAA2A_B", "KE24:DRONDAA2A_B", "KE24:RRONDAA2A_B", "KE24:PRONDAA2A_B"}),
                unit(3460, {"KE24:CRONDAB2R_B", "KE24:DRONDAB2R_B", "KE24:RRONDAB2R_B", "KE24:PRONDAB2R_B"}),
                unit(3518, {"KE24:CRONDAB2A_B", "KE24:DRONDAB2A_B", "KE24:RRONDAB2A_B", "KE24:PRONDAB2A_B"}),
                unit(3576, {"KE24:CFINALA3R_B", "KE24:DFINALA3R_B", "KE24:RFINALA3R_B", "KE24:PFINALA3R_B"}),
                unit(3634, {"KE24:CFINALB3A_B", "KE24:DFINALB3A_B", "KE24:RFINALB3A_B", "KE24:PFINALB3A_B"}),
                unit(3692, {"KE24:CGANADOR_B", "KE24:DGANADOR_B", "KE24:RGANADOR_B", "KE24:PGANADOR_B"}),
                unit(3750, {"KE24:CREPECA1A_B", "KE24:DREPECA1A_B", "KE24:PCREPECA1A_B", "KE24:RREPECA1A_B"}),
                unit(3808, {"KE24:CREPECA1AA_B", "KE24:DREPECA1AA_B", "KE24:RREPECA1AA_B", "KE24:PREPECA1AA_B"}),
                unit(3866, {"KE24:CREPECA1B_B", "KE24:DREPECA1B_B", "KE24:RREPECA1B_B", "KE24:PREPECA1B_B"}),
                unit(3924, {"KE24:CREPECA1BB_B", "KE24:DREPECA1BB_B", "KE24:RREPECA1BB_B", "KE24:PREPECA1BB_B"}),
                unit(3982, {"KE24:CREPECA1W_B", "KE24:DREPECA1W_B", "KE24:RREPECA1W_B", "KE24:PREPECA1W_B"}),
            }),
            field(4040, "KE24:RESULTS", Group(308)),  // places
            units({Text(20), Decimal(7, 0)}, 24, {
                unit(4040, {"KE24:PRIMERLUGARORO", "KE24:PRIMERLUGARPUNTOS"}),
                unit(4064, {"KE24:SEGUNDOLUGARPLATA", "KE24:SEGUNDOLUGARPUNTOS"}),
                unit(4088, {"KE24:SUPERTERCERLUGARBRONCE", "KE24:SUPERTERCEROPUNTOS"}),
                unit(4112, {"KE24:CUARTOLUGARBRONCE", "KE24:CUARTOLUGARPUNTOS"}),
                unit(4136, {"KE24:PRIMERLUGARORO_B", "KE24:PRIMERLUGARPUNTOS_B"}),
                unit(4160, {"KE24:SEGUNDOLUGARPLATA_B", "KE24:SEGUNDOLUGARPUNTOS_B"}),
                unit(4184, {"KE24:SUPERTERCERLUGARBRONCE_B", "KE24:SUPERTERCEROPUNTOS_B"}),
                unit(4208, {"KE24:CUARTOLUGARBRONCE_B", "KE24:CUARTOLUGARPUNTOS_B"}),
            }),
            field(4232, "KE24:CREPECAT1", Text(30)),
            field(4262, "KE24:DREPECAT2", Text(20)),
            field(4282, "KE24:RREPECAT3", Decimal(7, 0)),
            field(4286, "KE24:PREPECAT4", Decimal(7, 0)),
            field(4290, "KE24:CREPECAT1_B", Text(30)),
            field(4320, "KE24:DREPECAT2_B", Text(20)),
            field(4340, "KE24:RREPECAT3_B", Decimal(7, 0)),
            field(4344, "KE24:PREPECAT4_B", Decimal(7, 0)),
        },
        .keys = {
            key("KE24:KeyIDNumeroDeEventoKIndividual", {"-KE24:IDNumeroDeEventoKIndividual"}, Primary | Unique | Optional, "IDNumeroDeEventoKIndividual", Auto::Yes),
            key("KE24:KeyQueue", {"KE24:Queue"}, Duplicates, "KE24:KeyQueue", Auto::No),
            key("KE24:KeyTatamiMatsNo", {"KE24:TatamiMatsNo"}, Duplicates, "KE24:KeyTatamiMatsNo", Auto::No),
            key("KE24:KeyCategoriaModalidadDiviciones", {"KE24:Modalidad", "KE24:Categoria", "KE24:Divicion"}, Duplicates, "KE24:KeyCategoriaModalidadDiviciones", Auto::No),
            key("KE24:KeyCGanador", {"KE24:CGanador"}, Duplicates, "KE24:KeyCGanador", Auto::No),
            key("KE24:KeyModalidad", {"KE24:Modalidad"}, Duplicates, "KE24:KeyModalidad", Auto::No),
            key("KE24:KeyDivicion", {"KE24:Divicion"}, Duplicates, "KE24:KeyDivicion", Auto::No),
            key("KE24:KeyCategoria", {"KE24:Categoria"}, Duplicates, "KE24:KeyCategoria", Auto::No),
            key("KE24:KeyNombreDelEvento", {"KE24:NombreDelEvento"}, Duplicates, "KE24:KeyNombreDelEvento", Auto::No),
            key("KE24:KEYCodigoDeEvento", {"KE24:CodigoDeEvento"}, Duplicates, "KE24:KEYCodigoDeEvento", Auto::No),
            key("KE24:KeyFechaEvento", {"KE24:FechaEvento"}, Duplicates, "KE24:KeyFechaEvento", Auto::No),
        },
        .checks = {
            list_check("KE24:Queue", "Queue", "]1[]2[]3[]4[", "'QueueStart','QueueStop','QueueDone','QueueAssigned'"),
        },
        .defaults = in_order({
            set({"KE24:Cerrar"}, 0),
            set({"KE24:ManualEntry"}, 0),
            set({"KE24:Queue"}, "2"),
            set_each("KE24:OnDeck{n}", 1, 21, 0),
        }),
        .relations = {
            plain(TableId::Competidor),
            plain(TableId::Categoria),
            plain(TableId::Colores),
            plain(TableId::Divisiones),
            plain(TableId::Dojo),
            plain(TableId::Modalidades),
            plain(TableId::TournamentInfo),
            plain(TableId::TatamiMats),
            keyed(TableId::ResultadosManual, "RM:keyIDNumeroDeEventoKIndividual", "KE24:IDNumeroDeEventoKIndividual", "RM:IDNumeroDeEventoKIndividual"),
            keyed(TableId::ScoreBoard, "SB:keyIDNumeroDeEventoKIndividual", "KE24:IDNumeroDeEventoKIndividual", "SB:IDNumeroDeEventoKIndividual"),
        },
    };
}

}  // namespace zrv::data::tables

// ScoreBoard: one record per kumite bout the scoreboards show.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

static const char* const combate = "'Combate1','Combate2','Combate3','Combate4','Combate5','Combate6','Combate7','Combate8','Select Competidor'";

Table scoreboard() {
    return Table{
        .id = TableId::ScoreBoard,
        .name = "ScoreBoard",
        .prefix = "SB",
        .stored_name = "scoreboard",
        .label = "ScoreBoard",
        .record_size = 846,
        .layout = {
            field(0, "SB:IDCombate", Decimal(7, 0)),
            field(4, "SB:IDNumeroDeEventoKIndividual", Long),
            field(8, "SB:IDNumeroDeEventoEquipo", Long),  // team kumite event (KE212:IDNumeroDeEventoEquipo) of the bout
            field(12, "SB:Cerrar", Decimal(7, 0)),  // close flag: 1 closes every screen that shows the record
            field(16, "SB:FechaEvento", Date),  // event date
            field(20, "SB:SBStop", Decimal(7, 0)),  // time-up flag: 1 = the bout time is over
            field(24, "SB:CodigoDeEvento", Text(20)),  // event code
            field(44, "SB:Timer1StartTime", Long),  // bout time in seconds, the start value of the clock countdown
            field(48, "SB:Timer1Flag", Byte),  // end flag: set to 1 by the clock when the countdown runs out
            field(49, "SB:NombreDelEvento", Text(50)),  // event name
            field(99, "SB:TatamiMatsNo", Text(30)),  // tatami (mat) number or name
            field(129, "SB:ShikakuAkaCK", Decimal(7, 2)),  // shikaku box of aka (check box value 1 or 0)
            field(133, "SB:ShikakuAoCK", Decimal(7, 2)),  // shikaku box of ao (check box value 1 or 0)
            field(137, "SB:Categoria", Text(45)),  // category
            field(182, "SB:Queue", Text(20)),  // queue status "1" to "4" (field check)
            field(202, "SB:Divicion", Text(45)),  // division
            field(247, "SB:StopStart", Decimal(7, 0)),  // clock state: 0 running, 1 stopped
            field(251, "SB:WinnerByOr", Decimal(7, 0)),  // 1 = a side's points blink once they reach 8
            field(255, "SB:WinnerByOrAka", Decimal(7, 0)),
            field(259, "SB:WinnerByOrAo", Decimal(7, 0)),
            field(263, "SB:CombateNo", Text(20)),  // bracket position choice (field check)
            field(283, "SB:Combate2No", Text(20)),  // bracket position choice (field check)
            field(303, "SB:CombateWNo", Text(20)),  // bracket position choice (field check)
            field(323, "SB:CombateLNo", Text(20)),  // bracket position choice (field check)
            field(343, "SB:Ronda2No", Text(20)),  // bracket position choice (field check)
            field(363, "SB:Ronda3No", Text(20)),  // bracket position choice (field check)
            field(383, "SB:FinalNo", Text(20)),  // bracket position choice (field check)
            field(403, "SB:TerceroRonda1", Text(20)),  // bracket position choice (field check)
            field(423, "SB:TerceroRepeca2", Text(20)),  // bracket position choice (field check)
            field(443, "SB:TerceroRepecaFinal3", Text(20)),  // bracket position choice (field check)
            field(463, "SB:OverrideWinAka", Decimal(7, 0)),
            field(467, "SB:OverrideWinAo", Decimal(7, 0)),
            field(471, "SB:AkaWin", Decimal(7, 0)),  // winner flag of aka
            field(475, "SB:AoWin", Decimal(7, 0)),  // winner flag of ao
            field(479, "SB:HanteyAka", Decimal(7, 0)),  // hantei (judges' decision) box of aka
            field(483, "SB:HanteyAo", Decimal(7, 0)),  // hantei (judges' decision) box of ao
            field(487, "SB:KikenAka", Decimal(7, 0)),  // kiken (withdrawal) box of aka
            field(491, "SB:KikenAo", Decimal(7, 0)),  // kiken (withdrawal) box of ao
            field(495, "SB:ManualTimer", Decimal(7, 0)),
            field(499, "SB:Modalidad", Text(45)),
            field(544, "SB:IpponAo", Decimal(7, 2)),  // ippon count of ao
            field(548, "SB:FullNameAo", Text(30)),  // competitor name of ao
            field(578, "SB:DojoNameAo", Text(20)),  // dojo of ao
            field(598, "SB:PaisAo", Text(20)),  // country of ao
            field(618, "SB:FullNameAka", Text(30)),  // competitor name of aka
            field(648, "SB:DojoNameAka", Text(30)),  // dojo of aka
            field(678, "SB:PaisAka", Text(20)),  // country of aka
            field(698, "SB:WazaAriAo", Decimal(7, 0)),  // waza-ari count of ao
            field(702, "SB:YukoAo", Decimal(7, 0)),  // yuko count of ao
            field(706, "SB:SenshuAo", Decimal(7, 2)),  // senshu (first-point advantage) of ao: 1 lights its lamp
            field(710, "SB:RestaPuntosAo", Decimal(7, 0)),
            field(714, "SB:C1Ao", Decimal(7, 0)),  // penalty lamp of ao: 1 lights it
            field(718, "SB:K1Ao", Decimal(7, 0)),  // penalty lamp of ao: 1 lights it
            field(722, "SB:H1CAo", Decimal(7, 0)),  // penalty lamp of ao: 1 lights it
            field(726, "SB:H1Ao", Decimal(7, 0)),  // penalty lamp of ao: 1 lights it
            field(730, "SB:C2Ao", Decimal(7, 0)),  // penalty lamp of ao: 1 lights it
            field(734, "SB:K2Ao", Decimal(7, 0)),  // penalty lamp of ao: 1 lights it
            field(738, "SB:HC2Ao", Decimal(7, 0)),  // penalty lamp of ao: 1 lights it
            field(742, "SB:H2Ao", Decimal(7, 0)),  // penalty lamp of ao: 1 lights it
            field(746, "SB:IpponAka", Decimal(7, 0)),  // ippon count of aka
            field(750, "SB:WazaAriAka", Decimal(7, 0)),  // waza-ari count of aka
            field(754, "SB:YukoAka", Decimal(7, 0)),  // yuko count of aka
            field(758, "SB:SenshuAka", Decimal(7, 0)),  // senshu (first-point advantage) of aka: 1 lights its lamp
            field(762, "SB:RestaPuntosAka", Decimal(7, 0)),
            field(766, "SB:C1Aka", Decimal(7, 0)),  // penalty lamp of aka: 1 lights it
            field(770, "SB:K1Aka", Decimal(7, 0)),  // penalty lamp of aka: 1 lights it
            field(774, "SB:H1CAka", Decimal(7, 0)),  // penalty lamp of aka: 1 lights it
            field(778, "SB:H1Aka", Decimal(7, 0)),  // penalty lamp of aka: 1 lights it
            field(782, "SB:C2Aka", Decimal(7, 0)),  // penalty lamp of aka: 1 lights it
            field(786, "SB:K2Aka", Decimal(7, 0)),  // penalty lamp of aka: 1 lights it
            field(790, "SB:HC2Aka", Decimal(7, 0)),  // penalty lamp of aka: 1 lights it
            field(794, "SB:H2Aka", Decimal(7, 0)),  // penalty lamp of aka: 1 lights it
            field(798, "SB:Timer", Text(20)),  // bout length choice in seconds (field check)
            field(818, "SB:KOTimer", Time),
            field(822, "SB:TimerMatch", Decimal(7, 0)),
            field(826, "SB:WinnerKumiteBy", Decimal(7, 0)),
            field(830, "SB:PuntoAo", Decimal(7, 0)),  // points of ao
            field(834, "SB:PuntoAka", Decimal(7, 0)),  // points of aka
            field(838, "SB:StopWatch", Long),
            field(842, "SB:StopWatchMI", Decimal(7, 2)),
        },
        .memos = {
            {"SB:ShikakuAkaMO", 4000},
            {"SB:ShikakuAoMO", 4000},
        },
        .keys = {
            key("SB:KeyIDCombate", {"-SB:IDCombate"}, Primary | Unique | Optional, "KeyIDCombate", Auto::Yes),
            key("SB:keyIDNumeroDeEventoKIndividual", {"SB:IDNumeroDeEventoKIndividual"}, Duplicates, "keyIDNumeroDeEventoKIndividual", Auto::No),
            key("SB:KeyIDNumeroDeEventoEquipo", {"SB:IDNumeroDeEventoEquipo"}, Duplicates, "SB:KeyIDNumeroDeEventoEquipo", Auto::No),
            key("SB:keyQueue", {"SB:Queue"}, Duplicates, "keyQueue", Auto::No),
            key("SB:keyFechaEvento", {"SB:FechaEvento"}, Duplicates, "SB:keyFechaEvento", Auto::No),
            key("SB:keyCodigoDeEvento", {"SB:CodigoDeEvento"}, Duplicates, "keyCodigoDeEvento", Auto::No),
            key("SB:keyNombreDelEvento", {"SB:NombreDelEvento"}, Duplicates, "keyNombreDelEvento", Auto::No),
            key("SB:keyTatamiMatsNo", {"SB:TatamiMatsNo"}, Duplicates, "keyTatamiMatsNo", Auto::No),
            key("SB:keyCategoria", {"SB:Categoria"}, Duplicates, "keyCategoria", Auto::No),
            key("SB:keyDivisiones", {"SB:Divicion"}, Duplicates, "keyDivisiones", Auto::No),
            key("SB:keyModalidad", {"SB:Modalidad"}, Duplicates, "keyModalidad", Auto::No),
        },
        .checks = {
            list_check("SB:Queue", "Queue", "]1[]2[]3[]4[", "'QueueStart','QueueStop','QueueDone','QueueAssigned'"),
            list_check("SB:CombateNo", "CombateNo", "]1[]2[]3[]4[]5[]6[]7[]8[]9[", combate),
            list_check("SB:Combate2No", "CombateNo", "]1[]2[]3[]4[]5[]6[]7[]8[]9[", combate),
            list_check("SB:CombateWNo", "CombateNo", "]1[]2[]3[]4[]5[]6[]7[]8[]9[", combate),
            list_check("SB:CombateLNo", "CombateNo", "]1[]2[]3[]4[]5[]6[]7[]8[]9[", combate),
            list_check("SB:Ronda2No", "Ronda2No", "]1[]2[]3[]4[]9[", "'Ronda1','Ronda2','Ronda3','Ronda4','Select Competidor'"),
            list_check("SB:Ronda3No", "Ronda3No", "]1[]2[]9[", "'Final1','Final2','Select Competidor'"),
            list_check("SB:FinalNo", "FinalNo", "]1[]9[", "'Final1','Select Competidor'"),
            list_check("SB:TerceroRonda1", "TerceroRonda1", "]1[]2[]3[]4[]9[", "'Ronda1','Ronda2','Ronda3','Ronda4','Select Competidor'"),
            list_check("SB:TerceroRepeca2", "Tercero Repeca 2", "]1[]2[]9[", "'Repeca A:2','Repeca B: 2','Select Competidor'"),
            list_check("SB:TerceroRepecaFinal3", "Tercero Repeca Final 3", "]1[]9[", "'Final1','Select Competidor'"),
            list_check("SB:Timer", "Timer", "]60[]90[]120[]150[]180[]210[]240[", "'T 1:00','T 1:30','T 2:00','T 2:30','T 3:00','T 3:30','T 4:00'"),
        },
        .defaults = in_order({
            set({"SB:Cerrar"}, 0),
            set({"SB:Timer1StartTime"}, 90),
            set({"SB:ShikakuAkaCK"}, 0),
            set({"SB:ShikakuAoCK"}, 0),
            set({"SB:Queue"}, "2"),
            set({"SB:StopStart"}, 1),
            set({"SB:WinnerByOr"}, 1),
            set({"SB:CombateNo", "SB:Combate2No", "SB:CombateWNo", "SB:CombateLNo", "SB:Ronda2No", "SB:Ronda3No", "SB:FinalNo",
                 "SB:TerceroRonda1", "SB:TerceroRepeca2", "SB:TerceroRepecaFinal3"}, "9"),
            set({"SB:ManualTimer"}, 1),
            set({"SB:RestaPuntosAo"}, -1),
            set({"SB:RestaPuntosAka"}, -1),
            set({"SB:Timer"}, "60"),
            set({"SB:TimerMatch"}, 90),
            set({"SB:WinnerKumiteBy"}, 8),
        }),
        .relations = {
            plain(TableId::KumiteIndividual),
            plain(TableId::KumiteEquipo5),
        },
    };
}

}  // namespace zrv::data::tables

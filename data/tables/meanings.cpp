// The meanings of the fields that the layout rows leave without one: mostly runs of fields whose
// names follow a scheme (judges' scores, bracket positions, team blocks), given once per scheme.
#include "data/tables/meanings.h"

#include <cctype>

namespace zrv::data::tables {

namespace {

const char* const kNotShown = "; no screen of this program shows it";

}  // namespace

const std::vector<PatternMeaning>& pattern_meanings() {
    static const std::vector<PatternMeaning> all = [] {
        const std::string not_shown = kNotShown;
        return std::vector<PatternMeaning>{
            // The kata event and the judges' cards: competitor n's block.
            {"", "NOMBRECOMPETIDOR#", "competitor's first name (competitor = the number)"},
            {"", "APPELIDOCOMPETIDOR#", "competitor's surname (competitor = the number)"},
            {"", "COLORC#", "competitor's colour code (competitor = the number)"},
            {"", "KATAC#", "kata performed (competitor = the number)"},
            {"", "PAISC#", "competitor's country (competitor = the number)"},
            {"", "DOJONOMBRE#", "competitor's dojo (competitor = the number)"},
            {"", "JUEZ#TC#", "technical score: judge = number after JUEZ, competitor = number after TC"},
            {"", "JUEZ#AC#", "athletic score: judge = number after JUEZ, competitor = number after AC"},
            {"KE", "COLORAZUL", "text of the blue colour" + not_shown},
            {"KE", "COLORROJO", "text of the red colour" + not_shown},
            {"KE", "CARDMANUAL#", "manual card value for 3, 5 or 7 judges (the number)" + not_shown},
            {"KE", "KTDESEAC#", "tie-break (desempate) score A of competitor n" + not_shown},
            {"KE", "KTDESEBC#", "tie-break (desempate) score B of competitor n" + not_shown},

            // The individual kumite bracket (see the note on bracket positions).
            {"KE24", "RONDA#ACM#", "bout value of half A: round (after RONDA), bout (after CM)" + not_shown},
            {"KE24", "RONDA#BCM#", "bout value of half B: round (after RONDA), bout (after CM)" + not_shown},
            {"KE24", "RONDAFINALCM#", "bout value of the final" + not_shown},
            {"KE24", "GANA?", "bout value: winner of half A or B (the last letter)" + not_shown},
            {"KE24", "REPECA#*", "repechage value n (_B: chart B)" + not_shown},
            {"KE24", "REGISRC#B*", "registered competitor n: win box (1 = won)"},
            {"KE24", "REGISPC#*", "registered competitor n: points"},
            {"KE24", "REGIS*DOJO*", "registered competitor n: dojo"},
            {"KE24", "REGIS*", "registered competitor n: name (ROJO red, AZUL blue side)"},
            {"KE24", "COMPETIDOR#DOJO*", "first-round position n: dojo"},
            {"KE24", "COMPETIDOR#*", "first-round position n: competitor's name (ROJO red, AZUL blue side)"},
            {"KE24", "RESULTADOC#B*", "first-round position n: win box, 1 when this competitor won the bout"},
            {"KE24", "PUNTOSC#*", "first-round position n: points"},
            {"KE24", "PRIMERLUGARORO*", "first place (gold): name"},
            {"KE24", "SEGUNDOLUGARPLATA*", "second place (silver): name"},
            {"KE24", "SUPERTERCERLUGARBRONCE*", "third place (bronze): name"},
            {"KE24", "CUARTOLUGARBRONCE*", "the other third place (bronze): name"},
            {"KE24", "PRIMERLUGARPUNTOS*", "first place: points"},
            {"KE24", "SEGUNDOLUGARPUNTOS*", "second place: points"},
            {"KE24", "SUPERTERCEROPUNTOS*", "third place: points"},
            {"KE24", "CUARTOLUGARPUNTOS*", "the other third place: points"},
            {"KE24", "CREPECAT*", "third-place repechage position: competitor's name"},
            {"KE24", "DREPECAT*", "third-place repechage position: dojo"},
            {"KE24", "RREPECAT*", "third-place repechage position: win box (1 = won)"},
            {"KE24", "PREPECAT*", "third-place repechage position: points"},
            {"KE24", "C*", "bracket position (its name after C): competitor's name"},
            {"KE24", "D*", "bracket position (its name after D): dojo"},
            {"KE24", "R*", "bracket position (its name after R): win box, 1 when this competitor won the bout"},
            {"KE24", "PC*", "bracket position (its name after PC): points"},
            {"KE24", "P*", "bracket position (its name after P): points"},

            // The team event (see the note on team blocks).
            {"KE212", "RONDA", "round value" + not_shown},
            {"KE212", "COMBATID##", "bout number of the team event (first digit: the round, second: the bout)" + not_shown},
            {"KE212", "NOMBREDOJOCOMPETIDOR#*", "team block, competitor n: dojo"},
            {"KE212", "NOMBRECOMPETIDORDOJOD*", "team block, tie-break competitor: dojo"},
            {"KE212", "NOMBRECOMPETIDOR#DOJO*", "team block, competitor n: dojo"},
            {"KE212", "NOMBRECOMPETIDOR#*", "team block, competitor n: name"},
            {"KE212", "COMPETIDORDESEMPATE*", "team block, tie-break (desempate) competitor: name"},
            {"KE212", "KIKENC#BB*", "team block, competitor n: second kiken value" + not_shown},
            {"KE212", "KIKENC#*", "team block, competitor n: kiken (withdrawal) box, 1 checked"},
            {"KE212", "KIKENDBB*", "team block, tie-break competitor: second kiken value" + not_shown},
            {"KE212", "KIKEND*", "team block, tie-break competitor: kiken (withdrawal) box, 1 checked"},
            {"KE212", "RESULTADOC#B*", "team block, competitor n: win box, 1 when this competitor won the bout"},
            {"KE212", "RESULTADOC#*", "team block, competitor n: result"},
            {"KE212", "RESULTADOD*", "team block, tie-break competitor: win box, 1 when this competitor won the bout"},
            {"KE212", "RSULTADOD*", "team block, tie-break competitor: result"},
            {"KE212", "PUNTOSC#*", "team block, competitor n: points"},
            {"KE212", "PUNTOSD*", "team block, tie-break competitor: points"},
            {"KE212", "HANTEY*", "team block: hantei (judges' decision) box, 1 checked"},
            {"KE212", "TAG#", "tag value of team n's first-round block" + not_shown},
            {"KE212", "TAGG*", "tag value of the team block" + not_shown},
            {"KE212", "RESULTADOFINAL*", "team block: the bout's total result"},
            {"KE212", "RESULTADOSFINALES*", "team block: the bout's total result"},
            {"KE212", "PUNTOSFINALES*", "team block: the bout's total points"},
            {"KE212", "EQUIPO#TOTALRE", "team n's total result (\"Team TOTAL\")"},
            {"KE212", "EQUIPO#TOTALPU", "team n's total points (\"Team TOTAL\")"},
            {"KE212", "EQUIPO*TRE", "team's total result (\"Team TOTAL\"; team = first number)"},
            {"KE212", "EQUIPO*TPU", "team's total points (\"Team TOTAL\"; team = first number)"},
            {"KE212", "EQUIPO*RE", "team's result (victories) of a round: team = first number, round = number after R"},
            {"KE212", "EQUIPO*PU", "team's points of a round: team = first number, round = number after R"},
            {"KE212", "FINALE#", "team n's final value (\"Final E n\")"},
            {"KE212", "GANAE#", "winner value of the team chart" + not_shown},
            {"KE212", "PRIMERLUGARORO", "first place (gold): team"},
            {"KE212", "SEGUNDOLUGARPLATA", "second place (silver): team"},
            {"KE212", "SUPERTERCERLUGARBRONCE", "third place (bronze): team"},
            {"KE212", "CUARTOLUGARBRONCE", "the other third place (bronze): team"},
            {"KE212", "*LUGARRESULTADO*", "the place's result (place as in the name)"},
            {"KE212", "*TERCERORESULTADO", "third place's result"},
            {"KE212", "*LUGARPUNTOS", "the place's points (place as in the name)"},
            {"KE212", "SUPERTERCEROPUNTOS", "third place's points"},

            // The registration and result tables.
            {"CM", "PICTUREBODY", "photo body text" + not_shown},
            {"CM", "PICTURE", "photo" + not_shown},
            {"CM", "MEMO#", "memo" + not_shown},
            {"CM", "COMMENTS", "comments" + not_shown},
            {"CM", "NOTAPAGOS", "payment notes" + not_shown},
            {"R5J", "*LUGARNOMBRE*", "the place's name (place as in the name)"},
            {"R5J", "*LUGARPUNTOS*", "the place's points (place as in the name)"},

            // The bout.
            {"SB", "WinnerByOrAka", "winner-by value of aka" + not_shown},
            {"SB", "WinnerByOrAo", "winner-by value of ao" + not_shown},
            {"SB", "OverrideWinAka", "winner override of aka" + not_shown},
            {"SB", "OverrideWinAo", "winner override of ao" + not_shown},
            {"SB", "ManualTimer", "manual timer value (a new bout: 1)" + not_shown},
            {"SB", "RestaPuntosAo", "points-off value of ao (a new bout: -1)" + not_shown},
            {"SB", "RestaPuntosAka", "points-off value of aka (a new bout: -1)" + not_shown},
            {"SB", "KOTimer", "knock-out time" + not_shown},
            {"SB", "TimerMatch", "bout length in seconds (a new bout: 90); the clock counts down from Timer1StartTime" + not_shown},
            {"SB", "WinnerKumiteBy", "points that win the bout (a new bout: 8)" + not_shown},
            {"SB", "StopWatch", "stopwatch value" + not_shown},
            {"SB", "StopWatchMI", "stopwatch value" + not_shown},
            {"SB", "ShikakuAkaMO", "shikaku memo of aka" + not_shown},
            {"SB", "ShikakuAoMO", "shikaku memo of ao" + not_shown},
        };
    }();
    return all;
}

bool matches_pattern(std::string_view pattern, std::string_view name) {
    if (pattern.empty()) return name.empty();
    const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    switch (pattern.front()) {
        case '*':
            for (std::size_t skip = 0; skip <= name.size(); ++skip)
                if (matches_pattern(pattern.substr(1), name.substr(skip))) return true;
            return false;
        case '#':
            for (std::size_t n = 1; n <= name.size() && digit(name[n - 1]); ++n)
                if (matches_pattern(pattern.substr(1), name.substr(n))) return true;
            return false;
        case '?':
            return !name.empty() && matches_pattern(pattern.substr(1), name.substr(1));
        default:
            return !name.empty()
                   && std::toupper(static_cast<unsigned char>(pattern.front()))
                          == std::toupper(static_cast<unsigned char>(name.front()))
                   && matches_pattern(pattern.substr(1), name.substr(1));
    }
}

std::string table_note(std::string_view prefix) {
    if (prefix == "KE24")
        return "Bracket positions. Most columns are positions of four fields: the competitor's name "
               "(Text(30)), the dojo (Text(20)), the win box (1 when the position's competitor won the bout, "
               "shown as a check box) and the points. The names tell the position's place in the bracket: "
               "COMPETIDOR1 to COMPETIDOR8 the first round, RONDAA2 and RONDAB2 the second round of the halves A "
               "and B, FINALA3R and FINALB3A the finalists, GANADOR the winner, REPECA the repechage positions; "
               "the leading letter (C name, D dojo, R win box, P points) says which of the four it is, and the "
               "endings ROJO, AZUL, ROJOAZUL, R and A the side (red or blue). Chart B repeats chart A with names "
               "ending in `_B`. `KeyDe4816` says which bracket (4, 8 or 16) the event is.";
    if (prefix == "KE212")
        return "Team blocks. `EQUIPO1` to `EQUIPO4` hold the first round (names ending in E1R1A, 2R1R or "
               "E2R1R, E3R1A, E4R1R: team 1 to 4), `EQUIPOWIN1` and `EQUIPOWIN2` the winners' bouts (W1R3R, "
               "W2R3R), `EQUIPOLOST1` and `EQUIPOLOST2` the losers' bouts (L1R4A, L2R4A). Each block has its "
               "team's name, municipality, coach, dojo and colour, then five competitor positions (the number "
               "after COMPETIDOR or C) and one tie-break position (DESEMPATE, or D after the position letters), "
               "each with the competitor's name, dojo, win box (RESULTADO...B), kiken box (KIKEN...B), result "
               "(RESULTADO) and points (PUNTOS); then the hantei box (HANTEY), a tag value and the team's "
               "results and points. Every box holds 1 when checked and 0 when not.";
    return {};
}

}  // namespace zrv::data::tables

// KataJuezCard2: the card of judge 2; competitor 1's block also holds competitor 2's total.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table kata_juez_card2() {
    using namespace card;
    return with('k', 2, Table{
        .id = TableId::KataJuezCard2,
        .name = "KataJuezCard2",
        .prefix = "KJ2",
        .stored_name = "KataJuezCard2",
        .label = "KataJuezCard2",
        .record_size = 1236,
        .layout = {
            field(0, "KJ2:IDCardJ2", Long, "card number; primary key (auto-numbered)"),
            field(4, "KJ2:NumeroDeCompeticion", Long, "kata event of the card (KE:NumeroDeCompeticion)"),
            field(8, "KJ2:EVENTINFO", Group(329), "event information"),
            field(8, "KJ2:NOMBREDEEVENTO", Text(50), "event name"),
            field(58, "KJ2:CODIGOEVENTO", Text(20), "event code"),
            field(78, "KJ2:FECHADEEVENTO", Date, "event date"),
            field(82, "KJ2:TATAMIMATSNO", Text(30), "tatami (mat) number or name"),
            field(112, "KJ2:Queue", Text(20), "queue status \"1\" to \"4\" (field check)"),
            field(132, "KJ2:REGION", Text(20), "region"),
            field(152, "KJ2:MUNICIPIO", Text(50), "municipality"),
            field(202, "KJ2:MODALIDAD", Text(45), "modality"),
            field(247, "KJ2:DIVISION", Text(45), "division"),
            field(292, "KJ2:CATEGORIACODE", Text(45), "category"),
            field(337, "KJ2:COMPETIDOR1", Group(115), "competitor block"),
            field(337, "KJ2:NOMBRECOMPETIDOR1", Text(20), "competitor's first name"),
            field(357, "KJ2:APPELIDOCOMPETIDOR1", Text(20), "competitor's surname"),
            field(377, "KJ2:COLORC1", Text(6), "competitor's colour code"),
            field(383, "KJ2:KATAC1", Text(20), "kata performed"),
            field(403, "KJ2:PAISC1", Text(20), "competitor's country"),
            field(423, "KJ2:RESULTADOC2", Decimal(5, 2), "total result of competitor 2"),
            field(426, "KJ2:JUEZ2TC1", Decimal(5, 2), "technical score: judge = number after JUEZ, competitor = number after TC"),
            field(429, "KJ2:JUEZ2AC1", Decimal(5, 2), "athletic score: judge = number after JUEZ, competitor = number after AC"),
            field(432, "KJ2:DOJONOMBRE1", Text(20), "competitor's dojo"),
            repeat('n', 2, 8, 112, {
                field(452, "KJ2:COMPETIDOR{n}", Group(112), "competitor block"),
                field(452, "KJ2:NOMBRECOMPETIDOR{n}", Text(20), "competitor's first name"),
                field(472, "KJ2:APPELIDOCOMPETIDOR{n}", Text(20), "competitor's surname"),
                field(492, "KJ2:COLORC{n}", Text(6), "competitor's colour code"),
                field(498, "KJ2:KATAC{n}", Text(20), "kata performed"),
                field(518, "KJ2:PAISC{n}", Text(20), "competitor's country"),
                field(538, "KJ2:JUEZ2TC{n}", Decimal(5, 2), "technical score: judge = number after JUEZ, competitor = number after TC"),
                field(541, "KJ2:JUEZ2AC{n}", Decimal(5, 2), "athletic score: judge = number after JUEZ, competitor = number after AC"),
                field(544, "KJ2:DOJONOMBRE{n}", Text(20), "competitor's dojo"),
            }),
        },
        .keys = [] {
            std::vector<Key> keys{
                first_key(),
                key_on("KJ2:KeyCodigoDeEvento", "KJ2:CODIGOEVENTO"),
                key_on("KJ2:KeyNumeroDeCompeticionJ2", "KJ2:NumeroDeCompeticion"),
                key_on("KJ2:KeyCategoriaCode", "KJ2:CATEGORIACODE"),
                key_on("KJ2:KeyQueue", "KJ2:Queue"),
                key_on("KJ2:KeyTatamiMatsNo", "KJ2:TATAMIMATSNO"),
                key_on("KJ2:KeyModalidad", "KJ2:MODALIDAD"),
                key_on("KJ2:KeyFechaDeEvento", "KJ2:FECHADEEVENTO"),
                key_on("KJ2:KEYDivicionCode", "KJ2:CATEGORIACODE"),
                key_on("KJ2:KeyPuntuacionC2", "KJ2:RESULTADOC2"),
            };
            for (Key& k : competitor_keys()) keys.push_back(std::move(k));
            return keys;
        }(),
        .checks = {queue_check()},
        .defaults = queue_default(),
        .relations = {event_relation("KJ2:NumeroDeCompeticion")},
    });
}

}  // namespace zrv::data::tables

// KataJuezCard1: the card of judge 1, with the judges' identifications and every judge's scores.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table kata_juez_card1() {
    using namespace card;
    return with('k', 1, Table{
        .id = TableId::KataJuezCard1,
        .name = "KataJuezCard1",
        .prefix = "KJ1",
        .stored_name = "KataJuezCard1",
        .label = "KataJuezCard1",
        .record_size = 1661,
        .layout = {
            field(0, "KJ1:IDCardJ1", Long, "card number; primary key (auto-numbered)"),
            field(4, "KJ1:NumeroDeCompeticion", Long, "kata event of the card (KE:NumeroDeCompeticion)"),
            repeat('n', 1, 7, 20, {
                field(8, "KJ1:IDJUEZ{n}", Text(20), "identification of judge {n}"),
            }),
            field(148, "KJ1:EVENTINFO", Group(329), "event information"),
            field(148, "KJ1:NOMBREDEEVENTO", Text(50), "event name"),
            field(198, "KJ1:CODIGOEVENTO", Text(20), "event code"),
            field(218, "KJ1:CATEGORIACODE", Text(45), "category"),
            field(263, "KJ1:FECHADEEVENTO", Date, "event date"),
            field(267, "KJ1:TATAMIMATSNO", Text(30), "tatami (mat) number or name"),
            field(297, "KJ1:Queue", Text(20), "queue status \"1\" to \"4\" (field check)"),
            field(317, "KJ1:REGION", Text(20), "region"),
            field(337, "KJ1:MUNICIPIO", Text(50), "municipality"),
            field(387, "KJ1:MODALIDAD", Text(45), "modality"),
            field(432, "KJ1:DIVISION", Text(45), "division"),
            field(477, "KJ1:JUEZ1", Group(896), "scores of judge n"),
            repeat('n', 1, 8, 112, {
                field(477, "KJ1:COMPETIDOR{n}", Group(112), "competitor block"),
                field(477, "KJ1:NOMBRECOMPETIDOR{n}", Text(20), "competitor's first name"),
                field(497, "KJ1:APPELIDOCOMPETIDOR{n}", Text(20), "competitor's surname"),
                field(517, "KJ1:COLORC{n}", Text(6), "competitor's colour code"),
                field(523, "KJ1:KATAC{n}", Text(20), "kata performed"),
                field(543, "KJ1:PAISC{n}", Text(20), "competitor's country"),
                field(563, "KJ1:JUEZ1TC{n}", Decimal(5, 2), "technical score: judge = number after JUEZ, competitor = number after TC"),
                field(566, "KJ1:JUEZ1AC{n}", Decimal(5, 2), "athletic score: judge = number after JUEZ, competitor = number after AC"),
                field(569, "KJ1:DOJONOMBRE{n}", Text(20), "competitor's dojo"),
            }),
            repeat('n', 2, 5, 48, {
                field(1373, "KJ1:JUEZ{n}", Group(48), "scores of judge n"),
                repeat('j', 1, 8, 6, {
                    field(1373, "KJ1:COMPETIDOR{j}_{n}", Group(6), "scores of one competitor"),
                    field(1373, "KJ1:JUEZ{n}TC{j}", Decimal(5, 2), "technical score: judge = number after JUEZ, competitor = number after TC"),
                    field(1376, "KJ1:JUEZ{n}AC{j}", Decimal(5, 2), "athletic score: judge = number after JUEZ, competitor = number after AC"),
                }),
            }),
            field(1565, "KJ1:JUEZ6", Group(48), "scores of judge n"),
            repeat('n', 1, 3, 6, {
                field(1565, "KJ1:COMPETIDOR{n}_6", Group(6), "scores of one competitor"),
                field(1565, "KJ1:JUEZ6TC{n}", Decimal(5, 2), "technical score: judge = number after JUEZ, competitor = number after TC"),
                field(1568, "KJ1:JUEZ6AC{n}", Decimal(5, 2), "athletic score: judge = number after JUEZ, competitor = number after AC"),
            }),
            repeat('n', 4, 5, 6, {
                field(1583, "KJ1:COMPETIDOR{n}_6", Group(6), "scores of one competitor"),
                field(1583, "KJ1:JUEZ6AC{n}", Decimal(5, 2), "athletic score: judge = number after JUEZ, competitor = number after AC"),
                field(1586, "KJ1:JUEZ6TC{n}", Decimal(5, 2), "technical score: judge = number after JUEZ, competitor = number after TC"),
            }),
            repeat('n', 6, 8, 6, {
                field(1595, "KJ1:COMPETIDOR{n}_6", Group(6), "scores of one competitor"),
                field(1595, "KJ1:JUEZ6TC{n}", Decimal(5, 2), "technical score: judge = number after JUEZ, competitor = number after TC"),
                field(1598, "KJ1:JUEZ6AC{n}", Decimal(5, 2), "athletic score: judge = number after JUEZ, competitor = number after AC"),
            }),
            field(1613, "KJ1:JUEZ7", Group(48), "scores of judge n"),
            repeat('n', 1, 8, 6, {
                field(1613, "KJ1:COMPETIDOR{n}_7", Group(6), "scores of one competitor"),
                field(1613, "KJ1:JUEZ7TC{n}", Decimal(5, 2), "technical score: judge = number after JUEZ, competitor = number after TC"),
                field(1616, "KJ1:JUEZ7AC{n}", Decimal(5, 2), "athletic score: judge = number after JUEZ, competitor = number after AC"),
            }),
        },
        .keys = [] {
            std::vector<Key> keys{
                first_key(),
                key_on("KJ1:KeyNumeroDeCompeticionJ1", "KJ1:NumeroDeCompeticion"),
                key_on("KJ1:KeyFechaDeEvento", "KJ1:FECHADEEVENTO"),
                key_on("KJ1:KeyCodigoDeEvento", "KJ1:CODIGOEVENTO"),
                key_on("KJ1:KeyCategoriaCode", "KJ1:CATEGORIACODE"),
                key_on("KJ1:KeyQueue", "KJ1:Queue"),
                key_on("KJ1:KeyTatamiMatsNo", "KJ1:TATAMIMATSNO"),
                key_on("KJ1:KeyModalidad", "KJ1:MODALIDAD"),
                key_on("KJ1:KEYDivisionCode", "KJ1:CATEGORIACODE"),
            };
            for (Key& k : competitor_keys()) keys.push_back(std::move(k));
            return keys;
        }(),
        .checks = {queue_check()},
        .defaults = queue_default(),
        .relations = {event_relation("KJ1:NumeroDeCompeticion")},
    });
}

}  // namespace zrv::data::tables

// KataJuezCard3 to KataJuezCard7: the cards of judges 3 to 7, one layout written for judge {k};
// card 6 differs in a few places, card 7 in the name of its second key. Also what every card
// shares (first key, competitor keys, queue check and default, relation to its kata event).
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

namespace card {

Key first_key() {
    return key("KJ{k}:KeyIDCardJ{k}", {"-KJ{k}:IDCardJ{k}"}, Primary | Unique | Optional, "KJ{k}:KeyIDCardJ{k}", Auto::Yes);
}

Key key_on(std::string name, std::string field) {
    std::string description = name;
    return key(std::move(name), {std::move(field)}, Duplicates, std::move(description), Auto::No);
}

std::vector<Key> competitor_keys() {
    std::vector<Key> keys;
    for (int n = 1; n <= 8; ++n) {
        std::string name = substitute("KJ{k}:KeyCompetidor{n}", 'n', n);
        keys.push_back(key(name, {substitute("KJ{k}:NOMBRECOMPETIDOR{n}", 'n', n), substitute("KJ{k}:APPELIDOCOMPETIDOR{n}", 'n', n)},
                           Duplicates, name, Auto::No));
    }
    return keys;
}

Check queue_check() {
    return list_check("KJ{k}:Queue", "Queue", "]1[]2[]3[]4[", "'QueueStart','QueueStop','QueueDone','QueueAssigned'");
}

std::vector<Default> queue_default() { return set({"KJ{k}:Queue"}, "2"); }

Relation event_relation(std::string link_field) {
    return keyed(TableId::KataEvent, "KE:KeyNumeroDeCompetencia", std::move(link_field), "KE:NumeroDeCompeticion");
}

}  // namespace card

Table kata_juez_card(int judge) {
    using namespace card;
    Table table{
        .id = static_cast<TableId>(static_cast<int>(TableId::KataJuezCard1) + judge - 1),
        .name = "KataJuezCard{k}",
        .prefix = "KJ{k}",
        .stored_name = "KataJuezCard{k}",
        .label = "KataJuezCard{k}",
        .record_size = 1233,
        .layout = {
            field(0, "KJ{k}:IDCardJ{k}", Long, "card number; primary key (auto-numbered)"),
            field(4, "KJ{k}:NumeroDeCompeticion", Long, "kata event of the card (KE:NumeroDeCompeticion)"),
            field(8, "KJ{k}:EVENTINFO", Group(329), "event information"),
            field(8, "KJ{k}:NOMBREDEEVENTO", Text(50), "event name"),
            field(58, "KJ{k}:CODIGOEVENTO", Text(20), "event code"),
            field(78, "KJ{k}:FECHADEEVENTO", Date, "event date"),
            field(82, "KJ{k}:TATAMIMATSNO", Text(30), "tatami (mat) number or name"),
            field(112, "KJ{k}:Queue", Text(20), "queue status \"1\" to \"4\" (field check)"),
            field(132, "KJ{k}:REGION", Text(20), "region"),
            field(152, "KJ{k}:MUNICIPIO", Text(50), "municipality"),
            field(202, "KJ{k}:MODALIDAD", Text(45), "modality"),
            field(247, "KJ{k}:DIVISION", Text(45), "division"),
            field(292, "KJ{k}:CATEGORIACODE", Text(45), "category"),
            repeat('n', 1, 8, 112, {
                field(337, "KJ{k}:COMPETIDOR{n}", Group(112), "competitor block"),
                field(337, "KJ{k}:NOMBRECOMPETIDOR{n}", Text(20)),
                field(357, "KJ{k}:APPELIDOCOMPETIDOR{n}", Text(20)),
                field(377, "KJ{k}:COLORC{n}", Text(6)),
                field(383, "KJ{k}:KATAC{n}", Text(20)),
                field(403, "KJ{k}:PAISC{n}", Text(20)),
                field(423, "KJ{k}:JUEZ{k}TC{n}", Decimal(5, 2)),
                field(426, "KJ{k}:JUEZ{k}AC{n}", Decimal(5, 2)),
                field(429, "KJ{k}:DOJONOMBRE{n}", Text(20)),
            }),
        },
        .keys = [] {
            std::vector<Key> keys{
                first_key(),
                key_on("KJ{k}:KeyNumeroDeCompeticionJ{k}", "KJ{k}:NumeroDeCompeticion"),
                key_on("KJ{k}:KeyCodigoDeEvento", "KJ{k}:CODIGOEVENTO"),
                key_on("KJ{k}:KeyCategoriaCode", "KJ{k}:CATEGORIACODE"),
                key_on("KJ{k}:KeyQueue", "KJ{k}:Queue"),
                key_on("KJ{k}:KeyTatamiMatsNo", "KJ{k}:TATAMIMATSNO"),
                key_on("KJ{k}:KeyModalidad", "KJ{k}:MODALIDAD"),
                key_on("KJ{k}:KeyFechaDeEvento", "KJ{k}:FECHADEEVENTO"),
                key_on("KJ{k}:KEYDivicionCode", "KJ{k}:CATEGORIACODE"),
            };
            for (Key& k : competitor_keys()) keys.push_back(std::move(k));
            return keys;
        }(),
        .checks = {queue_check()},
        .defaults = queue_default(),
        .relations = {event_relation("KJ{k}:NumeroDeCompeticion")},
    };
    if (judge == 6) {
        table.differences = {
            rename("KJ6:DIVISION", "KJ6:DIVICION"),
            store_before("KJ6:KATAC2", 489, "KJ6:COLORC2", 509),
            store_before("KJ6:JUEZ6AC4", 759, "KJ6:JUEZ6TC4", 762),
            store_before("KJ6:JUEZ6AC5", 871, "KJ6:JUEZ6TC5", 874),
        };
        // an extra key on the first competitor's colour, between the modality and date keys
        table.keys.insert(table.keys.begin() + 7, key_on("KJ6:KeyColorC1", "KJ6:COLORC1"));
        table.relations = {event_relation("KJ6:IDCardJ6")};
    }
    if (judge == 7) {
        table.keys[1].name = table.keys[1].description = "KJ7:KeyNumeroDeCompeticion7";
    }
    return with('k', judge, std::move(table));
}

}  // namespace zrv::data::tables

// Katas: one record per kata; the first key allows duplicates.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table katas() {
    return Table{
        .id = TableId::Katas,
        .name = "Katas",
        .prefix = "KN",
        .stored_name = "Katas",
        .label = "Katas",
        .record_size = 69,
        .layout = {
            field(0, "KN:IDNOMBREKATAS", Long, "kata number; first key (auto-numbered, duplicates allowed)"),
            field(4, "KN:NOMBREDEKATAS", Text(45), "kata name"),
            field(49, "KN:TIPODEKATAS", Text(20), "kata type"),
        },
        .keys = {
            key("KN:KeyIDKatas", {"KN:IDNOMBREKATAS"}, Duplicates | Optional, "KN:KeyIDKatas", Auto::Yes),
            key("KN:KeyNombreDeKatas", {"KN:NOMBREDEKATAS"}, Duplicates, "KN:KeyNombreDeKatas", Auto::No),
            key("KN:KeyTipoDeKatas", {"KN:TIPODEKATAS"}, Duplicates, "KN:KeyTipoDeKatas", Auto::No),
        },
        .relations = {
            keyed(TableId::KataEvent, "KE:KeyNumeroDeCompetencia", "KN:IDNOMBREKATAS", "KE:NumeroDeCompeticion"),
        },
    };
}

}  // namespace zrv::data::tables

// TatamiMats: one record per tatami mat.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table tatami_mats() {
    return Table{
        .id = TableId::TatamiMats,
        .name = "TatamiMats",
        .prefix = "TAT",
        .stored_name = "TatamiMats",
        .label = "TatamiMats",
        .record_size = 109,
        .layout = {
            field(0, "TAT:IDTATAMI", Decimal(7, 0), "tatami number; primary key (auto-numbered)"),
            field(4, "TAT:TATAMIMATSNO", Text(45), "tatami number or name"),
            field(49, "TAT:TATAMIMATSINFO", Text(60), "tatami information"),
        },
        .keys = {
            key("Tat:KeyIDTatami", {"TAT:IDTATAMI"}, Primary | Unique | Optional, "Tat:KeyIDTatami", Auto::Yes),
            key("Tat:KeyTatamiMatsNo", {"TAT:TATAMIMATSNO"}, Duplicates, "Tat:KeyTatamiMatsNo", Auto::No),
            key("Tat:KeyTatamiMatsInfo", {"TAT:TATAMIMATSINFO"}, Duplicates, "Tat:KeyTatamiMatsInfo", Auto::No),
        },
        .relations = {
            keyed(TableId::KumiteEquipo5, "KE212:KeyTatamiMatsNo", "TAT:IDTATAMI", "KE212:TatamiMatsNo"),
            keyed(TableId::KumiteIndividual, "KE24:KeyTatamiMatsNo", "TAT:IDTATAMI", "KE24:TatamiMatsNo"),
            keyed(TableId::KataEvent, "KE:KeyTatamiMatsNo", "TAT:IDTATAMI", "KE:TatamiMatsNo"),
            keyed(TableId::ResultadosManual, "RM:keyTatamiMatsNo", "TAT:TATAMIMATSNO", "RM:TatamiMatsNo"),
        },
    };
}

}  // namespace zrv::data::tables

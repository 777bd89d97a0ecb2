// ResultadosManual: one record per manually entered result.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table resultados_manual() {
    return Table{
        .id = TableId::ResultadosManual,
        .name = "ResultadosManual",
        .prefix = "RM",
        .stored_name = "ResultadosManual",
        .label = "ResultadosManual",
        .record_size = 612,
        .layout = {
            field(0, "RM:IDResultadosM", Decimal(7, 0), "result number; primary key (auto-numbered)"),
            field(4, "RM:CodigoDeEvento", Text(20), "event code"),
            field(24, "RM:FechaEvento", Date, "event date"),
            field(28, "RM:Cerrar", Decimal(7, 0), "close flag: 1 closes every screen that shows the record"),
            field(32, "RM:NumeroDeCompeticion", Long, "kata event of the result (KE:NumeroDeCompeticion)"),
            field(36, "RM:IDNumeroDeEventoEquipo", Long, "team kumite event of the result (KE212:IDNumeroDeEventoEquipo)"),
            field(40, "RM:IDNumeroDeEventoKIndividual", Long, "individual kumite event of the result (KE24:IDNumeroDeEventoKIndividual)"),
            field(44, "RM:Categorias", Text(45), "category"),
            field(89, "RM:Divisiones", Text(45), "division"),
            field(134, "RM:Modalidad", Text(45), "modality"),
            field(179, "RM:TatamiMatsNo", Text(45), "tatami (mat) number or name"),
            field(224, "RM:PrimerLugarNombre", Text(40), "first place: name"),
            field(264, "RM:PRIMERLUGARDOJO", Text(45), "dojo of that place"),
            field(309, "RM:PRIMERLUGARPUNTOSTOTAL", Decimal(7, 0), "total points of that place"),
            field(313, "RM:PRIMERLUGARPUNTOST", Decimal(7, 0), "technical points of that place"),
            field(317, "RM:PRIMERLUGARPUNTOSA", Decimal(7, 0), "athletic points of that place"),
            field(321, "RM:SegundoLugarNombre", Text(40), "second place: name"),
            field(361, "RM:SEGUNDOLUGARDOJO", Text(45), "dojo of that place"),
            field(406, "RM:SEGUNDOLUGARPUNTOSTOTAL", Decimal(7, 0), "total points of that place"),
            field(410, "RM:SEGUNDOLUGARPUNTOST", Decimal(7, 0), "technical points of that place"),
            field(414, "RM:SEGUNDOLUGARPUNTOSA", Decimal(7, 0), "athletic points of that place"),
            field(418, "RM:STerceroLugarNombre", Text(40), "third place (first of two): name"),
            field(458, "RM:STERCEROLUGARDOJO", Text(45), "dojo of that place"),
            field(503, "RM:STERCEROLUGARPUNTOSTOTAL", Decimal(7, 0), "total points of that place"),
            field(507, "RM:STERCEROLUGARPUNTOST", Decimal(7, 0), "technical points of that place"),
            field(511, "RM:STERCEROLUGARPUNTOSA", Decimal(7, 0), "athletic points of that place"),
            field(515, "RM:TerceroLugarNombre", Text(40), "third place (second of two): name"),
            field(555, "RM:TERCEROLUGARDOJO", Text(45), "dojo of that place"),
            field(600, "RM:TERCEROLUGARPUNTOSTOTAL", Decimal(7, 0), "total points of that place"),
            field(604, "RM:TERCEROLUGARPUNTOST", Decimal(7, 0), "technical points of that place"),
            field(608, "RM:TERCEROLUGARPUNTOSA", Decimal(7, 0), "athletic points of that place"),
        },
        .keys = {
            key("RM:keyIDResultadosM", {"-RM:IDResultadosM"}, Primary | Unique | Optional, "RM:keyIDResultadosM", Auto::Yes),
            key("RM:keyNumeroDeCompeticionKata", {"RM:NumeroDeCompeticion"}, Duplicates, "RM:keyNumeroDeCompeticionKata", Auto::No),
            key("RM:keyIDNumeroDeEventoEquipo", {"RM:IDNumeroDeEventoEquipo"}, Duplicates, "RM:keyIDNumeroDeEventoEquipo", Auto::No),
            key("RM:keyIDNumeroDeEventoKIndividual", {"RM:IDNumeroDeEventoKIndividual"}, Duplicates, "RM:keyIDNumeroDeEventoKIndividual", Auto::No),
            key("RM:keyCodigoDeEvento", {"RM:CodigoDeEvento"}, Duplicates, "RM:keyCodigoDeEvento", Auto::No),
            key("RM:keyCategorias", {"RM:Categorias"}, Duplicates, "RM:keyCategorias", Auto::No),
            key("RM:keyDivisiones", {"RM:Divisiones"}, Duplicates, "RM:keyDivisiones", Auto::No),
            key("RM:keyModalidad", {"RM:Modalidad"}, Duplicates, "RM:keyModalidad", Auto::No),
            key("RM:keyTatamiMatsNo", {"RM:TatamiMatsNo"}, Duplicates, "RM:keyTatamiMatsNo", Auto::No),
        },
        .defaults = in_order({
            set({"RM:Cerrar"}, 0),
        }),
        .relations = {
            plain(TableId::TournamentInfo),
            plain(TableId::TatamiMats),
            plain(TableId::Modalidades),
            plain(TableId::KumiteIndividual),
            plain(TableId::KumiteEquipo5),
            plain(TableId::Categoria),
            plain(TableId::Divisiones),
            plain(TableId::KataEvent),
        },
    };
}

}  // namespace zrv::data::tables

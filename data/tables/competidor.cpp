// Competidor: one record per registered competitor.
#include "data/tables/tables.h"

namespace zrv::data::tables {

using namespace decl;

Table competidor() {
    return Table{
        .id = TableId::Competidor,
        .name = "Competidor",
        .prefix = "CM",
        .stored_name = "Competidor",
        .label = "Competidor",
        .record_size = 2811,
        .layout = {
            field(0, "CM:IDCompetidor", Long),  // competitor record number; primary key (auto-numbered)
            field(4, "CM:COMPETIDORNUMERO", Text(20)),  // competitor number
            field(24, "CM:USERID", Long),  // user id
            field(28, "CM:COMPETIDORINFO", Group(569)),  // personal data
            field(28, "CM:NOMBRECOM", Text(20)),  // first name
            field(48, "CM:APELLIDOCOM", Text(20)),  // surname
            field(68, "CM:FullNameC", Text(30)),  // full name (team sheets look competitors up by it)
            field(98, "CM:PAISDIRECION", Text(20)),  // country of the address
            field(118, "CM:FECHANACIMIENTO", Date),  // birth date
            field(122, "CM:DojoName", Text(20)),  // dojo name
            field(142, "CM:NOMBREMAESTRO", Text(45)),  // master's name
            field(187, "CM:NOMBREDEPARIENTE", Text(30)),  // parent's name
            field(217, "CM:TELEFONODEPARIENTE", Text(20)),  // parent's telephone
            field(237, "CM:RANGO", Text(20)),  // grade
            field(257, "CM:DIRECION", Text(30)),  // address
            field(287, "CM:PUEBLO", Text(30)),  // town
            field(317, "CM:CIUDAD", Text(20)),  // city
            field(337, "CM:PAIS", Text(20)),  // country
            field(357, "CM:ZIP", Text(20)),  // postal code
            field(377, "CM:CELULAR", Text(20)),  // mobile telephone
            field(397, "CM:TELEFONO", Text(20)),  // telephone
            field(417, "CM:EMAIL1", Text(45)),  // e-mail address
            field(462, "CM:EMAIL2", Text(45)),  // e-mail address
            field(507, "CM:FACEBOOK", Text(45)),  // social network page
            field(552, "CM:PAGINAWEB", Text(45)),  // web page
            field(597, "CM:REGISTER", Group(48)),  // payments
            field(597, "CM:REGISTRACIONPAGOKATA", Decimal(7, 2)),  // registration or payment amount
            field(601, "CM:REGISTRACIONPAGOKUMITE", Decimal(7, 2)),  // registration or payment amount
            field(605, "CM:REGISTRACIONPAGOEQUIPO", Decimal(7, 2)),  // registration or payment amount
            field(609, "CM:REGISTRACIONPAGOALLEVENTS", Decimal(7, 2)),  // registration or payment amount
            field(613, "CM:PAGOKATA", Decimal(7, 2)),  // registration or payment amount
            field(617, "CM:REGISTRACIONPAGOOTROS", Decimal(7, 2)),  // registration or payment amount
            field(621, "CM:PAGOKUMITE", Decimal(7, 2)),  // registration or payment amount
            field(625, "CM:PAGOEQUIPO", Decimal(7, 2)),  // registration or payment amount
            field(629, "CM:PAGOALLEVENTS", Decimal(7, 2)),  // registration or payment amount
            field(633, "CM:PAGOOTRO", Decimal(7, 2)),  // registration or payment amount
            field(637, "CM:REGISTRAACTIVA1", Decimal(7, 2)),  // registration or payment amount
            field(641, "CM:REGISTRAACTIVA2", Decimal(7, 2)),  // registration or payment amount
            field(645, "CM:EVENTO", Group(409)),  // event data
            field(645, "CM:CODIGODEEVENTO", Text(20)),  // event code
            field(665, "CM:NOMBRETORNEO", Text(50)),  // tournament name
            field(715, "CM:NOMBREORGANIZACION", Text(100)),  // organisation name
            field(815, "CM:NOMBREEMPRESA", Text(50)),  // company name
            field(865, "CM:FECHAEVENTO", Date),  // event date
            field(869, "CM:DIVICION", Text(20)),  // division
            field(889, "CM:NOMBREDELDIRECTOREVENTO", Text(50)),  // event director
            field(939, "CM:NOBREDIRECTORTECNICO", Text(50)),  // technical director
            field(989, "CM:MODALIDAD", Text(45)),  // modality
            field(1034, "CM:CATEGORIA", Text(20)),  // category
            field(1054, "CM:FOTO", Group(1577)),  // photo settings
            field(1054, "CM:PictureFileName", Text(256)),  // photo file name
            field(1310, "CM:FILEMASK", Text(128)),  // file mask
            field(1438, "CM:PICTURENAME", Text(256)),  // photo name
            field(1694, "CM:PICTUREBODY", Text(20)),
            field(1714, "CM:StoreType", Byte),  // photo store type
            field(1715, "CM:DefaultPicturePath", Text(256)),  // default photo folder
            field(1971, "CM:CAPTION", Text(128)),  // caption
            field(2099, "CM:CurrentPath", Text(256)),  // current photo folder
            field(2355, "CM:PictureFile", Text(256)),  // photo file
            field(2611, "CM:PICTURE", Text(20)),
            field(2631, "CM:STAT", Group(80)),  // statistics
            field(2631, "CM:PESO", Text(20)),  // weight
            field(2651, "CM:EDAD", Text(20)),  // age
            field(2671, "CM:Sexo", Text(20)),  // sex (field check)
            field(2691, "CM:ESTATURA", Text(20)),  // height
            field(2711, "CM:EXTRA", Group(100)),  // extra fields
            field(2711, "CM:EXTRA1", Text(20)),  // extra value
            field(2731, "CM:EXTRA2", Text(20)),  // extra value
            field(2751, "CM:EXTRA3", Text(20)),  // extra value
            field(2771, "CM:EXTRA4", Text(20)),  // extra value
            field(2791, "CM:EXTRA5", Decimal(7, 2)),  // extra value
            field(2795, "CM:EXTRA6", Decimal(7, 2)),  // extra value
            field(2799, "CM:EXTRA7", Decimal(7, 2)),  // extra value
            field(2803, "CM:EXTRA8", Decimal(7, 2)),  // extra value
            field(2807, "CM:EXTRA9", Decimal(7, 2)),  // extra value
        },
        .memos = {
            {"CM:Memo1", 1000},
            {"CM:Memo2", 1000},
            {"CM:COMMENTS", 240},
            {"CM:NotaPagos", 250},
        },
        .keys = {
            key("CM:KeyNumeroRecordID", {"CM:IDCompetidor"}, Primary | Unique, "CM:KeyNumeroRecordID", Auto::Yes),
            key("CM:KeyUserID", {"CM:USERID"}, Duplicates, "CM:KeyUserID", Auto::No),
            key("CM:KeyCompetidorNumero", {"CM:COMPETIDORNUMERO"}, Duplicates, "CM:KeyCompetidorNumero", Auto::No),
            key("CM:KEYCodigoDeEvento", {"CM:CODIGODEEVENTO"}, Duplicates, "CM:KEYCodigoDeEvento", Auto::No),
            key("CM:KeyDivicion", {"CM:DIVICION"}, Duplicates, "CM:KeyDivicion", Auto::No),
            key("CM:KeyNombreTorneo", {"CM:NOMBRETORNEO"}, Duplicates, "CM:KeyNombreTorneo", Auto::No),
            key("CM:KeyModalidad", {"CM:MODALIDAD"}, Duplicates, "CM:KeyModalidad", Auto::No),
            key("CM:CategoriaKey", {"CM:CATEGORIA"}, Duplicates, "CM:CategoriaKey", Auto::No),
            key("CM:keyRegistrado", {"CM:EXTRA8"}, Duplicates, "CM:keyRegistrado", Auto::No),
            key("CM:keyPago", {"CM:EXTRA9"}, Duplicates, "CM:keyPago", Auto::No),
            key("CM:KEYFechaEvento", {"CM:FECHAEVENTO"}, Duplicates, "CM:KEYFechaEvento", Auto::No),
            key("CM:KeyRegistracionPagoOtros", {"CM:REGISTRACIONPAGOOTROS"}, Duplicates, "CM:KeyRegistracionPagoOtros", Auto::No),
            key("CM:KeyRegistracionPagoAllEvents", {"CM:REGISTRACIONPAGOALLEVENTS"}, Duplicates, "CM:KeyRegistracionPagoAllEvents", Auto::No),
            key("CM:KeyRegistracionPagoEquipo", {"CM:REGISTRACIONPAGOEQUIPO"}, Duplicates, "CM:KeyRegistracionPagoEquipo", Auto::No),
            key("CM:KeyRegistracionPagoKumite", {"CM:REGISTRACIONPAGOKUMITE"}, Duplicates, "CM:KeyRegistracionPagoKumite", Auto::No),
            key("CM:KeyRegistracionPagoKata", {"CM:REGISTRACIONPAGOKATA"}, Duplicates, "CM:KeyRegistracionPagoKata", Auto::No),
            key("CM:KeyRegistracionPago", {"CM:REGISTRACIONPAGOALLEVENTS", "CM:REGISTRACIONPAGOKUMITE", "CM:REGISTRACIONPAGOEQUIPO", "CM:REGISTRACIONPAGOKATA", "CM:REGISTRACIONPAGOOTROS"}, Duplicates, "CM:KeyRegistracionPago", Auto::No),
            key("CM:KeySortByName", {"CM:PICTURENAME"}, Duplicates, "CM:KeySortByName", Auto::No),
            key("CM:KeyDojo", {"CM:DojoName"}, Duplicates, "CM:KeyDojo", Auto::No),
            key("CM:KeyFullNameC", {"CM:FullNameC"}, Duplicates, "CM:KeyFullNameC", Auto::No),
            key("CM:KeyNombreApellidoCom", {"CM:NOMBRECOM", "CM:APELLIDOCOM"}, Duplicates, "CM:KeyNombreApellidoCom", Auto::No),
            key("CM:NombreKey", {"CM:NOMBRECOM"}, Duplicates, "CM:NombreKey", Auto::No),
            key("CM:ApellidoKey", {"CM:APELLIDOCOM"}, Duplicates, "CM:ApellidoKey", Auto::No),
            key("CM:PaisKey", {"CM:PAIS"}, Duplicates, "CM:PaisKey", Auto::No),
            key("CM:EdadKey", {"CM:EDAD"}, Duplicates, "CM:EdadKey", Auto::No),
            key("CM:SexoKey", {"CM:Sexo"}, Duplicates, "CM:SexoKey", Auto::No),
        },
        .checks = {
            list_check("CM:Sexo", "CM:Sexo", "]M[]F[]ND[", "'Male','Female','No Define'"),
        },
        .defaults = in_order({
            set({"CM:PictureFileName"}, ".\\"),
            set({"CM:StoreType"}, 1),
            set({"CM:DefaultPicturePath"}, ".\\Fotos ZRV"),
            set({"CM:CurrentPath"}, ".\\Fotos ZRV"),
            set({"CM:PictureFile"}, ".\\Fotos ZRV"),
            set({"CM:Sexo"}, "ND"),
        }),
        .relations = {
            keyed(TableId::KataEvent, "KE:KeyNumeroDeCompetencia", "CM:IDCompetidor", "KE:NumeroDeCompeticion"),
            keyed(TableId::ResultadosKataJueces5, "R5J:KeyResultadosDiNumber", "CM:IDCompetidor", "R5J:IDCONTROLNUMBER"),
            plain(TableId::Dojo),
            plain(TableId::Categoria),
            plain(TableId::Equipos),
            keyed(TableId::KumiteEquipo5, "KE212:KeyIDNumeroDeEventoEquipo", "CM:IDCompetidor", "KE212:IDNumeroDeEventoEquipo"),
            keyed(TableId::KumiteIndividual, "KE24:KeyIDNumeroDeEventoKIndividual", "CM:IDCompetidor", "KE24:IDNumeroDeEventoKIndividual"),
            plain(TableId::Divisiones),
            plain(TableId::TournamentInfo),
        },
    };
}

}  // namespace zrv::data::tables

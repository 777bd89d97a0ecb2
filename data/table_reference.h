#pragma once
// The reference of the table files' columns (docs/table-columns.md), made from the
// declarations: for each of the 23 tables, in dictionary order, its columns in the file's order
// with the field's kind and size, its meaning (the data dictionary's description), its unit
// where the kind or the meaning gives one, and the screens' controls that show or store it.
#include <string>
#include <vector>

#include "data/declaration.h"

namespace zrv::data {

// A control that shows or stores a field: the procedure whose window holds it ("UpDateScoreBoard2"),
// its use name ("?SB:PUNTOAKA") and the field's or memo's full name ("SB:PuntoAka").
struct ScreenControl {
    std::string procedure;
    std::string control;
    std::string field;
};

// A screen module ("scoreboard/board") and the text of its sources: a field counts as named
// by it where the text holds the field's whole name ("SB:PuntoAka", "?SB:PUNTOAKA"), in any
// case. Names a screen builds piece by piece are not seen.
struct ScreenSource {
    std::string module;
    std::string text;
};

// Each column's screens are the controls that show or store it, by procedure; a column no
// control shows names the modules whose code names it, and one no module names says so.
std::string table_columns_reference(const std::vector<ScreenControl>& controls, const std::vector<ScreenSource>& screens);

// What a column holds: its field's description in the declaration, or else the meaning the
// table of meanings beside the declarations gives its name, then the code values its check
// allows, with what each stands for. `name` is the field's or memo's full name.
std::string column_meaning(TableId table, const std::string& name, const std::string& declared);

// The SQL that makes the 23 table files as the program makes them (docs/table-schema.sql): for
// each table in dictionary order, the sqlite3 client's ".open <file>" and the file's script.
std::string table_schema_script();

}  // namespace zrv::data

// Every form that stores, on real table files beside the scoring software (the sqlite3 client
// and zrv_scoring, processes of their own): a store writes only the fields the operator changed,
// whatever the other fields hold, and another program's change of another field never refuses
// the operator's OK.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/engine/headless/test_driver.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/screen_test.h"
#include "tests/support/temp_folder.h"

namespace zrv::live {
namespace {

using zrv::testing::run_scoring_tool;
using zrv::testing::run_sqlite3;

// A value another program stored that this program cannot read, or reads cut to its field.
struct Unreadable {
    std::string column;
    std::string value;  // SQL literal
};

struct StoringForm {
    const char* form;
    const char* list;    // opened from this list's first row
    const char* button;  // the list's change button; nullptr: a double-click on the row
    const char* table;
    const char* file;
    const char* entry;                   // what the operator types into
    const char* column;                  // the entry's column
    bool remote_close;                   // the form closes when the record's Cerrar is 1
    std::vector<Unreadable> unreadable;  // in columns the operator does not touch
    const char* ok = "?OK";
};

const std::vector<Unreadable> kBout = {{"FullNameAo", "'Szőke Wróblewski'"},
                                       {"DojoNameAka", "'Shotokan Karate Do Internacional Norte'"},
                                       {"YukoAo", "12345678901"},
                                       {"StopWatch", "'two minutes'"}};
const std::vector<Unreadable> kEvent = {{"DirecionDelEvento", "'Yılmaz Spor Salonu'"},
                                        {"REGIS1DOJO", "'Shotokan Karate Do Internacional'"},
                                        {"RREPECAT3", "-99999999"},
                                        {"PREPECAT4", "'third'"}};
const std::vector<Unreadable> kTeamEvent = {{"NombreDelOrganizador", "'Nováková Dvořák'"},
                                            {"MUNICIPIOEQUIPOE1R1A", "'San Cristóbal de las Casas'"},
                                            {"DESEMPATE1", "1e12"},
                                            {"RONDA", "'second'"}};
const std::vector<Unreadable> kKata = {{"NOMBREDEORGANIZADOR", "'Yılmaz'"},
                                       {"MUNICIPIO", "'" + std::string(60, 'M') + "'"},
                                       {"CARDMANUAL7", "123456789012"},
                                       {"CARDMANUAL5", "'five'"}};
const std::vector<Unreadable> kResult = {{"SEGUNDOLUGARDOJO", "'Szőke Dojo'"},
                                         {"TerceroLugarNombre", "'" + std::string(41, 'T') + "'"},
                                         {"TERCEROLUGARPUNTOST", "99999999"},
                                         {"STERCEROLUGARPUNTOSA", "'many'"}};

const StoringForm kForms[] = {
    {"UpdateScoreBoard1", "BrowseScoreBoardView1", "?CHANGE:4", "ScoreBoard", "scoreboard.sqlite", "?SB:PAISAO", "PaisAo", true,
     kBout},
    {"UpDateScoreBoard2", "BrowseScoreBoard", "?CHANGE:4", "ScoreBoard", "scoreboard.sqlite", "?SB:PAISAO", "PaisAo", true, kBout},
    {"UpDateEquipoScoreBoardPantalla", "BrowseEquipo4ScoreBoard7", "?CHANGE:4", "ScoreBoard", "scoreboard.sqlite", "?SB:PAISAO",
     "PaisAo", true, kBout},
    {"UpdateKumiteIndividual4", "BrowseKumiteIndividual4", "?CHANGE:4", "KumiteIndividual", "KumiteIndividual.sqlite",
     "?KE24:PRIMERLUGARORO", "PRIMERLUGARORO", true, kEvent},
    {"UpdateKumiteIndividual", "BrowseKumiteIndividual", "?CHANGE:4", "KumiteIndividual", "KumiteIndividual.sqlite",
     "?KE24:PRIMERLUGARORO", "PRIMERLUGARORO", true, kEvent},
    {"UpdateKumiteIndividual16", "BrowseKumiteIndividual41", "?CHANGE:4", "KumiteIndividual", "KumiteIndividual.sqlite",
     "?KE24:PRIMERLUGARORO", "PRIMERLUGARORO", true, kEvent},
    {"UpdateEquipo5", "BrowseEquipo5", "?CHANGE:4", "KumiteEquipo5", "KumiteEquipo5.sqlite", "?KE212:NOMBREDEEQUIPOW1R3R",
     "NOMBREDEEQUIPOW1R3R", true, kTeamEvent},
    {"UpdateEquipo3", "BrowseEquipo3", "?CHANGE:4", "KumiteEquipo5", "KumiteEquipo5.sqlite", "?KE212:NOMBREDEEQUIPOW1R3R",
     "NOMBREDEEQUIPOW1R3R", true, kTeamEvent},
    {"Consola", "BrowseKataEventResultados", nullptr, "KataEvent", "KataEvent.sqlite", "?KE:CODIGOEVENTO", "CodigoEvento", false,
     kKata},
    {"PantallaKataEvent", "BrowseKataEvents", "?CHANGE:4", "KataEvent", "KataEvent.sqlite", "?KE:PRIMERLUGARNOMBRE",
     "PrimerLugarNombre", true, kKata, "?OK:2"},
    {"PantallaResultadosManualIndividual", "BrowseResultadosManualesIndividual", "?CHANGE:4", "ResultadosManual",
     "ResultadosManual.sqlite", "?RM:PrimerLugarNombre", "PrimerLugarNombre", true, kResult},
};

std::vector<std::string> columns_of(const std::string& file, const std::string& table) {
    std::string names;
    EXPECT_EQ(run_sqlite3(file, "SELECT name FROM pragma_table_info('" + table + "');", &names), 0);
    std::vector<std::string> columns;
    std::istringstream lines(names);
    for (std::string line; std::getline(lines, line);) columns.push_back(line);
    return columns;
}

// Record 1's columns as SQL literals, read by the sqlite3 client (after the SQL `first`, when
// given, in the same run).
std::map<std::string, std::string> dump(const std::string& file, const std::string& table, const std::vector<std::string>& columns,
                                        const std::string& first = {}) {
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < columns.size(); ++i) sql += (i ? ", " : "") + std::string("quote(\"") + columns[i] + "\")";
    std::string values;
    EXPECT_EQ(run_sqlite3(file, first + sql + " FROM \"" + table + "\" WHERE rowid = 1;", &values), 0);
    // One line, the values between bars (none of the values written here holds one).
    std::map<std::string, std::string> row;
    std::istringstream in(values.substr(0, values.find('\n')));
    for (const std::string& c : columns) std::getline(in, row[c], '|');
    return row;
}

std::map<std::string, std::string> dump(const std::string& file, const std::string& table) {
    return dump(file, table, columns_of(file, table));
}

class SharedRecords : public zrv::testing::ScreenTest {
protected:
    // Record 1 of the form's table as the scoring software writes it, with values this program
    // cannot read in the columns the operator leaves alone.
    void write_record(const StoringForm& f) {
        std::filesystem::remove(f.file);
        ASSERT_EQ(run_scoring_tool({"create"}), 0);
        ASSERT_EQ(run_scoring_tool({"set", f.table, "1", std::string(f.column) + "=before"}), 0);
        std::string set;
        for (const Unreadable& u : f.unreadable) set += (set.empty() ? "\"" : ", \"") + u.column + "\" = " + u.value;
        ASSERT_EQ(run_sqlite3(f.file, "UPDATE \"" + std::string(f.table) + "\" SET " + set + " WHERE rowid = 1;"), 0);
    }
    Window& open(const StoringForm& f) {
        driver.start(f.list);
        Window& list = driver.expect_window(f.list);
        if (f.button) {
            driver.choose(list, "?BROWSE:1", 1);
            driver.press(list, f.button);
        } else {
            driver.double_click(list, "?BROWSE:1", 1);
        }
        return driver.expect_window(f.form);
    }
    // Ticks until the form has closed (at most a second of the virtual clock).
    bool closes(const StoringForm& f) {
        for (int tick = 0; tick < 20 && driver.window(f.form); ++tick) driver.advance_ms(50);
        return driver.window(f.form) == nullptr;
    }

    zrv::testing::TempFolder folder;
    TestDriver driver;
};

TEST_F(SharedRecords, EveryFormStoresOnlyTheFieldTheOperatorChangedLeavingWhatItCannotReadAsItWas) {
    for (const StoringForm& f : kForms)
        for (bool remote_close : {false, true}) {
            if (remote_close && !f.remote_close) continue;
            SCOPED_TRACE(std::string(f.form) + (remote_close ? ", closed by Cerrar = 1" : ", OK"));
            ASSERT_NO_FATAL_FAILURE(write_record(f));
            const auto before = dump(f.file, f.table);
            Window& form = open(f);
            driver.type(form, f.entry, "typed");
            driver.advance_ms(50);
            if (remote_close)
                ASSERT_EQ(run_sqlite3(f.file, "UPDATE \"" + std::string(f.table) + "\" SET Cerrar = 1 WHERE rowid = 1;"), 0);
            else driver.press(form, f.ok);
            EXPECT_TRUE(closes(f));
            EXPECT_FALSE(driver.pending_message());
            auto after = dump(f.file, f.table);
            EXPECT_EQ(after[f.column], "'typed'");
            for (const auto& [column, value] : before)
                if (column != f.column && !(remote_close && column == "Cerrar")) {
                    EXPECT_EQ(after[column], value) << column;
                }
            driver.close(driver.expect_window(f.list));
        }
}

// Names as registration writes them, in every script, in a text field of each kind of screen:
// the record buffer reads each whole, the screen shows it whole, and an OK after the operator
// changed another field leaves it in the file as it was, byte for byte. A name longer than its
// field reads and shows cut to the field's size, and stays whole in the file.
struct NameScreen {
    const char* what;
    StoringForm form;                // how it opens and stores, what the operator types
    const char* shown;               // the control showing the name
    const char* field;               // the name's field
    std::vector<std::string> extra;  // Field=value the screen's list needs to list the record
};

const NameScreen kNameScreens[] = {
    {"scoreboard", kForms[1], "?SB:FULLNAMEAKA:2", "SB:FullNameAka", {}},
    {"bracket", kForms[4], "?KE24:COMPETIDOR1ROJOAZUL", "KE24:COMPETIDOR1ROJOAZUL", {}},
    {"team sheet", kForms[7], "?KE212:NOMBRECOMPETIDOR1E4R1R", "KE212:NOMBRECOMPETIDOR1E4R1R", {}},
    {"kata result", kForms[9], "?KE:NOMBRECOMPETIDOR2", "KE:NombreCompetidor2", {}},
    {"manual result", kForms[10], "?RM:SEGUNDOLUGARNOMBRE", "RM:SegundoLugarNombre", {}},
    {"next-up",
     {"ReadUpTEAMScreen41", "BrowseReadUpTEAMScreen41", nullptr, "KumiteEquipo5", "KumiteEquipo5.sqlite", "?KE212:READYCOMPETITORAO",
      "ReadyCompetitorAo", false, kTeamEvent},
     "?KE212:READYCOMPETITORAKA",
     "KE212:ReadyCompetitorAka",
     {"Queue=1"}},
};

std::string trimmed(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// The first n characters of a text that cycles through several scripts.
std::string mixed(std::size_t n) {
    static const char* const chars[] = {"Ł", "ő", "Ж", "Ω", "ע", "ع", "山", "김", "ı", "a"};
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += chars[i % std::size(chars)];
    return out;
}

TEST_F(SharedRecords, NamesInEveryScriptAreReadShownWholeAndStoredBackUnchanged) {
    for (const NameScreen& screen : kNameScreens) {
        const StoringForm& f = screen.form;
        const auto id = data::table_by_name(f.table);
        ASSERT_TRUE(id) << f.table;
        auto& table = *data::file_manager(*id);
        const int field = table.layout().field_index(screen.field);
        ASSERT_GE(field, 0) << screen.field;
        const std::size_t size = static_cast<std::size_t>(table.layout().fields[static_cast<std::size_t>(field)].size);
        const std::string column = std::string(screen.field).substr(std::string(screen.field).find(':') + 1);
        struct Name {
            std::string what, value, read;  // read: as the field holds it
        };
        std::vector<Name> names;
        for (const auto& [what, value] : std::vector<std::pair<std::string, std::string>>{{"Polish", "Łukasz"},
                                                                                          {"Hungarian", "Szőke"},
                                                                                          {"Turkish", "Yılmaz"},
                                                                                          {"Czech", "Nováková"},
                                                                                          {"Romanian", "Țurcanu"},
                                                                                          {"Greek", "Παπαδόπουλος"},
                                                                                          {"Cyrillic", "Иванов Ёж"},
                                                                                          {"Arabic", "محمد العلي"},
                                                                                          {"Hebrew", "דוד כהן"},
                                                                                          {"Japanese", "山田 太郎"},
                                                                                          {"Chinese", "王小明"},
                                                                                          {"Korean", "김민준"}})
            names.push_back({what, value, value});
        names.push_back({"the field's size", mixed(size), mixed(size)});
        names.push_back({"one character more", mixed(size + 1), mixed(size)});
        ASSERT_NO_FATAL_FAILURE(write_record(f));
        if (!screen.extra.empty()) {
            std::vector<std::string> set = {"set", f.table, "1"};
            set.insert(set.end(), screen.extra.begin(), screen.extra.end());
            ASSERT_EQ(run_scoring_tool(set), 0);
        }
        const std::vector<std::string> columns = columns_of(f.file, f.table);
        for (const Name& name : names) {
            SCOPED_TRACE(std::string(screen.what) + ": " + name.what);
            // The sqlite3 client writes the name (and the entry's value before the operator's).
            const auto before = dump(f.file, f.table, columns,
                                     "UPDATE \"" + std::string(f.table) + "\" SET \"" + column + "\" = '" + name.value + "', \"" +
                                         f.column + "\" = 'before' WHERE rowid = 1; ");
            ASSERT_EQ(before.at(column), "'" + name.value + "'");
            // The record buffer holds it whole (or cut to the field's size).
            table.record().clear();
            table.record().set_integer(0, 1);
            ASSERT_TRUE(table.get_by_key(0));
            EXPECT_EQ(trimmed(table.record().get_text(field)), name.read);
            // The screen shows it so.
            Window& form = open(f);
            EXPECT_EQ(trimmed(driver.control(form, screen.shown).text), name.read);
            driver.type(form, f.entry, "typed");
            driver.advance_ms(50);
            EXPECT_EQ(trimmed(driver.control(form, screen.shown).text), name.read);
            driver.press(form, f.ok);
            EXPECT_TRUE(closes(f));
            EXPECT_FALSE(driver.pending_message());
            auto after = dump(f.file, f.table, columns);
            EXPECT_EQ(after[f.column], "'typed'");
            EXPECT_EQ(after[column], "'" + name.value + "'");
            for (const auto& [c, value] : before)
                if (c != f.column) {
                    EXPECT_EQ(after[c], value) << c;
                }
            driver.close(driver.expect_window(f.list));
        }
    }
}

// The manual results display, with the scoring software writing the record's points as fast as
// it can.
class TypingBesideAWriter : public SharedRecords {
protected:
    void SetUp() override {
        SharedRecords::SetUp();
        ASSERT_NO_FATAL_FAILURE(write_record(form()));
    }
    static const StoringForm& form() { return kForms[std::size(kForms) - 1]; }
    std::string stored(const char* column) {
        std::string out;
        run_sqlite3(form().file, std::string("SELECT \"") + column + "\" FROM ResultadosManual WHERE rowid = 1;", &out);
        if (!out.empty() && out.back() == '\n') out.pop_back();
        return out;
    }
};

TEST_F(TypingBesideAWriter, AnotherFieldCommittedMeanwhileNeverRefusesTheOperatorsOk) {
    zrv::testing::ScoringWriter writer({"field-writer", "ResultadosManual", "1", "PRIMERLUGARPUNTOST", "--count", "400", "--every-ms",
                                        "2"});
    ASSERT_GE(writer.read_commits(1), 1);
    for (int round = 1; round <= 20; ++round) {
        SCOPED_TRACE(round);
        Window& w = open(form());
        const std::string name = "Round " + std::to_string(round);
        driver.type(w, form().entry, name);
        driver.advance_ms(20);
        driver.press(w, "?OK");
        const std::optional<MessageBoxRequest> said = driver.pending_message();
        EXPECT_FALSE(said) << said->text;
        EXPECT_EQ(driver.window(form().form), nullptr);
        EXPECT_EQ(stored("PrimerLugarNombre"), name);
        driver.close(driver.expect_window(form().list));
    }
    EXPECT_EQ(writer.wait(), 0);  // every one of its writes went through
    EXPECT_EQ(stored("PRIMERLUGARPUNTOST"), "400");
}

}  // namespace
}  // namespace zrv::live

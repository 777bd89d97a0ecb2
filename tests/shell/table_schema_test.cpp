// Table files that another program makes with the sqlite3 client from the published SQL
// (docs/table-schema.sql), and those the program's earlier version made, serve every screen
// without a message; a row added naming only its key reads as a new record of the program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/app_services.h"
#include "framework/core/error_reporter.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/engine/headless/test_driver.h"
#include "framework/store/store_context.h"
#include "shell/main_frame.h"
#include "shell/program_body.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/temp_folder.h"

namespace zrv {
namespace {

// Runs an SQL script through the sqlite3 client's standard input, as a user would; its status.
int run_script(const std::filesystem::path& script) {
    const std::string command = "sqlite3 -bail < '" + script.string() + "' > sqlite3.out 2>&1";
    return std::system(command.c_str());
}

std::vector<std::string> raised() {
    std::vector<std::string> texts;
    for (const ErrorReporter::Raised& r : app_error_reporter().history()) texts.push_back(r.title + ": " + r.text);
    return texts;
}

std::string first_key_column(const store::TableLayout& l) {
    const std::string& name = l.fields.at(static_cast<std::size_t>(l.keys.at(0).components.at(0).field)).name;
    return name.substr(name.find(':') + 1);
}

class PublishedSchema : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_EQ(run_script(testing::source_dir() / GetParam()), 0) << folder.read("sqlite3.out");
        for (data::TableId id : data::dictionary_order())
            ASSERT_TRUE(std::filesystem::exists(folder / store::table_file_name(data::layout(id)))) << data::table_name(id);
        // One record in each table a list shows, named by its key alone.
        for (data::TableId id : data::dictionary_order()) {
            const store::TableLayout& l = data::layout(id);
            ASSERT_EQ(testing::run_sqlite3(store::table_file_name(l),
                                           "INSERT INTO \"" + l.name + "\" (\"" + first_key_column(l) + "\") VALUES ('1')"),
                      0);
        }
        app_error_reporter().clear_history();
    }

    testing::TempFolder folder;
};

TEST_P(PublishedSchema, EveryScreenOpensOnTheFilesWithoutAMessage) {
    install_thread_hooks();
    TestDriver driver;
    driver.start_thread_1(&RunProgram);
    Window& frame = driver.expect_window("Main");
    for (const MenuRow& row : main_menu()) {
        if (row.procedure.empty()) continue;
        SCOPED_TRACE(row.procedure);
        driver.press(frame, row.use);
        ASSERT_FALSE(driver.pending_message()) << driver.pending_message()->text;
        Window* screen = driver.window(row.procedure);
        ASSERT_TRUE(screen);
        // A list's record opens its screen by its View button, or else by Change.
        std::string open_by;
        for (const char* button : {"?VIEW", "?CHANGE"})
            for (const ControlState& c : screen->controls())
                if (open_by.empty() && c.kind == ControlKind::Button && c.use.rfind(button, 0) == 0) open_by = c.use;
        const std::size_t before = driver.windows().size();
        if (!open_by.empty()) driver.press(*screen, open_by);
        ASSERT_FALSE(driver.pending_message()) << driver.pending_message()->text;
        if (driver.windows().size() > before) {
            Window& opened = *driver.windows().back();
            SCOPED_TRACE(opened.procedure());
            driver.advance_ms(500);  // a few ticks of its timer
            ASSERT_FALSE(driver.pending_message()) << driver.pending_message()->text;
            driver.close(opened);
            ASSERT_FALSE(driver.pending_message()) << driver.pending_message()->text;
        }
        driver.close(*screen);
    }
    driver.close(frame);
    driver.join_thread_1();
    EXPECT_EQ(raised(), std::vector<std::string>{});

    // The tables no screen opened open as quietly.
    data::InitDataDictionary();
    for (data::TableId id : data::dictionary_order()) EXPECT_TRUE(data::file_manager(id)->open()) << data::table_name(id);
    data::KillDataDictionary();
    EXPECT_EQ(raised(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(, PublishedSchema, ::testing::Values("docs/table-schema.sql", "tests/shell/fixtures/earlier_table_files.sql"),
                         [](const auto& info) { return info.index == 0 ? std::string("Published") : std::string("EarlierVersion"); });

// Files of another layout under a screen: the screen opens and shows its record first, then one
// box says what each file has and what was done, a paragraph per file.
TEST(DamagedFiles, AScreenShowsItsRecordThenOneMessageNamesEveryFile) {
    app_error_reporter().clear_history();
    testing::TempFolder folder;
    ASSERT_EQ(run_script(testing::source_dir() / "docs/table-schema.sql"), 0) << folder.read("sqlite3.out");
    ASSERT_EQ(testing::run_sqlite3("KataEvent.sqlite",
                                   "INSERT INTO KataEvent (NumeroDeCompeticion, NombreCompetidor1) VALUES (1, 'Aiko')"),
              0);
    std::vector<std::string> others;
    for (data::TableId id : data::dictionary_order()) {
        const store::TableLayout& l = data::layout(id);
        if (id == data::TableId::KataEvent) continue;
        std::filesystem::remove(store::table_file_name(l));
        ASSERT_EQ(testing::run_sqlite3(store::table_file_name(l),
                                       "CREATE TABLE zrv_layout (name TEXT PRIMARY KEY, value TEXT NOT NULL); "
                                       "INSERT INTO zrv_layout VALUES ('signature', 'table Other record 1')"),
                  0);
        others.push_back(l.label);
    }
    install_thread_hooks();
    TestDriver driver;
    driver.start_thread_1(&RunProgram);
    Window& frame = driver.expect_window("Main");
    driver.press(frame, "?ITEM1");
    ASSERT_FALSE(driver.pending_message()) << driver.pending_message()->text;
    driver.press(driver.expect_window("BrowseKataEvents"), "?VIEW:3");
    ASSERT_TRUE(driver.pending_message());
    Window& screen = driver.expect_window("PantallaKataEvent");
    EXPECT_EQ(driver.control(screen, "?KE:NOMBRECOMPETIDOR1").text.substr(0, 4), "Aiko");
    const std::string text = driver.pending_message()->text;
    EXPECT_EQ(driver.pending_message()->title, "Invalid File");
    driver.answer_message(ButtonOk);
    EXPECT_FALSE(driver.pending_message());
    driver.advance_ms(500);
    EXPECT_FALSE(driver.pending_message());
    int paragraphs = 1;
    for (char c : text) paragraphs += c == '\n';
    std::size_t files = 0;
    for (const std::string& label : others)
        files += text.find("The file " + label + " does not have the record layout of this program. It has not been changed.") !=
                 std::string::npos;
    EXPECT_EQ(static_cast<std::size_t>(paragraphs), files) << text;
    EXPECT_GE(files, 10u) << text;
    EXPECT_EQ(raised().size(), 1u);
    while (driver.pending_message()) driver.answer_message(ButtonOk);
    driver.close(screen);
    driver.close(*driver.window("BrowseKataEvents"));
    driver.close(frame);
    driver.join_thread_1();
}

// The columns' defaults are the values a new record starts with.
TEST(PublishedSchemaDefaults, ARowNamingOnlyItsKeyReadsAsTheProgramsNewRecord) {
    app_error_reporter().clear_history();
    testing::TempFolder folder;
    ASSERT_EQ(run_script(testing::source_dir() / "docs/table-schema.sql"), 0) << folder.read("sqlite3.out");
    data::InitDataDictionary();
    for (data::TableId id : data::dictionary_order()) {
        const store::TableLayout& l = data::layout(id);
        SCOPED_TRACE(l.name);
        ASSERT_EQ(testing::run_sqlite3(store::table_file_name(l),
                                       "INSERT INTO \"" + l.name + "\" (\"" + first_key_column(l) + "\") VALUES (7)"),
                  0);
        data::DictionaryTable& table = *data::file_manager(id);
        ASSERT_TRUE(table.open());
        ASSERT_TRUE(table.get_by_position(1));
        const store::RecordBuffer read = table.record();
        table.record().clear();
        table.prime_new_record();
        table.record().set_text(l.keys[0].components[0].field, "7");
        for (std::size_t f = 0; f < l.fields.size(); ++f) {
            if (l.fields[f].kind == store::FieldKind::Group) continue;
            EXPECT_TRUE(read.same_field(static_cast<int>(f), table.record()))
                << l.fields[f].name << " reads " << read.get_text(static_cast<int>(f)) << ", a new record holds "
                << table.record().get_text(static_cast<int>(f));
        }
    }
    data::KillDataDictionary();
}

// docs/driving-a-bout.md drives a bout, a kata event, a bracket and a team queue by columns
// alone: its statements run as they stand on files made from the published SQL, and the program
// reads back what they wrote.
TEST(DrivingByColumns, TheDocumentsStatementsRunAndTheProgramReadsWhatTheyWrote) {
    app_error_reporter().clear_history();
    testing::TempFolder folder;
    ASSERT_EQ(run_script(testing::source_dir() / "docs/table-schema.sql"), 0) << folder.read("sqlite3.out");
    const std::string doc = [] {
        std::ifstream in(testing::source_dir() / "docs/driving-a-bout.md");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    int blocks = 0;
    for (std::size_t at = doc.find("\n```"); at != std::string::npos; at = doc.find("\n```", at + 1)) {
        const std::size_t body = doc.find('\n', at + 1) + 1, end = doc.find("\n```", body);
        const std::string language = doc.substr(at + 4, body - at - 5), text = doc.substr(body, end - body + 1);
        at = end + 1;
        SCOPED_TRACE(text);
        if (language == "sh") {
            folder.write("block.sh", text);
            EXPECT_EQ(std::system("sh -e block.sh > sqlite3.out 2>&1"), 0) << folder.read("sqlite3.out");
        } else if (language == "sql") {
            // The block's file: its first statement's table.
            const std::size_t insert = text.find("INSERT INTO "), update = text.find("UPDATE ");
            const std::size_t name = std::min(insert == std::string::npos ? text.size() : insert + 12,
                                              update == std::string::npos ? text.size() : update + 7);
            const store::TableLayout* l = data::layout(text.substr(name, text.find_first_of(" (", name) - name));
            ASSERT_TRUE(l);
            std::string said;
            EXPECT_EQ(testing::run_sqlite3(store::table_file_name(*l), text, &said), 0) << said;
        }
        ++blocks;
    }
    EXPECT_EQ(blocks, 8);

    data::InitDataDictionary();
    struct Expect {
        data::TableId table;
        std::int64_t row;
        const char* field;
        const char* value;
    } expected[] = {
        {data::TableId::ScoreBoard, 1, "SB:PuntoAka", "8"},
        {data::TableId::ScoreBoard, 1, "SB:PuntoAo", "1"},
        {data::TableId::ScoreBoard, 1, "SB:Timer1StartTime", "120"},
        {data::TableId::ScoreBoard, 1, "SB:SBStop", "1"},
        {data::TableId::ScoreBoard, 1, "SB:Queue", "2"},
        {data::TableId::ScoreBoard, 1, "SB:Cerrar", "1"},
        {data::TableId::KataEvent, 1, "KE:ResultadoC1", "49.00"},
        {data::TableId::KataEvent, 1, "KE:SEGUNDOLUGARPUNTOS1", "47.60"},
        {data::TableId::KataJuezCard5, 1, "KJ5:JUEZ5TC1", "8.20"},
        {data::TableId::KumiteIndividual, 1, "KE24:CGanador", "Aiko Tanaka"},
        {data::TableId::KumiteIndividual, 1, "KE24:RESULTADOC1B", "1"},
        {data::TableId::KumiteEquipo5, 1, "KE212:Queue", "3"},
        {data::TableId::KumiteEquipo5, 2, "KE212:Queue", "1"},
        {data::TableId::KumiteEquipo5, 2, "KE212:Tag4", "4.00"},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.field);
        data::DictionaryTable& table = *data::file_manager(e.table);
        ASSERT_TRUE(table.get_by_position(e.row));
        EXPECT_EQ(table.unfit_values(), std::vector<std::string>{});
        std::string shown = table.record().get_text(e.field);
        while (!shown.empty() && shown.back() == ' ') shown.pop_back();
        while (!shown.empty() && shown.front() == ' ') shown.erase(0, 1);
        EXPECT_EQ(shown, e.value);
    }
    data::KillDataDictionary();
    EXPECT_EQ(raised(), std::vector<std::string>{});
}

}  // namespace
}  // namespace zrv

// zrv_scoring, the scoring software's stand-in, as the program meets its records: a record it
// adds is the program's own new record, and a file it cannot rightly use is left alone with a
// reason that says what is wrong with it.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/error_reporter.h"
#include "framework/store/store_context.h"
#include "tests/support/outside_access.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/temp_folder.h"

namespace zrv::data {
namespace {

using testing::run_scoring_tool;

class Scoring : public ::testing::Test {
protected:
    void SetUp() override {
        app_error_reporter().set_message_box_handler(nullptr);
        InitDataDictionary();
    }
    void TearDown() override { KillDataDictionary(); }
    zrv::testing::TempFolder folder;
};

TEST_F(Scoring, ARecordSetWhenMissingIsTheProgramsNewRecordAndPassesItsChecks) {
    ASSERT_EQ(run_scoring_tool({"create"}), 0);
    for (TableId id : dictionary_order()) {
        SCOPED_TRACE(table_name(id));
        ASSERT_EQ(run_scoring_tool({"set", table_name(id), "7"}), 0);
        DictionaryTable& t = *file_manager(id);
        const int key_field = t.layout().keys.at(0).components.at(0).field;
        // What the program's own insert starts a record with.
        t.record().clear();
        t.prime_new_record();
        ASSERT_TRUE(t.record().set_text(key_field, "7"));
        const store::RecordBuffer own = t.record();

        ASSERT_TRUE(t.get_by_key(0)) << t.error_text();
        EXPECT_TRUE(t.unfit_values().empty());
        EXPECT_TRUE(t.record() == own);
        if (id != TableId::Equipos) {  // a new team has no member count yet, whoever adds it
            EXPECT_EQ(t.validate_record(), 0);
        }
    }
    // The fields named are written over the defaults, in the same transaction.
    ASSERT_EQ(run_scoring_tool({"set", "ScoreBoard", "8", "Queue=1", "PuntoAka=2"}), 0);
    DictionaryTable& board = *file_manager(TableId::ScoreBoard);
    board.record().set_integer("SB:IDCombate", 8);
    ASSERT_TRUE(board.get_by_key(0));
    EXPECT_EQ(board.record().get_text("SB:Queue").substr(0, 2), "1 ");
    EXPECT_EQ(board.record().get_text("SB:Timer").substr(0, 3), "60 ");
    EXPECT_EQ(board.record().get_integer("SB:PuntoAka"), 2);
    EXPECT_EQ(board.validate_record(), 0);
}

TEST_F(Scoring, AFileItCannotRightlyUseIsLeftAloneWithItsReason) {
    ASSERT_EQ(run_scoring_tool({"create"}), 0);
    store::thread_store().close_all();
    struct Case {
        const char* what;
        void (*make)();
        const char* said;
    } cases[] = {
        {"another layout",
         [] { std::filesystem::copy_file("Katas.sqlite", "KataEvent.sqlite", std::filesystem::copy_options::overwrite_existing); },
         "KataEvent.sqlite has another record layout (its signature's line 1 reads \"TABLE KATAS RECORD 69\" where the layout has "
         "\"TABLE KATAEVENT RECORD 2438\"); it is left as it is"},
        {"damaged bytes", [] { std::ofstream("KataEvent.sqlite", std::ios::binary) << std::string(8192, 'x'); },
         "KataEvent.sqlite is not a table file"},
        {"locked", nullptr, "KataEvent.sqlite is locked by another program (database is locked)"},
        {"unreadable", [] { ::chmod("KataEvent.sqlite", 0); }, "cannot read KataEvent.sqlite (unable to open database file)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove("KataEvent.sqlite");
        store::TableAccess(layout(TableId::KataEvent)).open();  // a good file, closed again
        if (c.make) c.make();
        const std::string before = folder.read("KataEvent.sqlite");
        std::optional<zrv::testing::ExclusiveLock> lock;
        std::optional<zrv::testing::ReadOnlyFolder> user;  // root reads anything
        if (std::string(c.what) == "locked") {
            ASSERT_TRUE(lock.emplace("KataEvent.sqlite").held());
        }
        if (std::string(c.what) == "unreadable") {
            ASSERT_TRUE(user.emplace(folder.path()).in_effect());
        }
        std::string said;
        EXPECT_EQ(run_scoring_tool({"set", "KataEvent", "1", "Queue=1"}, &said), 1);
        EXPECT_EQ(said.substr(0, said.find('\n') + 1), std::string("zrv_scoring: ") + c.said + "\n");  // a sanitizer may add its own
        user.reset();
        lock.reset();
        EXPECT_EQ(folder.read("KataEvent.sqlite"), before);
        ::chmod("KataEvent.sqlite", 0644);
    }
}

// `check` says of every file whether the program can use it as it is, and else why and what the
// program does with it.
TEST_F(Scoring, CheckSaysOfEveryFileWhatKeepsTheProgramFromUsingIt) {
    ASSERT_EQ(run_scoring_tool({"create"}), 0);
    std::string printed;
    EXPECT_EQ(zrv::testing::ScoringWriter({"check"}).wait(&printed), 0);
    std::size_t ok = 0;
    for (std::size_t at = printed.find(".sqlite: ok\n"); at != std::string::npos; at = printed.find(".sqlite: ok\n", at + 1)) ++ok;
    EXPECT_EQ(ok, 23u) << printed;
    std::filesystem::remove("Dojo.sqlite");
    std::filesystem::copy_file("Katas.sqlite", "KataEvent.sqlite", std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(zrv::testing::run_sqlite3("scoreboard.sqlite", "DROP INDEX \"keyQueue\"; DROP INDEX \"KeyIDCombate\""), 0);
    ASSERT_EQ(zrv::testing::run_sqlite3("Colores.sqlite", "ALTER TABLE Colores RENAME COLUMN COLORES TO COLOR"), 0);
    EXPECT_EQ(zrv::testing::ScoringWriter({"check"}).wait(&printed), 1);
    for (const char* said : {"KataEvent.sqlite: another record layout: its signature's line 1 reads \"TABLE KATAS RECORD 69\" where "
                             "the layout has "
                             "\"TABLE KATAEVENT RECORD 2438\": message 26, the file is not used\n",
                             "Dojo.sqlite: missing (a screen that uses it makes it; zrv_scoring create makes every missing file)\n",
                             "Colores.sqlite: column 2 is \"COLOR\" where the layout has \"COLORES\": message 26, the file is not "
                             "used\n",
                             "scoreboard.sqlite: no index KeyIDCombate: message 33, the program builds it\n    no index keyQueue: "
                             "message 33, the program builds it\n",
                             "Katas.sqlite: ok\n"})
        EXPECT_NE(printed.find(said), std::string::npos) << said << "\n" << printed;
}

// An empty file (a copy cut short, a file made by `touch`) is what a missing file is to both
// programs: the tool says there is no table file, and the program and `create` make the table
// in it.
TEST_F(Scoring, AnEmptyFileIsAMissingOneToTheToolAndToTheProgram) {
    for (bool program_first : {true, false}) {
        SCOPED_TRACE(program_first ? "the program opens it" : "zrv_scoring create");
        std::filesystem::remove("KataEvent.sqlite");
        std::ofstream("KataEvent.sqlite").close();
        std::string said;
        EXPECT_EQ(run_scoring_tool({"get", "KataEvent", "1"}, &said), 1);
        EXPECT_EQ(said.substr(0, said.find('\n') + 1), "zrv_scoring: no table file KataEvent.sqlite\n");
        if (program_first) EXPECT_TRUE(store::TableAccess(layout(TableId::KataEvent)).open());
        else EXPECT_EQ(run_scoring_tool({"create"}), 0);
        store::thread_store().close_all();
        EXPECT_EQ(run_scoring_tool({"set", "KataEvent", "1", "Queue=1"}), 0);
    }
}

// `get` shows a record as the screens read it: a text longer than its field cut to the field's
// size, a value that cannot be read as the blank or zero the screens show; each with what the
// file holds. A value read as the file holds it is printed as it is.
TEST_F(Scoring, GetShowsAValueAsTheScreensReadItAndSaysWhenItWasCutOrCouldNotBeRead) {
    ASSERT_EQ(run_scoring_tool({"create"}), 0);
    ASSERT_EQ(run_scoring_tool({"set", "ScoreBoard", "1", "FullNameAo=山田 太郎", "PuntoAo=2",
                                "FullNameAka=Łukasz Wróblewski-Szőkeová Yılmazoğlu"}),
              0);
    ASSERT_EQ(testing::run_sqlite3("scoreboard.sqlite",
                                   "UPDATE ScoreBoard SET PuntoAka = 'many', DojoNameAo = CAST(x'4fc3' AS "
                                   "TEXT);"),
              0);
    std::string printed;
    EXPECT_EQ(testing::ScoringWriter({"get", "ScoreBoard", "1", "FullNameAo", "PuntoAo", "FullNameAka", "PuntoAka", "DojoNameAo"})
                  .wait(&printed),
              0);
    EXPECT_EQ(printed,
              "FullNameAo=山田 太郎\n"
              "PuntoAo=2\n"
              "FullNameAka=Łukasz Wróblewski-Szőkeová Yıl  (cut to 30 characters; the file holds 37: "
              "Łukasz Wróblewski-Szőkeová Yılmazoğlu)\n"
              "PuntoAka=0  (cannot be read: not a number; the file holds: many)\n"
              "DojoNameAo=  (cannot be read: not well-formed UTF-8; the file holds: O\xC3)\n");
    EXPECT_FALSE(std::filesystem::exists(kErrorLogFile)) << "the program's error log is the program's";
}

}  // namespace
}  // namespace zrv::data

// A table file that cannot be used as the program likes (damaged, of another layout, in a
// folder the program cannot write, read-only, locked by another program) on the path the
// screens take: a queue list re-reading its table every half second, a list's Insert. The
// operator hears of a failing file once, the list goes on and closes by its Close button, a
// tick never waits for the lock, a file that becomes good is shown again at the next tick, and
// a write the file does not allow gives its access message.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <fstream>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/engine/headless/test_driver.h"
#include "flow/manual_results.h"
#include "flow/queue_lists.h"
#include "framework/store/store_context.h"
#include "tests/support/outside_access.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/screen_test.h"
#include "tests/support/temp_folder.h"

namespace zrv::store {
namespace {

using data::TableId;
using testing::run_scoring_tool;

constexpr char kList[] = "BrouseQueueKata1";  // KataEvent, a tick every half second
constexpr char kFile[] = "KataEvent.sqlite";
constexpr char kResults[] = "BrowseResultadosManualesIndividual";  // its Insert adds a record at once

class FailingTables : public zrv::testing::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_EQ(flow::queue_list(kList).list.table, TableId::KataEvent);
        ASSERT_EQ(flow::manual_results_list(kResults).list.table, TableId::ResultadosManual);
    }
    void TearDown() override {
        thread_store().close_all();
        ScreenTest::TearDown();
    }
    // A good file with one event, written by the scoring software.
    static void write_good_file() {
        ASSERT_EQ(run_scoring_tool({"create"}), 0);
        ASSERT_EQ(run_scoring_tool({"set", "KataEvent", "1", "Queue=1", "NombreDeEvento=Cranes"}), 0);
    }
    std::size_t rows(Window& w) { return driver.control(w, "?BROWSE:1").rows.size(); }
    // Opens the list and answers the one message it gives (titled so); ten ticks later no other
    // message has come.
    Window& open_list_reporting(const std::string& title) {
        const std::size_t before = boxes();
        driver.start(kList);
        Window& w = driver.expect_window(kList);
        auto shown = driver.pending_message();
        EXPECT_TRUE(shown);
        if (shown) {
            EXPECT_EQ(shown->title, title);
            driver.answer_message(ButtonOk);
        }
        for (int tick = 0; tick < 10; ++tick) driver.advance_ms(500);
        EXPECT_FALSE(driver.pending_message());
        EXPECT_EQ(boxes(), before + 1);
        return w;
    }
    std::size_t boxes() { return driver.engine().messages_shown().size(); }
    // Milliseconds of real time that one tick of the list takes.
    double one_tick_ms() {
        auto start = std::chrono::steady_clock::now();
        driver.advance_ms(500);
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }

    zrv::testing::TempFolder folder;
    TestDriver driver;
};

TEST_F(FailingTables, AFailingFileIsReportedOnceTheListClosesAndAGoodFileIsShownAgain) {
    struct Case {
        const char* what;
        void (*make)();
        const char* title;
    } cases[] = {
        {"damaged bytes", [] { std::ofstream(kFile, std::ios::binary) << std::string(8192, 'x'); }, "Invalid File"},
        {"another layout",
         [] {
             ASSERT_EQ(run_scoring_tool({"create"}), 0);
             std::filesystem::copy_file("Katas.sqlite", kFile, std::filesystem::copy_options::overwrite_existing);
         },
         "Invalid File"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(kFile);
        c.make();
        Window& w = open_list_reporting(c.title);
        EXPECT_EQ(rows(w), 0u);
        // The scoring software puts a good file in its place: the next tick shows it.
        std::filesystem::remove(kFile);
        write_good_file();
        driver.advance_ms(500);
        EXPECT_EQ(rows(w), 1u);
        driver.press(w, "?CLOSE");
        EXPECT_EQ(driver.window(kList), nullptr);
    }
}

TEST_F(FailingTables, AMissingFileInAFolderTheProgramCannotWriteIsReportedOnce) {
    zrv::testing::ReadOnlyFolder read_only(folder.path());
    ASSERT_TRUE(read_only.in_effect()) << "the folder could not be made read-only";
    Window& w = open_list_reporting("File Creation Error");
    driver.press(w, "?CLOSE");
    EXPECT_EQ(driver.window(kList), nullptr);
}

std::vector<std::string> names_in(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(FailingTables, AReadOnlyFolderShowsTheRowsRefusesWritesAndWritesNothing) {
    write_good_file();
    ASSERT_EQ(run_scoring_tool({"set", "KataEvent", "2", "Queue=3"}), 0);
    const std::vector<std::string> before = names_in(folder.path());
    ASSERT_EQ(std::count(before.begin(), before.end(), std::string(kFile) + "-wal"), 0);
    std::optional<zrv::testing::ReadOnlyFolder> read_only(folder.path());
    ASSERT_TRUE(read_only->in_effect()) << "the folder could not be made read-only";

    Window& w = open_list_reporting("Access Denied");
    EXPECT_EQ(driver.engine().messages_shown().back().text, "Access to KataEvent was denied: the file is opened for reading only.");
    EXPECT_EQ(rows(w), 2u);

    // Writes are refused with the same message, a new record at once (this thread opens the
    // file for itself first, and hears that it reads only).
    auto& events = *data::file_manager(TableId::KataEvent);
    app_error_reporter().clear_history();
    for (int answer = 0; answer < 3; ++answer) driver.engine().script_message(ButtonOk);
    EXPECT_FALSE(events.prepare_new_record());
    events.record().set_integer("KE:NumeroDeCompeticion", 1);
    ASSERT_TRUE(events.get_by_key(0));
    events.record().set_text("KE:NombreDeEvento", "Changed");
    EXPECT_FALSE(events.update());
    ASSERT_EQ(app_error_reporter().history().size(), 3u);
    for (const auto& r : app_error_reporter().history()) EXPECT_EQ(r.title, "Access Denied");
    EXPECT_EQ(names_in(folder.path()), before);  // not even a journal file

    // The folder becomes writable and the scoring software adds an event: the list shows it.
    read_only.reset();
    ASSERT_EQ(run_scoring_tool({"set", "KataEvent", "3", "Queue=4"}), 0);
    driver.advance_ms(500);
    EXPECT_EQ(rows(w), 3u);
    driver.press(w, "?CLOSE");
    EXPECT_EQ(driver.window(kList), nullptr);
}

TEST_F(FailingTables, AFileMovedOverTheOneInUseIsShownAtTheNextTick) {
    StoreOptions& options = default_store_options();  // the list's thread starts with these
    const StoreOptions saved = options;
    options.replaced_check = std::chrono::milliseconds(0);  // every tick looks, however fast the clock runs
    write_good_file();
    driver.start(kList);
    Window& w = driver.expect_window(kList);
    ASSERT_EQ(rows(w), 1u);
    // The scoring software restores a copy that holds one event more, moving it over the file.
    ASSERT_EQ(zrv::testing::run_sqlite3(kFile, ".backup aside.sqlite"), 0);
    ASSERT_EQ(zrv::testing::run_sqlite3("aside.sqlite", "INSERT INTO KataEvent (NumeroDeCompeticion, Queue) VALUES (2, '1');"), 0);
    std::filesystem::rename("aside.sqlite", kFile);
    driver.advance_ms(500);
    EXPECT_EQ(rows(w), 2u);
    EXPECT_FALSE(driver.pending_message());
    driver.press(w, "?CLOSE");
    EXPECT_EQ(driver.window(kList), nullptr);
    options = saved;
}

TEST_F(FailingTables, ATickNeverWaitsForAnotherProgramsExclusiveLock) {
    write_good_file();
    zrv::testing::ExclusiveLock lock(kFile);
    ASSERT_TRUE(lock.held());
    auto start = std::chrono::steady_clock::now();
    driver.start(kList);
    const double opening_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    Window& w = driver.expect_window(kList);
    auto shown = driver.pending_message();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, "Access Denied");
    EXPECT_NE(shown->text.find("locked"), std::string::npos) << shown->text;
    driver.answer_message(ButtonOk);
    double slowest = 0;
    for (int tick = 0; tick < 4; ++tick) slowest = std::max(slowest, one_tick_ms());
    std::printf("under another program's exclusive lock: opening the list %.0f ms, its slowest tick %.0f ms\n", opening_ms, slowest);
    EXPECT_LT(slowest, 1000);
    EXPECT_FALSE(driver.pending_message());
    EXPECT_EQ(rows(w), 0u);
    lock.release();
    driver.advance_ms(500);
    EXPECT_EQ(rows(w), 1u);
    driver.press(w, "?CLOSE");
    EXPECT_EQ(driver.window(kList), nullptr);
}

TEST_F(FailingTables, InsertWhileAnotherProgramHoldsTheWriteLockGivesTheAccessMessageOnce) {
    ASSERT_EQ(run_scoring_tool({"create"}), 0);
    ASSERT_EQ(run_scoring_tool({"set", "ResultadosManual", "1"}), 0);
    driver.start(kResults);
    Window& list = driver.expect_window(kResults);
    ASSERT_EQ(rows(list), 1u);
    zrv::testing::ExclusiveLock lock("ResultadosManual.sqlite", zrv::testing::ExclusiveLock::Kind::Writing);
    ASSERT_TRUE(lock.held());
    const auto start = std::chrono::steady_clock::now();
    driver.press(list, "?INSERT:4");
    auto shown = driver.pending_message();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, "Access Denied");
    EXPECT_EQ(shown->text, "Access to ResultadosManual was denied: another program holds the file locked (database is locked).");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));  // one wait for the lock, no rounds
    driver.answer_message(ButtonOk);
    EXPECT_FALSE(driver.pending_message());
    EXPECT_EQ(driver.window("PantallaResultadosManualIndividual"), nullptr);
    lock.release();
    driver.press(list, "?INSERT:4");  // free again: the form opens on the new record
    EXPECT_NE(driver.window("PantallaResultadosManualIndividual"), nullptr);
}

}  // namespace
}  // namespace zrv::store

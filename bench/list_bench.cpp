// A list's whole timer tick in the running program, its procedure on its own thread on the
// headless engine with a virtual clock. Prints the process's CPU microseconds per tick with
// nothing changed and after each commit by another connection (the bench's own thread, as the
// scoring software writes):
//   - the team-bout scoreboards' list (a tick every 1/20 s) over 1,000 and 10,000 bouts;
//   - the kata queue list (a tick every 1/2 s) over 1,000 kata events, nothing changed;
//   - the kata results list (a tick every 2 s) over 1,000, 10,000 and 100,000 kata events, in
//     each of its orders (by number, by date with a date thumb, by event code with a text
//     thumb, by division code), with the highlight at the top, in the middle and at the bottom:
//     the best case beside the worst.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/process_support.h"
#include "bench/program_run.h"
#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/app_services.h"
#include "framework/core/clock.h"
#include "framework/core/thread_context.h"
#include "framework/engine/headless/test_driver.h"

using namespace zrv;

namespace {

// CPU microseconds per tick of `ms` of virtual time, a commit before each tick when `commit`.
double per_tick(TestDriver& driver, int ms, int count, const std::function<void(int)>& commit) {
    double spent = 0;
    for (int i = 0; i < count; ++i) {
        if (commit) commit(i);
        const std::int64_t t = bench::now_ns(CLOCK_PROCESS_CPUTIME_ID);
        driver.advance_ms(ms);
        // A tick that reads a long order may take longer than the driver waits.
        Activity::settle(600000);
        spent += static_cast<double>(bench::now_ns(CLOCK_PROCESS_CPUTIME_ID) - t) / 1e3;
    }
    return spent / count;
}

// Starts a list's procedure; its window.
Window& open(TestDriver& driver, const char* procedure) {
    driver.start(procedure);
    Window* w = driver.window(procedure);
    if (!w) {
        std::fprintf(stderr, "list_bench: %s did not open\n", procedure);
        std::exit(1);
    }
    return *w;
}

void team_bouts() {
    auto& sb = *data::file_manager(data::TableId::ScoreBoard);
    int bouts = 0;
    const auto add_bouts = [&](int total) {
        for (int i = bouts; i < total; ++i) {
            sb.prepare_new_record();
            sb.record().set_text("SB:FullNameAo", "Ao " + std::to_string(i + 1));
            sb.record().set_text("SB:CodigoDeEvento", "EV-" + std::to_string(i * 7919 % total));
            sb.insert();
        }
        bouts = total;
    };
    add_bouts(1000);
    TestDriver driver;
    Window* w = &open(driver, "BrowseEquipo4ScoreBoard7");
    const auto commit = [&](int i) {
        sb.record().set_integer("SB:IDCombate", 1000 - i % 20);
        sb.get_by_key(0);
        sb.record().set_text("SB:CodigoDeEvento", "CHANGED-" + std::to_string(i));
        sb.update();
    };
    for (const int total : {1000, 10000}) {
        // More bouts committed while the list is open: the next ticks read them in.
        add_bouts(total);
        driver.advance_ms(500);
        const ControlState list = driver.control(*w, "?BROWSE:1");
        std::printf("rows on the page: %zu, scroll bar steps: %d\n", list.rows.size(), list.scroll_steps);
        std::printf("team-bout list tick (%d bouts), nothing changed: %.1f us\n", bouts, per_tick(driver, 50, 400, {}));
        std::printf("team-bout list tick (%d bouts), after a commit: %.1f us\n", bouts, per_tick(driver, 50, 100, commit));
    }
    driver.close(*w);
    driver.settle();
}

// Kata events numbered 1.., a date, an event code and a division code each spread over the
// order independently of the number; committed by another program in one transaction (the
// sqlite3 client, as the scoring software's import would).
void add_kata_events(int& events, int total) {
    // The table file exists with its indexes: the list made it.
    const std::string sql = "WITH RECURSIVE n(i) AS (SELECT " + std::to_string(events) + " UNION ALL SELECT i + 1 FROM n WHERE i < " +
                            std::to_string(total - 1) +
                            ") INSERT INTO KataEvent (NumeroDeCompeticion, FechaDeEvento, CodigoEvento, CategoriaCode, Queue) SELECT "
                            "(SELECT coalesce(max(NumeroDeCompeticion), 0) FROM KataEvent) + 1 + i - " +
                            std::to_string(events) +
                            ", "
                            "date('2019-01-01', '+' || (i * 7919 % 3650) || ' days'), 'Event ' || (i * 104729 % " +
                            std::to_string(total) + "), 'C' || (i * 15485863 % 997), 1 + i % 4 FROM n;";
    const std::string command = "sqlite3 KataEvent.sqlite \"" + sql + "\"";
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "list_bench: could not add kata events\n");
        std::exit(1);
    }
    events = total;
}

// Another connection changes a column the list shows (not a key) on one of seven records.
void change_event(int i) {
    auto& ke = *data::file_manager(data::TableId::KataEvent);
    ke.record().set_integer("KE:NumeroDeCompeticion", 1 + i % 7);
    ke.get_by_key(0);
    // A text never written before: the store writes only what changed.
    static int changes = 0;
    ke.record().set_text("KE:NombreCompetidor1", "Changed " + std::to_string(++changes));
    if (!ke.update()) std::fprintf(stderr, "list_bench: a kata event could not be changed: %s\n", ke.error_text().c_str());
}

void kata_queue() {
    TestDriver driver;
    Window* w = &open(driver, "BrouseQueueKata");
    driver.advance_ms(1000);
    std::printf("kata queue list tick (1000 events), nothing changed: %.1f us\n", per_tick(driver, 500, 400, {}));
    driver.close(*w);
    driver.settle();
}

void kata_results(int& events, const std::vector<int>& sizes) {
    TestDriver driver;
    Window* w = &open(driver, "BrowseKataEvents");
    static constexpr const char* kOrders[] = {"number", "date (date thumb)", "event code (text thumb)", "division code"};
    for (const int total : sizes) {
        add_kata_events(events, total);
        driver.advance_ms(2000);
        Activity::settle(600000);
        const ControlState list = driver.control(*w, "?BROWSE:1");
        std::printf("rows on the page: %zu, scroll bar steps: %d%s\n", list.rows.size(), list.scroll_steps,
                    driver.pending_message() ? ", a message waits" : "");
        const int commits = total >= 100000 ? 5 : 20;
        for (int order = 0; order < 4; ++order) {
            driver.choose(*w, "?CurrentTab", order + 1);
            driver.advance_ms(2000);
            for (const char* where : {"top", "middle", "bottom"}) {
                const std::string place = where;
                if (place == "top") driver.key(*w, "?BROWSE:1", kHomeKey);
                if (place == "bottom") driver.key(*w, "?BROWSE:1", kEndKey);
                if (place == "middle") {
                    driver.key(*w, "?BROWSE:1", kHomeKey);
                    driver.drag_thumb(*w, "?BROWSE:1", driver.control(*w, "?BROWSE:1").scroll_steps / 2);
                }
                driver.advance_ms(2000);
                Activity::settle(600000);
                const double unchanged = per_tick(driver, 2000, 20, {});
                const double changed = per_tick(driver, 2000, commits, change_event);
                std::printf(
                    "kata results list tick (%6d events, by %-23s, highlight at the %-6s): nothing changed %8.1f us, "
                    "after a commit %8.1f us\n",
                    total, kOrders[order], where, unchanged, changed);
            }
        }
    }
    driver.close(*w);
    driver.settle();
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    bench::ProgramRun program("list_bench");
    team_bouts();
    // The kata results list's sizes: the arguments, or 1,000, 10,000 and 100,000.
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty()) sizes = {1000, 10000, 100000};
    int events = 0;
    data::file_manager(data::TableId::KataEvent)->open();
    add_kata_events(events, 1000);
    kata_queue();
    kata_results(events, sizes);
}

// A list's whole timer tick in the running program: the list of team-bout scoreboards (a tick
// every 1/20 s) over 1,000 bouts and over 10,000, its procedure on its own thread on the headless engine with a
// virtual clock. Prints the process's CPU microseconds per tick with nothing changed and after
// each commit by another connection (the bench's own thread, as the scoring software writes).
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/process_support.h"
#include "bench/program_run.h"
#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/app_services.h"
#include "framework/core/thread_context.h"
#include "framework/engine/headless/test_driver.h"

using namespace zrv;

int main() {
    bench::ProgramRun program("list_bench");
    {
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
        driver.start("BrowseEquipo4ScoreBoard7");
        if (!driver.window("BrowseEquipo4ScoreBoard7")) {
            std::fprintf(stderr, "list_bench: the list did not open\n");
            return 1;
        }
        const auto ticks = [&](const char* what, int count, bool commit) {
            double spent = 0;
            for (int i = 0; i < count; ++i) {
                if (commit) {
                    sb.record().set_integer("SB:IDCombate", 1000 - i % 20);
                    sb.get_by_key(0);
                    sb.record().set_text("SB:CodigoDeEvento", "CHANGED-" + std::to_string(i));
                    sb.update();
                }
                const std::int64_t t = bench::now_ns(CLOCK_PROCESS_CPUTIME_ID);
                driver.advance_ms(50);
                spent += static_cast<double>(bench::now_ns(CLOCK_PROCESS_CPUTIME_ID) - t) / 1e3;
            }
            std::printf("team-bout list tick (%d bouts), %s: %.1f us\n", bouts, what, spent / count);
        };
        for (const int total : {1000, 10000}) {
            // More bouts committed while the list is open: the next ticks read them in.
            add_bouts(total);
            driver.advance_ms(500);
            const ControlState& list = driver.control(*driver.window("BrowseEquipo4ScoreBoard7"), "?BROWSE:1");
            std::printf("rows on the page: %zu, scroll bar steps: %d\n", list.rows.size(), list.scroll_steps);
            ticks("nothing changed", 400, false);
            ticks("after a commit", 100, true);
        }
    }
}

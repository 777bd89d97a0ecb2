// Live screens: a form's tick over a ScoreBoard-sized record; a list's timer tick (a page of 20
// rows cut from an order of 1,000 and of 10,000) with nothing changed and after a commit, in key
// order and in search order. Prints CPU microseconds per operation.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

#include "bench/program_run.h"
#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/window.h"
#include "live/bind_scope.h"
#include "live/browse_list.h"
#include "live/field_binding.h"

using namespace zrv;

namespace {

double cpu_us() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

}  // namespace

int main() {
    bench::ProgramRun program("live_bench");
    {
        auto& sb = *data::file_manager(data::TableId::ScoreBoard);
        sb.prepare_new_record();
        sb.insert();
        auto& rm = *data::file_manager(data::TableId::ResultadosManual);
        int rows_in_table = 0;
        const auto add_rows = [&](int total) {
            for (int i = rows_in_table; i < total; ++i) {
                rm.prepare_new_record();
                rm.record().set_text("RM:PrimerLugarNombre", "Competitor " + std::to_string(i * 7919 % total));
                rm.record().set_text("RM:CodigoDeEvento", "EV-" + std::to_string(i));
                rm.insert();
            }
            rows_in_table = total;
        };
        // A form tick: read again by key, redisplay every bound control.
        WindowLayout layout;
        for (const auto& f : sb.layout().fields)
            if (f.kind != store::FieldKind::Group) layout.controls.push_back({.use = "?" + f.name, .kind = ControlKind::Entry});
        Window w(layout);
        live::bind_record_controls(w);
        const int ticks = 2000;
        double t0 = cpu_us();
        for (int i = 0; i < ticks; ++i) {
            sb.get_by_key(0);
            w.display();
        }
        std::printf("form tick (ScoreBoard, %zu controls): %.1f us\n", layout.controls.size(), (cpu_us() - t0) / ticks);

        for (const int total : {1000, 10000}) {
            add_rows(total);
            WindowLayout list_layout;
            list_layout.controls.push_back({.use = "?BROWSE:1", .kind = ControlKind::List});
            Window lw(list_layout);
            live::ListDeclaration d;
            d.table = data::TableId::ResultadosManual;
            d.format = "40R~Id~@n-10@80L~Code~@s20@80L~Name~@s40@";
            d.fields = {"RM:IDResultadosM", "RM:CodigoDeEvento", "RM:PrimerLugarNombre"};
            d.orders = {live::SortOrder{.key = "RM:keyIDResultadosM"}};
            d.search = live::SearchBox{.query_name = "FuzzyQuery1",
                                       .fields = {"RM:IDResultadosM", "RM:CodigoDeEvento", "RM:PrimerLugarNombre"}};
            live::BrowseList list(lw, d, "BenchList");
            live::BindFrame frame;
            frame.bind_text("FuzzyQuery1", &list.search()->query());
            list.setup();
            list.reset(true);
            // A list's timer tick reads its page again around the highlighted row.
            const auto tick = [&](const char* what, int ticks, bool commit) {
                double spent = 0;
                for (int i = 0; i < ticks; ++i) {
                    if (commit) {
                        rm.get_by_position(list.page().back().position);
                        rm.record().set_text("RM:PrimerLugarNombre", "Changed " + std::to_string(i));
                        rm.update();
                    }
                    const double t = cpu_us();
                    list.reset(true);
                    spent += cpu_us() - t;
                }
                std::printf("list tick, %s: %.1f us\n", what, spent / ticks);
            };
            const std::string of = " order, " + std::to_string(total) + " rows)";
            tick(("nothing changed (key" + of).c_str(), 500, false);
            tick(("after a commit (key" + of).c_str(), 100, true);
            list.search()->query() = "competitor 42";
            list.search()->pressed_search();
            list.reset(true);
            tick(("nothing changed (search" + of).c_str(), 100, false);
            tick(("after a commit (search" + of).c_str(), 20, true);
            // The search stays on for the procedure's lists until it is cleared.
            list.search()->query().clear();
            list.search()->pressed_clear();
            list.reset(true);
        }
    }
}

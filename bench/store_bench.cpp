// Figures of the table store on real files in a fresh temporary folder: a keyed re-read of a
// ScoreBoard record, a page of 20 KumiteEquipo5 rows in a key order, preparing a new record,
// and the descriptors that 24 threads with all 23 tables in use hold.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <barrier>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "data/dictionary.h"
#include "framework/store/record_view.h"
#include "framework/store/store_context.h"
#include "framework/store/table_access.h"

namespace {

using namespace zrv;
using Clock = std::chrono::steady_clock;

double median_us(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::size_t open_descriptors() {
    std::size_t n = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

}  // namespace

int main() {
    rlimit before{};
    getrlimit(RLIMIT_NOFILE, &before);
    std::string folder = (std::filesystem::temp_directory_path() / "zrv-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) return 1;
    std::filesystem::current_path(folder);

    // A ScoreBoard with 200 bouts; the scoreboard screens re-read one by its first key.
    {
        store::TableAccess sb(data::layout(data::TableId::ScoreBoard));
        for (int i = 0; i < 200; ++i) {
            sb.prepare_new_record();
            sb.record().set_text("SB:FullNameAka", "Competidor " + std::to_string(i));
            sb.insert();
        }
        const double prepare = median_us(200, [&] {
            sb.prepare_new_record();
            sb.insert();
        });
        sb.record().set_integer("SB:IDCombate", 100);
        const double reread = median_us(20000, [&] { sb.get_by_key(0); });
        std::printf("ScoreBoard keyed re-read into the buffer: median %.1f us (target <= 20)\n", reread);
        std::printf("prepare_new_record + insert (ScoreBoard): median %.1f us (target <= 5000)\n", prepare);
    }

    // KumiteEquipo5 with 500 events; a list pages through them by a compound key.
    {
        const store::TableLayout& layout = data::layout(data::TableId::KumiteEquipo5);
        store::TableAccess ke(layout);
        for (int i = 0; i < 500; ++i) {
            ke.prepare_new_record();
            ke.record().set_text("KE212:Modalidad", "Kumite " + std::to_string(i % 3));
            ke.record().set_text("KE212:Categoria", "Cat " + std::to_string(i % 7));
            ke.record().set_text("KE212:Divicion", "Div " + std::to_string(i % 5));
            ke.insert();
        }
        const int key = layout.key_index("KE212:KeyCategoriaModalidadDiviciones");
        store::RecordView view(ke, key);
        view.first_page(20);
        const double page = median_us(2000, [&] {
            if (view.next_page(20).empty()) view.first_page(20);
        });
        const double first = median_us(500, [&] { view.first_page(20); });
        std::printf("KumiteEquipo5 page of 20 rows in key order: median %.1f us next page, %.1f us first page (target <= 1000)\n",
                    page, first);
    }

    // Competidor with 3,000 names in three scripts; a look-up by name finds one typed in another
    // case (a team sheet's look-up as its entry is left).
    {
        const store::TableLayout& layout = data::layout(data::TableId::Competidor);
        store::TableAccess cm(layout);
        const char* stems[] = {"Petrov",   "Петров",    "Παπαδόπουλος", "Ivanov",   "Иванов", "Βλάχος", "Smirnov",     "Смирнов",
                               "Νικολάου", "Kuznetsov", "Кузнецов",     "Γεωργίου", "Popov",  "Попов",  "Αγγελόπουλος"};
        for (int i = 0; i < 3000; ++i) {
            cm.prepare_new_record();
            cm.record().set_text("CM:FullNameC", std::string(stems[i % 15]) + " " + std::to_string(i));
            cm.insert();
        }
        const int key = layout.key_index("CM:KeyFullNameC");
        const auto look_up = [&](const char* name) {
            return median_us(2000, [&] {
                cm.record().set_text("CM:FullNameC", name);
                cm.get_by_key(key);
            });
        };
        std::printf(
            "Competidor look-up by name of 3000: median %.1f us as stored, %.1f us A-Z in another case, %.1f us Cyrillic in "
            "another case, %.1f us Greek in another case, %.1f us not found\n",
            look_up("Петров 1501"), look_up("PETROV 1500"), look_up("ПЕТРОВ 1501"), look_up("ΠΑΠΑΔΌΠΟΥΛΟΣ 1502"),
            look_up("ПЕТРОВА 1501"));
    }

    // 24 threads, each with all 23 tables in use at once.
    {
        const std::size_t idle = open_descriptors();
        std::size_t peak = 0;
        std::barrier sync(25);
        std::vector<std::thread> threads;
        for (int t = 0; t < 24; ++t)
            threads.emplace_back([&] {
                std::vector<std::unique_ptr<store::TableAccess>> tables;
                for (data::TableId id : data::dictionary_order()) {
                    tables.push_back(std::make_unique<store::TableAccess>(data::layout(id)));
                    tables.back()->get_by_key(0);
                }
                sync.arrive_and_wait();  // all open
                sync.arrive_and_wait();  // counted
            });
        sync.arrive_and_wait();
        peak = open_descriptors();
        sync.arrive_and_wait();
        for (auto& t : threads) t.join();
        rlimit now{};
        getrlimit(RLIMIT_NOFILE, &now);
        std::printf("24 threads x 23 tables: %zu descriptors in use (%zu idle), open-file limit %llu (was %llu, hard %llu)\n", peak,
                    idle, static_cast<unsigned long long>(now.rlim_cur), static_cast<unsigned long long>(before.rlim_cur),
                    static_cast<unsigned long long>(now.rlim_max));
    }

    std::filesystem::current_path("/");
    std::filesystem::remove_all(folder);
    return 0;
}

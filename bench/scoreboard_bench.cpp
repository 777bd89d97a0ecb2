// Eight boards open at once, each followed by a writer process changing its bout 20 times a
// second (zrv_scoring bout-writer). Prints the CPU the boards take per board-tick and the
// latency from each writer's commit to the change showing in its board's points control.
// With --qt the boards are real Qt windows (offscreen platform unless QT_QPA_PLATFORM says
// otherwise) and it also counts how often Qt repaints each board per tick.
//   scoreboard_bench <path of zrv_scoring> [seconds] [--qt]
#include <pthread.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bench/process_support.h"
#include "bench/program_run.h"
#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/app_services.h"
#include "framework/core/engine.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/core/window_controller.h"
#include "framework/engine/headless/headless_engine.h"
#include "tests/support/recording_engine.h"
#if ZRV_BENCH_QT
#include <QApplication>
#include <QWidget>

#include "framework/engine/qt/qt_engine.h"
#endif

using namespace zrv;
using bench::now_ns;
using bench::run;
using bench::spawn;

namespace {

constexpr int kBoards = 8;

#if ZRV_BENCH_QT
// Counts, per board, Qt's repaint passes (the update requests of its top-level window, each
// one paint of whatever is dirty) and the paint events of its widgets.
class RepaintCounter final : public QObject {
public:
    void watch(QWidget* top, int board) { tops_[top] = board; }
    std::map<int, long> passes, paints;
    bool counting = false;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (!counting || (event->type() != QEvent::UpdateRequest && event->type() != QEvent::Paint)) return false;
        auto* widget = qobject_cast<QWidget*>(object);
        QWidget* top = widget ? widget->window() : nullptr;
        const auto it = top ? tops_.find(top) : tops_.end();
        if (it == tops_.end()) return false;
        // Qt asks the top-level widget to bring its backing store up to date: one repaint pass.
        if (event->type() == QEvent::Paint) ++paints[it->second];
        else if (object == top) ++passes[it->second];
        return false;
    }

private:
    std::map<QWidget*, int> tops_;
};
#endif

}  // namespace

int main(int argc, char** argv) {
    const auto args = bench::arguments(argc, argv, "scoreboard_bench <zrv_scoring> [seconds] [--qt]", 10);
    if (!args) return 2;
    const std::string scoring = args->scoring;
    const int seconds = args->seconds;
    const bool qt = args->has("--qt");
#if ZRV_BENCH_QT
    if (qt && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QApplication> app;
    std::unique_ptr<QtEngine> qt_engine;
    RepaintCounter repaints;
    if (qt) {
        app = std::make_unique<QApplication>(argc, argv);
        app->setQuitOnLastWindowClosed(false);
        qt_engine = std::make_unique<QtEngine>();
        app->installEventFilter(&repaints);
    }
    // The GUI's own work, on this thread, between two looks at the boards.
    const auto pump = [&] {
        if (qt) QCoreApplication::processEvents(QEventLoop::AllEvents);
    };
#else
    if (qt) {
        std::fprintf(stderr, "scoreboard_bench: built without the Qt engine\n");
        return 2;
    }
    const auto pump = [] {};
#endif
    bench::ProgramRun program("scoreboard_bench");

    HeadlessEngine headless;
    Engine* inner = &headless;
#if ZRV_BENCH_QT
    if (qt) inner = qt_engine.get();
#endif
    RecordingEngine engine(*inner);  // the boards are found among its windows
    set_engine(&engine);
    {
        auto& sb = *data::file_manager(data::TableId::ScoreBoard);
        for (int i = 0; i < kBoards; ++i) {
            sb.prepare_new_record();
            sb.record().set_text("SB:FullNameAo", "Ao " + std::to_string(i + 1));
            sb.record().set_integer("SB:StopStart", 0);
            sb.insert();
        }
    }

    // Each board on a thread of its own, opened to view its bout.
    std::mutex mutex;
    std::map<int, Window*> boards;
    for (int i = 1; i <= kBoards; ++i)
        start_thread(
            [i] {
                auto& sb = *data::file_manager(data::TableId::ScoreBoard);
                sb.record().set_integer("SB:IDCombate", i);
                sb.get_by_key(0);
                ThreadRequest() = kRequestView;
                run_procedure("UpDateScoreBoard2");
            },
            65536);
    while (static_cast<int>(boards.size()) < kBoards) {
        pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        boards.clear();
        // Each board by the bout number its entry shows.
        for (Window* w : engine.windows())
            if (const int bout = std::atoi(w->text(w->number_of("?SB:IDCOMBATE")).c_str()); bout >= 1 && bout <= kBoards)
                boards[bout] = w;
    }
    for (const auto settle = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
         std::chrono::steady_clock::now() < settle;) {
        pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
#if ZRV_BENCH_QT
    if (qt) {
        qt_engine->flush();
        for (const auto& [bout, w] : boards)
            if (QWidget* top = qt_engine->widget(*w)) repaints.watch(top->window(), bout);
        repaints.counting = true;
    }
#endif

    // The writers, and one reader per writer of its commit times.
    const long count = seconds * 20L;
    std::vector<pid_t> writers;
    std::vector<std::thread> readers;
    std::vector<std::map<long, std::int64_t>> committed(kBoards + 1);
    for (int i = 1; i <= kBoards; ++i) {
        int fd = -1;
        writers.push_back(spawn({scoring, "bout-writer", std::to_string(i), "--count", std::to_string(count), "--every-ms", "50"},
                                &fd));
        readers.push_back(bench::read_commits(fd, committed[i], mutex));
    }

    // Watch every board's Aka points: the first time each value shows.
    std::vector<std::map<long, std::int64_t>> shown(kBoards + 1);
    std::vector<long> last(kBoards + 1, 0);
    // The threads reading the writers' commit times are this program's, not the boards'.
    const auto readers_cpu = [&] {
        std::int64_t sum = 0;
        for (std::thread& r : readers)
            if (clockid_t clock; pthread_getcpuclockid(r.native_handle(), &clock) == 0) sum += now_ns(clock);
        return sum;
    };
    const std::int64_t cpu_start = now_ns(CLOCK_PROCESS_CPUTIME_ID), wall_start = now_ns(CLOCK_MONOTONIC);
    const std::int64_t watch_cpu_start = now_ns(CLOCK_THREAD_CPUTIME_ID), readers_cpu_start = readers_cpu();
    bool done = false;
    while (!done) {
        done = true;
        for (int i = 1; i <= kBoards; ++i) {
            const long v = std::atol(boards[i]->text(boards[i]->number_of("?SB:PUNTOAKA")).c_str());
            if (v != last[i]) {
                shown[i][v] = now_ns(CLOCK_MONOTONIC);
                last[i] = v;
            }
            if (v < count) done = false;
        }
        pump();
        std::this_thread::sleep_for(std::chrono::microseconds(500));
        if (now_ns(CLOCK_MONOTONIC) - wall_start > std::int64_t(seconds + 10) * 1'000'000'000) break;
    }
    const std::int64_t watch_cpu = now_ns(CLOCK_THREAD_CPUTIME_ID) - watch_cpu_start + readers_cpu() - readers_cpu_start;
    const std::int64_t cpu = now_ns(CLOCK_PROCESS_CPUTIME_ID) - cpu_start - watch_cpu;
    const std::int64_t wall = now_ns(CLOCK_MONOTONIC) - wall_start;
    const std::int64_t process_cpu = now_ns(CLOCK_PROCESS_CPUTIME_ID) - cpu_start;
#if ZRV_BENCH_QT
    repaints.counting = false;
#endif
    for (pid_t p : writers) waitpid(p, nullptr, 0);
    for (auto& r : readers) r.join();

    // A change counts as visible when the board shows it or a later one: a board ticks ten
    // times a second, so of two commits within one tick only the second is ever shown.
    std::vector<double> latency_ms;
    long overtaken = 0, unseen = 0;
    for (int i = 1; i <= kBoards; ++i)
        for (const auto& [n, at] : committed[i]) {
            const auto it = shown[i].lower_bound(n);
            if (it == shown[i].end()) {
                ++unseen;
                continue;
            }
            if (it->first != n) ++overtaken;
            latency_ms.push_back((it->second - at) / 1e6);
        }
    std::sort(latency_ms.begin(), latency_ms.end());
    const auto pct = [&](double p) {
        return latency_ms.empty() ? 0.0 : latency_ms[std::min(latency_ms.size() - 1, std::size_t(p * latency_ms.size()))];
    };
    const double board_ticks = wall / 1e8 * kBoards;
    std::printf("boards: %d (%s engine), writers at 20 changes/s each, %.1f s\n", kBoards, qt ? "Qt" : "headless", wall / 1e9);
    std::printf("CPU of the boards: %.1f %% of one core, %.1f us per board-tick\n", 100.0 * cpu / wall, cpu / 1e3 / board_ticks);
    if (qt)
        std::printf(
            "CPU of the GUI thread (Qt drawing, and this program watching the boards) and of the commit readers: %.1f %% of one "
            "core\n",
            100.0 * watch_cpu / wall);
    else
        std::printf("CPU of this program watching the boards and reading the commit times (not the boards'): %.1f %% of one core\n",
                    100.0 * watch_cpu / wall);
    std::printf("CPU of the whole process: %.1f %% of one core\n", 100.0 * process_cpu / wall);
    std::printf("latency commit -> control (ms): p50 %.1f  p90 %.1f  p99 %.1f  max %.1f\n", pct(0.5), pct(0.9), pct(0.99),
                latency_ms.empty() ? 0.0 : latency_ms.back());
    std::printf("  %zu changes visible (%ld of them through a later change within the same tick), %ld never visible\n",
                latency_ms.size(), overtaken, unseen);

#if ZRV_BENCH_QT
    if (qt) {
        long passes = 0, paints = 0, most = 0;
        for (int i = 1; i <= kBoards; ++i) {
            passes += repaints.passes[i];
            paints += repaints.paints[i];
            most = std::max(most, repaints.passes[i]);
        }
        std::printf("Qt repaints per board-tick: %.2f (busiest board %.2f), widget paint events per board-tick: %.1f\n",
                    passes / board_ticks, most / (wall / 1e8), paints / board_ticks);
    }
#endif

    for (int i = 1; i <= kBoards; ++i) run({scoring, "bout", std::to_string(i), "close"});
    program.shut_down(pump);
#if ZRV_BENCH_QT
    qt_engine.reset();
    app.reset();
#endif
    return 0;
}

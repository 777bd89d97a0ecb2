// A tournament's screens in one program with the Qt engine (offscreen platform unless
// QT_QPA_PLATFORM says otherwise): 8 scoreboards, 8 next-up screens, 4 queue lists, 4 kata
// scoring screens and 2 manual-result displays, each on its thread, while writer processes
// (zrv_scoring) change each board's bout 20 times a second and each followed kata event 5 times
// a second. Prints the CPU each kind of screen takes per tick (ticks that changed what the
// screen shows apart from those that did not), the screens' and the whole process's CPU as %
// of one core, the latency from each commit to its value being painted in its Qt widget, and the
// changes never shown. All CPU figures are CPU time, not wall time; the benchmark's own
// watching of the widgets is left out of the process's figure. A tick's CPU is split in two:
// the screen's own work, from the moment its thread wakes to the moment it waits again, and
// what the wait itself (going to sleep, being woken) costs the thread. For scale it also prints
// the floor: the CPU a bare thread takes to wait 10 ms once, on this machine at this moment.
// With --vs it runs itself and another build of it in turn instead (A B A B ..., 5 rounds unless
// --rounds says otherwise) and prints the two builds' figures side by side with their ratio.
//   tournament_bench <path of zrv_scoring> [seconds] [--vs <other tournament_bench> <its zrv_scoring>] [--rounds n]
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/process_support.h"
#include "bench/program_run.h"
#include "bench/side_by_side.h"
#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/app_services.h"
#include "framework/core/engine.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/core/window_controller.h"
#include "framework/engine/qt/qt_engine.h"
#include "tests/support/recording_engine.h"

using namespace zrv;
using bench::now_ns;
using bench::run;
using bench::spawn;
using data::TableId;

namespace {

std::string load_average() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// A kind of screen: the procedure its threads run, the record each one shows, and the
// writers' field and pace when its records are changed from outside.
struct Kind {
    const char* name;
    const char* procedure;
    TableId table;
    int count;
    int timer_ms;
    const char* watched = nullptr;  // the control showing the written field ("" none)
    const char* writer_table = nullptr;
    const char* writer_field = nullptr;
    int every_ms = 0;
    bool list = false;  // a list: no record of its own
};

const Kind kKinds[] = {
    {"scoreboard", "UpDateScoreBoard2", TableId::ScoreBoard, 8, 100, "?SB:PUNTOAKA", "ScoreBoard", "PuntoAka", 50},
    {"next-up", "ReadUpKumiteScreen4C1", TableId::KumiteIndividual, 8, 10},
    {"queue list", "BrouseQueueKata", TableId::KataEvent, 2, 500, nullptr, nullptr, nullptr, 0, true},
    {"queue list", "BrowseQueueKKIndividual", TableId::KumiteIndividual, 2, 500, nullptr, nullptr, nullptr, 0, true},
    {"kata scoring", "PantallaKataEvent", TableId::KataEvent, 4, 10, "?KE:RESULTADOC1", "KataEvent", "ResultadoC1", 200},
    {"manual result", "PantallaResultadosManualKata", TableId::ResultadosManual, 2, 10},
};

// The CPU each thread has spent in its waits: going to sleep and being woken.
thread_local std::int64_t t_wait_cpu_ns = 0;
thread_local long t_waits = 0;

// The system clock, measuring the CPU of every wait on it.
class WaitMeasuringClock final : public Clock {
public:
    std::int64_t monotonic_ms() const override { return system_.monotonic_ms(); }
    std::int64_t time_of_day_cs() const override { return system_.time_of_day_cs(); }
    void wait(WaitPoint& point, std::unique_lock<std::mutex>& lock, std::int64_t deadline_ms) override {
        const std::int64_t start = now_ns(CLOCK_THREAD_CPUTIME_ID);
        system_.wait(point, lock, deadline_ms);
        t_wait_cpu_ns += now_ns(CLOCK_THREAD_CPUTIME_ID) - start;
        ++t_waits;
    }

private:
    SystemClock system_;
};

// Counts a screen's ticks and the CPU its thread spends from one tick to the next, its own work
// apart from its waits, and ticks that changed the window (its revision moved) apart from those
// that did not.
struct TickMeter final : TimerHandler {
    explicit TickMeter(Window& w) : window(w) {}
    void on_timer() override {
        const std::int64_t cpu = now_ns(CLOCK_THREAD_CPUTIME_ID), wait_cpu = t_wait_cpu_ns;
        const std::uint64_t revision = window.revision();
        if (last_cpu >= 0 && counting.load()) {
            const bool changed = revision != last_revision;
            const std::int64_t waited = wait_cpu - last_wait_cpu;
            (changed ? changed_ns : unchanged_ns) += cpu - last_cpu - waited;
            wait_ns += waited;
            waits += t_waits - last_wait_count;
            ++(changed ? changed_ticks : unchanged_ticks);
        }
        last_cpu = cpu;
        last_wait_cpu = wait_cpu;
        last_wait_count = t_waits;
        last_revision = revision;
    }
    Window& window;
    std::int64_t last_cpu = -1, last_wait_cpu = 0;
    long last_wait_count = 0;
    std::atomic<long> waits{0};
    std::uint64_t last_revision = 0;
    std::atomic<bool> counting{false};
    std::atomic<std::int64_t> changed_ns{0}, unchanged_ns{0}, wait_ns{0};
    std::atomic<long> changed_ticks{0}, unchanged_ticks{0};
};

struct Screen {
    const Kind* kind;
    std::int64_t record = 0;
    Window* window = nullptr;
    int watched = 0;
    std::unique_ptr<TickMeter> meter;
    // The writer's commits and the first time each value showed.
    std::map<long, std::int64_t> committed, shown;
    long last = 0, count = 0;
    long paints = 0;  // on the GUI thread
    QWidget* watched_widget = nullptr;
};

// Watches the screens' widgets being painted: counts the paints of each screen, and when the
// widget of a written field is painted, notes the first time each value shows in it.
class PaintWatcher final : public QObject {
public:
    void watch(Screen& screen, QWidget* top) {
        tops_[top] = &screen;
        if (screen.watched_widget) watched_[screen.watched_widget] = &screen;
    }
    bool counting = false;
    std::int64_t watch_cpu = 0;  // reading the watched widgets

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (!counting || event->type() != QEvent::Paint) return false;
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget) return false;
        if (const auto it = tops_.find(widget->window()); it != tops_.end()) ++it->second->paints;
        if (const auto it = watched_.find(widget); it != watched_.end()) {
            const std::int64_t start = now_ns(CLOCK_THREAD_CPUTIME_ID);
            Screen& s = *it->second;
            const long v = std::atol(widget->property("text").toString().toStdString().c_str());
            if (v != s.last) {
                s.shown[v] = now_ns(CLOCK_MONOTONIC);
                s.last = v;
            }
            watch_cpu += now_ns(CLOCK_THREAD_CPUTIME_ID) - start;
        }
        return false;
    }

private:
    std::map<QWidget*, Screen*> tops_, watched_;
};

// Adds a record to a table of the main thread's dictionary; returns its number.
std::int64_t add_record(TableId id, const std::map<std::string, std::string>& values) {
    auto& t = *data::file_manager(id);
    t.prepare_new_record();
    for (const auto& [field, value] : values) t.record().set_text(field, value);
    t.insert();
    return t.record().get_integer(t.layout().keys[0].components[0].field);
}

// The figures a side-by-side run compares, from what a run printed: the CPU of the whole
// process, of the GUI thread and of the screens' threads, each kind's unchanged tick, the p99
// latency and the changes never shown.
bench::Figures tournament_figures(const std::string& output) {
    bench::Figures figures;
    std::istringstream in(output);
    bool rows = false;
    for (std::string line; std::getline(in, line);) {
        const auto after = [&](const char* prefix, double& value) {
            return line.rfind(prefix, 0) == 0 && std::sscanf(line.c_str() + std::strlen(prefix), "%lf", &value) == 1;
        };
        double v = 0;
        if (line.find("us unchanged") != std::string::npos) {
            rows = true;
            continue;
        }
        if (rows && line.size() > 14 && line.rfind("floor:", 0) != 0) {
            // The kind's name, then: screens, timer, "ms", changed, us changed, unchanged, us unchanged, ...
            std::istringstream row(line.substr(14));
            std::string screens, timer, ms, changed, us_changed, unchanged, us_unchanged;
            if (row >> screens >> timer >> ms >> changed >> us_changed >> unchanged >> us_unchanged) {
                std::string name = line.substr(0, 14);
                name.erase(name.find_last_not_of(' ') + 1);
                figures.emplace_back(name + " us unchanged", std::atof(us_unchanged.c_str()));
            }
            continue;
        }
        rows = false;
        if (after("CPU of the whole process, without the watching:", v)) figures.emplace_back("whole process % core", v);
        else if (after("CPU of the GUI thread (Qt), without the watching:", v)) figures.emplace_back("GUI thread % core", v);
        else if (after("CPU of the screens' threads (the model):", v)) figures.emplace_back("screens' threads % core", v);
        else if (std::sscanf(line.c_str(), "latency commit -> painted, all: p50 %*f p99 %lf", &v) == 1)
            figures.emplace_back("p99 ms", v);
        else if (line.rfind("tournament load:", 0) == 0 && line.rfind("missed ") != std::string::npos)
            figures.emplace_back("missed", std::atof(line.c_str() + line.rfind("missed ") + 7));
    }
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    const auto args = bench::arguments(argc, argv,
                                       "tournament_bench <path of zrv_scoring> [seconds] [--vs <other tournament_bench> <its "
                                       "zrv_scoring>] [--rounds n]",
                                       20);
    if (!args) return 2;
    const std::string scoring = args->scoring;
    const int seconds = args->seconds;
    if (!args->vs.empty()) {
        const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
        return bench::side_by_side({self, scoring, std::to_string(seconds)}, {args->vs[0], args->vs[1], std::to_string(seconds)},
                                   args->rounds, tournament_figures);
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    auto qt_engine = std::make_unique<QtEngine>();
    const auto pump = [] { QCoreApplication::processEvents(QEventLoop::AllEvents); };

    bench::ProgramRun program("tournament_bench");
    if (run({scoring, "create"}) != 0) {
        std::fprintf(stderr, "tournament_bench: %s create failed\n", scoring.c_str());
        return 1;
    }

    WaitMeasuringClock clock;
    set_clock(&clock);
    RecordingEngine engine(*qt_engine);
    set_engine(&engine);

    // The records: what each screen shows, and more kata and individual events for the lists.
    std::vector<Screen> screens;
    for (const Kind& k : kKinds)
        for (int i = 0; i < k.count; ++i) screens.push_back({.kind = &k});
    for (Screen& s : screens) {
        if (s.kind->list) continue;
        const std::string n = std::to_string(&s - &screens[0] + 1);
        switch (s.kind->table) {
            case TableId::ScoreBoard:
                s.record = add_record(TableId::ScoreBoard,
                                      {{"SB:FullNameAo", "Ao " + n}, {"SB:FullNameAka", "Aka " + n}, {"SB:StopStart", "0"}});
                break;
            case TableId::KumiteIndividual:
                s.record = add_record(TableId::KumiteIndividual, {{"KE24:CodigoEvento", "K" + n}});
                break;
            case TableId::KataEvent:
                s.record = add_record(TableId::KataEvent,
                                      {{"KE:CodigoEvento", "KATA" + n}, {"KE:NombreCompetidor1", "Competitor " + n}});
                break;
            default:
                s.record = add_record(s.kind->table, {});
        }
    }
    for (int i = 0; i < 12; ++i) {
        add_record(TableId::KataEvent, {{"KE:CodigoEvento", "MORE" + std::to_string(i)}});
        add_record(TableId::KumiteIndividual, {{"KE24:CodigoEvento", "MORE" + std::to_string(i)}});
    }

    // Each screen on a thread of its own, opened to view its record; one at a time, so that
    // each window is known to be the one of its record.
    for (Screen& s : screens) {
        const Kind& k = *s.kind;
        const auto before = engine.windows();
        start_thread(
            [&k, record = s.record] {
                if (!k.list) {
                    auto& t = *data::file_manager(k.table);
                    t.record().set_integer(t.layout().keys[0].components[0].field, record);
                    t.get_by_key(0);
                }
                ThreadRequest() = kRequestView;
                run_procedure(k.procedure);
            },
            65536);
        for (const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20); !s.window;) {
            pump();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            for (Window* w : engine.windows())
                if (w->procedure() == k.procedure && std::find(before.begin(), before.end(), w) == before.end()) s.window = w;
            if (std::chrono::steady_clock::now() > until) {
                std::fprintf(stderr, "tournament_bench: %s did not open\n", k.procedure);
                return 1;
            }
        }
        if (k.watched) s.watched = s.window->number_of(k.watched);
        s.meter = std::make_unique<TickMeter>(*s.window);
        s.window->add_timer_handler(s.meter.get());
    }
    for (const auto settle = std::chrono::steady_clock::now() + std::chrono::seconds(1); std::chrono::steady_clock::now() < settle;) {
        pump();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    qt_engine->flush();
    PaintWatcher paints;
    for (Screen& s : screens) {
        if (s.watched) s.watched_widget = qt_engine->widget(*s.window, s.watched);
        if (QWidget* top = qt_engine->widget(*s.window)) paints.watch(s, top->window());
    }
    app.installEventFilter(&paints);
    paints.counting = true;

    // The writers, and one reader per writer of its commit times.
    std::mutex mutex;
    std::vector<pid_t> writers;
    std::vector<std::thread> readers;
    const std::string load_before = load_average();
    for (Screen& s : screens) s.meter->counting = true;
    const std::int64_t cpu_start = now_ns(CLOCK_PROCESS_CPUTIME_ID), wall_start = now_ns(CLOCK_MONOTONIC);
    const std::int64_t gui_start = now_ns(CLOCK_THREAD_CPUTIME_ID);
    for (Screen& s : screens) {
        const Kind& k = *s.kind;
        if (!k.writer_field) continue;
        s.count = seconds * 1000L / k.every_ms;
        int fd = -1;
        writers.push_back(spawn({scoring, "field-writer", k.writer_table, std::to_string(s.record), k.writer_field, "--count",
                                 std::to_string(s.count), "--every-ms", std::to_string(k.every_ms)},
                                &fd));
        readers.push_back(bench::read_commits(fd, s.committed, mutex));
    }

    // The floor: what a thread that only waits 10 ms at a time costs per wait on this machine now.
    std::atomic<bool> measuring{true};
    std::atomic<std::int64_t> floor_ns{0};
    std::atomic<long> floor_waits{0};
    std::thread floor([&] {
        std::mutex m;
        std::condition_variable cv;
        std::unique_lock lock(m);
        const std::int64_t start = now_ns(CLOCK_THREAD_CPUTIME_ID);
        long waits = 0;
        for (; measuring; ++waits) cv.wait_for(lock, std::chrono::milliseconds(10));
        floor_ns = now_ns(CLOCK_THREAD_CPUTIME_ID) - start;
        floor_waits = waits;
    });

    // The GUI thread runs its event loop as the program does; ten times a second it looks
    // whether every written value has shown.
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        bool done = true;
        for (const Screen& s : screens)
            if (s.watched && s.last < s.count) done = false;
        if (done || now_ns(CLOCK_MONOTONIC) - wall_start > std::int64_t(seconds + 10) * 1'000'000'000) loop.quit();
    });
    check.start(100);
    loop.exec();
    check.stop();
    paints.counting = false;
    for (Screen& s : screens) s.meter->counting = false;
    measuring = false;
    floor.join();
    const std::int64_t wall = now_ns(CLOCK_MONOTONIC) - wall_start;
    const std::int64_t process_cpu = now_ns(CLOCK_PROCESS_CPUTIME_ID) - cpu_start - paints.watch_cpu - floor_ns;
    const std::int64_t gui_cpu = now_ns(CLOCK_THREAD_CPUTIME_ID) - gui_start - paints.watch_cpu;
    const std::string load_after = load_average();
    for (pid_t p : writers) waitpid(p, nullptr, 0);
    for (auto& r : readers) r.join();

    // Per kind of screen: ticks and CPU, changed and unchanged apart.
    struct Figures {
        long changed = 0, unchanged = 0, paints = 0;
        std::int64_t changed_ns = 0, unchanged_ns = 0, wait_ns = 0;
        long waits = 0;
        int screens = 0, timer_ms = 0;
        std::vector<double> latency_ms;
    };
    std::vector<std::string> order;
    std::map<std::string, Figures> kinds;
    std::int64_t model_ns = 0;
    std::vector<double> latency_ms;
    long overtaken = 0, missed = 0;
    for (Screen& s : screens) {
        if (!kinds.count(s.kind->name)) order.push_back(s.kind->name);
        Figures& f = kinds[s.kind->name];
        ++f.screens;
        f.timer_ms = s.kind->timer_ms;
        f.changed += s.meter->changed_ticks;
        f.unchanged += s.meter->unchanged_ticks;
        f.paints += s.paints;
        f.changed_ns += s.meter->changed_ns;
        f.unchanged_ns += s.meter->unchanged_ns;
        f.wait_ns += s.meter->wait_ns;
        f.waits += s.meter->waits;
        model_ns += s.meter->changed_ns + s.meter->unchanged_ns + s.meter->wait_ns;
        // A change counts as shown when its value or a later one shows: of two commits within
        // one tick only the second is ever shown.
        for (const auto& [n, at] : s.committed) {
            const auto it = s.shown.lower_bound(n);
            if (it == s.shown.end()) {
                ++missed;
                continue;
            }
            if (it->first != n) ++overtaken;
            const double ms = (it->second - at) / 1e6;
            latency_ms.push_back(ms);
            f.latency_ms.push_back(ms);
        }
    }
    const auto pct = [](const std::vector<double>& v, double p) {
        return v.empty() ? 0.0 : v[std::min(v.size() - 1, std::size_t(p * v.size()))];
    };
    std::sort(latency_ms.begin(), latency_ms.end());
    for (auto& [name, f] : kinds) std::sort(f.latency_ms.begin(), f.latency_ms.end());
    const double cores = 100.0 / wall;
    std::printf("tournament: %zu screens with the Qt engine (%s), %.1f s; load average before %s, after %s\n", screens.size(),
                qgetenv("QT_QPA_PLATFORM").constData(), wall / 1e9, load_before.c_str(), load_after.c_str());
    std::printf("writers: each board's bout 20 changes/s, each followed kata event 5 changes/s\n");
    std::printf(
        "CPU per tick in us: the screen's work from waking to waiting again (changed and unchanged ticks apart), and its waits\n");
    std::printf("%-14s %7s %6s %8s %11s %10s %13s %8s %6s %12s %9s %12s\n", "", "screens", "timer", "changed", "us changed",
                "unchanged", "us unchanged", "us wait", "waits", "us whole (u)", "% core", "paints/tick");
    for (const std::string& name : order) {
        const Figures& f = kinds[name];
        const long ticks = f.changed + f.unchanged;
        const double wait = ticks ? f.wait_ns / 1e3 / ticks : 0.0, unchanged = f.unchanged ? f.unchanged_ns / 1e3 / f.unchanged : 0.0;
        std::printf("%-14s %7d %4d ms %8ld %11.1f %10ld %13.1f %8.1f %6.2f %12.1f %9.2f %12.2f\n", name.c_str(), f.screens, f.timer_ms,
                    f.changed, f.changed ? f.changed_ns / 1e3 / f.changed : 0.0, f.unchanged, unchanged, wait,
                    ticks ? double(f.waits) / ticks : 0.0, unchanged + wait, (f.changed_ns + f.unchanged_ns + f.wait_ns) * cores,
                    ticks ? double(f.paints) / ticks : 0.0);
    }
    std::printf("floor: a thread that only waits 10 ms at a time takes %.1f us per wait here and now\n",
                floor_waits ? floor_ns / 1e3 / floor_waits : 0.0);
    std::printf("CPU of the screens' threads (the model): %.2f %% of one core\n", model_ns * cores);
    std::printf("CPU of the GUI thread (Qt), without the watching: %.2f %% of one core\n", gui_cpu * cores);
    std::printf("CPU of the whole process, without the watching: %.2f %% of one core\n", process_cpu * cores);
    for (const std::string& name : order) {
        const Figures& f = kinds[name];
        if (f.latency_ms.empty()) continue;
        std::printf("latency commit -> painted, %s (timer %d ms): p50 %.1f  p99 %.1f  max %.1f ms\n", name.c_str(), f.timer_ms,
                    pct(f.latency_ms, 0.5), pct(f.latency_ms, 0.99), f.latency_ms.back());
    }
    std::printf("changes: %zu shown (%ld of them through a later change within the same tick), %ld never shown\n", latency_ms.size(),
                overtaken, missed);
    const double p99 = pct(latency_ms, 0.99);
    std::printf("latency commit -> painted, all: p50 %.1f  p99 %.1f  max %.1f ms\n", pct(latency_ms, 0.5), p99,
                latency_ms.empty() ? 0.0 : latency_ms.back());
    std::printf("tournament load: %zu screens, process CPU %.1f %% of one core, p99 %.1f ms, missed %ld\n", screens.size(),
                process_cpu * cores, p99, missed);
    std::fflush(stdout);

    // Close every screen: the boards and kata screens by their records' close flag, the others
    // by their windows.
    for (Screen& s : screens) s.window->remove_timer_handler(s.meter.get());
    for (Screen& s : screens) {
        if (s.kind->table == TableId::ScoreBoard) run({scoring, "bout", std::to_string(s.record), "close"});
        else if (s.kind->procedure == std::string("PantallaKataEvent"))
            run({scoring, "set", "KataEvent", std::to_string(s.record), "Cerrar=1"});
        else s.window->post(EventKind::CloseWindow);
    }
    program.shut_down(pump);
    qt_engine.reset();
    return 0;
}

// The Qt engine's figures: an idle frame's CPU use, the ticks of a 10-hundredths timer over
// 10 s of real time, and how long an operator's click takes to reach the procedure thread.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include <QApplication>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include "framework/core/thread_context.h"
#include "framework/core/window.h"
#include "framework/engine/qt/qt_engine.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Procedure {
    std::atomic<zrv::Window*> window{nullptr};
    std::atomic<bool> finished{false};
    std::atomic<int> ticks{0};
    std::atomic<Clock::rep> accepted_at{0};
};

constexpr int kEnd = -7;

void start(Procedure& p, zrv::WindowLayout layout) {
    zrv::start_thread(
        [&p, layout] {
            zrv::Window w(layout);
            w.open(zrv::this_thread());
            p.window = &w;
            for (;;) {
                zrv::Event e = zrv::this_thread().queue().take(w);
                if (e.keycode == kEnd) break;
                if (e.kind == zrv::EventKind::Timer) ++p.ticks;
                if (e.kind == zrv::EventKind::Accepted) p.accepted_at = Clock::now().time_since_epoch().count();
            }
            w.close();
            p.finished = true;
        },
        zrv::kMinimumThreadStack);
}

void run_gui_for(int ms) {
    QTimer::singleShot(ms, Qt::PreciseTimer, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

void pump_until(const std::function<bool()>& done) {
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::usleep(50);
    }
}

double cpu_seconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec + u.ru_stime.tv_usec / 1e6;
}

void end(Procedure& p) {
    zrv::Event e;
    e.kind = zrv::EventKind::Completed;
    e.keycode = kEnd;
    p.window.load()->post(std::move(e));
    pump_until([&] { return p.finished.load(); });
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    zrv::QtEngine engine;
    zrv::set_engine(&engine);

    zrv::WindowLayout frame_layout;
    frame_layout.kind = zrv::WindowKind::Frame;
    frame_layout.title = "Frame";
    frame_layout.width = 600, frame_layout.height = 400;
    frame_layout.status = {{-1, "Ready"}, {80, ""}, {120, ""}, {45, ""}};
    Procedure frame;
    start(frame, frame_layout);
    pump_until([&] { return frame.window.load() != nullptr; });
    run_gui_for(500);  // settle

    const double cpu0 = cpu_seconds();
    const auto t0 = Clock::now();
    run_gui_for(5000);
    const double idle_cpu = cpu_seconds() - cpu0;
    const double idle_wall = std::chrono::duration<double>(Clock::now() - t0).count();
    std::printf("idle frame: %.4f s CPU over %.2f s (%.3f%%)\n", idle_cpu, idle_wall, 100 * idle_cpu / idle_wall);

    zrv::WindowLayout child_layout;
    child_layout.kind = zrv::WindowKind::MdiChild;
    child_layout.title = "Timer";
    child_layout.timer = 10;
    zrv::ControlState button;
    button.kind = zrv::ControlKind::Button;
    button.use = "?OK";
    button.text = "&OK";
    button.x = 10, button.y = 10, button.width = 40, button.height = 14;
    child_layout.controls = {button};
    Procedure child;
    start(child, child_layout);
    pump_until([&] { return child.window.load() != nullptr; });
    const int ticks0 = child.ticks;
    const auto t1 = Clock::now();
    run_gui_for(10000);
    const int ticks = child.ticks - ticks0;
    const double wall = std::chrono::duration<double>(Clock::now() - t1).count();
    std::printf("10-hundredths timer: %d ticks over %.2f s of real time (expected 100)\n", ticks, wall);

    engine.flush();
    auto* ok = qobject_cast<QPushButton*>(engine.widget(*child.window.load(), 1));
    if (!ok) {
        std::printf("no button\n");
        return 1;
    }
    std::vector<double> ms;
    for (int i = 0; i < 200; ++i) {
        child.accepted_at = 0;
        const auto before = Clock::now();
        ok->click();
        pump_until([&] { return child.accepted_at.load() != 0; });
        ms.push_back(
            std::chrono::duration<double, std::milli>(Clock::duration(child.accepted_at.load()) - before.time_since_epoch()).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("click to procedure thread: median %.3f ms, 99th %.3f ms, max %.3f ms (200 clicks)\n", ms[ms.size() / 2],
                ms[ms.size() * 99 / 100], ms.back());

    end(child);
    end(frame);
    zrv::wait_for_threads(5000);
    zrv::set_engine(nullptr);
    return 0;
}

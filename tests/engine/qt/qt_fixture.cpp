#include "tests/engine/qt/qt_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <unistd.h>

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QThread>

// The system's font library keeps a small cache for the life of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace zrv::testing {
namespace {

constexpr int kEndKeycode = -7;   // the test's own event: the procedure ends
constexpr int kEditKeycode = -8;  // the test's own event: a change of the model

}  // namespace

bool pump_until(const std::function<bool()>& pred, int limit_ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit_ms);
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (pred()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        QThread::usleep(200);
    }
}

bool settle_gui(QtEngine& engine, int limit_ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limit_ms);
    for (;;) {
        const int left = static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count());
        if (left <= 0 || !pump_until([] { return Activity::busy() == 0; }, left)) return false;
        engine.flush();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents();
        // What the GUI handled may have woken a thread (which counts as busy at once).
        if (Activity::busy() == 0) return true;
    }
}

void TickCounter::watch(Window& w) {
    window_ = &w;
    w.add_timer_handler(this);
}

void TickCounter::stop() {
    if (window_) window_->remove_timer_handler(this);
    window_ = nullptr;
}

bool TickCounter::wait(QtEngine& engine, int n, int limit_ms) {
    const int until = ticks_.load() + n + 1;
    if (!pump_until([&] { return ticks_.load() >= until; }, limit_ms)) return false;
    engine.flush();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return true;
}

QMainWindow* find_frame() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<QMainWindow*>(w); main && main->isVisible()) return main;
    return nullptr;
}

QAction* find_menu_item(QMainWindow* frame, const QString& text) {
    for (QAction* menu : frame->menuBar()->actions())
        if (menu->menu())
            for (QAction* item : menu->menu()->actions())
                if (item->text() == text) return item;
    return nullptr;
}

QWidget* find_screen(QMainWindow* frame) {
    auto* area = qobject_cast<QMdiArea*>(frame->centralWidget());
    if (area)
        for (QMdiSubWindow* sub : area->subWindowList())
            if (sub->isVisible()) return sub;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != frame && w->isVisible() && w->isWindow() && !qobject_cast<QMenu*>(w)) return w;
    return nullptr;
}

OpenFrame::OpenFrame(QtEngine& engine) {
    WindowLayout f;
    f.kind = WindowKind::Frame;
    f.title = "External scoreboard";
    f.width = 640, f.height = 400;
    f.status = {{-1, ""}};
    ControlState menu = control(ControlKind::Menu, "?FILEMENU", 0, 0, 0, 0, "&File");
    menu.number = 1;
    ControlState item = control(ControlKind::Item, "?EXIT", 0, 0, 0, 0, "E&xit");
    item.parent = 1;
    f.controls = {menu, item};
    procedure = std::make_unique<Procedure>(f);
    main = qobject_cast<QMainWindow*>(engine.widget(procedure->window()));
    area = main ? main->findChild<QMdiArea*>() : nullptr;
}

QMessageBox* wait_for_message_box() {
    QMessageBox* box = nullptr;
    pump_until([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) box = b;
        return box != nullptr;
    });
    return box;
}

ControlState control(ControlKind kind, std::string use, int x, int y, int w, int h, std::string text) {
    ControlState c;
    c.kind = kind;
    c.use = std::move(use);
    c.x = x, c.y = y, c.width = w, c.height = h;
    c.text = std::move(text);
    return c;
}

void use_offscreen_screen(QSize size) {
    if (QApplication::instance()) return;
    if (const char* platform = std::getenv("QT_QPA_PLATFORM"); platform && std::string(platform) == "offscreen") {
        const std::string config = (std::filesystem::temp_directory_path() /
                                    ("zrv_screen_" + std::to_string(getpid()) + "_" + std::to_string(size.width()) + "x" +
                                     std::to_string(size.height()) + ".json"))
                                       .string();
        std::ofstream(config) << "{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": " << size.width()
                              << ", \"height\": " << size.height() << ", \"logicalDpi\": 96}]}\n";
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);
    }
}

void QtEngineTest::SetUpTestSuite() {
    if (QApplication::instance()) return;
    use_offscreen_screen(screen_size);
    static int argc = 1;
    static char name[] = "qt_engine_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    app->setQuitOnLastWindowClosed(false);
}

Procedure::Procedure(WindowLayout layout) {
    start_thread(
        [this, layout] {
            Window w(layout);
            w.set_procedure("Test");
            w.open(this_thread());
            window_ = &w;
            for (;;) {
                Event e = this_thread().queue().take(w);
                if (e.apply) e.apply(w);
                if (e.keycode == kEndKeycode) break;
                if (e.kind == EventKind::Timer)
                    for (TimerHandler* h : w.timer_handlers()) h->on_timer();
                if (e.keycode == kEditKeycode) continue;
                e.apply = nullptr;
                std::lock_guard lock(mutex_);
                seen_.push_back({std::move(e), std::chrono::steady_clock::now()});
            }
            w.close();
            window_ = nullptr;
            finished_ = true;
        },
        kMinimumThreadStack);
    EXPECT_TRUE(pump_until([&] { return window_.load() != nullptr; }));
    flush_gui();
}

void Procedure::flush_gui() {
    auto* engine = dynamic_cast<QtEngine*>(&zrv::engine());
    if (engine) engine->flush();
}

Procedure::~Procedure() {
    if (Window* w = window_.load()) {
        Event e;
        e.kind = EventKind::Completed;
        e.keycode = kEndKeycode;
        w->post(std::move(e));
    }
    EXPECT_TRUE(pump_until([&] { return finished_.load(); }));
}

void Procedure::change(const std::function<void(Window&)>& edit) {
    std::atomic<bool> applied{false};
    Event e;
    e.kind = EventKind::Completed;
    e.keycode = kEditKeycode;
    e.apply = [&](Window& w) {
        edit(w);
        applied = true;
    };
    window().post(std::move(e));
    EXPECT_TRUE(pump_until([&] { return applied.load(); }));
    flush_gui();
}

void Procedure::run(std::function<void(Window&)> work) {
    done = false;
    Event e;
    e.kind = EventKind::Completed;
    e.keycode = kEditKeycode;
    e.apply = [this, work = std::move(work)](Window& w) {
        work(w);
        done = true;
    };
    window().post(std::move(e));
}

std::vector<Seen> Procedure::seen() const {
    std::lock_guard lock(mutex_);
    return seen_;
}

std::optional<Seen> Procedure::wait_for(EventKind kind, int limit_ms) {
    std::optional<Seen> found;
    pump_until(
        [&] {
            for (const Seen& s : seen())
                if (s.event.kind == kind) return found = s, true;
            return false;
        },
        limit_ms);
    return found;
}

}  // namespace zrv::testing

#include "framework/engine/qt/qt_program.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>
#include <vector>

#include <QApplication>

#include "framework/core/engine.h"
#include "framework/core/thread_context.h"
#include "framework/engine/qt/qt_engine.h"

namespace zrv {
namespace {

bool named(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// The platforms that draw on a display server: Qt's default choice, X and Wayland.
bool needs_display() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string_view p = platform ? platform : "";
    return p.empty() || p.substr(0, 3) == "xcb" || p.substr(0, 7) == "wayland";
}

// While the application is made: Qt's messages are held back, and its fatal one (no platform
// could be opened, which would abort with a core dump) becomes one line and exit code 1.
struct Starting {
    std::string program;
    std::string advice;
    std::vector<std::string> held;
    QtMessageHandler previous = nullptr;
};
Starting* g_starting = nullptr;

void starting_message(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    Starting& s = *g_starting;
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr, "%s: the display%s%s cannot be opened; %s\n", s.program.c_str(), display && *display ? " " : "",
                     display ? display : "", s.advice.c_str());
        std::fflush(stderr);
        ::_exit(1);
    }
    s.held.push_back(qFormatLogMessage(type, context, message).toStdString());
}

}  // namespace

int run_qt_program(int argc, char** argv, std::function<void()> program_body, std::string no_display_advice) {
    Starting starting;
    const std::string_view path = argc > 0 && argv[0] ? argv[0] : "program";
    starting.program = std::string(path.substr(path.find_last_of('/') == std::string_view::npos ? 0 : path.find_last_of('/') + 1));
    starting.advice = no_display_advice.empty() ? "it needs a display" : no_display_advice;
    if (needs_display() && !named("DISPLAY") && !named("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "%s: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); %s\n", starting.program.c_str(),
                     starting.advice.c_str());
        return 1;
    }
    g_starting = &starting;
    starting.previous = qInstallMessageHandler(starting_message);
    QApplication app(argc, argv);
    qInstallMessageHandler(starting.previous);
    g_starting = nullptr;
    for (const std::string& line : starting.held) std::fprintf(stderr, "%s\n", line.c_str());
    app.setQuitOnLastWindowClosed(false);  // the program body decides when the program ends
    int code = 0;
    {
        QtEngine engine;
        set_engine(&engine);
        // Procedure thread 1 gets the platform's default thread stack (8 MiB on Linux).
        std::thread body([&] {
            run_as_main_thread(program_body);
            QMetaObject::invokeMethod(
                &app, [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
        });
        code = app.exec();
        engine.stop();  // nothing waits on the GUI any more
        body.join();
        wait_for_threads(5000);
        set_engine(nullptr);
    }
    return code;
}

}  // namespace zrv

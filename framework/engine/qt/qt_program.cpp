#include "framework/engine/qt/qt_program.h"

#include <thread>

#include <QApplication>

#include "framework/core/engine.h"
#include "framework/core/thread_context.h"
#include "framework/engine/qt/qt_engine.h"

namespace zrv {

int run_qt_program(int argc, char** argv, std::function<void()> program_body) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);  // the program body decides when the program ends
    int code = 0;
    {
        QtEngine engine;
        set_engine(&engine);
        // Procedure thread 1 gets the platform's default thread stack (8 MiB on Linux).
        std::thread body([&] {
            run_as_main_thread(program_body);
            QMetaObject::invokeMethod(&app, [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
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

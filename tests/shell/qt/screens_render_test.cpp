// Every screen the frame's menus open, drawn by the Qt engine on the offscreen platform over
// empty tables: each opens as its own MDI child or floating window, draws, and closes by its
// close box. The grabs go to screens/<procedure>.png for a look.
#include <QDir>
#include <QMainWindow>
#include <thread>

#include "shell/main_frame.h"
#include "shell/program_body.h"
#include "tests/engine/qt/qt_fixture.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

class ScreensRender : public QtEngineTest {};

TEST_F(ScreensRender, EveryMenuScreenOpensDrawsAndClosesByItsCloseBox) {
    TempFolder folder;
    Activity::begin();  // thread 1 busy while it runs, as the headless driver counts it
    std::thread program([] {
        install_thread_hooks();
        run_as_main_thread(&RunProgram);
        Activity::end();
    });
    QMainWindow* frame = nullptr;
    ASSERT_TRUE(pump_until([&] { return (frame = find_frame()) != nullptr; }));
    frame->resize(1280, 900);
    const QString out = QString(ZRV_ARTIFACT_DIR) + "/screens";
    QDir().mkpath(out);

    for (const MenuRow& row : main_menu()) {
        if (row.procedure.empty()) continue;
        SCOPED_TRACE(row.procedure);
        QAction* item = find_menu_item(frame, QString::fromStdString(std::string(row.item)));
        ASSERT_TRUE(item);
        item->trigger();
        QWidget* screen = nullptr;
        ASSERT_TRUE(pump_until([&] { return (screen = find_screen(frame)) != nullptr; }));
        ASSERT_TRUE(settle_gui(engine()));  // let it fill and draw
        const QImage shot = screen->grab().toImage();
        ASSERT_FALSE(shot.isNull());
        EXPECT_GT(shot.width(), 100);
        EXPECT_GT(shot.height(), 100);
        shot.save(out + "/" + QString::fromStdString(std::string(row.procedure)) + ".png");
        screen->close();  // asks the model, which closes the window and ends the thread
        ASSERT_TRUE(pump_until([&] { return find_screen(frame) == nullptr; }));
    }

    frame->close();
    ASSERT_TRUE(pump_until([&] { return find_frame() == nullptr; }));
    program.join();
}

}  // namespace
}  // namespace zrv::testing

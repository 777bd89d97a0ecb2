// Every screen the frame's menus open, drawn by the Qt engine on the offscreen platform over
// empty tables: each opens as its own MDI child or floating window, draws, and closes by its
// close box. The grabs go to screens/<procedure>.png for a look.
#include <QDir>
#include <QMainWindow>

#include "shell/main_frame.h"
#include "tests/engine/qt/qt_fixture.h"
#include "tests/shell/qt/running_program.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

class ScreensRender : public QtEngineTest {};

TEST_F(ScreensRender, EveryMenuScreenOpensDrawsAndClosesByItsCloseBox) {
    TempFolder folder;
    RunningProgram program;
    QMainWindow* frame = program.frame();
    ASSERT_TRUE(frame);
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

    EXPECT_TRUE(program.close());
}

}  // namespace
}  // namespace zrv::testing

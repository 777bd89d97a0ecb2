// The program's frame drawn by the Qt engine on the offscreen platform: title, menus, status
// bar and wallpaper, grabbed to a PNG; About opened from its menu; closing it ends the program
// and writes the settings.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSet>
#include <QMenuBar>
#include <QStatusBar>

#include "shell/main_frame.h"
#include "tests/engine/qt/qt_fixture.h"
#include "tests/shell/qt/running_program.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

class FrameRender : public QtEngineTest {};

TEST_F(FrameRender, TheFrameShowsItsTitleMenusStatusBarAndWallpaper) {
    TempFolder folder;
    RunningProgram program;
    QMainWindow* frame = program.frame();
    ASSERT_TRUE(frame);
    frame->resize(1024, 700);
    ASSERT_TRUE(settle_gui(engine()));

    EXPECT_EQ(frame->windowTitle().toStdString(), kFrameTitle);
    QStringList menus;
    for (QAction* a : frame->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus.first(), "&File");
    EXPECT_EQ(menus.last(), "About Us");
    EXPECT_EQ(menus.size(), 9);
    EXPECT_NE(frame->statusBar(), nullptr);

    QImage shot = frame->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    shot.save(QString(ZRV_ARTIFACT_DIR) + "/frame.png");
    // The wallpaper fills the client area: many colours, not one plain background.
    QSet<QRgb> colours;
    for (int y = 40; y < shot.height() - 40; y += 7)
        for (int x = 0; x < shot.width(); x += 7) colours.insert(shot.pixel(x, y));
    EXPECT_GT(colours.size(), 20);

    // About, chosen from its menu, opens on Cancel, whose message the frame's first zone shows.
    QAction* about = frame->menuBar()->actions().last()->menu()->actions().value(0);
    ASSERT_TRUE(about);
    EXPECT_EQ(about->text(), "License agreement and contact information");
    about->trigger();
    QLabel* first_zone = frame->statusBar()->findChildren<QLabel*>().value(0);
    ASSERT_TRUE(first_zone);
    EXPECT_TRUE(pump_until([&] { return first_zone->text() == "Cancel operation"; })) << first_zone->text().toStdString();
    auto* cancel = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    EXPECT_TRUE(cancel && cancel->text() == "&Cancel");

    ASSERT_TRUE(program.close());  // the close box: the frame closes, the program ends
    EXPECT_NE(folder.read("Zorvane.INI").find("Sectors=0"), std::string::npos);
}

}  // namespace
}  // namespace zrv::testing

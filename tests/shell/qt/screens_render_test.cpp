// Every screen the frame's menus open, drawn by the Qt engine on the offscreen platform over
// empty tables: each opens as its own MDI child or floating window, draws, and closes by its
// close box, and by Escape. The grabs go to screens/<procedure>.png for a look. Window > Tile
// among many lists leaves each its buttons and search box within reach.
#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "shell/main_frame.h"
#include "tests/engine/qt/qt_fixture.h"
#include "tests/shell/qt/running_program.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

class ScreensRender : public QtEngineTest {};

// Each screen opens twice: drawn, then closed by its close box; then closed by Escape typed on
// it (to its focused control, or to the window when none has the focus), which presses its
// Cancel or Close.
TEST_F(ScreensRender, EveryMenuScreenOpensDrawsAndClosesByItsCloseBoxAndByEscape) {
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
        for (const bool by_escape : {false, true}) {
            SCOPED_TRACE(by_escape ? "by Escape" : "by its close box");
            QAction* item = find_menu_item(frame, QString::fromStdString(std::string(row.item)));
            ASSERT_TRUE(item);
            item->trigger();
            QWidget* screen = nullptr;
            ASSERT_TRUE(pump_until([&] { return (screen = find_screen(frame)) != nullptr; }));
            ASSERT_TRUE(settle_gui(engine()));  // let it fill and draw
            if (!by_escape) {
                const QImage shot = screen->grab().toImage();
                ASSERT_FALSE(shot.isNull());
                EXPECT_GT(shot.width(), 100);
                EXPECT_GT(shot.height(), 100);
                shot.save(out + "/" + QString::fromStdString(std::string(row.procedure)) + ".png");
                screen->close();  // asks the model, which closes the window and ends the thread
                ASSERT_TRUE(pump_until([&] { return find_screen(frame) == nullptr; }));
                continue;
            }
            QWidget* focused = QApplication::focusWidget();
            const bool inside = focused && (focused == screen || screen->isAncestorOf(focused));
            QTest::keyClick(inside ? focused : screen, Qt::Key_Escape);
            EXPECT_TRUE(pump_until([&] { return find_screen(frame) == nullptr; }))
                << (inside ? "from its focused control" : "on the window");
            if (QWidget* left = find_screen(frame)) {
                left->close();
                ASSERT_TRUE(pump_until([&] { return find_screen(frame) == nullptr; }));
            }
        }
    }

    EXPECT_TRUE(program.close());
}

// Window > Tile with eight lists of the menus open at once in the frame at 1280 x 800: each
// list's Close button and search box stay within reach of its scrolling.
TEST_F(ScreensRender, TileAmongManyListsLeavesEachItsButtonsAndSearchBoxWithinReach) {
    TempFolder folder;
    RunningProgram program;
    QMainWindow* frame = program.frame();
    ASSERT_TRUE(frame);
    frame->resize(1280, 800);
    auto* area = qobject_cast<QMdiArea*>(frame->centralWidget());
    ASSERT_TRUE(area);
    const char* lists[] = {"Queue Event Katas",
                           "Queue Team event",
                           "Queue Event Kata y Kumite Individual",
                           "Manual display results Kata",
                           "Individual competition Manuel results",
                           "Team competition Manuel results",
                           "&Display",
                           "Council results"};
    for (const char* text : lists) {
        QAction* item = find_menu_item(frame, text);
        ASSERT_TRUE(item) << text;
        const auto before = area->subWindowList().size();
        item->trigger();
        ASSERT_TRUE(pump_until([&] { return area->subWindowList().size() == before + 1; })) << text;
    }
    ASSERT_TRUE(settle_gui(engine()));
    QAction* tile = find_menu_item(frame, "T&ile");
    ASSERT_TRUE(tile);
    tile->trigger();
    ASSERT_TRUE(settle_gui(engine()));
    const QList<QMdiSubWindow*> subs = area->subWindowList();
    ASSERT_EQ(subs.size(), static_cast<qsizetype>(std::size(lists)));
    for (Window* w : engine().windows()) {
        auto* sub = qobject_cast<QMdiSubWindow*>(engine().widget(*w));
        if (!sub) continue;
        SCOPED_TRACE(w->procedure());
        auto* client = qobject_cast<QScrollArea*>(sub->widget());
        ASSERT_TRUE(client);
        // Tiled smaller than its layout.
        EXPECT_LT(sub->width() * sub->height(), 1280 * 800 / 4);
        ASSERT_TRUE(pump_until([&] { return client->widget()->width() > 0; }));
        for (const char* use : {"?CLOSE", "?FUZZYQUERY"}) {
            SCOPED_TRACE(use);
            const int n = w->number_of(use);
            ASSERT_NE(n, 0);
            QWidget* control = engine().widget(*w, n);
            ASSERT_TRUE(control);
            const QPoint far = control->mapTo(client->widget(), QPoint(control->width(), control->height()));
            EXPECT_LE(far.x(), client->viewport()->width() + client->horizontalScrollBar()->maximum());
            EXPECT_LE(far.y(), client->viewport()->height() + client->verticalScrollBar()->maximum());
            client->ensureWidgetVisible(control);
            const QRect shown(control->mapTo(client->viewport(), QPoint(0, 0)), control->size());
            // Scrolled to, its start shows whole in height (enough to click into a search box
            // wider than the window).
            const QRect start(shown.topLeft(), QSize(std::min(shown.width(), 40), shown.height()));
            EXPECT_TRUE(client->viewport()->rect().contains(start))
                << shown.x() << "," << shown.y() << " " << shown.width() << "x" << shown.height() << " in "
                << client->viewport()->width() << "x" << client->viewport()->height() << " sub " << sub->width() << "x"
                << sub->height();
        }
    }
    EXPECT_TRUE(program.close());
}

}  // namespace
}  // namespace zrv::testing

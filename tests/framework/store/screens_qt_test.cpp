// The program on the Qt engine (offscreen) with a damaged KataEvent file: "Queue Event Katas"
// opened from the frame's menu says "Invalid File" once; after OK its half-second re-reads go
// on (counted by the list's own ticks) without another box, its Close button closes it, and the frame closes.
#include <QAbstractButton>
#include <QMainWindow>
#include <QMessageBox>
#include <QTest>
#include <fstream>
#include <set>

#include "tests/engine/qt/qt_fixture.h"
#include "tests/shell/qt/running_program.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

class FailingTableOnScreen : public QtEngineTest {};

TEST_F(FailingTableOnScreen, TheBoxComesOnceAndTheListAndTheFrameClose) {
    TempFolder folder;
    std::ofstream("KataEvent.sqlite", std::ios::binary) << std::string(8192, 'x');
    RunningProgram program;
    QMainWindow* frame = program.frame();
    ASSERT_TRUE(frame);

    // Every message box shown meanwhile, each counted once.
    std::set<QMessageBox*> boxes;
    QMessageBox* open_box = nullptr;
    const auto look = [&] {
        open_box = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) {
                boxes.insert(b);
                open_box = b;
            }
        return open_box != nullptr;
    };
    QAction* item = find_menu_item(frame, "Queue Event Katas");
    ASSERT_TRUE(item);
    item->trigger();
    ASSERT_TRUE(pump_until(look));
    EXPECT_EQ(open_box->windowTitle(), "Invalid File");
    QTest::mouseClick(open_box->button(QMessageBox::Ok), Qt::LeftButton);
    // Five whole re-reads of the list after OK (the sixth begun) show no other box.
    Window* shown_list = nullptr;
    ASSERT_TRUE(pump_until([&] {
        for (Window* w : engine().windows())
            if (w->kind() != WindowKind::Frame) shown_list = w;
        return shown_list != nullptr;
    }));
    TickCounter rereads(*shown_list);
    const int until = rereads.ticks() + 6;
    pump_until([&] { return look() || rereads.ticks() >= until; });
    rereads.stop();
    EXPECT_GE(rereads.ticks(), until);
    look();
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(open_box, nullptr);

    QWidget* list = nullptr;
    ASSERT_TRUE(pump_until([&] { return (list = find_screen(frame)) != nullptr; }));
    QAbstractButton* close = nullptr;
    for (QAbstractButton* b : list->findChildren<QAbstractButton*>())
        if (b->toolTip() == "Close Window" && b->isVisible()) close = b;
    ASSERT_TRUE(close);
    QTest::mouseClick(close, Qt::LeftButton);
    ASSERT_TRUE(pump_until([&] { return find_screen(frame) == nullptr; }));

    ASSERT_TRUE(program.close());
    EXPECT_EQ(boxes.size(), 1u);
}

}  // namespace
}  // namespace zrv::testing

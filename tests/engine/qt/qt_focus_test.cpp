// The keyboard focus in the frame's child windows: every Tab stop is a control that shows its
// focus (the default button too), and a message box answered leaves the window that asked it in front, its focus where it
// was.
#include <memory>
#include <set>
#include <tuple>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "framework/core/thread_context.h"
#include "tests/engine/qt/qt_fixture.h"

namespace zrv::testing {
namespace {

class QtFocusTest : public QtEngineTest {};

// A form as the kata console lays its out: a sheet of one tab holding entries and buttons, OK and
// Cancel below it.
WindowLayout console_layout(const std::string& title) {
    WindowLayout l;
    l.title = title;
    l.kind = WindowKind::MdiChild;
    l.width = 300, l.height = 180;
    ControlState sheet = control(ControlKind::Sheet, "?SHEET", 4, 4, 292, 150);
    sheet.number = 1;
    sheet.selected = 1;
    ControlState tab = control(ControlKind::Tab, "?TAB1", 0, 0, 0, 0, "&1) Scoreboard points Consol");
    tab.number = 2;
    tab.parent = 1;
    l.controls = {sheet, tab};
    for (auto [use, x, y] : {std::tuple{"?NAME", 10, 24}, {"?CODE", 10, 40}}) {
        ControlState entry = control(ControlKind::Entry, use, x, y, 120, 12);
        entry.parent = 2;
        l.controls.push_back(entry);
    }
    for (auto [use, x] : {std::pair{"?BUTTON1", 10}, {"?BUTTON2", 80}, {"?BUTTON3", 150}}) {
        ControlState button = control(ControlKind::Button, use, x, 70, 60, 14, use + 1);
        button.parent = 2;
        l.controls.push_back(button);
    }
    ControlState ok = control(ControlKind::Button, "?OK", 190, 160, 50, 14, "&OK");
    ok.is_default = true;
    l.controls.push_back(ok);
    l.controls.push_back(control(ControlKind::Button, "?CANCEL", 245, 160, 50, 14, "&Cancel"));
    return l;
}

// The control whose widget is w or holds it (a sheet's tab bar); 0 for none.
int control_of(QtEngine& engine, Window& window, QWidget* w) {
    for (const ControlState& c : window.controls())
        if (QWidget* shown = engine.widget(window, c.number); shown && w && (shown == w || shown->isAncestorOf(w))) return c.number;
    return 0;
}

TEST_F(QtFocusTest, EveryTabStopOfAChildWindowIsAControlOfIt) {
    OpenFrame frame(engine());
    Procedure p(console_layout("Display for Cansol scoreboard points"));
    auto* sub = qobject_cast<QMdiSubWindow*>(engine().widget(p.window()));
    ASSERT_TRUE(sub);
    frame.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.main));
    p.change([](Window& w) { w.select(w.number_of("?NAME")); });
    ASSERT_TRUE(pump_until([&] { return widget(p, "?NAME")->hasFocus(); }));
    std::set<int> stops;
    for (int i = 0; i < 2 * static_cast<int>(p.window().controls().size()); ++i) {
        QWidget* focused = QApplication::focusWidget();
        const int c = control_of(engine(), p.window(), focused);
        EXPECT_NE(c, 0) << "Tab " << i << ": " << (focused ? focused->metaObject()->className() : "nothing");
        stops.insert(c);
        QTest::keyClick(focused ? focused : sub, Qt::Key_Tab);
    }
    // Every control that takes the keyboard was reached: the sheet, the entries, the buttons.
    for (const char* use : {"?SHEET", "?NAME", "?CODE", "?BUTTON1", "?BUTTON2", "?BUTTON3", "?OK", "?CANCEL"})
        EXPECT_TRUE(stops.count(p.window().number_of(use))) << use;
}

TEST_F(QtFocusTest, TheDefaultButtonLooksOtherwiseWithTheFocusThanWithout) {
    OpenFrame frame(engine());
    Procedure p(console_layout("Display for Cansol scoreboard points"));
    frame.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.main));
    auto* ok = as<QPushButton>(p, "?OK");
    ASSERT_TRUE(ok && ok->isDefault());
    p.change([](Window& w) { w.select(w.number_of("?CANCEL")); });
    ASSERT_TRUE(pump_until([&] { return widget(p, "?CANCEL")->hasFocus(); }));
    const QImage without = ok->grab().toImage();
    QTest::keyClick(widget(p, "?CANCEL"), Qt::Key_Backtab);
    ASSERT_TRUE(pump_until([&] { return ok->hasFocus(); }));
    EXPECT_NE(ok->grab().toImage(), without);
}

TEST_F(QtFocusTest, AMessageBoxClickedAndAnsweredLeavesTheWindowThatAskedInFront) {
    OpenFrame frame(engine());
    // A list on its thread runs a form, which runs a display: three child windows of one thread,
    // the last one asking.
    Procedure list(console_layout("List"));
    std::vector<std::unique_ptr<Window>> opened;
    list.change([&](Window&) {
        for (const char* title : {"Console", "Display"}) {
            opened.push_back(std::make_unique<Window>(console_layout(title)));
            opened.back()->open(this_thread());
            opened.back()->select(opened.back()->number_of("?BUTTON2"));
        }
    });
    engine().flush();
    Window& asking = *opened.back();
    QMdiSubWindow* asking_sub = nullptr;
    ASSERT_TRUE(pump_until([&] { return (asking_sub = qobject_cast<QMdiSubWindow*>(engine().widget(asking))) != nullptr; }));
    frame.main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.main));
    frame.area->setActiveSubWindow(asking_sub);
    QWidget* button = engine().widget(asking, asking.number_of("?BUTTON2"));
    ASSERT_TRUE(pump_until([&] { return button->hasFocus(); }));
    list.run([&](Window&) {
        engine().message_box({"Record Changed", "Another program changed this record.", MessageIcon::Exclamation, ButtonOk, ButtonOk});
    });
    QMessageBox* box = wait_for_message_box();
    ASSERT_TRUE(box);
    box->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(box));
    // Clicked on its text, then on its button.
    if (auto* text = box->findChild<QLabel*>("qt_msgbox_label")) QTest::mouseClick(text, Qt::LeftButton);
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    ASSERT_TRUE(pump_until([&] { return list.done.load(); }));
    ASSERT_TRUE(settle_gui(engine()));
    EXPECT_EQ(frame.area->activeSubWindow(), asking_sub)
        << (frame.area->activeSubWindow() ? frame.area->activeSubWindow()->windowTitle().toStdString() : "none");
    EXPECT_TRUE(button->hasFocus());
    list.change([&](Window&) {
        for (auto it = opened.rbegin(); it != opened.rend(); ++it) (*it)->close();
        opened.clear();
    });
}

}  // namespace
}  // namespace zrv::testing

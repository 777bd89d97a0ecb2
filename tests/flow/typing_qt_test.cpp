// Typing on a live form as the operator does it in the Qt windows: the whole program, a manual
// result opened for change from its list, a name typed into its entry and the entry left, the
// form's ticks, then OK; digits typed into a list's ID entry, then the arrow keys.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "tests/engine/qt/qt_fixture.h"
#include "tests/shell/qt/running_program.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

class TypingQt : public QtEngineTest {};

// The first visible widget of that type, in any window, that pred accepts.
template <class W, class Pred>
W* find_widget(Pred pred) {
    for (QWidget* top : QApplication::topLevelWidgets())
        for (W* w : top->findChildren<W*>())
            if (w->isVisible() && pred(w)) return w;
    return nullptr;
}

// The list the frame's menu item opens, once it shows that many rows; null when it did not.
QTreeWidget* open_list(RunningProgram& program, const char* menu_item, int rows) {
    QMainWindow* frame = program.frame();
    QAction* item = frame ? find_menu_item(frame, menu_item) : nullptr;
    if (!item) return nullptr;
    item->trigger();
    QTreeWidget* list = nullptr;
    pump_until([&] {
        return (list = find_widget<QTreeWidget>([rows](QTreeWidget* t) { return t->topLevelItemCount() == rows; })) != nullptr;
    });
    return list;
}

TEST_F(TypingQt, ANameTypedAndLeftStaysThroughTheTicksAndOkStoresIt) {
    TempFolder folder;
    data::InitDataDictionary();
    auto& rm = *data::file_manager(data::TableId::ResultadosManual);
    ASSERT_TRUE(rm.prepare_new_record());
    rm.record().set_text("RM:PrimerLugarNombre", "Aiko Tanaka");
    ASSERT_TRUE(rm.insert());
    RunningProgram program;
    QTreeWidget* list = open_list(program, "Individual competition Manuel results", 1);
    ASSERT_TRUE(list);
    const QPoint row = list->visualItemRect(list->topLevelItem(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    QLineEdit* name = nullptr;
    ASSERT_TRUE(pump_until([&] {
        return (name = find_widget<QLineEdit>([](QLineEdit* e) { return e->text() == "Aiko Tanaka"; })) != nullptr;
    }));

    name->selectAll();
    QTest::keyClicks(name, "Aiko T. Tanaka");
    QTest::keyClick(name, Qt::Key_Tab);  // leaves the entry (Enter would press OK)
    Window* form = nullptr;
    for (Window* w : engine().windows())
        if (QWidget* top = engine().widget(*w); top && top->isAncestorOf(name)) form = w;
    ASSERT_TRUE(form);
    TickCounter ticks(*form);
    ASSERT_TRUE(ticks.wait(engine(), 30));  // thirty ticks of the form
    ticks.stop();
    EXPECT_EQ(name->text().toStdString(), "Aiko T. Tanaka");

    QPushButton* ok = find_widget<QPushButton>([](QPushButton* b) { return b->toolTip() == "Accept data and close the window"; });
    ASSERT_TRUE(ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(pump_until([] {
        return find_widget<QPushButton>([](QPushButton* b) { return b->toolTip() == "Accept data and close the window"; }) == nullptr;
    }));
    rm.record().set_integer("RM:IDResultadosM", 1);
    ASSERT_TRUE(rm.get_by_key(0));
    EXPECT_EQ(rm.record().get_text("RM:PrimerLugarNombre").substr(0, 15), "Aiko T. Tanaka ");

    EXPECT_TRUE(program.close());
    data::KillDataDictionary();
}

// The next-up list of individual events: digits typed into the list go on in its ID entry,
// which then has the keyboard; the arrow keys pressed there move the rows, and the keys after
// them go to the list.
TEST_F(TypingQt, AfterDigitsTypedIntoTheIdEntryTheArrowKeysMoveTheRows) {
    TempFolder folder;
    data::InitDataDictionary();
    auto& events = *data::file_manager(data::TableId::KumiteIndividual);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(events.prepare_new_record());
        ASSERT_TRUE(events.insert());
    }
    RunningProgram program;
    QTreeWidget* list = open_list(program, "Read Up Kumite Screen Competitors (Floating window)", 5);
    ASSERT_TRUE(list);
    list->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(list->window()));
    const auto selected_id = [&] {
        const QList<QTreeWidgetItem*> rows = list->selectedItems();
        return rows.size() == 1 ? rows[0]->text(1).trimmed() : QString();
    };
    const auto row_of_selected = [&] {
        const QList<QTreeWidgetItem*> rows = list->selectedItems();
        return rows.size() == 1 ? list->indexOfTopLevelItem(rows[0]) : -1;
    };
    ASSERT_TRUE(pump_until([&] { return list->hasFocus(); }));
    QTest::keyClick(list, Qt::Key_3);
    QLineEdit* id = nullptr;
    ASSERT_TRUE(pump_until([&] {
        id = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return id && id->text() == "3" && selected_id() == "3";
    })) << selected_id().toStdString();
    const int at = row_of_selected();
    ASSERT_GE(at, 0);
    const int below = at + 1 < 5 ? at + 1 : at - 1;
    QTest::keyClick(id, below > at ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_TRUE(pump_until([&] { return row_of_selected() == below && list->hasFocus(); }))
        << row_of_selected() << " focus in the list " << list->hasFocus();
    // The next arrow goes to the list itself.
    QTest::keyClick(QApplication::focusWidget(), below > at ? Qt::Key_Up : Qt::Key_Down);
    EXPECT_TRUE(pump_until([&] { return row_of_selected() == at; })) << row_of_selected();

    EXPECT_TRUE(program.close());
    data::KillDataDictionary();
}

}  // namespace
}  // namespace zrv::testing

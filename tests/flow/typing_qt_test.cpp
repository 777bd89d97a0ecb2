// Typing on a live form as the operator does it in the Qt windows: the whole program, a manual
// result opened for change from its list, a name typed into its entry and the entry left, the
// form's ticks, then OK.
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

TEST_F(TypingQt, ANameTypedAndLeftStaysThroughTheTicksAndOkStoresIt) {
    TempFolder folder;
    data::InitDataDictionary();
    auto& rm = *data::file_manager(data::TableId::ResultadosManual);
    ASSERT_TRUE(rm.prepare_new_record());
    rm.record().set_text("RM:PrimerLugarNombre", "Aiko Tanaka");
    ASSERT_TRUE(rm.insert());
    RunningProgram program;
    QMainWindow* frame = program.frame();
    ASSERT_TRUE(frame);
    QAction* item = find_menu_item(frame, "Individual competition Manuel results");
    ASSERT_TRUE(item);
    item->trigger();

    QTreeWidget* list = nullptr;
    ASSERT_TRUE(pump_until([&] {
        return (list = find_widget<QTreeWidget>([](QTreeWidget* t) { return t->topLevelItemCount() == 1; })) != nullptr;
    }));
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
    EXPECT_TRUE(pump_until([] { return find_widget<QPushButton>([](QPushButton* b) {
                                           return b->toolTip() == "Accept data and close the window";
                                       }) == nullptr; }));
    rm.record().set_integer("RM:IDResultadosM", 1);
    ASSERT_TRUE(rm.get_by_key(0));
    EXPECT_EQ(rm.record().get_text("RM:PrimerLugarNombre").substr(0, 15), "Aiko T. Tanaka ");

    EXPECT_TRUE(program.close());
    data::KillDataDictionary();
}

}  // namespace
}  // namespace zrv::testing

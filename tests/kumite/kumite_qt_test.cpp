// The bracket forms, team sheets and team lists on the Qt engine, over table files that the
// scoring software (zrv_scoring, a process of its own) writes while the screens run: what the
// operator sees on the real widgets, and what a click on them does.
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/app_services.h"
#include "framework/core/procedures.h"
#include "framework/core/window_controller.h"
#include "tests/engine/qt/qt_fixture.h"
#include "tests/support/recording_engine.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/temp_folder.h"

namespace zrv::testing {
namespace {

using data::TableId;

class KumiteOnQt : public QtEngineTest {
protected:
    void SetUp() override {
        QtEngineTest::SetUp();
        set_thread_hooks({.start = [] { data::InitDataDictionary(); }, .end = [] { data::KillDataDictionary(); }});
        app_settings_file().open(".\\Zorvane.INI");
        data::InitDataDictionary();
        set_engine(&recording_);
    }
    void TearDown() override {
        set_engine(&engine());
        QtEngineTest::TearDown();
        data::KillDataDictionary();
        app_settings_file().close();
        set_thread_hooks({});
    }
    // A new record added by this program, as its forms add one; its number.
    std::string add(TableId table, const std::vector<std::pair<std::string, std::string>>& values = {}) {
        auto& t = *data::file_manager(table);
        EXPECT_TRUE(t.prepare_new_record());
        for (const auto& [field, value] : values) EXPECT_TRUE(t.record().set_text(field, value)) << field;
        EXPECT_TRUE(t.insert());
        return t.record().get_text(0);
    }
    // Runs a procedure on a thread of its own, as a list runs its form: the record with that
    // number in the buffer, the request in ThreadRequest. Returns its window once it shows.
    Window* start(const std::string& procedure, TableId table, const std::string& number, int request) {
        start_thread(
            [=] {
                auto& t = *data::file_manager(table);
                t.record().set_text(0, number);
                t.get_by_key(0);
                ThreadRequest() = static_cast<std::uint8_t>(request);
                run_procedure(procedure);
            },
            4 * kMinimumThreadStack);
        return shown(procedure);
    }
    // The procedure's window once the engine shows it, or null.
    Window* shown(const std::string& procedure) {
        Window* w = nullptr;
        EXPECT_TRUE(pump_until([&] { return (w = recording_.window(procedure)) != nullptr; })) << procedure;
        // The window is noted before the engine is given it: wait for its widgets.
        EXPECT_TRUE(pump_until([&] { return w && engine().widget(*w) != nullptr; })) << procedure;
        engine().flush();
        return w;
    }
    bool closed(const std::string& procedure) {
        return pump_until([&] { return recording_.window(procedure) == nullptr; });
    }
    // Every procedure thread has ended (their last steps may need the GUI, so it runs meanwhile).
    static bool threads_ended() {
        return pump_until([] { return running_threads() == 0; });
    }
    template <class W>
    W* widget(Window& w, const std::string& use) {
        auto* x = qobject_cast<W*>(engine().widget(w, w.number_of(use)));
        EXPECT_NE(x, nullptr) << use;
        return x;
    }
    QCheckBox* box(Window& w, const std::string& field) {
        auto* b = qobject_cast<QCheckBox*>(engine().widget(w, w.number_of("?" + field)));
        EXPECT_NE(b, nullptr) << field;
        return b;
    }

    TempFolder folder;
    RecordingEngine recording_{engine()};
};

// Both boxes of a bout stored as 1 by the scoring software before the form opens: the form
// still lets the operator change the bout.
TEST_F(KumiteOnQt, BothBoxesOfAPairStoredCheckedLeaveOneEnabledAndAClickFreesTheOther) {
    struct Case {
        const char* form;
        TableId table;
        const char* table_name;
        std::string a, b;
    } cases[] = {
        {"UpdateKumiteIndividual4", TableId::KumiteIndividual, "KumiteIndividual", "KE24:RESULTADOC1B", "KE24:RESULTADOC2B"},
        {"UpdateKumiteIndividual", TableId::KumiteIndividual, "KumiteIndividual", "KE24:RRONDAA2R", "KE24:RRONDAA2A"},
        {"UpdateKumiteIndividual16", TableId::KumiteIndividual, "KumiteIndividual", "KE24:RGANADOR", "KE24:RGANADOR_B"},
        {"UpdateEquipo5", TableId::KumiteEquipo5, "KumiteEquipo5", "KE212:HANTEYL1R4A", "KE212:HANTEYL2R4A"},
        {"UpdateEquipo3", TableId::KumiteEquipo5, "KumiteEquipo5", "KE212:HANTEYE1R1A", "KE212:HANTEYE2R1R"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        const std::string number = add(c.table);
        ASSERT_EQ(run_scoring_tool({"set", c.table_name, number, c.a + "=1", c.b + "=1"}), 0);
        Window* w = start(c.form, c.table, number, kRequestChange);
        ASSERT_TRUE(w);
        QCheckBox* a = box(*w, c.a);
        QCheckBox* b = box(*w, c.b);
        ASSERT_TRUE(a && b);
        // The window shows before set-up applies the box rules: wait until they have disabled one.
        ASSERT_TRUE(pump_until([&] { return !a->isEnabled() || !b->isEnabled(); }));
        ASSERT_TRUE(settle_gui(engine()));  // and set-up has done all it does
        ASSERT_TRUE(a->isEnabled() || b->isEnabled()) << "both boxes of the pair disabled";
        QCheckBox* free = a->isEnabled() ? a : b;
        QCheckBox* other = free == a ? b : a;
        QTest::mouseClick(free, Qt::LeftButton, {}, QPoint(5, 8));
        EXPECT_TRUE(pump_until([&] { return other->isEnabled(); })) << "unchecking a box enables its partner";
        EXPECT_TRUE(free->isEnabled());
        ASSERT_EQ(run_scoring_tool({"set", c.table_name, number,
                                    c.table == TableId::KumiteIndividual ? "KE24:Cerrar=1" : "KE212:Cerrar=1"}),
                  0);
        EXPECT_TRUE(closed(c.form));
        EXPECT_TRUE(threads_ended());
    }
}

// The team list after the operator has viewed one event's sheet (which reads that event's team
// into the thread's buffer): every row still shows the coach of its own team, or nothing.
TEST_F(KumiteOnQt, TheTeamListShowsEachRowsOwnCoachAfterASheetWasViewed) {
    add(TableId::Equipos, {{"Equ:Entrenado", "Sensei Kato"}, {"Equ:TotalIntegrantes", "5"}});
    add(TableId::Equipos, {{"Equ:Entrenado", "Sensei Mori"}, {"Equ:TotalIntegrantes", "5"}});
    for (const char* code : {"TEAM-1", "TEAM-2", "TEAM-3"}) add(TableId::KumiteEquipo5, {{"KE212:CodigoDeEvento", code}});
    Window* list = start("BrowseEquipo5", TableId::KumiteEquipo5, "", 0);
    ASSERT_TRUE(list);
    auto* rows = widget<QTreeWidget>(*list, "?BROWSE:1");
    ASSERT_TRUE(rows);
    const int code_column = 3, coach_column = 4;  // after the score, "ID Team" and "Event date"
    ASSERT_EQ(rows->headerItem()->text(coach_column), "Coach name");
    const auto item_of = [&](const QString& code) -> QTreeWidgetItem* {
        for (int i = 0; i < rows->topLevelItemCount(); ++i)
            if (rows->topLevelItem(i)->text(code_column).trimmed() == code) return rows->topLevelItem(i);
        return nullptr;
    };
    ASSERT_TRUE(pump_until([&] { return item_of("TEAM-1") != nullptr; }));
    QTreeWidgetItem* first = item_of("TEAM-1");
    rows->scrollToItem(first);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(first).center());
    QTest::mouseClick(widget<QPushButton>(*list, "?VIEW:3"), Qt::LeftButton);
    Window* sheet = shown("UpdateEquipo5");
    ASSERT_TRUE(sheet);
    QTest::mouseClick(widget<QPushButton>(*sheet, "?OK"), Qt::LeftButton);
    ASSERT_TRUE(closed("UpdateEquipo5"));
    const auto coach_of = [&](const char* code) {
        QTreeWidgetItem* item = item_of(code);
        return item ? item->text(coach_column).trimmed().toStdString() : std::string("<no row>");
    };
    EXPECT_TRUE(pump_until([&] {
        return coach_of("TEAM-1") == "Sensei Kato" && coach_of("TEAM-2") == "Sensei Mori" && coach_of("TEAM-3").empty();
    })) << coach_of("TEAM-1")
        << " / " << coach_of("TEAM-2") << " / " << coach_of("TEAM-3");
    QTest::mouseClick(widget<QPushButton>(*list, "?CLOSE"), Qt::LeftButton);
    EXPECT_TRUE(closed("BrowseEquipo5"));
    EXPECT_TRUE(threads_ended());
}

// The half-second list over 160 events: ticks that find nothing changed leave the rows as they
// are, and what the scoring software then commits shows in the list's widget at a next tick.
TEST_F(KumiteOnQt, TheListShowsWhatTheScoringSoftwareCommitsAfterUnchangedTicks) {
    for (int i = 0; i < 160; ++i) add(TableId::KumiteIndividual, {{"KE24:CodigoDeEvento", "EV-" + std::to_string(i + 1)}});
    Window* list = start("BrowseKumiteIndividual4", TableId::KumiteIndividual, "", 0);
    ASSERT_TRUE(list);
    auto* rows = widget<QTreeWidget>(*list, "?BROWSE:1");
    ASSERT_TRUE(rows);
    const int code_column = 3;  // after the score, "ID Evnt." and "Fecha"
    const auto codes = [&] {
        std::vector<std::string> out;
        for (int i = 0; i < rows->topLevelItemCount(); ++i)
            out.push_back(rows->topLevelItem(i)->text(code_column).trimmed().toStdString());
        return out;
    };
    ASSERT_TRUE(pump_until([&] { return !codes().empty() && codes().front() == "EV-160"; }));  // newest first
    TickCounter ticks(*list);
    ASSERT_TRUE(ticks.wait(engine(), 1));  // the list as its first tick left it
    const std::vector<std::string> before = codes();
    ASSERT_TRUE(ticks.wait(engine(), 2));
    EXPECT_EQ(codes(), before);
    ASSERT_EQ(run_scoring_tool({"set", "KumiteIndividual", "159", "CodigoDeEvento=CHANGED"}), 0);
    ASSERT_TRUE(ticks.wait(engine(), 1));  // the first tick that began after the commit
    EXPECT_TRUE(codes().size() > 1 && codes()[1] == "CHANGED") << (codes().size() > 1 ? codes()[1] : "<no row>");
    ticks.stop();
    QTest::mouseClick(widget<QPushButton>(*list, "?CLOSE"), Qt::LeftButton);
    EXPECT_TRUE(closed("BrowseKumiteIndividual4"));
    EXPECT_TRUE(threads_ended());
}

}  // namespace
}  // namespace zrv::testing

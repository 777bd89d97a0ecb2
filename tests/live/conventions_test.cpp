// The live conventions on forms and lists declared here over the ResultadosManual table: close
// variants, the order of the framework's handling, list timer steps, the return of the focus.
#include <gtest/gtest.h>

#include <mutex>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/app_services.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/engine/headless/test_driver.h"
#include "live/list_screen.h"
#include "live/live_form.h"
#include "tests/support/screen_test.h"
#include "tests/support/temp_folder.h"

namespace zrv::live {
namespace {

using data::TableId;

std::mutex g_mutex;
std::vector<std::string> g_trace;
void trace(std::string s) {
    std::lock_guard lock(g_mutex);
    g_trace.push_back(std::move(s));
}
std::vector<std::string> take_trace() {
    std::lock_guard lock(g_mutex);
    return std::exchange(g_trace, {});
}

CloseVariant g_close = CloseVariant::CompletedAndClose;
FrameworkHandling g_handling = FrameworkHandling::Last;
std::vector<TimerStep> g_steps;
std::optional<SortOrder> g_order;  // the list's one order; unset: by the primary key
int g_page_rows = 20;
std::atomic<int> g_response{0};

WindowLayout form_layout() {
    WindowLayout l{.title = "Probe", .timer = 1};
    l.controls = {{.use = "?RM:PrimerLugarNombre", .kind = ControlKind::Entry, .picture = "@s40"},
                  {.use = "?OK", .kind = ControlKind::Button, .action = StandardAction::Ok},
                  {.use = "?CANCEL", .kind = ControlKind::Button, .action = StandardAction::Cancel}};
    return l;
}

class ProbeForm : public LiveForm {
public:
    ProbeForm()
        : LiveForm("ProbeForm", form_layout(),
                   {.table = TableId::ResultadosManual,
                    .primary_key = "RM:keyIDResultadosM",
                    .key_field = "RM:IDResultadosM",
                    .close = g_close,
                    .handling = g_handling}) {}
    void refresh() override {
        trace("refresh");
        LiveForm::refresh();
    }
    Flow framework_event(const Event& e) override {
        if (e.kind == EventKind::Timer) trace("framework");
        return LiveForm::framework_event(e);
    }
    Flow on_new_focus(int c) override {
        trace("focus");
        return LiveForm::on_new_focus(c);
    }
};

class ProbeList : public ListScreen {
public:
    ProbeList() : ListScreen("ProbeList", list_layout(), declaration()) {}
    static WindowLayout list_layout() {
        WindowLayout l{.title = "Probe list"};
        l.controls = {{.use = "?BROWSE:1", .kind = ControlKind::List},
                      {.use = "?Change", .kind = ControlKind::Button, .hidden = true}};
        for (const char* b : {"?BROWSE:TOP", "?BROWSE:PAGEUP:2", "?BROWSE:UP", "?BROWSE:DOWN", "?BROWSE:PAGEDOWN", "?BROWSE:BOTTOM"})
            l.controls.push_back({.use = b, .kind = ControlKind::Button});
        return l;
    }
    static ListScreenDeclaration declaration() {
        ListScreenDeclaration d;
        d.list.table = TableId::ResultadosManual;
        d.list.format = "40R~Id~@n-10@80L~Name~@s40@";
        d.list.fields = {"RM:IDResultadosM", "RM:PrimerLugarNombre"};
        d.list.orders = {g_order.value_or(SortOrder{.key = "RM:keyIDResultadosM", .locator = "RM:IDResultadosM"})};
        d.list.page_rows = g_page_rows;
        d.form = "ProbeForm";
        d.timer = g_steps.empty() ? 0 : 50;
        d.timer_steps = g_steps;
        return d;
    }
    Flow framework_event(const Event& e) override {
        if (e.kind == EventKind::Timer) trace("framework");
        return ListScreen::framework_event(e);
    }
    void timer_display() override {
        trace("display");
        ListScreen::timer_display();
    }
    void reset(bool force) override {
        if (force) trace("reset");
        ListScreen::reset(force);
    }
    int run_child(int n, int request) override {
        g_response = ListScreen::run_child(n, request);
        return g_response;
    }
};

void ProbeFormProcedure() { ProbeForm().run(); }
void ProbeListProcedure() { ProbeList().run(); }
ProcedureRegistration r1("ProbeForm", &ProbeFormProcedure);
ProcedureRegistration r2("ProbeList", &ProbeListProcedure);

class Conventions : public testing::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        auto& rm = table();
        ASSERT_TRUE(rm.prepare_new_record());
        rm.record().set_text("RM:PrimerLugarNombre", "Aiko");
        ASSERT_TRUE(rm.insert());
        take_trace();
    }
    void TearDown() override {
        ScreenTest::TearDown();
        g_steps.clear();
        g_order.reset();
        g_page_rows = 20;
    }
    data::DictionaryTable& table() { return *data::file_manager(TableId::ResultadosManual); }
    void store(const char* field, const char* value) {
        table().record().set_integer("RM:IDResultadosM", 1);
        ASSERT_TRUE(table().get_by_key(0));
        table().record().set_text(field, value);
        ASSERT_TRUE(table().update());
    }
    Window& open_form() {
        driver.start("ProbeList");
        driver.double_click(driver.expect_window("ProbeList"), "?BROWSE:1", 1);  // the hidden change button
        return driver.expect_window("ProbeForm");
    }
    testing::TempFolder folder;
    TestDriver driver;
};

TEST_F(Conventions, CloseVariantsOnCerrar) {
    struct Case {
        CloseVariant variant;
        bool closes;
        int response;
        const char* stored;  // the name the operator typed over "Aiko", stored or not
    } cases[] = {
        {CloseVariant::CompletedAndClose, true, kResponseCompleted, "typed"},
        {CloseVariant::CloseOnly, true, kResponseCancelled, "Aiko"},
        {CloseVariant::None, false, 0, "Aiko"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        g_close = c.variant;
        g_response = 0;
        store("RM:Cerrar", "0");
        store("RM:PrimerLugarNombre", "Aiko");
        Window& form = open_form();
        driver.type(form, "?RM:PrimerLugarNombre", "typed");
        store("RM:Cerrar", "1");
        driver.advance_ms(10);
        EXPECT_EQ(driver.window("ProbeForm") == nullptr, c.closes);
        EXPECT_FALSE(driver.pending_message());  // a remote close never asks
        if (c.closes) EXPECT_EQ(g_response, c.response);
        else {
            driver.close(form);
            driver.answer_message(ButtonYes);  // "Changes will be lost!"
        }
        table().record().set_integer("RM:IDResultadosM", 1);
        table().get_by_key(0);
        std::string name = table().record().get_text("RM:PrimerLugarNombre");
        EXPECT_EQ(name.substr(0, name.find_last_not_of(' ') + 1), c.stored);
        driver.close(driver.expect_window("ProbeList"));
    }
}

TEST_F(Conventions, TheFrameworksHandlingRunsFirstOrLast) {
    for (auto [handling, expected] : {std::pair{FrameworkHandling::First, std::vector<std::string>{"framework", "refresh"}},
                                      std::pair{FrameworkHandling::Last, std::vector<std::string>{"refresh", "framework"}}}) {
        g_handling = handling;
        open_form();
        take_trace();
        driver.advance_ms(10);
        EXPECT_EQ(take_trace(), expected);
        driver.close(driver.expect_window("ProbeForm"));
        driver.close(driver.expect_window("ProbeList"));
    }
    g_handling = FrameworkHandling::Last;
}

TEST_F(Conventions, ListTimerStepsRunInTheirOrder) {
    using S = TimerStep;
    const std::vector<std::vector<S>> cases = {{S::Display, S::Reset, S::Framework},
                                               {S::Framework, S::Reset, S::Display},
                                               {S::Framework, S::Display, S::Reset},
                                               {S::Framework, S::Display}};
    for (const auto& steps : cases) {
        SCOPED_TRACE("order " + std::to_string(&steps - &*std::begin(cases)));
        g_steps = steps;
        driver.start("ProbeList");
        Window& list = driver.expect_window("ProbeList");
        store("RM:PrimerLugarNombre", "Aiko Tanaka");
        take_trace();
        driver.advance_ms(500);
        std::vector<std::string> expected;
        for (S s : steps) expected.push_back(s == S::Display ? "display" : s == S::Reset ? "reset" : "framework");
        EXPECT_EQ(take_trace(), expected);
        const bool reads = std::find(steps.begin(), steps.end(), S::Reset) != steps.end();
        EXPECT_EQ(driver.control(list, "?BROWSE:1").rows.at(0).cells.at(1).text, reads ? "Aiko Tanaka" : "Aiko");
        driver.close(list);
        store("RM:PrimerLugarNombre", "Aiko");
    }
}

TEST_F(Conventions, TheFocusComingBackIsNotANewSelection) {
    Window& form = open_form();
    take_trace();
    for (int i = 0; i < 3; ++i) driver.enter(form, "?RM:PrimerLugarNombre");
    EXPECT_EQ(take_trace(), std::vector<std::string>{"focus"});
    driver.enter(form, "?OK");
    driver.enter(form, "?RM:PrimerLugarNombre");
    EXPECT_EQ(take_trace().size(), 2u);
}

TEST_F(Conventions, NavigationButtonsAndKeysScrollTheWholeOrder) {
    for (int i = 2; i <= 45; ++i) {
        ASSERT_TRUE(table().prepare_new_record());
        ASSERT_TRUE(table().insert());
    }
    driver.start("ProbeList");
    Window& list = driver.expect_window("ProbeList");
    struct Step {
        const char* button;  // or a key on the list
        int key;
        int first, selected;  // places in the order (newest first) of the page's first row and the highlighted one
    };
    const Step steps[] = {
        {nullptr, kDownKey, 1, 2},     {"?BROWSE:PAGEDOWN", 0, 21, 22}, {nullptr, kEndKey, 26, 45},
        {nullptr, kDownKey, 26, 45},  // nothing after the last
        {nullptr, kUpKey, 26, 44},     {"?BROWSE:PAGEUP:2", 0, 6, 24},  {"?BROWSE:UP", 0, 6, 23},
        {nullptr, kHomeKey, 1, 1},     {nullptr, kUpKey, 1, 1},  // nothing before the first
        {"?BROWSE:BOTTOM", 0, 26, 45}, {nullptr, kPageUpKey, 6, 25},    {"?BROWSE:TOP", 0, 1, 1},
        {"?BROWSE:DOWN", 0, 1, 2},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.button ? s.button : std::to_string(s.key));
        if (s.button) driver.press(list, s.button);
        else driver.key(list, "?BROWSE:1", s.key);
        const ControlState c = driver.control(list, "?BROWSE:1");
        ASSERT_EQ(c.rows.size(), 20u);
        ASSERT_GE(c.selected, 1);
        const auto place = [](const ListRow& row) { return 46 - std::stoi(row.cells.at(0).text); };
        EXPECT_EQ(place(c.rows.front()), s.first);
        EXPECT_EQ(place(c.rows.at(static_cast<std::size_t>(c.selected) - 1)), s.selected);
    }
}

TEST_F(Conventions, AFurtherFieldOrdersRecordsWithEqualKeys) {
    // Records 2 to 6 after the fixture's record 1 (no modality): modality, name. Keys compare
    // without regard to case, so "a" and "A" are equal.
    const std::pair<const char*, const char*> added[] = {{"B", "Cho"}, {"a", "Zed"}, {"B", "Abe"}, {"A", "Bea"}, {"b", "Bo"}};
    for (const auto& [modality, name] : added) {
        ASSERT_TRUE(table().prepare_new_record());
        table().record().set_text("RM:Modalidad", modality);
        table().record().set_text("RM:PrimerLugarNombre", name);
        ASSERT_TRUE(table().insert());
    }
    struct Case {
        const char* then_by;
        std::vector<int> first_page, last_page;  // record ids, pages of 4 rows
    } cases[] = {
        {"", {1, 3, 5, 2}, {5, 2, 4, 6}},                      // ties in the order they were added
        {"RM:PrimerLugarNombre", {1, 5, 3, 4}, {3, 4, 6, 2}},  // ties by name
    };
    g_page_rows = 4;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.then_by);
        g_order = SortOrder{.key = "RM:keyModalidad", .then_by = c.then_by};
        driver.start("ProbeList");
        Window& list = driver.expect_window("ProbeList");
        const auto ids = [&] {
            std::vector<int> shown;
            for (const ListRow& r : driver.control(list, "?BROWSE:1").rows) shown.push_back(std::stoi(r.cells.at(0).text));
            return shown;
        };
        EXPECT_EQ(ids(), c.first_page);
        driver.press(list, "?BROWSE:BOTTOM");
        EXPECT_EQ(ids(), c.last_page);
        driver.close(list);
        ASSERT_EQ(driver.window("ProbeList"), nullptr);
    }
}

}  // namespace
}  // namespace zrv::live

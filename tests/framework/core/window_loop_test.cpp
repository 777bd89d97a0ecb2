// The window loop on procedure threads, driven through the headless engine and a virtual clock.
#include <gtest/gtest.h>

#include <atomic>

#include "framework/core/app_services.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/core/window_controller.h"
#include "framework/engine/headless/test_driver.h"
#include "tests/support/temp_folder.h"

namespace zrv {
namespace {

std::atomic<int> g_ticks{0};
std::atomic<int> g_handler_ticks_before_own{0};
std::atomic<int> g_child_response{0};
std::atomic<int> g_parent_ticks_while_child{0};

WindowLayout ticking_layout(int timer) {
    WindowLayout l;
    l.title = "Ticker";
    l.timer = timer;
    l.controls = {
        {.use = "?CHILD", .kind = ControlKind::Button, .text = "&Child"},
        {.use = "?OK", .kind = ControlKind::Button, .text = "&OK", .action = StandardAction::Ok},
        {.use = "?CANCEL", .kind = ControlKind::Button, .text = "&Cancel", .action = StandardAction::Cancel},
        {.use = "?NAME", .kind = ControlKind::Entry},
    };
    return l;
}

class CountingHandler : public TimerHandler {
public:
    void on_timer() override { ++seen; }
    int seen = 0;
};

class Ticker : public WindowController {
public:
    Ticker(int timer, const char* name = "Ticker") : WindowController(name, ticking_layout(timer)) {}
    bool initialize() override {
        if (!WindowController::initialize()) return false;
        window().add_timer_handler(&handler_);
        return true;
    }
    Flow on_window_event(const Event& e) override {
        if (e.kind == EventKind::Timer) {
            ++g_ticks;
            if (handler_.seen == g_ticks) ++g_handler_ticks_before_own;
        }
        return WindowController::on_window_event(e);
    }
    Flow on_accepted(int c) override {
        if (c == control("?CHILD")) {
            ThreadRequest() = kRequestChange;
            const int before = g_ticks;
            g_child_response = run_procedure("ChildForm");
            g_parent_ticks_while_child = g_ticks - before;
            return Flow::Continue;
        }
        return WindowController::on_accepted(c);
    }

private:
    CountingHandler handler_;
};

int g_child_request = -1;

void TickerProcedure() { Ticker(10).run(); }
void SlowTickerProcedure() { Ticker(0, "NoTimer").run(); }
void ChildFormProcedure() {
    WindowLayout l = ticking_layout(0);
    l.title = "Child";
    WindowController c("ChildForm", l);
    c.initialize();
    g_child_request = c.request();
    c.run_event_loop();
    c.shutdown();
    ThreadResponse() = static_cast<std::uint8_t>(c.response() == 1 ? 1 : 2);
}

ProcedureRegistration r1("Ticker", &TickerProcedure);
ProcedureRegistration r2("NoTimer", &SlowTickerProcedure);
ProcedureRegistration r3("ChildForm", &ChildFormProcedure);

class WindowLoop : public ::testing::Test {
protected:
    void SetUp() override {
        g_ticks = 0;
        g_handler_ticks_before_own = 0;
        app_settings_file().open(".\\Zorvane.INI");
    }
    void TearDown() override { app_settings_file().close(); }
    testing::TempFolder folder;
    TestDriver driver;
};

TEST_F(WindowLoop, TimerTicksExactlyOnTheVirtualClockAndHandlersRunFirst) {
    driver.start("Ticker");
    Window& w = driver.expect_window("Ticker");
    EXPECT_EQ(g_ticks, 0);
    driver.advance_ms(99);
    EXPECT_EQ(g_ticks, 0);
    driver.advance_ms(1);
    EXPECT_EQ(g_ticks, 1);
    driver.advance_ms(1000);
    EXPECT_EQ(g_ticks, 11);
    EXPECT_EQ(g_handler_ticks_before_own, 11);
    driver.close(w);
    EXPECT_EQ(driver.window("Ticker"), nullptr);
}

TEST_F(WindowLoop, AChildRunsOnTheSameThreadAndTheParentWaits) {
    driver.start("Ticker");
    Window& parent = driver.expect_window("Ticker");
    driver.press(parent, "?CHILD");
    Window& child = driver.expect_window("ChildForm");
    EXPECT_EQ(child.owner(), parent.owner());
    EXPECT_EQ(g_child_request, kRequestChange);
    driver.advance_ms(500);  // the parent's timer waits while the child is open
    driver.press(child, "?OK");
    EXPECT_EQ(g_child_response, kResponseCompleted);
    EXPECT_EQ(g_parent_ticks_while_child, 0);
    // The ticks missed while the child was open come as one, then the timer goes on.
    driver.advance_ms(0);
    EXPECT_EQ(g_ticks, 1);
    driver.advance_ms(100);
    EXPECT_EQ(g_ticks, 2);
}

TEST_F(WindowLoop, CancelAnswersCancelled) {
    driver.start("Ticker");
    driver.press(driver.expect_window("Ticker"), "?CHILD");
    driver.press(driver.expect_window("ChildForm"), "?CANCEL");
    EXPECT_EQ(g_child_response, kResponseCancelled);
}

TEST_F(WindowLoop, AProcedureNotBuiltAnswersMessage30AndCancels) {
    driver.start("NoSuchProcedure");
    auto message = driver.pending_message();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->title, "Procedure not defined");
    EXPECT_EQ(message->text, "The Procedure NoSuchProcedure has not been defined.");
    driver.answer_message(ButtonOk);
    EXPECT_TRUE(wait_for_threads());
}

TEST_F(WindowLoop, TypedTextIsAppliedOnTheOwnerThreadAndMarkedChanged) {
    driver.start("NoTimer");
    Window& w = driver.expect_window("NoTimer");
    driver.type(w, "?NAME", "Tanaka");
    EXPECT_EQ(driver.control(w, "?NAME").text, "Tanaka");
    EXPECT_TRUE(driver.control(w, "?NAME").changed_by_operator);
}

TEST_F(WindowLoop, ClosingDownEndsEveryThreadAndSavesPlacements) {
    driver.start("Ticker");
    driver.start("NoTimer");
    driver.place(driver.expect_window("NoTimer"), 0, 0, 0, 0, true);
    EXPECT_EQ(running_threads(), 2);
    EXPECT_TRUE(close_other_threads(5000));
    EXPECT_EQ(running_threads(), 0);
    EXPECT_EQ(app_settings_file().get("NoTimer", "Maximize"), "Yes");
    EXPECT_EQ(app_settings_file().get("NoTimer", "XPos"), std::nullopt);
    EXPECT_EQ(app_settings_file().get("Ticker", "Maximize"), "No");
}

TEST_F(WindowLoop, APlacementIsRestoredWhenTheWindowOpensAgain) {
    driver.start("NoTimer");
    driver.place(driver.expect_window("NoTimer"), 40, 30, 250, 180);
    driver.close(driver.expect_window("NoTimer"));
    driver.start("NoTimer");
    Window& again = driver.expect_window("NoTimer");
    EXPECT_EQ(again.x(), 40);
    EXPECT_EQ(again.y(), 30);
    EXPECT_EQ(again.width(), 250);
    EXPECT_EQ(again.height(), 180);
}

TEST_F(WindowLoop, EveryThreadGetsAtLeastTheMinimumStack) {
    std::atomic<bool> ran{false};
    start_thread(
        [&] {
            // A large frame would overflow a 25,000-byte stack.
            volatile char big[200 * 1024];
            big[0] = 1;
            big[sizeof big - 1] = big[0];
            ran = true;
        },
        25000);
    ASSERT_TRUE(wait_for_threads());
    EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace zrv

// From the main frame, as the operator works: each scoreboard menu item lists the bouts, opens a
// bout's board, and the board follows the bout the scoring software drives until it closes it.
#include <gtest/gtest.h>

#include "framework/core/thread_context.h"
#include "framework/engine/headless/test_driver.h"
#include "shell/program_body.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/temp_folder.h"

namespace zrv {
namespace {

using zrv::testing::run_scoring_tool;

TEST(ScoreboardMenus, EachItemListsTheBoutsAndOpensABoardThatFollowsTheBout) {
    testing::TempFolder folder;
    TestDriver driver;
    install_thread_hooks();
    driver.start_thread_1(&RunProgram);
    Window& frame = driver.expect_window("Main");
    ASSERT_EQ(run_scoring_tool({"create"}), 0);
    struct Case {
        const char* item;
        const char* list;
        const char* board;
        std::size_t id_column;  // after the Match Result column, where there is one
    } cases[] = {
        {"?ITEM14", "BrowseScoreBoard", "UpDateScoreBoard2", 1},
        {"?ITEM15", "BrowseScoreBoardView1", "UpdateScoreBoard1", 1},
        {"?ITEM16", "BrowseEquipo4ScoreBoard7", "UpDateEquipoScoreBoardPantalla", 0},
    };
    int bout = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const std::string id = std::to_string(++bout);
        ASSERT_EQ(run_scoring_tool({"set", "ScoreBoard", id, "Timer1StartTime=90", "StopStart=1", "WinnerByOr=1",
                                    "FullNameAo=Bruno Silva", "FullNameAka=Aiko Tanaka"}),
                  0);
        driver.press(frame, c.item);
        Window& list = driver.expect_window(c.list);
        const ControlState rows = driver.control(list, "?BROWSE:1");
        ASSERT_FALSE(rows.rows.empty()) << c.list;
        ASSERT_EQ(rows.rows[0].cells.at(c.id_column).text, id) << c.list << ": the newest bout first";
        driver.double_click(list, "?BROWSE:1", 1);
        Window& board = driver.expect_window(c.board);
        EXPECT_EQ(driver.control(board, "?SB:FULLNAMEAO").text, "Bruno Silva");
        ASSERT_EQ(run_scoring_tool({"bout", id, "point", "aka", "3"}), 0);
        driver.advance_ms(100);
        EXPECT_EQ(driver.control(board, "?SB:PUNTOAKA").text, "3") << c.board;
        ASSERT_EQ(run_scoring_tool({"bout", id, "close"}), 0);
        driver.advance_ms(100);
        EXPECT_EQ(driver.window(c.board), nullptr) << c.board;
        driver.close(list);
        EXPECT_EQ(driver.window(c.list), nullptr);
    }
    driver.close(frame);
    driver.join_thread_1();
}

}  // namespace
}  // namespace zrv

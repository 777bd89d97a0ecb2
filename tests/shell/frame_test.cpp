// The program body, the frame and its menus, and the About window, driven headless.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include <algorithm>

#include "framework/core/app_services.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/engine/headless/test_driver.h"
#include "framework/services/carried_files.h"
#include "shell/main_frame.h"
#include "shell/program_body.h"
#include "shell/working_folder.h"
#include "tests/support/scoring_tool.h"
#include "tests/support/temp_folder.h"

namespace zrv {
namespace {

class Frame : public ::testing::Test {
protected:
    void SetUp() override {
        install_thread_hooks();
        driver.start_thread_1(&RunProgram);
        frame = &driver.expect_window("Main");
    }
    void TearDown() override {
        if (driver.window("Main")) driver.close(*driver.window("Main"));
        driver.join_thread_1();
    }
    // The settings file as the program left it, read afresh.
    std::optional<std::string> setting(const char* section, const char* entry) {
        SettingsFile f;
        f.open(".\\Zorvane.INI");
        return f.get(section, entry);
    }
    void close_frame() {
        driver.close(*frame);
        driver.join_thread_1();
    }
    // Opens, moves and closes the About window, then closes the frame, answering every message
    // on the way; the texts of the messages shown.
    std::vector<std::string> use_and_close() {
        app_error_reporter().clear_history();
        const auto answer = [&] {
            while (driver.pending_message()) driver.answer_message(ButtonOk);
        };
        driver.press(*frame, "?ITEM28");
        Window& about = driver.expect_window("AboutUs");
        driver.place(about, 70, 45, 320, 200);
        driver.press(about, "?CANCEL");
        answer();
        driver.close(*frame);
        answer();
        driver.join_thread_1();
        std::vector<std::string> texts;
        for (const ErrorReporter::Raised& r : app_error_reporter().history()) texts.push_back(r.title + ": " + r.text);
        return texts;
    }

    testing::TempFolder folder;
    TestDriver driver;
    Window* frame = nullptr;
};

TEST_F(Frame, OpensWithItsTitleStatusZonesAndMenus) {
    EXPECT_EQ(frame->title(), kFrameTitle);
    EXPECT_EQ(frame->icon(), "zrvICON.ico");
    EXPECT_EQ(frame->wallpaper(), "zrv1024.bmp");
    auto zones = frame->status();
    ASSERT_EQ(zones.size(), 4u);
    EXPECT_EQ(zones[0].width, -1);
    EXPECT_EQ(zones[1].width, 80);
    EXPECT_EQ(zones[2].width, 120);
    EXPECT_EQ(zones[3].width, 45);

    std::vector<std::string> menus;
    for (const ControlState& c : frame->controls())
        if (c.kind == ControlKind::Menu) menus.push_back(c.text);
    EXPECT_EQ(menus, (std::vector<std::string>{"&File", "&Display Katas", "&Traditional & Weapons ", "&Display Kumite Individual",
                                               "&Display Kumite Team", "Manual display results", "Queue", "&Window", "About Us"}));
    ControlState exit = driver.control(*frame, "?EXIT");
    EXPECT_EQ(exit.text, "E&xit");
    EXPECT_EQ(exit.message, "Exit this application");
    EXPECT_EQ(driver.control(*frame, "?ITEM23").parent, frame->number_of("?KUMITEINDIVIDUAL"));
}

TEST_F(Frame, EveryMenuItemOpensItsScreenOnAThreadOfItsOwn) {
    // On an empty folder: each list opens over its new empty table, with no message.
    for (const MenuRow& row : main_menu()) {
        if (row.procedure.empty()) continue;
        SCOPED_TRACE(row.procedure);
        EXPECT_TRUE(procedure_exists(row.procedure));
        driver.press(*frame, row.use);
        EXPECT_FALSE(driver.pending_message());
        Window* screen = driver.window(row.procedure);
        ASSERT_TRUE(screen);
        EXPECT_NE(screen, frame);
        EXPECT_EQ(running_threads(), 1);
        driver.close(*screen);
        EXPECT_EQ(running_threads(), 0);
    }
}

TEST_F(Frame, OnlyTheFloatingKumiteReadUpAsksForTheLargerStack) {
    for (const MenuRow& row : main_menu()) {
        if (row.procedure.empty()) continue;
        EXPECT_EQ(row.stack, row.use == "?ITEM23" ? 50000u : 25000u) << row.use;
    }
}

TEST_F(Frame, TheWindowMenuArrangesTheChildren) {
    for (const char* item : {"?TILE", "?ITEM27", "?ITEM26", "?CASCADE", "?ARRANGE"}) driver.press(*frame, item);
    EXPECT_EQ(driver.engine().arrangements(),
              (std::vector<Arrangement>{Arrangement::TileVertical, Arrangement::TileVertical, Arrangement::TileHorizontal,
                                        Arrangement::Cascade, Arrangement::ArrangeIcons}));
}

TEST_F(Frame, PrintSetupOpensTheDialog) {
    driver.press(*frame, "?PRINTSETUP");
    ASSERT_TRUE(driver.pending(HeadlessEngine::RequestKind::PrintSetup));
    driver.answer_print_setup(true);
}

TEST_F(Frame, TheAboutWindowClosesByCancelOrCloseBoxAndReopensWhereItWasClosed) {
    driver.press(*frame, "?ITEM28");
    Window& about = driver.expect_window("AboutUs");
    EXPECT_EQ(about.title(), "About us");
    EXPECT_EQ(about.kind(), WindowKind::MdiChild);
    EXPECT_EQ(driver.control(about, "?LOGO").image, "zrv.png");
    ControlState cancel = driver.control(about, "?CANCEL");
    EXPECT_EQ(cancel.text, "&Cancel");
    EXPECT_EQ(cancel.image, "WACANCEL.ICO");
    EXPECT_EQ(cancel.tip, "Cancel operation");
    driver.place(about, 70, 45, 320, 200);
    driver.press(about, "?CANCEL");
    EXPECT_EQ(driver.window("AboutUs"), nullptr);

    driver.press(*frame, "?ITEM28");
    Window& again = driver.expect_window("AboutUs");
    EXPECT_EQ(again.x(), 70);
    EXPECT_EQ(again.y(), 45);
    EXPECT_EQ(again.width(), 320);
    driver.close(again);
    EXPECT_EQ(driver.window("AboutUs"), nullptr);
    EXPECT_EQ(running_threads(), 0);
}

// Escape presses a window's Cancel, a list's Close, whichever control has the focus: the About
// window, the next-up screens, a board and the lists opened from the menu close by it.
TEST_F(Frame, EscapeClosesTheAboutWindowTheNextUpScreensAndTheLists) {
    for (const char* item : {"?ITEM28", "?ITEM23", "?ITEM24", "?ITEM25", "?ITEM5", "?ITEM1", "?ITEM11", "?ITEM14"}) {
        SCOPED_TRACE(item);
        const std::size_t before = driver.windows().size();
        driver.press(*frame, item);
        ASSERT_EQ(driver.windows().size(), before + 1);
        Window& w = *driver.windows().back();
        const int focused = w.focus() ? w.focus() : w.numbers().front();
        driver.key(w, w.control(focused).use, kEscapeKey);
        EXPECT_FALSE(driver.pending_message());
        EXPECT_EQ(driver.windows().size(), before) << w.procedure();
    }
}

TEST_F(Frame, ClosingTheFrameClosesEveryScreenFirstAndWritesTheSettings) {
    driver.press(*frame, "?ITEM28");
    driver.press(*frame, "?ITEM28");
    EXPECT_EQ(running_threads(), 2);
    driver.place(*driver.window("AboutUs"), 0, 0, 0, 0, true);
    close_frame();
    EXPECT_EQ(running_threads(), 0);
    EXPECT_EQ(setting("__Dont_Touch_Me__", "Sectors"), "0");
    EXPECT_EQ(setting("Main", "Maximize"), "No");
    EXPECT_TRUE(setting("Main", "XPos"));
    EXPECT_TRUE(setting("AboutUs", "Maximize"));
}

TEST_F(Frame, ClosingTheFrameWaitsForAScreensAnswerAndSaysWhenItStaysOpen) {
    ASSERT_EQ(testing::run_scoring_tool({"create"}), 0);
    ASSERT_EQ(testing::run_scoring_tool({"set", "ResultadosManual", "1", "PrimerLugarNombre=Aiko Tanaka"}), 0);
    driver.press(*frame, "?ITEM12");
    driver.double_click(driver.expect_window("BrowseResultadosManualesIndividual"), "?BROWSE:1", 1);
    Window& form = driver.expect_window("PantallaResultadosManualIndividual");
    driver.type(form, "?RM:PrimerLugarNombre", "Aiko T. Tanaka");
    for (Button answer : {ButtonNo, ButtonYes}) {
        driver.close(*frame);
        ASSERT_TRUE(driver.pending_message());
        EXPECT_EQ(driver.pending_message()->title, "Changes will be lost!");
        driver.advance_ms(120000);  // long past the frame's time limit: the frame waits for the answer
        EXPECT_EQ(driver.pending_message()->title, "Changes will be lost!");
        EXPECT_NE(driver.window("Main"), nullptr);
        driver.answer_message(answer);
        if (answer == ButtonNo) {
            ASSERT_TRUE(driver.pending_message());
            EXPECT_EQ(driver.pending_message()->title, "Program Not Closed");
            driver.answer_message(ButtonOk);
            EXPECT_NE(driver.window("Main"), nullptr);
            EXPECT_NE(driver.window("PantallaResultadosManualIndividual"), nullptr);
        }
    }
    driver.join_thread_1();
    EXPECT_EQ(driver.window("Main"), nullptr);
    EXPECT_EQ(running_threads(), 0);
}

// Placements that cannot be kept: the settings file is left as it was and the operator is told
// once, not at every window that closes. A file without write permission bits is read-only
// even for a program that could write it anyway (root).
TEST_F(Frame, AReadOnlySettingsFileIsLeftAsItIsAndToldOnce) {
    namespace fs = std::filesystem;
    close_frame();
    fs::permissions("Zorvane.INI", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::string before = folder.read("Zorvane.INI");
    struct stat old {};
    ASSERT_EQ(::stat("Zorvane.INI", &old), 0);
    driver.start_thread_1(&RunProgram);
    frame = &driver.expect_window("Main");
    EXPECT_EQ(use_and_close(), std::vector<std::string>{"Access Denied: Access to " + fs::canonical("Zorvane.INI").string() +
                                                        " was denied: the file is read-only."});
    EXPECT_EQ(folder.read("Zorvane.INI"), before);
    struct stat now {};
    ASSERT_EQ(::stat("Zorvane.INI", &now), 0);
    EXPECT_EQ(now.st_ino, old.st_ino) << "not replaced by another file";
    EXPECT_EQ(now.st_mode, old.st_mode);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1) << "no file left beside it";
}

// The working folder taken away while the program runs (a folder nothing can write, not even
// root): nothing can be kept, and the operator is told once.
TEST_F(Frame, AWorkingFolderThatCannotBeWrittenIsToldOnce) {
    const std::string file = (std::filesystem::canonical(folder.path()) / "Zorvane.INI").string();
    std::filesystem::remove_all(folder.path());
    EXPECT_EQ(use_and_close(), std::vector<std::string>{"File Creation Error: The file " + file +
                                                        " could not be created. Error: No such file or directory."});
}

TEST_F(Frame, ExitClosesTheFrame) {
    driver.press(*frame, "?EXIT");
    driver.join_thread_1();
    EXPECT_EQ(driver.window("Main"), nullptr);
    EXPECT_EQ(setting("__Dont_Touch_Me__", "Sectors"), "0");
}

// Every procedure of the program declares its window and opens it (a window declared at fault
// fails as it is made), each on a thread of its own over empty tables; only the select
// procedures that are not built say they have not been defined instead.
TEST_F(Frame, EveryProcedureOpensTheWindowItDeclares) {
    for (const std::string& name : procedure_names()) {
        if (name == upper("Main")) continue;
        SCOPED_TRACE(name);
        driver.start(name);
        std::vector<Window*> opened;
        for (Window* w : driver.windows())
            if (w != frame) opened.push_back(w);
        if (std::optional<MessageBoxRequest> message = driver.pending_message()) {
            EXPECT_NE(message->text.find("has not been defined"), std::string::npos) << message->text;
            EXPECT_TRUE(opened.empty());
            driver.answer_message(ButtonOk);
        } else {
            ASSERT_EQ(opened.size(), 1u);
            driver.close(*opened[0]);
        }
        EXPECT_EQ(running_threads(), 0);
    }
}

// This test links the program's libraries as the program does: every file any library carries
// (the program's icons and pictures, the clock's built-in digit images) is there.
TEST(Program, CarriesEveryFileItsLibrariesCarry) {
    std::vector<std::string> carried = carried_file_names();
    std::string expected = ZRV_CARRIED_FILE_NAMES;
    ASSERT_FALSE(expected.empty());
    for (size_t at = 0; at <= expected.size();) {
        size_t end = std::min(expected.find(',', at), expected.size());
        std::string name = expected.substr(at, end - at);
        EXPECT_NE(std::find(carried.begin(), carried.end(), name), carried.end()) << name;
        EXPECT_FALSE(carried_file(name).empty()) << name;
        at = end + 1;
    }
}

// The program started in a folder that lacks them puts the time-up sound and the demo digit
// sets there; what the operator changed stays, a set whose folder is there is left whole as it
// is; what cannot be put there is said (and returned) once.
TEST(WorkingFolder, TheSoundAndTheDigitSetsArePutWhereTheyAreMissing) {
    namespace fs = std::filesystem;
    testing::TempFolder folder;
    EXPECT_EQ(provide_working_files(), "");
    for (const char* put : {"TimeUP.wav", "Digits/Red/red.ini", "Digits/Red/red_9.png", "Digits/Amber/amber.ini"})
        EXPECT_EQ(folder.read(put),
                  folder.read((testing::source_dir() / "resources" /
                               (std::string(put) == "TimeUP.wav" ? "sounds/TimeUP.wav" : "digits" + std::string(put).substr(6)))
                                  .string()))
            << put;
    folder.write("TimeUP.wav", "the hall's own sound");
    fs::remove(folder / "Digits/Red/red_9.png");
    fs::remove_all(folder / "Digits/Amber");
    EXPECT_EQ(provide_working_files(), "");
    EXPECT_EQ(folder.read("TimeUP.wav"), "the hall's own sound");
    EXPECT_FALSE(fs::exists(folder / "Digits/Red/red_9.png"));
    EXPECT_TRUE(fs::exists(folder / "Digits/Amber/amber_9.jpg"));

    testing::TempFolder gone;
    fs::remove_all(gone.path());
    const std::string said = provide_working_files();
    EXPECT_NE(said.find("TimeUP.wav"), std::string::npos) << said;
    EXPECT_NE(said.find("silent"), std::string::npos) << said;
}

}  // namespace
}  // namespace zrv

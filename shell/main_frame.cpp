#include "shell/main_frame.h"

#include "framework/core/app_services.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/core/window_controller.h"

namespace zrv {
namespace {

using A = StandardAction;
constexpr std::size_t kStack = 25000;

// The menu bar in its order, with the access keys and texts exactly as the operator sees them.
constexpr MenuRow kMenu[] = {
    {.menu = "&File", .use = "?FILEMENU"},
    {.item = "&Print Setup ...", .use = "?PRINTSETUP", .message = "Setup printer", .action = A::PrintSetup},
    {.use = "?SEPARATOR1"},
    {.item = "E&xit", .use = "?EXIT", .message = "Exit this application", .action = A::Close},

    {.menu = "&Display Katas", .use = "?DISPLAYKATAS"},
    {.item = "&Display", .use = "?ITEM1", .procedure = "BrowseKataEvents", .stack = kStack},
    {.item = "Council results", .use = "?ITEM2", .procedure = "BrowseKataEventResultados", .stack = kStack},

    {.menu = "&Traditional & Weapons ", .use = "?TRADITIONAL"},
    {.item = "Kata", .use = "?ITEM19", .procedure = "BrowseKataEvent", .stack = kStack},
    {.item = "&Traditional Weapons or Kata", .use = "?ITEM17", .procedure = "BrowseKataEvent1", .stack = kStack},
    {.item = "&Traditional Weapons 2 or Kata", .use = "?ITEM18", .procedure = "BrowseKataEvent11", .stack = kStack},

    {.menu = "&Display Kumite Individual", .use = "?KUMITEINDIVIDUAL"},
    {.item = "Kata, Kumite Individual 16", .use = "?ITEM3", .procedure = "BrowseKumiteIndividual41", .stack = kStack},
    {.item = "Kata, Kumite Individual 8", .use = "?ITEM8", .procedure = "BrowseKumiteIndividual", .stack = kStack},
    {.item = "Kata, Kumite Individual 4", .use = "?ITEM4", .procedure = "BrowseKumiteIndividual4", .stack = kStack},
    {.use = "?SEPARATOR3"},
    {.item = "&Score Board 1 Classic", .use = "?ITEM14", .procedure = "BrowseScoreBoard", .stack = kStack},
    {.item = "&Score Board 2  Black", .use = "?ITEM15", .procedure = "BrowseScoreBoardView1", .stack = kStack},
    {.use = "?SEPARATOR4"},
    {.item = "Read Up Kumite Screen Competitors (Floating window)",
     .use = "?ITEM23",
     .procedure = "BrowseReadUpKumiteScreen41",
     .stack = 50000},

    {.menu = "&Display Kumite Team", .use = "?KUMITETEAM"},
    {.item = "Kumite 3 Team", .use = "?ITEM9", .procedure = "BrowseEquipo3", .stack = kStack},
    {.item = "Kumite 4 Team", .use = "?ITEM10", .procedure = "BrowseEquipo5", .stack = kStack},
    {.use = "?SEPARATOR5"},
    {.item = "Score Board Team", .use = "?ITEM16", .procedure = "BrowseEquipo4ScoreBoard7", .stack = kStack},
    {.use = "?SEPARATOR6"},
    {.item = "Read Up TEAM Screen", .use = "?ITEM24", .procedure = "BrowseReadUpTEAMScreen4", .stack = kStack},
    {.item = "Read Up TEAM Screen (Floating window)", .use = "?ITEM25", .procedure = "BrowseReadUpTEAMScreen41", .stack = kStack},

    {.menu = "Manual display results", .use = "?MANUALRESULTS"},
    {.item = "Manual display results Kata", .use = "?ITEM11", .procedure = "BrowseResultadosManualesKata", .stack = kStack},
    {.item = "Individual competition Manuel results",
     .use = "?ITEM12",
     .procedure = "BrowseResultadosManualesIndividual",
     .stack = kStack},
    {.item = "Team competition Manuel results", .use = "?ITEM13", .procedure = "BrowseResultadosManualesEquipos", .stack = kStack},

    {.menu = "Queue", .use = "?QUEUE"},
    {.item = "Queue Event Katas (Floating window)", .use = "?ITEM5", .procedure = "BrouseQueueKata", .stack = kStack},
    {.item = "Queue Event Team (Floating window)", .use = "?ITEM6", .procedure = "BrowseQueueEquipos", .stack = kStack},
    {.item = "Queue Event Kata & Kumite Individual  (Floating window)",
     .use = "?ITEM7",
     .procedure = "BrowseQueueKKIndividual",
     .stack = kStack},
    {.use = "?SEPARATOR2"},
    {.item = "Queue Event Katas", .use = "?ITEM20", .procedure = "BrouseQueueKata1", .stack = kStack},
    {.item = "Queue Team event", .use = "?ITEM21", .procedure = "BrowseQueueEquipos1", .stack = kStack},
    {.item = "Queue Event Kata y Kumite Individual", .use = "?ITEM22", .procedure = "BrowseQueueKKIndividual1", .stack = kStack},

    {.menu = "&Window", .use = "?WINDOWMENU"},
    {.item = "T&ile", .use = "?TILE", .message = "Arrange multiple opened windows", .action = A::Tile},
    {.item = "&Cascade", .use = "?CASCADE", .message = "Arrange multiple opened windows", .action = A::Cascade},
    {.item = "&Arrange Icons", .use = "?ARRANGE", .message = "Arrange the icons for minimized windows", .action = A::ArrangeIcons},
    {.item = "Tile Horizontal", .use = "?ITEM26", .action = A::TileHorizontal},
    {.item = "Tile Vertical", .use = "?ITEM27", .action = A::TileVertical},

    {.menu = "About Us", .use = "?ABOUTMENU"},
    {.item = "License agreement and contact information", .use = "?ITEM28", .procedure = "AboutUs", .stack = kStack},
};

WindowLayout frame_layout() {
    WindowLayout l;
    l.title = std::string(kFrameTitle);
    l.kind = WindowKind::Frame;
    l.x = 0;
    l.y = 0;
    l.width = 640;
    l.height = 400;
    l.icon = "zrvICON.ico";
    l.wallpaper = "zrv1024.bmp";
    l.status = {{-1, ""}, {80, ""}, {120, ""}, {45, ""}};
    int menu = 0;
    int number = 1;
    for (const MenuRow& row : kMenu) {
        ControlState c;
        c.number = number++;
        c.use = row.use;
        c.message = row.message;
        c.action = row.action;
        if (!row.menu.empty()) {
            c.kind = ControlKind::Menu;
            c.text = row.menu;
            menu = c.number;
        } else {
            c.kind = row.item.empty() ? ControlKind::Separator : ControlKind::Item;
            c.text = row.item;
            c.parent = menu;
        }
        l.controls.push_back(std::move(c));
    }
    return l;
}

// MenuDispatch: every accepted item that names a procedure starts it on a new thread, then the
// framework's own handling runs (the standard items of "&File" and "&Window").
class MainFrame final : public WindowController {
public:
    MainFrame() : WindowController("Main", frame_layout()) {}

    Flow on_accepted(int control) override {
        const std::string use = upper(window().control(control).use);
        for (const MenuRow& row : kMenu)
            if (!row.procedure.empty() && upper(row.use) == use) start_procedure(row.procedure, row.stack);
        return WindowController::on_accepted(control);
    }

    // Closing the frame closes every screen first and lets its thread end (placements saved),
    // waiting for the operator's answer where a screen asks one; a screen that will not close
    // keeps the frame open, and the frame says so.
    bool confirm_close() override {
        if (close_other_threads()) return true;
        app_error_reporter().raise(kNotClosedMessage);
        return false;
    }
};

void Main() {
    MainFrame frame;
    frame.run();
}

ProcedureRegistration registration("Main", &Main);

}  // namespace

std::span<const MenuRow> main_menu() { return kMenu; }

}  // namespace zrv

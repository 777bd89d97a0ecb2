// AboutUs: the licence and contact window of the "About Us" menu.
#include "framework/core/procedures.h"
#include "framework/core/window_controller.h"

namespace zrv {
namespace {

WindowLayout about_layout() {
    WindowLayout l;
    l.title = "About us";
    l.kind = WindowKind::MdiChild;
    l.x = 40;
    l.y = 20;
    l.width = 300;
    l.height = 190;
    l.icon = "zrvICON.ico";
    const Colour navy = 0x603010;
    l.controls = {
        {.use = "?LOGO", .kind = ControlKind::Image, .x = 8, .y = 8, .width = 80, .height = 80, .image = "zrv.png", .centred = true},
        {.use = "?TITLE",
         .kind = ControlKind::String,
         .text = "Zorvane External Scoreboard",
         .x = 100,
         .y = 10,
         .width = 190,
         .height = 14,
         .font_colour = navy,
         .font_size = 12,
         .bold = true},
        {.use = "?PURPOSE",
         .kind = ControlKind::String,
         .text = "Audience display of kumite scoreboards, brackets, kata results and queues.",
         .x = 100,
         .y = 30,
         .width = 190,
         .height = 20},
        {.use = "?CONTACTPROMPT",
         .kind = ControlKind::Prompt,
         .text = "Contact:",
         .x = 100,
         .y = 56,
         .width = 40,
         .height = 10,
         .bold = true},
        {.use = "?CONTACT",
         .kind = ControlKind::String,
         .text = "Zorvane tournament software team",
         .x = 142,
         .y = 56,
         .width = 150,
         .height = 10},
        {.use = "?TERMSPROMPT",
         .kind = ControlKind::Prompt,
         .text = "Terms:",
         .x = 8,
         .y = 96,
         .width = 40,
         .height = 10,
         .bold = true},
        {.use = "?TERMS",
         .kind = ControlKind::String,
         .text = "This program is licensed to the organiser of the tournament for use at its events. It is "
                 "provided as is, without warranty of any kind. Copies may be made for back-up only.",
         .x = 8,
         .y = 108,
         .width = 284,
         .height = 40},
        {.use = "?CANCEL",
         .kind = ControlKind::Button,
         .text = "&Cancel",
         .x = 236,
         .y = 164,
         .width = 56,
         .height = 18,
         .image = "WACANCEL.ICO",
         .tip = "Cancel operation",
         .message = "Cancel operation",
         .action = StandardAction::Cancel},
    };
    return l;
}

class AboutWindow final : public WindowController {
public:
    AboutWindow() : WindowController("AboutUs", about_layout()) {}
    bool initialize() override {
        // The controls move and grow with the window, which cannot be made smaller than its layout.
        window().set_resize_strategy(ResizeStrategy::Scale);
        if (!WindowController::initialize()) return false;
        // Cancel, its only control that takes the focus, has it: its message shows at once.
        window().select(window().number_of("?CANCEL"));
        return true;
    }
};

void AboutUs() {
    AboutWindow about;
    about.run();
}

ProcedureRegistration registration("AboutUs", &AboutUs);

}  // namespace
}  // namespace zrv

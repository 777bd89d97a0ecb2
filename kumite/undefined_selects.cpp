// The select procedures the team sheets run when a typed name or colour is not found. They have
// no window and no list: each tells the operator it has not been defined and answers cancelled,
// so the sheet goes on as if nothing had been chosen.
#include "framework/core/error_reporter.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/core/window.h"
#include "framework/core/window_controller.h"

namespace zrv::kumite {

namespace {

void undefined_select(const std::string& name) {
    app_error_reporter().raise_with_text(30, name);
    if (Window* w = this_thread().top_window()) w->set_keycode(0);
    ThreadResponse() = kResponseCancelled;
}

constexpr char kCompetitor[] = "SelectCompetidor2";
constexpr char kColour[] = "SelectColores1";
constexpr char kTeam3Colour[] = "SelectEquipo3Color";

const ProcedureRegistration registered_undefined_selects({kCompetitor, kColour, kTeam3Colour}, &undefined_select);

}  // namespace

}  // namespace zrv::kumite

#pragma once
// Manual results: the three lists of the ResultadosManual records (kata, individual and team
// events) and the audience display each of them runs. The procedures register themselves:
//   BrowseResultadosManualesKata        -> PantallaResultadosManualKata
//   BrowseResultadosManualesIndividual  -> PantallaResultadosManualIndividual
//   BrowseResultadosManualesEquipos     -> PantallaResultadosManualEquipo
#include <string>
#include <vector>

#include "framework/core/window.h"
#include "live/list_screen.h"
#include "live/live_form.h"

namespace zrv::flow {

// The declarations, for the screens and their tests.
WindowLayout manual_results_list_layout(const std::string& procedure);
live::ListScreenDeclaration manual_results_list(const std::string& procedure);
WindowLayout manual_results_display_layout(const std::string& procedure);
live::FormDeclaration manual_results_display(const std::string& procedure);

}  // namespace zrv::flow

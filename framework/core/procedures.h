#pragma once
// Procedures by name. A menu or screen names the procedure it runs; one that is not built
// answers message 30 "Procedure not defined" with its name and the cancelled response.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace zrv {

using Procedure = void (*)();
// One procedure for a family of screens (the lists of one module, its boards): it is told the
// name it was started under.
using NamedProcedure = void (*)(const std::string& name);

// Registers a procedure under its name (a static ProcedureRegistration in each screen module).
void register_procedure(std::string_view name, Procedure procedure);
void register_procedure(std::string_view name, NamedProcedure procedure);
struct ProcedureRegistration {
    ProcedureRegistration(const char* name, Procedure procedure) { register_procedure(name, procedure); }
    // Each of the names, spelled as given, runs procedure with that name.
    ProcedureRegistration(std::initializer_list<const char*> names, NamedProcedure procedure) {
        for (const char* name : names) register_procedure(name, procedure);
    }
};
bool procedure_exists(std::string_view name);
std::vector<std::string> procedure_names();

// Runs a procedure on the calling thread; one not built raises message 30 and leaves the
// cancelled response. Returns ThreadResponse.
int run_procedure(std::string_view name);

// Starts a procedure on a new thread with (at least) the requested stack; the thread's
// request is 0. Returns the thread's number, 0 when it could not start.
int start_procedure(std::string_view name, std::size_t requested_stack);

}  // namespace zrv

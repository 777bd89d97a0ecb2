#include "framework/core/procedures.h"

#include <map>
#include <mutex>

#include "framework/core/app_services.h"
#include "framework/core/thread_context.h"
#include "framework/core/window.h"

namespace zrv {
namespace {

std::mutex& registry_mutex() {
    static std::mutex m;
    return m;
}

struct Registered {
    Procedure plain = nullptr;
    NamedProcedure named = nullptr;
    std::string name;  // as registered, for a named procedure
    explicit operator bool() const { return plain || named; }
    void operator()() const {
        if (plain) plain();
        else named(name);
    }
};

std::map<std::string, Registered>& registry() {
    static std::map<std::string, Registered> r;
    return r;
}

Registered find(std::string_view name) {
    std::lock_guard lock(registry_mutex());
    auto it = registry().find(upper(name));
    return it == registry().end() ? Registered{} : it->second;
}

}  // namespace

void register_procedure(std::string_view name, Procedure procedure) {
    std::lock_guard lock(registry_mutex());
    registry()[upper(name)] = Registered{.plain = procedure};
}

void register_procedure(std::string_view name, NamedProcedure procedure) {
    std::lock_guard lock(registry_mutex());
    registry()[upper(name)] = Registered{.named = procedure, .name = std::string(name)};
}

bool procedure_exists(std::string_view name) { return static_cast<bool>(find(name)); }

std::vector<std::string> procedure_names() {
    std::lock_guard lock(registry_mutex());
    std::vector<std::string> out;
    for (const auto& [n, p] : registry()) out.push_back(n);
    return out;
}

int run_procedure(std::string_view name) {
    if (const Registered p = find(name)) {
        p();
    } else {
        app_error_reporter().raise_with_text(30, name);
        ThreadResponse() = 2;
    }
    return ThreadResponse();
}

int start_procedure(std::string_view name, std::size_t requested_stack) {
    return start_thread([procedure = std::string(name)] { run_procedure(procedure); }, requested_stack);
}

}  // namespace zrv

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

std::map<std::string, Procedure>& registry() {
    static std::map<std::string, Procedure> r;
    return r;
}

Procedure find(std::string_view name) {
    std::lock_guard lock(registry_mutex());
    auto it = registry().find(upper(name));
    return it == registry().end() ? nullptr : it->second;
}

}  // namespace

void register_procedure(std::string_view name, Procedure procedure) {
    std::lock_guard lock(registry_mutex());
    registry()[upper(name)] = procedure;
}

bool procedure_exists(std::string_view name) { return find(name) != nullptr; }

std::vector<std::string> procedure_names() {
    std::lock_guard lock(registry_mutex());
    std::vector<std::string> out;
    for (const auto& [n, p] : registry()) out.push_back(n);
    return out;
}

int run_procedure(std::string_view name) {
    if (Procedure p = find(name)) {
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

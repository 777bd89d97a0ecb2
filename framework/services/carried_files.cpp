#include "framework/services/carried_files.h"

#include <algorithm>
#include <cctype>
#include <mutex>

namespace zrv {
namespace {

struct Entry {
    std::string name;
    std::span<const unsigned char> bytes;
};

// Built before main by the registrations; read-only afterwards, so no lock is needed to read.
std::vector<Entry>& registry() {
    static std::vector<Entry> entries;
    return entries;
}

bool same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

CarriedFileRegistration::CarriedFileRegistration(const char* name, const unsigned char* data, std::size_t size) {
    registry().push_back({name, {data, size}});
}

std::span<const unsigned char> carried_file(std::string_view name) {
    for (const Entry& e : registry())
        if (same_name(e.name, name)) return e.bytes;
    return {};
}

std::vector<std::string> carried_file_names() {
    std::vector<std::string> names;
    for (const Entry& e : registry()) names.push_back(e.name);
    return names;
}

}  // namespace zrv

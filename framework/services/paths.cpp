#include "framework/services/paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

namespace zrv {
namespace {

namespace fs = std::filesystem;

bool same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

bool entry_exists(const std::string& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

// The entry of folder whose name matches name without regard to case; the smallest such name
// when several differ only in case, so that the choice does not depend on the listing's order.
std::string matching_entry(const std::string& folder, const std::string& name) {
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? "." : folder, ec), end;
    std::string best;
    for (; !ec && it != end; it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        if (same_name(candidate, name) && (best.empty() || candidate < best)) best = candidate;
    }
    return best;
}

}  // namespace

std::string native_path(std::string_view system_path) {
    std::string text(system_path);
    // A name never ends in blanks on the system the texts come from (fixed-width texts are
    // blank-padded): trailing blanks are not part of the path.
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
    std::replace(text.begin(), text.end(), '\\', '/');
    if (text.empty()) return text;

    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        std::size_t slash = text.find('/', start);
        std::string part = text.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (!part.empty()) parts.push_back(part);
        if (slash == std::string::npos) break;
        start = slash + 1;
    }

    std::string result = text.front() == '/' ? "/" : "";
    bool missing = false;  // once a folder is missing, nothing below it can be matched
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::string part = parts[i];
        if (!missing && part != "." && part != ".." && !entry_exists(result + part)) {
            std::string found = matching_entry(result, part);
            if (found.empty()) missing = true;
            else part = found;
        }
        result += part;
        if (i + 1 < parts.size() || text.back() == '/') result += '/';
    }
    return result;
}

bool file_exists(std::string_view system_path) {
    std::string path = native_path(system_path);
    return !path.empty() && entry_exists(path);
}

}  // namespace zrv

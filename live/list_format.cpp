#include "live/list_format.h"

#include <cctype>

namespace zrv::live {

namespace {

bool number(std::string_view s, std::size_t& i, int& out) {
    std::size_t start = i;
    int v = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && i - start < 5) v = v * 10 + (s[i++] - '0');
    out = v;
    return i > start;
}

bool alignment(std::string_view s, std::size_t& i, char& align, int& indent) {
    if (i >= s.size()) return false;
    const char a = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
    if (a != 'L' && a != 'R' && a != 'C' && a != 'D') return false;
    align = a;
    ++i;
    if (i < s.size() && s[i] == '(') {
        ++i;
        if (!number(s, i, indent) || i >= s.size() || s[i] != ')') return false;
        ++i;
    }
    return true;
}

}  // namespace

std::optional<std::vector<ListColumn>> parse_list_format(std::string_view s, std::string* error) {
    std::vector<ListColumn> columns;
    std::size_t i = 0;
    auto fail = [&](const char* what) -> std::optional<std::vector<ListColumn>> {
        if (error) *error = std::string(what) + " at " + std::to_string(i + 1);
        return std::nullopt;
    };
    std::optional<std::string> group;  // inside a group: its header
    bool stacked = false;              // inside a group: it is stacked
    while (i < s.size()) {
        if (s[i] == '[') {
            if (group) return fail("group inside a group");
            if (i + 1 >= s.size() || s[i + 1] != '~') return fail("group header expected");
            const std::size_t end = s.find('~', i + 2);
            if (end == std::string_view::npos) return fail("group header not closed");
            group = std::string(s.substr(i + 2, end - i - 2));
            i = end + 1;
            stacked = i < s.size() && (s[i] == 'S' || s[i] == 's');
            if (stacked) ++i;
            continue;
        }
        if (s[i] == ']') {
            if (!group) return fail("group not opened");
            group.reset();
            ++i;
            continue;
        }
        ListColumn c;
        if (group) {
            c.group = *group;
            c.stacked = stacked;
        }
        if (!number(s, i, c.width)) return fail("column width expected");
        if (!alignment(s, i, c.align, c.indent)) return fail("column alignment expected");
        for (; i < s.size(); ++i) {
            const char m = s[i];
            if (m == '|') c.right_border = true;
            else if (m == 'M' || m == 'm') c.resizable = true;
            else if (m == '*') c.coloured = true;
            else if (m == 'Y' || m == 'F' || m == 'Z' || m == '_') continue;
            else break;
        }
        if (i < s.size() && s[i] == '~') {
            const std::size_t end = s.find('~', i + 1);
            if (end == std::string_view::npos) return fail("header not closed");
            c.header = std::string(s.substr(i + 1, end - i - 1));
            i = end + 1;
            if (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i])) && !alignment(s, i, c.header_align, c.header_indent))
                return fail("header alignment expected");
        }
        if (i < s.size() && s[i] == '{') {
            const std::size_t end = s.find('}', i + 1);
            if (end == std::string_view::npos) return fail("tip not closed");
            c.tip = std::string(s.substr(i + 1, end - i - 1));
            i = end + 1;
        }
        if (i < s.size() && s[i] == '@') {
            const std::size_t end = s.find('@', i + 1);
            if (end == std::string_view::npos) return fail("picture not closed");
            c.picture_text = "@" + std::string(s.substr(i + 1, end - i - 1));
            std::optional<Picture> p = Picture::parse(c.picture_text);
            if (!p) return fail("unknown picture");
            c.picture = *p;
            i = end + 1;
        }
        columns.push_back(std::move(c));
    }
    if (group) return fail("group not closed");
    return columns;
}

std::string grouped_format(std::string_view group, std::string_view columns, bool stacked) {
    return "[~" + std::string(group) + "~" + (stacked ? "S" : "") + std::string(columns) + "]";
}

}  // namespace zrv::live

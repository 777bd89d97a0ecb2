#include "live/bind_scope.h"

#include <algorithm>
#include <cctype>

#include "framework/core/app_services.h"

namespace zrv::live {

namespace {

std::string upper_name(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::vector<BindFrame*>& frames() {
    thread_local std::vector<BindFrame*> stack;
    return stack;
}

const Bound& fuzzy_match() {
    static const Bound bound{nullptr, [](const std::vector<Value>& a) {
                                 const std::string query = a.size() > 0 ? a[0].text() : std::string();
                                 const std::string text = a.size() > 1 ? a[1].text() : std::string();
                                 return Value::integer(app_text_matcher().score(query, text));
                             }};
    return bound;
}

}  // namespace

BindFrame::BindFrame() { frames().push_back(this); }

BindFrame::~BindFrame() { std::erase(frames(), this); }

void BindFrame::bind_text(std::string_view name, const std::string* variable) {
    entries_.push_back({upper_name(name), {[variable] { return Value(*variable); }, nullptr}});
}

void BindFrame::bind_integer(std::string_view name, const std::int64_t* variable) {
    entries_.push_back({upper_name(name), {[variable] { return Value::integer(*variable); }, nullptr}});
}

void BindFrame::bind_function(std::string_view name, BoundFunction function) {
    entries_.push_back({upper_name(name), {nullptr, std::move(function)}});
}

const Bound* find_bound(std::string_view name) {
    const std::string key = upper_name(name);
    auto& stack = frames();
    for (auto f = stack.rbegin(); f != stack.rend(); ++f)
        for (auto e = (*f)->entries_.rbegin(); e != (*f)->entries_.rend(); ++e)
            if (e->name == key) return &e->bound;
    if (key == "FUZZYMATCH") return &fuzzy_match();
    return nullptr;
}

}  // namespace zrv::live

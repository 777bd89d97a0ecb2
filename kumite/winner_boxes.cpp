#include "kumite/winner_boxes.h"

#include <stdexcept>

#include "data/dictionary.h"

namespace zrv::kumite {

namespace {

void set_field(const std::string& name, int value) {
    if (name.empty()) return;
    std::optional<data::FieldRef> f = data::field_by_name(name);
    if (!f) throw std::invalid_argument("no field " + name);
    f->set_integer(value);
}

}  // namespace

void WinnerBoxes::attach(const Window& window) {
    boxes_.clear();
    partners_.clear();
    for (const BoxRule& r : rules_) {
        boxes_.push_back(window.number_of("?" + r.box));
        partners_.push_back(r.partner.empty() ? 0 : window.number_of("?" + r.partner));
    }
}

bool WinnerBoxes::accepted(Window& window, int control) const {
    if (control == 0) return false;
    bool found = false;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        if (boxes_[i] == control) {
            apply(window, i);
            found = true;
        }
    return found;
}

void WinnerBoxes::apply(Window& window, std::size_t i) const {
    const BoxRule& r = rules_[i];
    if (!boxes_[i]) return;
    const bool checked = window.checked(boxes_[i]);
    set_field(r.mark, checked ? 1 : 0);
    if (!partners_[i]) return;
    if (checked && r.clears_partner) set_field(r.partner, 0);
    window.set_disabled(partners_[i], checked);
}

void WinnerBoxes::apply_all(Window& window, const std::vector<std::string>& order) const {
    for (const std::string& box : order)
        for (std::size_t i = 0; i < rules_.size(); ++i)
            if (rules_[i].box == box) apply_at_setup(window, i);
}

void WinnerBoxes::apply_all(Window& window) const {
    for (std::size_t i = 0; i < rules_.size(); ++i) apply_at_setup(window, i);
}

void WinnerBoxes::apply_at_setup(Window& window, std::size_t i) const {
    if (boxes_[i] && !window.control(boxes_[i]).disabled) apply(window, i);
}

}  // namespace zrv::kumite

#pragma once
// WinnerBoxPairing: the check boxes of a bout. Each rule names a box, the field that takes 1 or
// 0 with it (its own, a result beside it, or none), and the partner box of the same bout, which
// a checked box disables (and may clear) and an unchecked one enables again. The bracket forms
// and the team sheets declare their boxes as tables of these rules.
#include <string>
#include <vector>

#include "framework/core/window.h"

namespace zrv::kumite {

struct BoxRule {
    std::string box;              // the box's field, "KE24:RESULTADOC1B"; its control is "?" + box
    std::string mark;             // the field set to 1 (checked) or 0; empty: none
    std::string partner;          // the partner box's field; empty: none
    bool clears_partner = false;  // a checked box sets the partner's field to 0
};

class WinnerBoxes {
public:
    explicit WinnerBoxes(std::vector<BoxRule> rules) : rules_(std::move(rules)) {}

    // Finds the boxes' controls in an opened window.
    void attach(const Window& window);
    // The rule of an accepted control, run from the box's checked state; false when the
    // control is no box of these rules.
    bool accepted(Window& window, int control) const;
    // Set-up: every box's rule once, in the order given (box fields), each from its state as
    // shown. A box that an earlier box of the pass disabled is left as it is, as a click could
    // not reach it: when both boxes of a bout are stored checked, the first one keeps its box
    // enabled and the pair can still be changed.
    void apply_all(Window& window, const std::vector<std::string>& order) const;
    // The same in the rules' own order.
    void apply_all(Window& window) const;

    const std::vector<BoxRule>& rules() const { return rules_; }

private:
    void apply(Window& window, std::size_t rule) const;
    void apply_at_setup(Window& window, std::size_t rule) const;

    std::vector<BoxRule> rules_;
    std::vector<int> boxes_, partners_;
};

}  // namespace zrv::kumite

// The window model without a loop: controls, bindings, revisions.
#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/core/event.h"
#include "framework/core/window.h"

namespace zrv {
namespace {

class TextVariable : public Binding {
public:
    std::string value;
    std::string text() const override { return value; }
    void set_text(std::string_view t) override { value = t; }
};

WindowLayout layout() {
    WindowLayout l;
    l.controls = {
        {.use = "?SB:PuntoAo", .kind = ControlKind::Entry},
        {.use = "?WIN", .kind = ControlKind::Check},
        {.use = "?QUEUE", .kind = ControlKind::DropList, .items = {"QueueStart", "QueueStop"}, .item_values = {"1", "2"}},
        {.number = 10, .use = "?LABEL", .kind = ControlKind::String, .text = "Aka"},
    };
    return l;
}

// A typed character of any script travels in the keycode and comes back out; no key's code reads
// as a character, and no character as a key (Ħ is U+0126, the up arrow's code).
TEST(TypedKeys, ACharacterOfAnyScriptTravelsInTheKeycodeApartFromTheKeys) {
    struct Case {
        const char* name;
        char32_t typed;
        int keycode;
    } cases[] = {
        {"ascii letter", U'K', 'K'},
        {"digit", U'7', '7'},
        {"space", U' ', ' '},
        {"latin-1", U'é', kTypedKey + 0xE9},
        {"code of the up arrow", U'Ħ', kTypedKey + 0x126},
        {"code of ctrl+h", U'Ɉ', kTypedKey + 0x248},
        {"cyrillic", U'и', kTypedKey + 0x438},
        {"arabic", U'م', kTypedKey + 0x645},
        {"cjk", U'田', kTypedKey + 0x7530},
        {"beyond the BMP", U'𠮷', kTypedKey + 0x20BB7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(typed_key(c.typed), c.keycode) << c.name;
        EXPECT_EQ(typed_character(c.keycode), c.typed) << c.name;
    }
    for (const int key : {0, kMouseRightKey, kPageUpKey, kPageDownKey, kEndKey, kHomeKey, kUpKey, kDownKey, kEscapeKey, kCtrlHKey,
                          0x7F, 0x1F, kTypedKey + 'a', kTypedKey + 0x85, kTypedKey + 0xD800, kTypedKey + 0x110000})
        EXPECT_EQ(typed_character(key), 0u) << std::hex << key;
}

TEST(WindowModel, ControlsAreFoundByUseNameWithoutRegardToCaseAndNumbered) {
    Window w(layout());
    EXPECT_EQ(w.number_of("?SB:PUNTOAO"), 1);
    EXPECT_EQ(w.number_of("?win"), 2);
    EXPECT_EQ(w.number_of("?LABEL"), 10);
    EXPECT_EQ(w.number_of("?NONE"), 0);
}

TEST(WindowModel, ADeclarationThatWouldReuseANumberFails) {
    // A control without a number takes the one after the highest so far, even when a later
    // control declares that number: the window is never made with one control replacing another.
    const std::vector<std::vector<ControlState>> faulty = {
        {{.use = "?A"}, {.number = 1, .use = "?B"}},
        {{.number = 100, .use = "?TAB1"}, {.use = "?BUTTON"}, {.number = 101, .use = "?TAB2"}},
        {{.number = 5, .use = "?A"}, {.number = 5, .use = "?B"}},
    };
    for (const std::vector<ControlState>& controls : faulty) {
        WindowLayout l{.title = "Clash"};
        l.controls = controls;
        EXPECT_THROW(Window{l}, std::invalid_argument) << controls.back().use;
    }
    WindowLayout fine{.title = "Fine"};
    fine.controls = {{.number = 100, .use = "?TAB1"}, {.number = 101, .use = "?TAB2"}, {.use = "?BUTTON"}, {.number = 3, .use = "?C"}};
    Window w(fine);
    EXPECT_EQ(w.number_of("?BUTTON"), 102);
    EXPECT_EQ(w.numbers(), (std::vector<int>{3, 100, 101, 102}));
}

TEST(WindowModel, DisplayShowsBoundValuesAndUpdateTakesScreenValues) {
    Window w(layout());
    auto points = std::make_shared<TextVariable>();
    auto win = std::make_shared<TextVariable>();
    auto queue = std::make_shared<TextVariable>();
    points->value = "7";
    win->value = "1";
    queue->value = "2";
    w.bind(1, points);
    w.bind(2, win);
    w.bind(3, queue);
    w.display();
    EXPECT_EQ(w.text(1), "7");
    EXPECT_TRUE(w.checked(2));
    EXPECT_EQ(w.selected(3), 2);

    w.operator_type(1, "8");
    w.operator_check(2, false);
    w.operator_choose(3, 1);
    EXPECT_TRUE(w.changed_by_operator(1));
    w.update();
    EXPECT_EQ(points->value, "8");
    EXPECT_EQ(win->value, "0");
    EXPECT_EQ(queue->value, "1");
    w.display();
    EXPECT_FALSE(w.changed_by_operator(1));
}

TEST(WindowModel, OnlyRealChangesBumpTheRevision) {
    Window w(layout());
    w.set_text(10, "Aka");
    const auto before = w.control(10).revision;
    w.set_text(10, "Aka");
    w.set_hidden(10, false);
    EXPECT_EQ(w.control(10).revision, before);
    w.set_font_colour(10, 0x0000FF);
    EXPECT_GT(w.control(10).revision, before);
    // The font styles: a change bumps the revision, setting the style it has does not.
    const auto coloured = w.control(10).revision;
    w.set_italic(10, false);
    w.set_underline(10, false);
    EXPECT_EQ(w.control(10).revision, coloured);
    w.set_italic(10, true);
    EXPECT_GT(w.control(10).revision, coloured);
    const auto italic = w.control(10).revision;
    w.set_underline(10, true);
    EXPECT_GT(w.control(10).revision, italic);
    EXPECT_TRUE(w.control(10).italic && w.control(10).underline);
}

TEST(WindowModel, ControlsMadeAtRunTimeTakeTheirNumberAndParent) {
    Window w(layout());
    ControlState cell{.kind = ControlKind::Image, .image = "~xsmall_1.gif"};
    EXPECT_EQ(w.create_control(cell, 300, 10), 300);
    EXPECT_EQ(w.control(300).parent, 10);
    EXPECT_EQ(w.create_control(ControlState{.kind = ControlKind::Region}), 301);
    w.destroy_control(300);
    EXPECT_FALSE(w.has(300));
}

// What an engine that showed an earlier revision applies: the controls changed since, and after
// a control was destroyed the numbers of those left; a bound control made after its binding, or
// one destroyed during a redisplay, is shown as any other.
TEST(WindowModel, ControlsSinceARevisionAreTheChangedOnesAndTheNumbersAfterADestroy) {
    Window w(layout());
    const auto numbers_of = [](const Window::ControlChanges& c) {
        std::vector<int> out;
        for (const ControlState& s : c.changed) out.push_back(s.number);
        return out;
    };
    const Window::ControlChanges all = w.controls_since(0);
    EXPECT_EQ(numbers_of(all), (std::vector<int>{1, 2, 3, 10}));
    EXPECT_EQ(all.numbers, (std::vector<int>{1, 2, 3, 10}));

    const std::uint64_t shown = w.revision();
    EXPECT_TRUE(w.controls_since(shown).changed.empty());
    EXPECT_FALSE(w.controls_since(shown).numbers);
    w.set_text(10, "Ao");
    w.set_checked(2, true);
    const Window::ControlChanges changes = w.controls_since(shown);
    EXPECT_EQ(numbers_of(changes), (std::vector<int>{2, 10}));
    EXPECT_EQ(changes.changed.back().text, "Ao");
    EXPECT_FALSE(changes.numbers);

    const std::uint64_t before_destroy = w.revision();
    w.destroy_control(2);
    EXPECT_TRUE(w.controls_since(before_destroy).changed.empty());
    EXPECT_EQ(w.controls_since(before_destroy).numbers, (std::vector<int>{1, 3, 10}));

    // Bound before it exists, then made; a binding that destroys another bound control.
    auto later = std::make_shared<TextVariable>();
    later->value = "made later";
    w.bind(20, later);
    w.display();
    w.create_control(ControlState{.use = "?LATER", .kind = ControlKind::String}, 20);
    w.display();
    EXPECT_EQ(w.text(20), "made later");
    struct Destroying : Binding {
        Window* window = nullptr;
        std::string text() const override {
            window->destroy_control(20);
            return "1";
        }
        void set_text(std::string_view) override {}
    };
    auto destroying = std::make_shared<Destroying>();
    destroying->window = &w;
    w.bind(1, destroying);
    later->value = "gone";
    w.display();
    EXPECT_FALSE(w.has(20));
    EXPECT_EQ(w.text(1), "1");
}

}  // namespace
}  // namespace zrv

#pragma once
// A control of a window: its kind, identity and every property the screens use.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zrv {

enum class ControlKind : std::uint8_t {
    Prompt,  // static text shown next to an entry
    String,  // static text (a label, or a value shown by a display screen)
    Entry,   // a text box the operator types into
    Check,   // check box
    Button,
    List,   // rows with columns
    Sheet,  // tab sheet: its tabs are Tab children
    Tab,
    DropList,
    Image,
    Region,  // an invisible area that catches the mouse
    Box,
    Ellipse,
    Panel,
    Group,
    Line,
    Menu,       // a menu of the menu bar
    Item,       // a menu item
    Separator,  // a separator line in a menu
};

// COLORREF-style colours 00BBGGRRh; -1 is the default colour.
using Colour = std::int32_t;
inline constexpr Colour kDefaultColour = -1;

struct ListCell {
    std::string text;
    Colour text_colour = kDefaultColour;
    Colour back_colour = kDefaultColour;
    Colour selected_text_colour = kDefaultColour;
    Colour selected_back_colour = kDefaultColour;
    bool operator==(const ListCell&) const = default;
};

struct ListRow {
    std::vector<ListCell> cells;
    bool operator==(const ListRow&) const = default;
};

// Why a text cannot go into a variable as it is: the variable's name and the range its values
// lie in ("-9999999 .. 9999999").
struct UnfitText {
    std::string variable;
    std::string range;
};

// A bound variable: what a control shows and what the operator's input goes back into.
class Binding {
public:
    virtual ~Binding() = default;
    virtual std::string text() const = 0;
    virtual void set_text(std::string_view text) = 0;
    // A text set_text could not take as it is (not a number, too many digits); none by default.
    virtual std::optional<UnfitText> unfit(std::string_view text) const { return std::nullopt; }
    // The text into `out`, in the room it has (a redisplay asks it of every bound control).
    virtual void read_text(std::string& out) const { out = text(); }
};

// What the framework itself does when a control is accepted (menu items of "&File" and "&Window",
// the standard buttons of a form).
enum class StandardAction : std::uint8_t {
    None,
    Ok,
    Cancel,
    Close,  // closes the window ("E&xit")
    PrintSetup,
    Tile,
    Cascade,
    ArrangeIcons,
    TileHorizontal,
    TileVertical,
};

struct ControlState {
    int number = 0;
    std::string use;  // "?SB:PUNTOAO", "?OK"; compared without regard to case
    ControlKind kind = ControlKind::String;
    int parent = 0;  // the enclosing control (sheet, group, menu), 0 for the window
    std::string text;
    bool hidden = false;
    bool disabled = false;
    bool read_only = false;
    int x = 0, y = 0, width = 0, height = 0;  // window units
    Colour font_colour = kDefaultColour;
    Colour fill_colour = kDefaultColour;    // background of text, fill of boxes and ellipses
    Colour border_colour = kDefaultColour;  // border of boxes, ellipses and lines
    std::string font_name;
    int font_size = 0;  // points, 0 = default
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int align = 0;      // 0 left, 1 centre, 2 right
    std::string image;  // image name (carried or file)
    bool centred = false;
    bool stretched = false;
    bool checked = false;  // check boxes
    std::string true_value = "1", false_value = "0";
    std::string tip;
    std::string message;  // status text while the control has the focus
    std::string picture;  // display picture of the bound value
    // lists and drop lists
    std::string format;  // list column format
    std::vector<ListRow> rows;
    std::vector<std::string> items;        // drop-list texts
    std::vector<std::string> item_values;  // drop-list values (bound), parallel to items
    int selected = 0;                      // 1-based row, item or tab; 0 none
    // lists: the scroll bar over the list's whole order (not only the rows shown); its thumb
    // stands at one of scroll_steps steps, 0-based; a click beside it moves scroll_page steps
    int scroll_steps = 0;  // 0: the list has no rows to scroll through
    int scroll_at = 0;
    int scroll_page = 1;
    // lists: how many whole rows the list's box shows, as the engine draws them; 0 unknown
    int rows_shown = 0;
    bool is_default = false;  // the button pressed by Enter
    bool immediate = false;   // entries: each change typed is a new selection
    int max_chars = 0;        // entries: the most characters the operator types, 0 any
    StandardAction action = StandardAction::None;
    bool changed_by_operator = false;  // entries: typed into since the last redisplay
    std::uint64_t revision = 0;        // bumped on every change (engines redraw what changed)
};

}  // namespace zrv

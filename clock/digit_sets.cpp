// Digit sets, the clock's stored choices and its right-click menu.
//
// A digit-set file is an INI file with a section "Digits": "Dig0" .. "Dig9", "Dig#" (separator),
// "DigClear" (blank), "DigA", "DigP" name image files relative to the set file's folder, and
// "BackColor" is the panel colour as a decimal 00BBGGRRh number. The clock's settings file keeps,
// in section "Setup", the chosen set (<clock name>:DigitsIni) and the hour format
// (<clock name>:DigitsF12) of each clock.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>

#include "clock/digital_clock.h"
#include "framework/core/app_services.h"
#include "framework/core/engine.h"
#include "framework/services/paths.h"
#include "framework/services/utf8.h"

namespace zrv {

namespace {

constexpr std::size_t kTextLength = 256;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The keys of a set file and the suffixes of the built-in images, by cell code.
struct DigitKey {
    int code;
    const char* key;
    char suffix;
};
constexpr DigitKey kDigitKeys[] = {
    {1, "Dig1", '1'},
    {2, "Dig2", '2'},
    {3, "Dig3", '3'},
    {4, "Dig4", '4'},
    {5, "Dig5", '5'},
    {6, "Dig6", '6'},
    {7, "Dig7", '7'},
    {8, "Dig8", '8'},
    {9, "Dig9", '9'},
    {0, "Dig0", '0'},
    {kSeparatorCode, "Dig#", 'd'},
    {kBlankCode, "DigClear", 'c'},
    {kAmCode, "DigA", 'a'},
    {kPmCode, "DigP", 'p'},
};

struct BuiltInSet {
    const char* name;
    const char* prefix;
};
// Of these the program carries "Paint" only; the others name no picture.
constexpr BuiltInSet kBuiltInSets[] = {
    {"Digital", "~xdig_"}, {"Digital1", "~xfdb_"}, {"Ocr", "~xocr_"}, {"Small", "~xsdg_"}, {"Paint", "~xsmall_"},
};

Colour colour_number(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    text = trimmed(text);
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return 0;
    return Colour(std::uint32_t(value));
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A chosen path under the current folder is kept relative to it, as ".\" and the rest.
std::string stored_set_path(const std::string& chosen) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    if (ec) return chosen;
    fs::path full = fs::absolute(native_path(chosen), ec);
    if (ec) return chosen;
    full = full.lexically_normal();
    std::string base = here.lexically_normal().string();
    if (!base.empty() && base.back() != '/') base += '/';
    const std::string whole = full.string();
    if (whole.size() <= base.size() || lower(whole.substr(0, base.size())) != lower(base)) return chosen;
    std::string rest = whole.substr(base.size());
    std::replace(rest.begin(), rest.end(), '/', '\\');
    return ".\\" + rest;
}

}  // namespace

std::string DigitalClock::folder_of_path(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/");
    if (slash != std::string_view::npos) return std::string(path.substr(0, slash + 1));
    if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, 2));
    return {};
}

bool DigitalClock::file_exists(std::string_view path) { return !trimmed(path).empty() && zrv::file_exists(trimmed(path)); }

void DigitalClock::load_digit_set() {
    if (default_ == 0) {
        SettingsFile set;
        set.open(digits_file_);
        const std::string folder(trimmed(digits_folder_));
        for (const DigitKey& k : kDigitKeys)
            images_[k.code] = std::string(utf8_prefix(folder + set.get_or("Digits", k.key, ""), kTextLength));
        back_colour_ = colour_number(set.get_or("Digits", "BackColor", ""));
        set.close();
    } else {
        const std::string_view name = trimmed(default_set_name_);
        for (const BuiltInSet& s : kBuiltInSets) {
            if (name != s.name) continue;
            for (const DigitKey& k : kDigitKeys) images_[k.code] = std::string(s.prefix) + k.suffix + ".gif";
        }
        back_colour_ = default_back_colour_;
    }
    shown_.fill(-1);
    layout();
}

void DigitalClock::select_digit_set() {
    FileDialogRequest dialog;
    dialog.title = translate("Select Digital Set");
    dialog.folder = ".\\Digits";
    dialog.masks = {{"Digital Clock Sets", "*.ini"}, {"All Files", "*.*"}};
    const std::optional<std::string> chosen = engine().file_dialog(dialog);
    if (!chosen || !file_exists(*chosen)) {
        default_ = 1;  // the cells keep the set in use and the settings keep the previous choice
        return;
    }
    default_ = 0;
    digits_file_ = std::string(utf8_prefix(stored_set_path(*chosen), kTextLength));
    digits_folder_ = folder_of_path(digits_file_);
    load_digit_set();
    window_->set_fill_colour(control_, back_colour_);
    refresh_digits();
    tick();
    ini_mgr_->put("Setup", setup_entry(":DigitsIni"), digits_file_);
}

int DigitalClock::handle_right_click(const Event& event) {
    if (!window_ || window_->keycode() != kMouseRightKey || event.control != region_ || region_ == 0) return 0;
    static const std::string kChoose = "Choose digits...", k12 = "12 hours with AM/PM format", k24 = "24 hours format";
    PopupRequest menu;
    menu.items.push_back(translate(kChoose));
    if (use_popup_) menu.items.push_back(translate(f12_ini_ == kHours12 ? k24 : k12));
    const int item = engine().popup_menu(menu);
    if (item == 1) {
        select_digit_set();
    } else if (item == 2 && use_popup_) {
        f12_ini_ = f12_ini_ == kHours24 ? kHours12 : kHours24;
        ini_mgr_->put("Setup", setup_entry(":DigitsF12"), std::to_string(f12_ini_));
    }
    window_->set_keycode(0);
    return 0;
}

}  // namespace zrv

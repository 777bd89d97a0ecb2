#pragma once
// SettingsFile: a Windows-style private-profile INI file.
//  - section and entry names match without regard to case;
//  - every put/remove is written to the file at once; other lines of the file are kept;
//  - a missing file reads as empty and is created by the first write;
//  - every SettingsFile on the same path shares one lock, so threads write one after the other;
//  - the sector list of the section "__Dont_Touch_Me__" is read at open and written back at close.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zrv {

// What placement saving and restoring needs of a window. Positions and sizes are window units.
class PlacementWindow {
public:
    virtual ~PlacementWindow() = default;
    virtual bool is_maximized() const = 0;
    virtual bool is_minimized() const = 0;
    virtual bool is_resizable() const = 0;
    virtual int x() const = 0;
    virtual int y() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void restore_normal() = 0;  // leave the maximized state
    virtual void maximize() = 0;
    virtual void move_to(int x, int y) = 0;
    virtual void set_width(int w) = 0;
    virtual void set_height(int h) = 0;
};

class SettingsFile {
public:
    enum class Kind { IniFile };
    using Sector = std::array<std::string, 3>;

    SettingsFile() = default;
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // path is a system text such as ".\Zorvane.INI" (see native_path). Reads the sector list.
    void open(std::string_view path, Kind kind = Kind::IniFile);
    void flush();  // nothing to do: entries are written when set
    void close();  // writes the sector list: "Sectors" = count, then "Sectors_1" ... as "a,b,c"
    bool is_open() const { return open_; }
    const std::string& path() const { return native_; }

    // An entry's value, or nullopt when the section or entry is missing.
    std::optional<std::string> get(std::string_view section, std::string_view entry) const;
    std::string get_or(std::string_view section, std::string_view entry, std::string_view fallback) const;
    void put(std::string_view section, std::string_view entry, std::string_view value);
    void remove(std::string_view section, std::string_view entry);

    void save_window_placement(std::string_view procedure, const PlacementWindow& window);
    void restore_window_placement(std::string_view procedure, PlacementWindow& window);

    const std::vector<Sector>& sectors() const { return sectors_; }

private:
    std::string native_;
    bool open_ = false;
    std::vector<Sector> sectors_;
};

}  // namespace zrv

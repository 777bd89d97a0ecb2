#pragma once
// SettingsFile: a Windows-style private-profile INI file.
//  - section and entry names match without regard to case;
//  - every put/remove is written to the file at once; other lines of the file are kept;
//  - a missing file reads as empty and is created by the first write;
//  - every SettingsFile on the same path shares one lock, so threads write one after the other;
//    programs in the same folder write one after the other too (a lock file "<file>.lock"
//    while one writes), and opening removes the new files "<file>.tmp.*" of a write that
//    never finished;
//  - the sector list of the section "__Dont_Touch_Me__" is read at open and written back at close.
// Reading: a line "[name]" starts a section, a line "name=value" is an entry (name and value
// without their surrounding blanks; the first of two equal entries counts), lines starting
// with ";" and every other line are kept but never read. A write replaces the whole file at
// once (a new file, then renamed over the old one), so a reader never sees half a file; a
// read-only file (no write permission bit, or not writable by this process) is never written,
// and a write whose text equals the file's is not made.
// Names that cannot be stored (empty, or holding a line break, "=" in an entry name or "]" in
// a section name) write nothing; a line break in a value is stored as a blank.
#include <array>
#include <atomic>
#include <functional>
#include <mutex>
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

class IniText;  // the lines of a settings file (settings_file.cpp)

class SettingsFile {
public:
    enum class Kind { IniFile };
    using Sector = std::array<std::string, 3>;

    SettingsFile() = default;
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // path is a system text such as ".\Zorvane.INI" (see native_path). Reads the sector list:
    // "Sectors" is its length (anything but a whole number reads as 0), but the list never
    // runs past the last "Sectors_k" present; each entry splits at "," into three fields (a
    // missing field is empty, the third keeps any further commas). get/put/remove keep
    // working on that file after close; before any open they read and write nothing.
    void open(std::string_view path, Kind kind = Kind::IniFile);
    void flush();  // nothing to do: entries are written when set
    void close();  // writes the sector list: "Sectors" = count, then "Sectors_1" ... as "a,b,c"
    bool is_open() const { return open_; }
    const std::string& path() const { return native_; }  // the absolute native path, fixed at open

    // An entry's value, or nullopt when the section or entry is missing.
    std::optional<std::string> get(std::string_view section, std::string_view entry) const;
    std::string get_or(std::string_view section, std::string_view entry, std::string_view fallback) const;
    void put(std::string_view section, std::string_view entry, std::string_view value);
    void remove(std::string_view section, std::string_view entry);

    // Placement numbers that are not whole numbers, or lie outside +-1,000,000 (sizes: 1 to
    // 1,000,000), read as missing.
    void save_window_placement(std::string_view procedure, const PlacementWindow& window);
    void restore_window_placement(std::string_view procedure, PlacementWindow& window);

    const std::vector<Sector>& sectors() const { return sectors_; }

    // Told of the first write after open that cannot be made (a read-only file, a folder that
    // cannot be written, a full disk), on the writing thread: the file's path, whether it
    // existed, and why. Later failures until the next open are not told again.
    using WriteFailure = std::function<void(const std::string& path, bool existed, const std::string& why)>;
    void on_write_failure(WriteFailure handler);

private:
    // Reads the file under its lock, lets edit change it, writes the result when it differs.
    void rewrite(const std::function<void(IniText&)>& edit);

    std::string native_;
    bool open_ = false;
    std::vector<Sector> sectors_;
    std::mutex* lock_ = nullptr;  // shared by every SettingsFile on the same file
    WriteFailure failure_handler_;
    std::atomic<bool> failure_reported_{false};
};

}  // namespace zrv

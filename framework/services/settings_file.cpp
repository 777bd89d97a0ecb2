#include "framework/services/settings_file.h"

#include "framework/services/paths.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <unordered_map>

namespace zrv {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kBookkeeping = "__Dont_Touch_Me__";
constexpr std::string_view kSectors = "Sectors";
constexpr long kPlacementLimit = 1'000'000;

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::string_view trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

// The lines of an INI file, each kept as written, with what a reader makes of it.
class IniText {
public:
    explicit IniText(const std::string& content) {
        for (std::size_t start = 0; start < content.size();) {
            std::size_t nl = content.find('\n', start);
            Line line;
            if (nl == std::string::npos) {
                line.text = content.substr(start);
                start = content.size();
            } else {
                line.text = content.substr(start, nl - start);
                line.ending = "\n";
                start = nl + 1;
            }
            if (!line.ending.empty() && !line.text.empty() && line.text.back() == '\r') {
                line.text.pop_back();
                line.ending = "\r\n";
            }
            if (ending_.empty() && !line.ending.empty()) ending_ = line.ending == "\r\n" ? "\r\n" : "\n";
            classify(line);
            lines_.push_back(std::move(line));
        }
        if (ending_.empty()) ending_ = "\n";
    }

    std::string text() const {
        std::string out;
        for (const Line& l : lines_) out += l.text + l.ending;
        return out;
    }

    const std::string* find(std::string_view section, std::string_view entry) const {
        std::size_t i = find_line(section, entry, 0);
        return i == npos ? nullptr : &lines_[i].value;
    }

    // Every entry of the sections of that name, first occurrence of each name only, by lower-case name.
    std::unordered_map<std::string, std::string> section_entries(std::string_view section) const {
        std::unordered_map<std::string, std::string> out;
        bool inside = false;
        for (const Line& l : lines_) {
            if (l.kind == Kind::Section) inside = same_name(l.name, section);
            else if (inside && l.kind == Kind::Entry) out.emplace(lower(l.name), l.value);
        }
        return out;
    }

    void set(std::string_view section, std::string_view entry, std::string_view value) {
        std::size_t i = find_line(section, entry, 0);
        if (i != npos) {
            Line& l = lines_[i];
            l.text = l.name + "=" + std::string(value);
            l.value = std::string(trim(value));
            return;
        }
        Line fresh;
        fresh.text = std::string(entry) + "=" + std::string(value);
        classify(fresh);
        std::size_t after = npos;  // the last entry (or the header) of the first section of that name
        bool inside = false;
        for (std::size_t k = 0; k < lines_.size(); ++k) {
            const Line& l = lines_[k];
            if (l.kind == Kind::Section) {
                if (after != npos) break;
                inside = same_name(l.name, section);
                if (inside) after = k;
            } else if (inside && l.kind == Kind::Entry) {
                after = k;
            }
        }
        if (after == npos) {
            Line header;
            header.text = "[" + std::string(section) + "]";
            classify(header);
            append(std::move(header));
            append(std::move(fresh));
            return;
        }
        if (lines_[after].ending.empty()) lines_[after].ending = ending_;
        fresh.ending = ending_;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after) + 1, std::move(fresh));
    }

    // Removes every entry of that name in every section of that name; true when one was found.
    bool erase(std::string_view section, std::string_view entry) {
        bool found = false;
        for (std::size_t i = find_line(section, entry, 0); i != npos; i = find_line(section, entry, i)) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
            found = true;
        }
        return found;
    }

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        std::string text;    // as written, without its line ending
        std::string ending;  // "\n", "\r\n", or empty on a last line without "\n"
        Kind kind = Kind::Other;
        std::string name;
        std::string value;
    };
    static constexpr std::size_t npos = std::string::npos;

    static void classify(Line& l) {
        std::string_view t = trim(l.text);
        if (!t.empty() && t.front() == '[') {
            std::size_t close = t.find(']');
            if (close != std::string_view::npos) {
                l.kind = Kind::Section;
                l.name = std::string(trim(t.substr(1, close - 1)));
            }
            return;
        }
        if (t.empty() || t.front() == ';') return;
        std::size_t eq = t.find('=');
        if (eq == std::string_view::npos) return;
        std::string_view name = trim(t.substr(0, eq));
        if (name.empty()) return;
        l.kind = Kind::Entry;
        l.name = std::string(name);
        l.value = std::string(trim(t.substr(eq + 1)));
    }

    void append(Line line) {
        if (!lines_.empty() && lines_.back().ending.empty()) lines_.back().ending = ending_;
        line.ending = ending_;
        lines_.push_back(std::move(line));
    }

    std::size_t find_line(std::string_view section, std::string_view entry, std::size_t from) const {
        // Which section holds line `from` is found by looking back for its header.
        bool inside = false;
        for (std::size_t k = from; k-- > 0;)
            if (lines_[k].kind == Kind::Section) {
                inside = same_name(lines_[k].name, section);
                break;
            }
        for (std::size_t k = from; k < lines_.size(); ++k) {
            const Line& l = lines_[k];
            if (l.kind == Kind::Section) inside = same_name(l.name, section);
            else if (inside && l.kind == Kind::Entry && same_name(l.name, entry)) return k;
        }
        return npos;
    }

    std::vector<Line> lines_;
    std::string ending_;
};

namespace {

// One lock per file for the whole process. The registry is never destroyed, so objects that
// outlive the end of main still find their lock.
std::mutex* lock_for(const std::string& file) {
    static std::mutex* guard = new std::mutex;
    static auto* locks = new std::map<std::string, std::unique_ptr<std::mutex>>;
    std::lock_guard hold(*guard);
    std::unique_ptr<std::mutex>& slot = (*locks)[file];
    if (!slot) slot = std::make_unique<std::mutex>();
    return slot.get();
}

// The lock of the read-modify-write of a settings file across processes (two programs in one
// folder): flock on a lock file beside it, "<file>.lock", removed again when the lock is let
// go, so the folder keeps only the settings file. A lock file removed (or replaced) while this
// process waited for it is left for the one there now. A folder in which no lock file can be
// made takes no lock: nothing can be written there either. Taken after the process's own lock
// of the file, let go when the object goes.
class ProcessLock {
public:
    explicit ProcessLock(const std::string& file) : path_(file + ".lock") {
        for (int attempt = 0; attempt < 1000; ++attempt) {
            fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
            if (fd_ < 0) fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);  // another user's
            if (fd_ < 0) return;
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
            struct stat held {
            }, named{};
            if (::fstat(fd_, &held) == 0 && ::stat(path_.c_str(), &named) == 0 && held.st_ino == named.st_ino &&
                held.st_dev == named.st_dev)
                return;
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~ProcessLock() {
        if (fd_ < 0) return;
        ::unlink(path_.c_str());  // while still held: a waiting process then takes a new one
        ::close(fd_);
    }
    ProcessLock(const ProcessLock&) = delete;
    ProcessLock& operator=(const ProcessLock&) = delete;

private:
    std::string path_;
    int fd_ = -1;
};

std::string read_file(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A file that is not to be written: no write permission bit set (the user's own way of saying
// so, which holds even for a process that may write anything), or one this process may not write.
bool read_only(const std::string& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(file.c_str(), W_OK) != 0;
}

// Writes content to a fresh file next to `file` and renames it over `file`, so that the file
// always holds either its old or its new content. A read-only file is left as it is, never
// replaced. A failure leaves the old file as it was and answers why; success answers nothing.
std::optional<std::string> write_file(const std::string& file, const std::string& content) {
    if (read_only(file)) return "the file is read-only";
    static std::atomic<unsigned long> counter{0};
    std::string temp = file + ".tmp." + std::to_string(::getpid()) + "." + std::to_string(counter++);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return std::strerror(errno);
    struct stat old {};
    if (::stat(file.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    int error = 0;
    for (std::size_t done = 0; !error && done < content.size();) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) error = n < 0 ? errno : EIO;
        else done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 && !error) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temp.c_str(), file.c_str()) != 0) error = errno;
    if (!error) return std::nullopt;
    ::unlink(temp.c_str());
    return std::strerror(error);
}

// The new files of writes that never got to their rename (a program killed while writing):
// with the lock across processes held no write is under way, so each one left is removed.
void remove_left_temporaries(const std::string& file) {
    std::error_code ec;
    const fs::path path(file);
    const std::string prefix = path.filename().string() + ".tmp.";
    for (fs::directory_iterator it(path.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0) {
            std::error_code ignored;
            if (it->is_regular_file(ignored)) fs::remove(it->path(), ignored);
        }
    }
}

bool storable_section(std::string_view name) { return !name.empty() && name.find_first_of("]\r\n") == std::string_view::npos; }

bool storable_entry(std::string_view name) {
    return !name.empty() && name.front() != '[' && name.front() != ';' && name.find_first_of("=\r\n") == std::string_view::npos;
}

std::string storable_value(std::string_view value) {
    std::string out(value);
    std::replace(out.begin(), out.end(), '\r', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

// A whole decimal number (optional sign) within [lowest, highest], or nullopt.
std::optional<long> whole_number(const std::string* text, long lowest, long highest) {
    if (!text) return std::nullopt;
    std::string_view t = *text;
    if (t.size() > 1 && t.front() == '+' && t[1] != '-') t.remove_prefix(1);
    long value = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

// The sector count: digits only; larger than anything a file can hold reads as the largest.
std::size_t sector_count(const std::string* text) {
    if (!text || text->empty()) return 0;
    std::size_t n = 0;
    for (char c : *text) {
        if (c < '0' || c > '9') return 0;
        n = std::min<std::size_t>(n * 10 + static_cast<std::size_t>(c - '0'), 1'000'000'000);
    }
    return n;
}

std::string sector_entry(std::size_t k) { return std::string(kSectors) + "_" + std::to_string(k); }

SettingsFile::Sector split_sector(std::string_view text) {
    SettingsFile::Sector s;
    std::size_t a = text.find(',');
    if (a == std::string_view::npos) {
        s[0] = std::string(text);
        return s;
    }
    std::size_t b = text.find(',', a + 1);
    s[0] = std::string(text.substr(0, a));
    if (b == std::string_view::npos) {
        s[1] = std::string(text.substr(a + 1));
        return s;
    }
    s[1] = std::string(text.substr(a + 1, b - a - 1));
    s[2] = std::string(text.substr(b + 1));
    return s;
}

}  // namespace

SettingsFile::~SettingsFile() = default;

void SettingsFile::open(std::string_view path, Kind) {
    sectors_.clear();
    native_.clear();
    lock_ = nullptr;
    open_ = true;
    failure_reported_ = false;
    std::string native = native_path(path);
    if (native.empty()) return;  // no file: reads nothing, writes nothing
    std::error_code ec;
    fs::path absolute = fs::absolute(native, ec);
    if (ec) return;
    fs::path resolved = fs::weakly_canonical(absolute, ec);
    native_ = (ec ? absolute.lexically_normal() : resolved).string();
    lock_ = lock_for(native_);

    std::lock_guard hold(*lock_);
    if (!read_only(native_)) {
        ProcessLock across(native_);
        remove_left_temporaries(native_);
    }
    IniText ini(read_file(native_));
    std::size_t count = sector_count(ini.find(kBookkeeping, kSectors));
    if (count == 0) return;
    std::unordered_map<std::string, std::string> entries = ini.section_entries(kBookkeeping);
    // The list ends at the last numbered entry present: a count larger than that names
    // entries that were never written.
    std::size_t last = 0;
    std::string prefix = lower(kSectors) + "_";
    for (const auto& [name, value] : entries) {
        std::string_view digits = std::string_view(name).substr(std::min(prefix.size(), name.size()));
        if (name.compare(0, prefix.size(), prefix) != 0 || digits.empty() || digits.front() == '0' || digits.size() > 10) continue;
        std::size_t k = 0;
        auto [end, err] = std::from_chars(digits.data(), digits.data() + digits.size(), k);
        if (err == std::errc() && end == digits.data() + digits.size() && k <= count) last = std::max(last, k);
    }
    sectors_.reserve(last);
    for (std::size_t k = 1; k <= last; ++k) {
        auto it = entries.find(lower(sector_entry(k)));
        sectors_.push_back(split_sector(it == entries.end() ? std::string_view() : std::string_view(it->second)));
    }
}

void SettingsFile::flush() {}

void SettingsFile::on_write_failure(WriteFailure handler) { failure_handler_ = std::move(handler); }

void SettingsFile::rewrite(const std::function<void(IniText&)>& edit) {
    if (!lock_) return;
    std::optional<std::string> why;
    bool existed = true;
    {
        std::lock_guard hold(*lock_);
        // A read-only file is never written: it needs no lock.
        std::optional<ProcessLock> across;
        if (!read_only(native_)) across.emplace(native_);
        const std::string old = read_file(native_);
        IniText ini(old);
        edit(ini);
        const std::string text = ini.text();
        if (text == old) return;  // nothing to write
        std::error_code ec;
        existed = fs::exists(native_, ec);
        why = write_file(native_, text);
    }
    // Told once per open, outside the lock: a message box must not hold up the other threads.
    if (why && failure_handler_ && !failure_reported_.exchange(true)) failure_handler_(native_, existed, *why);
}

void SettingsFile::close() {
    if (!open_) return;
    open_ = false;
    rewrite([&](IniText& ini) {
        ini.set(kBookkeeping, kSectors, std::to_string(sectors_.size()));
        for (std::size_t k = 0; k < sectors_.size(); ++k) {
            const Sector& s = sectors_[k];
            ini.set(kBookkeeping, sector_entry(k + 1), storable_value(s[0] + "," + s[1] + "," + s[2]));
        }
    });
    sectors_.clear();
}

std::optional<std::string> SettingsFile::get(std::string_view section, std::string_view entry) const {
    if (!lock_) return std::nullopt;
    section = trim(section);
    entry = trim(entry);
    std::lock_guard hold(*lock_);
    IniText ini(read_file(native_));
    const std::string* value = ini.find(section, entry);
    if (!value) return std::nullopt;
    return *value;
}

std::string SettingsFile::get_or(std::string_view section, std::string_view entry, std::string_view fallback) const {
    std::optional<std::string> value = get(section, entry);
    return value ? *value : std::string(fallback);
}

void SettingsFile::put(std::string_view section, std::string_view entry, std::string_view value) {
    section = trim(section);
    entry = trim(entry);
    if (!storable_section(section) || !storable_entry(entry)) return;
    rewrite([&](IniText& ini) { ini.set(section, entry, storable_value(value)); });
}

void SettingsFile::remove(std::string_view section, std::string_view entry) {
    section = trim(section);
    entry = trim(entry);
    rewrite([&](IniText& ini) { ini.erase(section, entry); });
}

void SettingsFile::save_window_placement(std::string_view procedure, const PlacementWindow& window) {
    procedure = trim(procedure);
    if (!storable_section(procedure)) return;
    const bool maximized = window.is_maximized();
    const bool minimized = window.is_minimized();
    std::optional<int> x, y, width, height;
    if (!maximized && !minimized) {
        x = window.x();
        y = window.y();
        if (window.is_resizable()) {
            width = window.width();
            height = window.height();
        }
    }
    rewrite([&](IniText& ini) {
        ini.set(procedure, "Maximize", maximized ? "Yes" : "No");
        ini.set(procedure, "Minimize", minimized ? "Yes" : "No");
        const std::pair<const char*, std::optional<int>> values[] = {{"XPos", x}, {"YPos", y}, {"Width", width}, {"Height", height}};
        for (const auto& [name, value] : values) {
            if (value) ini.set(procedure, name, std::to_string(*value));
            else ini.erase(procedure, name);
        }
    });
}

void SettingsFile::restore_window_placement(std::string_view procedure, PlacementWindow& window) {
    if (!lock_) return;
    procedure = trim(procedure);
    std::optional<std::string> maximize;
    std::optional<long> x, y, width, height;
    {
        std::lock_guard hold(*lock_);
        IniText ini(read_file(native_));
        if (const std::string* m = ini.find(procedure, "Maximize")) maximize = *m;
        x = whole_number(ini.find(procedure, "XPos"), -kPlacementLimit, kPlacementLimit);
        y = whole_number(ini.find(procedure, "YPos"), -kPlacementLimit, kPlacementLimit);
        width = whole_number(ini.find(procedure, "Width"), 1, kPlacementLimit);
        height = whole_number(ini.find(procedure, "Height"), 1, kPlacementLimit);
    }
    if (maximize != "Yes" && maximize != "No") return;
    if (*maximize == "No" && window.is_maximized()) window.restore_normal();
    if (x || y) window.move_to(x ? static_cast<int>(*x) : window.x(), y ? static_cast<int>(*y) : window.y());
    if (window.is_resizable()) {
        if (width) window.set_width(static_cast<int>(*width));
        if (height) window.set_height(static_cast<int>(*height));
    }
    if (*maximize == "Yes" && !window.is_maximized()) window.maximize();
}

}  // namespace zrv

#pragma once
// Other programs and other rights on the table files, for tests of what the screens do when a
// file is not theirs to use as they like.
#include <sys/types.h>

#include <filesystem>
#include <string>

namespace zrv::testing {

// The sqlite3 command-line client, run as a process of its own, holding a lock on a table file
// until release() or the object's end: an exclusive one (as a program using `PRAGMA
// locking_mode = EXCLUSIVE` does; it cannot be taken while another program has the file open)
// or the write lock of a transaction left open (readers go on, writers wait).
class ExclusiveLock {
public:
    enum class Kind { Exclusive, Writing };
    explicit ExclusiveLock(const std::string& file, Kind kind = Kind::Exclusive);
    ~ExclusiveLock();
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

    bool held() const { return held_; }  // false when the client could not take the lock
    void release();

private:
    pid_t pid_ = -1;
    int to_client_ = -1;
    bool held_ = false;
};

// While it lives, the calling process has no right to write into `folder`: the folder is made
// read-only and, when the process runs as root (which writes anything), its effective user
// becomes an unprivileged one; both are restored at the end. The folder's files stay readable.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::filesystem::path& folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // False when the rights could not be dropped (the test cannot be made).
    bool in_effect() const { return in_effect_; }

private:
    std::filesystem::path folder_;
    bool dropped_user_ = false;
    bool in_effect_ = false;
};

}  // namespace zrv::testing

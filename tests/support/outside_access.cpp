#include "tests/support/outside_access.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

extern char** environ;

namespace zrv::testing {
namespace {

bool write_all(int fd, std::string_view text) {
    while (!text.empty()) {
        ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

ExclusiveLock::ExclusiveLock(const std::string& file, Kind kind) {
    int in[2], out[2];
    if (::pipe(in) != 0) return;
    if (::pipe(out) != 0) {
        ::close(in[0]);
        ::close(in[1]);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, in[1]);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::string program = "sqlite3", batch = "-batch", name = file;
    char* argv[] = {program.data(), batch.data(), name.data(), nullptr};
    const bool spawned = posix_spawnp(&pid_, "sqlite3", &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    if (!spawned) {
        pid_ = -1;
        ::close(in[1]);
        ::close(out[0]);
        return;
    }
    to_client_ = in[1];
    // The lock is taken by the first write; the client says so when it holds it.
    write_all(to_client_, kind == Kind::Exclusive ? "PRAGMA locking_mode = EXCLUSIVE;\nBEGIN EXCLUSIVE;\n" : "BEGIN IMMEDIATE;\n");
    write_all(to_client_, "CREATE TABLE zrv_lock_probe (x);\nDROP TABLE zrv_lock_probe;\nSELECT 'locked';\n");
    std::string said;
    char c;
    while (said.find("locked") == std::string::npos && ::read(out[0], &c, 1) == 1) said.push_back(c);
    ::close(out[0]);
    held_ = said.find("locked") != std::string::npos;
}

ExclusiveLock::~ExclusiveLock() { release(); }

void ExclusiveLock::release() {
    if (to_client_ >= 0) {
        write_all(to_client_, "ROLLBACK;\n.quit\n");
        ::close(to_client_);
        to_client_ = -1;
    }
    if (pid_ > 0) {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }
    held_ = false;
}

ReadOnlyFolder::ReadOnlyFolder(const std::filesystem::path& folder) : folder_(folder) {
    // Others must reach the folder and read its files once the user has changed.
    if (::chmod(folder_.c_str(), 0555) != 0) return;
    if (::geteuid() == 0) {
        if (::setegid(65534) != 0 || ::seteuid(65534) != 0) {
            ::setegid(0);
            return;
        }
        dropped_user_ = true;
    }
    // Whoever we are now must not be able to write there.
    in_effect_ = ::faccessat(AT_FDCWD, folder_.c_str(), W_OK, AT_EACCESS) != 0;
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (dropped_user_) {
        ::seteuid(0);
        ::setegid(0);
    }
    ::chmod(folder_.c_str(), 0700);
}

}  // namespace zrv::testing

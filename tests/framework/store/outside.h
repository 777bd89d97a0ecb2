#pragma once
// Another program on the same table files: a plain SQLite connection of its own.
#include <sqlite3.h>

#include <string>

namespace zrv::store::testing {

class Outside {
public:
    explicit Outside(const std::string& file = "bout.sqlite");
    ~Outside();
    // Runs SQL; returns the first column of the first row ("" when none), or "error: ..." .
    std::string run(const std::string& sql);
    sqlite3* db() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

}  // namespace zrv::store::testing

#include "tests/framework/store/outside.h"

namespace zrv::store::testing {

Outside::Outside(const std::string& file) {
    sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    sqlite3_busy_timeout(db_, 2000);
}

Outside::~Outside() { sqlite3_close_v2(db_); }

std::string Outside::run(const std::string& sql) {
    std::string first;
    bool got = false;
    const char* tail = sql.c_str();
    while (tail && *tail) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db_, tail, -1, &s, &tail) != SQLITE_OK) return std::string("error: ") + sqlite3_errmsg(db_);
        if (!s) break;
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW)
            if (!got) {
                got = true;
                const unsigned char* t = sqlite3_column_text(s, 0);
                first = t ? reinterpret_cast<const char*>(t) : "NULL";
            }
        sqlite3_finalize(s);
        if (rc != SQLITE_DONE) return std::string("error: ") + sqlite3_errmsg(db_);
    }
    return first;
}

}  // namespace zrv::store::testing

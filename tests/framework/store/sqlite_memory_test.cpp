// SQLite as the store sets it up keeps no memory statistics (their global lock would be taken
// on every allocation of every screen's thread).
#include <sqlite3.h>

#include <gtest/gtest.h>

#include "framework/store/store_context.h"

namespace zrv::store {
namespace {

TEST(SqliteMemory, KeepsNoStatistics) {
    thread_store();  // sets SQLite up as the program does
    void* block = sqlite3_malloc(4000);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(sqlite3_memory_used(), 0);
    sqlite3_free(block);
}

}  // namespace
}  // namespace zrv::store

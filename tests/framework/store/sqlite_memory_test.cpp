// SQLite's memory as the store sets it up: blocks of every size keep their contents through
// growing and shrinking, report at least the size asked for, and may be freed by another
// thread than the one that took them, also after that thread has ended.
#include <sqlite3.h>

#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#include "framework/store/store_context.h"

namespace zrv::store {
namespace {

void fill(void* block, int size, unsigned char seed) {
    for (int i = 0; i < size; ++i) static_cast<unsigned char*>(block)[i] = static_cast<unsigned char>(seed + i);
}

bool holds(const void* block, int size, unsigned char seed) {
    for (int i = 0; i < size; ++i)
        if (static_cast<const unsigned char*>(block)[i] != static_cast<unsigned char>(seed + i)) return false;
    return true;
}

TEST(SqliteMemory, BlocksKeepTheirContentsThroughReallocationAndAcrossThreads) {
    thread_store();  // sets SQLite up as the program does
    struct Case {
        int size, resized;
    } cases[] = {{1, 16}, {16, 17}, {100, 40}, {256, 257}, {257, 100}, {4000, 4096}, {5000, 12}, {70000, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        void* block = sqlite3_malloc(c.size);
        ASSERT_NE(block, nullptr);
        EXPECT_GE(sqlite3_msize(block), static_cast<sqlite3_uint64>(c.size));
        fill(block, c.size, 7);
        block = sqlite3_realloc(block, c.resized);
        ASSERT_NE(block, nullptr);
        EXPECT_GE(sqlite3_msize(block), static_cast<sqlite3_uint64>(c.resized));
        EXPECT_TRUE(holds(block, std::min(c.size, c.resized), 7));
        sqlite3_free(block);
    }
    // Taken here, freed by a thread that ends; taken there, freed here; and taken again.
    std::vector<void*> here, there;
    for (int i = 0; i < 200; ++i) {
        here.push_back(sqlite3_malloc(1 + i % 300));
        fill(here.back(), 1 + i % 300, static_cast<unsigned char>(i));
    }
    std::thread([&] {
        for (void* b : here) sqlite3_free(b);
        for (int i = 0; i < 200; ++i) {
            there.push_back(sqlite3_malloc(1 + i % 300));
            fill(there.back(), 1 + i % 300, static_cast<unsigned char>(i));
        }
    }).join();
    for (int i = 0; i < 200; ++i) {
        EXPECT_TRUE(holds(there[static_cast<std::size_t>(i)], 1 + i % 300, static_cast<unsigned char>(i)));
        sqlite3_free(there[static_cast<std::size_t>(i)]);
    }
    std::vector<void*> again;
    for (int i = 0; i < 200; ++i) again.push_back(sqlite3_malloc(64));
    for (std::size_t i = 0; i < again.size(); ++i)
        for (std::size_t j = i + 1; j < again.size(); ++j) ASSERT_NE(again[i], again[j]);
    for (void* b : again) sqlite3_free(b);
}

}  // namespace
}  // namespace zrv::store

// SQLite's memory. A re-read of a changed record allocates a block for every text column and
// frees them all again when its statement is reset; every table file's page cache is refilled
// the same way. The small blocks are kept on a list of this thread's own and handed out again,
// instead of going through the C library's allocator (and the global lock of SQLite's memory
// statistics, which nothing here reads) each time.
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "framework/store/store_internal.h"

namespace zrv::store::detail {
namespace {

// Each block starts with its size, in a header that keeps the block 16-byte aligned.
constexpr std::size_t kHeader = 16;
constexpr std::size_t kStep = 16;       // the sizes kept: 16, 32 ... 256 bytes
constexpr int kSizes = 16;
constexpr int kKeep = 64;               // blocks of one size kept per thread
constexpr std::size_t kLargest = kStep * kSizes;

struct FreeBlock {
    FreeBlock* next;
};

// Trivially destructible: a block freed while the thread's other objects are destroyed still
// finds it (and, once `gone`, goes back to the C library).
struct Kept {
    FreeBlock* first[kSizes];
    int count[kSizes];
    bool gone;
};
thread_local Kept t_kept{};

// Gives the kept blocks back when the thread ends.
struct GiveBack {
    bool armed = false;
    ~GiveBack() {
        for (int i = 0; i < kSizes; ++i)
            while (FreeBlock* b = t_kept.first[i]) {
                t_kept.first[i] = b->next;
                std::free(reinterpret_cast<unsigned char*>(b) - kHeader);
            }
        t_kept.gone = true;
    }
};
thread_local GiveBack t_give_back;

std::size_t& size_of(void* block) { return *reinterpret_cast<std::size_t*>(static_cast<unsigned char*>(block) - kHeader); }

int kept_index(std::size_t size) { return size <= kLargest ? static_cast<int>((std::max<std::size_t>(size, 1) - 1) / kStep) : -1; }

std::size_t rounded(std::size_t size) {
    const int i = kept_index(size);
    return i >= 0 ? kStep * static_cast<std::size_t>(i + 1) : (size + 7) & ~std::size_t{7};
}

void* allocate(int n) {
    if (n < 0) return nullptr;
    const std::size_t size = rounded(static_cast<std::size_t>(n));
    const int i = kept_index(size);
    if (i >= 0 && t_kept.first[i]) {
        FreeBlock* b = t_kept.first[i];
        t_kept.first[i] = b->next;
        --t_kept.count[i];
        return b;
    }
    auto* raw = static_cast<unsigned char*>(std::malloc(kHeader + size));
    if (!raw) return nullptr;
    void* block = raw + kHeader;
    size_of(block) = size;
    return block;
}

void release(void* block) {
    if (!block) return;
    const int i = kept_index(size_of(block));
    if (i >= 0 && !t_kept.gone && t_kept.count[i] < kKeep) {
        if (!t_give_back.armed) t_give_back.armed = true;  // registers the give-back at the thread's end
        auto* b = static_cast<FreeBlock*>(block);
        b->next = t_kept.first[i];
        t_kept.first[i] = b;
        ++t_kept.count[i];
        return;
    }
    std::free(static_cast<unsigned char*>(block) - kHeader);
}

int block_size(void* block) { return block ? static_cast<int>(size_of(block)) : 0; }

void* reallocate(void* block, int n) {
    if (n < 0) return nullptr;
    if (!block) return allocate(n);
    const std::size_t old = size_of(block);
    if (static_cast<std::size_t>(n) <= old && kept_index(old) == kept_index(rounded(static_cast<std::size_t>(n)))) return block;
    void* moved = allocate(n);
    if (!moved) return nullptr;
    std::memcpy(moved, block, std::min(old, static_cast<std::size_t>(n)));
    release(block);
    return moved;
}

int round_up(int n) { return static_cast<int>(rounded(static_cast<std::size_t>(std::max(n, 0)))); }
int start(void*) { return SQLITE_OK; }
void stop(void*) {}

}  // namespace

void configure_sqlite() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Only before SQLite's first use in the process; refused (harmlessly) after it.
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
        // Under the sanitizers every block comes from the C library, so that they see each one.
        static const sqlite3_mem_methods methods{allocate, release, reallocate, block_size, round_up, start, stop, nullptr};
        sqlite3_config(SQLITE_CONFIG_MALLOC, &methods);
#endif
    });
}

}  // namespace zrv::store::detail

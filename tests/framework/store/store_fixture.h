#pragma once
// A fresh folder, the thread's store with short waits, and the messages raised meanwhile.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "framework/core/error_reporter.h"
#include "framework/store/store_context.h"
#include "tests/framework/store/bout_table.h"
#include "tests/framework/store/outside.h"
#include "tests/support/temp_folder.h"

namespace zrv::store::testing {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        app_error_reporter().clear_history();
        app_error_reporter().set_message_box_handler(nullptr);
        StoreOptions& o = thread_store().options();
        saved_ = o;
        o.busy_timeout = std::chrono::milliseconds(200);
        o.transaction_wait = std::chrono::milliseconds(200);
        o.lock_recovery = std::chrono::milliseconds(10);
        o.replaced_check = std::chrono::milliseconds(0);
    }
    void TearDown() override {
        thread_store().close_all();
        thread_store().options() = saved_;
        app_error_reporter().set_message_box_handler(nullptr);
    }

    static std::vector<int> raised() {
        std::vector<int> numbers;
        for (const auto& r : app_error_reporter().history()) numbers.push_back(r.number);
        return numbers;
    }

    // Adds a record through the store; returns its number.
    static std::int64_t add(BoutTable& t, const std::string& name, int event = 0) {
        EXPECT_TRUE(t.prepare_new_record()) << t.error_text();
        t.record().set_text(NAME, name);
        t.record().set_integer(EVENT, event);
        EXPECT_TRUE(t.insert()) << t.error_text();
        return t.record().get_integer(ID);
    }

    zrv::testing::TempFolder folder_;
    StoreOptions saved_;
};

}  // namespace zrv::store::testing

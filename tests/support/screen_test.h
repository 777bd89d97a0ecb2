#pragma once
// The set-up every screen test shares: each thread gets its own table dictionary as the
// program's threads do, the settings file is open, the message history is empty, and the test's
// own thread has its dictionary too. A fixture's SetUp calls ScreenTest::SetUp() first.
#include <gtest/gtest.h>

#include "data/dictionary.h"
#include "framework/core/app_services.h"
#include "framework/core/error_reporter.h"
#include "framework/core/thread_context.h"

namespace zrv::testing {

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        set_thread_hooks({.start = [] { data::InitDataDictionary(); }, .end = [] { data::KillDataDictionary(); }});
        app_settings_file().open(".\\Zorvane.INI");
        app_error_reporter().clear_history();
        data::InitDataDictionary();
    }
    void TearDown() override {
        data::KillDataDictionary();
        app_settings_file().close();
        set_thread_hooks({});
    }
};

}  // namespace zrv::testing

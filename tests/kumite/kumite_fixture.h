#pragma once
// Real table files in a fresh folder, a data dictionary on every thread, and the headless
// driver on a virtual clock; helpers to write and read records as the scoring software does.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/app_services.h"
#include "framework/core/thread_context.h"
#include "framework/engine/headless/test_driver.h"
#include "tests/support/screen_test.h"
#include "tests/support/temp_folder.h"

namespace zrv::kumite {

using Values = std::map<std::string, std::string>;

class KumiteFixture : public testing::ScreenTest {
protected:
    void SetUp() override { ScreenTest::SetUp(); }

    static data::DictionaryTable& table(data::TableId id) { return *data::file_manager(id); }

    // Adds a record with these field values; returns its number.
    std::int64_t add(data::TableId id, const Values& values) {
        auto& t = table(id);
        EXPECT_TRUE(t.prepare_new_record());
        for (const auto& [f, v] : values) EXPECT_TRUE(t.record().set_text(f, v)) << f;
        EXPECT_TRUE(t.insert());
        return t.record().get_integer(0);
    }
    // Changes fields of the stored record with that number.
    void change(data::TableId id, std::int64_t number, const Values& values) {
        auto& t = table(id);
        t.record().set_integer(0, number);
        ASSERT_TRUE(t.get_by_key(0));
        for (const auto& [f, v] : values) ASSERT_TRUE(t.record().set_text(f, v)) << f;
        ASSERT_TRUE(t.update());
    }
    // A field of the stored record, read afresh, without trailing blanks.
    std::string stored(data::TableId id, std::int64_t number, const std::string& field) {
        auto& t = table(id);
        t.record().set_integer(0, number);
        if (!t.get_by_key(0)) return "<none>";
        std::string s = t.record().get_text(field);
        while (!s.empty() && s.back() == ' ') s.pop_back();
        return s;
    }

    testing::TempFolder folder;
    TestDriver driver;
};

}  // namespace zrv::kumite

#include "framework/services/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace zrv {
namespace {

TEST(Utf8, ReadsEveryWellFormedCharacterAndNothingElse) {
    // Each character read back and written again gives the same bytes.
    for (std::string_view text : {"Peña", "Łukasz Szőke", "Ελληνικά", "Кириллица", "العربية", "עברית", "空手道", "가라테", "𝔘"}) {
        std::string again;
        for (std::size_t at = 0; at < text.size();) {
            auto c = next_utf8(text, at);
            ASSERT_TRUE(c) << text;
            append_utf8(again, *c);
        }
        EXPECT_EQ(again, text);
    }
    struct Case {
        const char* what;
        const char* bytes;
    } refused[] = {
        {"cut in a character", "\xC3"},  {"a lone continuation byte", "\x80"},    {"an overlong slash", "\xC0\xAF"},
        {"a surrogate", "\xED\xA0\x80"}, {"beyond U+10FFFF", "\xF4\x90\x80\x80"}, {"not a lead byte", "\xFF"},
    };
    for (const Case& c : refused) EXPECT_FALSE(valid_utf8(c.bytes)) << c.what;
    EXPECT_TRUE(valid_utf8(""));
}

}  // namespace
}  // namespace zrv

#include "framework/services/paths.h"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace zrv {
namespace {

TEST(NativePath, MatchesEachComponentWithoutRegardToCase) {
    testing::TempFolder folder;
    folder.write("Digits.INI", "x");
    folder.write("Digits/Paint/Set.ini", "x");

    struct Case {
        const char* system;
        const char* native;
    } cases[] = {
        {".\\Zorvane.INI", "./Zorvane.INI"},  // missing: kept as written
        {".\\digits.ini", "./Digits.INI"},    // found whatever the case
        {".\\DIGITS\\paint\\SET.INI", "./Digits/Paint/Set.ini"},
        {".\\digits\\Missing\\set.ini", "./Digits/Missing/set.ini"},  // below a missing folder
        {"Digits.INI   ", "Digits.INI"},                              // blank-padded text
        {".\\Digits\\", "./Digits/"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(native_path(c.system), c.native) << c.system;

    std::string absolute = (folder.path() / "Digits.INI").string();
    std::string upper = folder.path().string() + "/DIGITS.ini";
    EXPECT_EQ(native_path(upper), absolute);
}

TEST(NativePath, PrefersTheNameAsWrittenOverOtherCases) {
    testing::TempFolder folder;
    folder.write("set.ini", "lower");
    folder.write("SET.INI", "upper");
    EXPECT_EQ(native_path(".\\SET.INI"), "./SET.INI");
    EXPECT_EQ(native_path(".\\set.ini"), "./set.ini");
    EXPECT_EQ(native_path(".\\Set.Ini"), "./SET.INI");  // the smallest name, whatever the listing order
}

TEST(FileExists, FindsFilesAndFoldersWhateverTheCase) {
    testing::TempFolder folder;
    folder.write("Digits/set.ini", "x");
    EXPECT_TRUE(file_exists(".\\digits\\SET.ini"));
    EXPECT_TRUE(file_exists(".\\DIGITS"));
    EXPECT_FALSE(file_exists(".\\digits\\other.ini"));
    EXPECT_FALSE(file_exists(""));
}

}  // namespace
}  // namespace zrv

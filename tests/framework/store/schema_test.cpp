// Another program makes a table file from the published SQL, as it is or as its own tools write
// it again (line ends, the case of names): the file opens without a message. A signature of
// another record layout still gives message 26.
#include <cctype>
#include <filesystem>
#include <functional>

#include "framework/store/table_access.h"
#include "framework/store/table_schema.h"
#include "tests/framework/store/store_fixture.h"

namespace zrv::store::testing {
namespace {

using Schema = StoreTest;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST_F(Schema, AFileMadeFromThePublishedSqlOpensHoweverItsSignatureIsSpelled) {
    const std::string script = schema_script(bout_layout());
    const std::string signature = layout_signature(bout_layout());
    struct Case {
        const char* what;
        std::function<std::string(const std::string&)> signature;  // as the other program writes it
        bool opens;
    } cases[] = {
        {"as published", [](const std::string& s) { return s; }, true},
        {"with carriage returns", [](const std::string& s) { return replaced(s, "\n", "\r\n"); }, true},
        {"in capitals", [](const std::string& s) { return upper(s); }, true},
        {"with blanks doubled, no last line feed", [](const std::string& s) { return replaced(s.substr(0, s.size() - 1), " ", "  "); },
         true},
        {"with empty lines", [](const std::string& s) { return replaced(s, "\n", "\n\n"); }, true},
        {"with an offset changed", [](const std::string& s) { return replaced(s, "@4 ", "@5 "); }, false},
        {"with words run together", [](const std::string& s) { return replaced(s, " depth", "depth"); }, false},
        {"without its last field", [](const std::string& s) { return s.substr(0, s.rfind("\nfield") + 1); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        thread_store().close_all();
        std::filesystem::remove("bout.sqlite");
        std::string sql = script;
        const std::string written = c.signature(signature);
        ASSERT_NE(sql.find(signature), std::string::npos);
        sql.replace(sql.find(signature), signature.size(), written);
        // The table, its columns and its indexes named in capitals are the same.
        const std::size_t table = sql.find("CREATE TABLE \"");
        sql = sql.substr(0, table) + upper(sql.substr(table));
        ASSERT_EQ(Outside("bout.sqlite").run(sql), "wal");
        EXPECT_EQ(same_signature(written, signature), c.opens);
        app_error_reporter().clear_history();
        BoutTable t;
        EXPECT_EQ(t.open(), c.opens);
        EXPECT_EQ(raised(), c.opens ? std::vector<int>{} : std::vector<int>{26});
    }
}

}  // namespace
}  // namespace zrv::store::testing

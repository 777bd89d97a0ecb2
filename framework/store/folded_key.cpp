// A key's text found in another case than the one stored, in any script. The files' keys compare
// text as any sqlite3 client does (NOCASE: A to Z only), so that the scoring software can write
// them without a collation of this program; a search that finds nothing so is tried again here:
// the key's index narrows the records down to those whose text begins as the searched text does
// in any case, and these are compared with their case folded.
#include <sqlite3.h>

#include "framework/services/case_fold.h"
#include "framework/services/utf8.h"
#include "framework/store/store_internal.h"
#include "framework/store/table_access.h"
#include "framework/store/table_file.h"

namespace zrv::store {

namespace {

bool ascii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// The texts a record's key text that folds as `text` does begins with, as NOCASE compares them
// (A to Z in either case): the searched text's characters in each of their cases, as far as
// that makes no more than 16 beginnings.
std::vector<std::string> beginnings(std::string_view text) {
    constexpr std::size_t kMost = 16;
    std::vector<std::string> out{std::string()};
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = next_code_point(text, at);
        const std::vector<char32_t> cases = c < 0x80 ? std::vector<char32_t>{c} : case_variants(c);
        if (out.size() * cases.size() > kMost) break;
        std::vector<std::string> longer;
        longer.reserve(out.size() * cases.size());
        for (const std::string& start : out)
            for (char32_t v : cases) longer.push_back(start + utf8_of(v));
        out = std::move(longer);
    }
    return out;
}

}  // namespace

bool TableAccess::get_by_folded_key(int key) {
    const KeyLayout& k = layout_->keys[static_cast<std::size_t>(key)];
    // The first text component beyond ASCII; the others are found as the index finds them.
    int folded = -1;
    std::string searched;
    for (std::size_t i = 0; i < k.components.size() && folded < 0; ++i) {
        const int field = k.components[i].field;
        if (layout_->fields[static_cast<std::size_t>(field)].kind != FieldKind::Text) continue;
        std::string text(detail::trim_right(record_.get_text(field)));
        if (!ascii(text)) {
            folded = static_cast<int>(i);
            searched = std::move(text);
        }
    }
    if (folded < 0) return false;
    const std::string column = file_->column_of_field(k.components[static_cast<std::size_t>(folded)].field);
    std::string sql = "SELECT rowid, " + column + " FROM " + quote_identifier(file_->table_name()) + " WHERE ";
    int parameter = 1;
    for (std::size_t i = 0; i < k.components.size(); ++i) {
        if (static_cast<int>(i) == folded) continue;
        sql += file_->column_of_field(k.components[i].field) + " = ?" + std::to_string(parameter++) + " AND ";
    }
    sql += column + " >= ?" + std::to_string(parameter) + " AND " + column + " < ?" + std::to_string(parameter + 1) + " ORDER BY " +
           file_->order_by(key, true);
    const std::string wanted = folded_text(searched);
    for (const std::string& start : beginnings(searched)) {
        sqlite3_stmt* s = file_->statement(sql);
        if (!s) return false;
        int p = 1;
        for (std::size_t i = 0; i < k.components.size(); ++i)
            if (static_cast<int>(i) != folded) file_->bind_value(s, p++, record_, k.components[i].field);
        const std::string end = start + "\xF4\x90";  // beyond every character that begins so
        sqlite3_bind_text(s, p, start.data(), static_cast<int>(start.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(s, p + 1, end.data(), static_cast<int>(end.size()), SQLITE_TRANSIENT);
        std::int64_t found = 0;
        while (sqlite3_step(s) == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, 1));
            const std::string_view stored(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(s, 1)));
            if (folded_text(detail::trim_right(stored)) == wanted) {
                found = sqlite3_column_int64(s, 0);
                break;
            }
        }
        sqlite3_reset(s);
        if (found && get_by_position(found)) return true;
    }
    return false;
}

}  // namespace zrv::store

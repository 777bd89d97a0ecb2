// zrv_scoring: stands in for the tournament's scoring software. It works on the table files of
// the current folder from outside the program, through SQLite alone, one transaction per
// record change, as any other program may (docs/table-files.md).
//
//   zrv_scoring create
//       creates every table file that is missing (an empty folder becomes a new tournament)
//   zrv_scoring schema [<Table>]
//       prints the SQL that makes every table file (docs/table-schema.sql), or one table's file,
//       as the program makes it
//   zrv_scoring check
//       says of every table file whether the program can use it as it is, and else every reason:
//       missing, its signature's first difference, its columns, a missing or other index
//   zrv_scoring set <Table> <key value> Field=value ...
//       writes fields of the record whose first key has that value; a missing record is added
//       with the table's new-record defaults, as the program adds one
//   zrv_scoring get <Table> <key value> [Field ...]
//       prints Field=value lines of that record (every field when none is named); a value the
//       screens read otherwise than the file holds it is shown as they read it, with what the
//       file holds: "Name=<first n characters>  (cut to n characters; the file holds m: ...)",
//       "Points=0  (cannot be read: not a number; the file holds: ...)"
//   zrv_scoring invariant-writer <Table> <key value> <F1> <F2> <F3> <total> [--count N]
//                                [--hold-ms M] [--counter Field]
//       keeps F1 + F2 + F3 = total while changing them as fast as it can; with --counter it also
//       counts its commits in that field and prints "committed <n>" after each one
//   zrv_scoring bout <bout number> <action> ...
//       drives one ScoreBoard bout as the scoring software does, one transaction per action:
//         point ao|aka <n>                 adds n (may be negative) to the side's points
//         penalty ao|aka <lamp> [on|off]   lamp C1 K1 H1C H1 (category 1), C2 K2 HC2 H2 (category 2)
//         senshu ao|aka [on|off]           the side's first-point advantage
//         start | stop                     runs or stops the clock (SB:StopStart 0 / 1)
//         timeup                           the bout time is over (SB:SBStop 1)
//         close                            closes every screen showing the bout (SB:Cerrar 1)
//   zrv_scoring bout-writer <bout number> [--count N] [--every-ms M]
//       changes the bout's SB:PuntoAka to 1, 2, 3 ... every M milliseconds (20 by default) and
//       prints "committed <n> <monotonic nanoseconds>" after each commit (for the benchmarks)
//   zrv_scoring field-writer <Table> <key value> <Field> [--count N] [--every-ms M]
//       the same for any numeric field of any record
//
// Table names are the tables' names or stored names; field names may carry their prefix
// ("SB:PuntoAka") and are matched without regard to case. A file that is not a table file of
// the table's layout (its signature differs) is neither read nor written; an empty file is a
// missing one. Exit status 0 on
// success.
#include <sqlite3.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "framework/services/utf8.h"
#include "framework/store/store_context.h"
#include "framework/store/table_access.h"
#include "framework/store/table_layout.h"

#include "framework/store/table_schema.h"

#if ZRV_SCORING_WITH_DATA
#include "data/dictionary.h"
#include "data/table_reference.h"
#endif

namespace {

using zrv::store::TableLayout;

std::vector<const TableLayout*> known_layouts() {
    std::vector<const TableLayout*> layouts;
#if ZRV_SCORING_WITH_DATA
    for (zrv::data::TableId id : zrv::data::dictionary_order()) layouts.push_back(&zrv::data::layout(id));
#endif
    return layouts;
}

const TableLayout* layout_for(const std::string& table) {
#if ZRV_SCORING_WITH_DATA
    return zrv::data::layout(table);
#else
    (void)table;
    return nullptr;
#endif
}

// The columns and values a new record of the table starts with besides its key: the table's
// new-record defaults, in their order (the program's insert applies the same).
std::vector<std::pair<std::string, std::string>> new_record_defaults(const std::string& table) {
    std::vector<std::pair<std::string, std::string>> out;
#if ZRV_SCORING_WITH_DATA
    if (auto id = zrv::data::table_by_name(table)) {
        const zrv::data::TableDefinition& d = zrv::data::definition(*id);
        for (std::size_t i = 0; i < d.declaration->defaults.size(); ++i) {
            const int field = d.default_fields[i];
            if (field < 0) continue;
            const auto& v = d.declaration->defaults[i].value;
            // Every column has its type's affinity: a number given as text is stored as a number.
            out.emplace_back(d.layout.fields[static_cast<std::size_t>(field)].name, v.is_text ? v.text : std::to_string(v.number));
        }
    }
#else
    (void)table;
#endif
    return out;
}

std::string file_for(const std::string& table) {
#if ZRV_SCORING_WITH_DATA
    if (const TableLayout* l = zrv::data::layout(table)) return zrv::store::table_file_name(*l);
#endif
    return table + zrv::store::default_store_options().extension;
}

std::string column_name(const std::string& field) {
    auto colon = field.find(':');
    return colon == std::string::npos ? field : field.substr(colon + 1);
}

std::string quote(const std::string& name) {
    std::string out = "\"";
    for (char c : name) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

int fail(const std::string& text) {
    std::cerr << "zrv_scoring: " << text << "\n";
    return 1;
}

class File {
public:
    explicit File(const std::string& table) : name_(file_for(table)) {
        // An empty file is a missing one, as the program takes it: `create` makes the table in it.
        std::error_code ec;
        if (access(name_.c_str(), F_OK) != 0 || std::filesystem::file_size(name_, ec) == 0) {
            error_ = "no table file " + name_;
            return;
        }
        if (sqlite3_open_v2(name_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            error_ = "cannot read " + name_ + " (" + sqlite3_errmsg(db_) + ")";
            return;
        }
        sqlite3_busy_timeout(db_, 2000);
        // The file's SQL table and the layout it was made for.
        std::string signature;
        const int rc = read_layout(signature);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            error_ = name_ + " is locked by another program (" + sqlite3_errmsg(db_) + ")";
        } else if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT || rc == SQLITE_ERROR || table_.empty()) {
            error_ = name_ + " is not a table file";
        } else if (rc != SQLITE_OK) {
            error_ = "cannot read " + name_ + " (" + sqlite3_errmsg(db_) + ")";
        } else if (const TableLayout* layout = layout_for(table)) {
            if (!zrv::store::same_signature(signature, zrv::store::layout_signature(*layout)))
                error_ = name_ + " has another record layout (its signature's " +
                         zrv::store::signature_difference(signature, zrv::store::layout_signature(*layout)) + "); it is left as it is";
            else key_column_ = column_name(layout->fields[static_cast<std::size_t>(layout->keys.at(0).components.at(0).field)].name);
        } else {
            // A table this build does not know: its first key is the first index made, on one column.
            key_column_ = scalar(
                "SELECT ii.name FROM sqlite_master m, pragma_index_info(m.name) ii WHERE m.type = 'index' AND m.tbl_name = " +
                literal(table_) + " ORDER BY m.rowid, ii.seqno LIMIT 1");
            if (key_column_.empty()) error_ = name_ + " is not a table file";
        }
    }
    ~File() { sqlite3_close_v2(db_); }

    const std::string& error() const { return error_; }
    sqlite3* db() const { return db_; }
    const std::string& table() const { return table_; }
    const std::string& key_column() const { return key_column_; }

    // Reads the table's name and the layout signature from zrv_layout; SQLite's primary result.
    int read_layout(std::string& signature) {
        sqlite3_stmt* s = nullptr;
        int rc = sqlite3_prepare_v2(db_, "SELECT name, value FROM zrv_layout WHERE name IN ('table', 'signature')", -1, &s, nullptr);
        if (rc == SQLITE_OK) rc = SQLITE_ROW;
        while (rc == SQLITE_ROW && (rc = sqlite3_step(s)) == SQLITE_ROW) {
            const std::string name = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
            const unsigned char* value = sqlite3_column_text(s, 1);
            (name == "table" ? table_ : signature) = value ? reinterpret_cast<const char*>(value) : "";
        }
        sqlite3_finalize(s);
        rc &= 0xFF;
        return rc == SQLITE_DONE ? SQLITE_OK : rc;
    }

    std::string scalar(const std::string& sql) {
        sqlite3_stmt* s = nullptr;
        std::string out;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW &&
            sqlite3_column_text(s, 0))
            out = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
        sqlite3_finalize(s);
        return out;
    }
    bool exec(const std::string& sql) {
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK) return true;
        error_ = sqlite3_errmsg(db_);
        return false;
    }
    // Runs one statement with text parameters.
    bool run(const std::string& sql, const std::vector<std::string>& values) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) {
            error_ = sqlite3_errmsg(db_);
            return false;
        }
        for (std::size_t i = 0; i < values.size(); ++i)
            sqlite3_bind_text(s, static_cast<int>(i) + 1, values[i].c_str(), -1, SQLITE_TRANSIENT);
        int rc = sqlite3_step(s);
        if (rc != SQLITE_DONE && rc != SQLITE_ROW) error_ = sqlite3_errmsg(db_);
        sqlite3_finalize(s);
        return rc == SQLITE_DONE || rc == SQLITE_ROW;
    }
    static std::string literal(const std::string& text) {
        std::string out = "'";
        for (char c : text) out += c == '\'' ? std::string("''") : std::string(1, c);
        return out + "'";
    }

private:
    std::string name_, table_, key_column_, error_;
    sqlite3* db_ = nullptr;
};

// Fields of one record, written in one transaction; the record is added when missing, with the
// table's new-record defaults.
bool write_fields(File& f, const std::string& table, const std::string& key,
                  const std::vector<std::pair<std::string, std::string>>& fields) {
    if (!f.exec("BEGIN IMMEDIATE")) return false;
    const std::string where = " WHERE " + quote(f.key_column()) + " = ?1";
    bool ok = f.scalar("SELECT count(*) FROM " + quote(f.table()) + " WHERE " + quote(f.key_column()) + " = " + File::literal(key)) !=
              "0";
    if (!ok) {
        std::string columns = quote(f.key_column()), parameters = "?1";
        std::vector<std::string> values{key};
        for (const auto& [field, value] : new_record_defaults(table)) {
            columns += ", " + quote(column_name(field));
            values.push_back(value);
            parameters += ", ?" + std::to_string(values.size());
        }
        ok = f.run("INSERT INTO " + quote(f.table()) + " (" + columns + ") VALUES (" + parameters + ")", values);
    }
    if (ok && !fields.empty()) {
        std::string sql = "UPDATE " + quote(f.table()) + " SET ";
        std::vector<std::string> values{key};
        for (std::size_t i = 0; i < fields.size(); ++i) {
            sql += (i ? ", " : "") + quote(column_name(fields[i].first)) + " = ?" + std::to_string(i + 2);
            values.push_back(fields[i].second);
        }
        ok = f.run(sql + where, values);
    }
    if (ok) ok = f.exec("COMMIT");
    if (!ok) sqlite3_exec(f.db(), "ROLLBACK", nullptr, nullptr, nullptr);
    return ok;
}

int create() {
    auto layouts = known_layouts();
    if (layouts.empty()) return fail("this build knows no table layouts");
    int failed = 0;
    for (const TableLayout* l : layouts) {
        zrv::store::TableAccess table(*l);
        if (!table.open()) {
            std::cerr << "zrv_scoring: " << zrv::store::table_file_name(*l) << ": " << table.error_text() << "\n";
            ++failed;
        }
    }
    return failed ? 1 : 0;
}

int schema(int argc, char** argv) {
    if (argc > 2) {
        const TableLayout* l = layout_for(argv[2]);
        if (!l) return fail("no table " + std::string(argv[2]));
        std::cout << zrv::store::schema_script(*l);
        return 0;
    }
#if ZRV_SCORING_WITH_DATA
    std::cout << zrv::data::table_schema_script();
    return 0;
#else
    return fail("this build knows no table layouts");
#endif
}

// Names as SQLite compares them: without regard to the case of A to Z.
bool same_name(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The problems of one table file that keep the program from using it as it is; empty when none.
std::vector<std::string> file_problems(const TableLayout& l) {
    const std::string name = zrv::store::table_file_name(l);
    std::error_code ec;
    if (!std::filesystem::exists(name, ec) || std::filesystem::file_size(name, ec) == 0)
        return {"missing (a screen that uses it makes it; zrv_scoring create makes every missing file)"};
    sqlite3* db = nullptr;
    std::vector<std::string> out;
    // Each row's first column, and its second as a number when there is one.
    const auto rows = [&](const std::string& sql) {
        std::vector<std::pair<std::string, int>> values;
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) {
            out.push_back("cannot be read (" + std::string(sqlite3_errmsg(db)) + ")");
            return values;
        }
        while (sqlite3_step(s) == SQLITE_ROW) {
            const unsigned char* t = sqlite3_column_text(s, 0);
            values.emplace_back(t ? reinterpret_cast<const char*>(t) : "", sqlite3_column_count(s) > 1 ? sqlite3_column_int(s, 1) : 0);
        }
        sqlite3_finalize(s);
        return values;
    };
    if (sqlite3_open_v2(name.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        out.push_back("cannot be opened (" + std::string(sqlite3_errmsg(db)) + ")");
        sqlite3_close_v2(db);
        return out;
    }
    sqlite3_busy_timeout(db, 2000);
    const auto signature = rows("SELECT value FROM zrv_layout WHERE name = 'signature'");
    if (out.empty() && signature.empty()) out.push_back("no layout signature in zrv_layout: message 26, the file is not used");
    else if (out.empty() && !zrv::store::same_signature(signature[0].first, zrv::store::layout_signature(l)))
        out.push_back("another record layout: its signature's " +
                      zrv::store::signature_difference(signature[0].first, zrv::store::layout_signature(l)) +
                      ": message 26, the file is not used");
    if (out.empty()) {
        std::vector<std::string> expected;
        for (const auto& f : l.fields)
            if (f.kind != zrv::store::FieldKind::Group) expected.push_back(column_name(f.name));
        for (const auto& m : l.memos) expected.push_back(column_name(m.name));
        const auto columns = rows("SELECT name FROM pragma_table_info(" + File::literal(l.name) + ")");
        for (std::size_t i = 0; i < std::max(expected.size(), columns.size()); ++i) {
            const std::string have = i < columns.size() ? columns[i].first : "", want = i < expected.size() ? expected[i] : "";
            if (!same_name(have, want)) {
                out.push_back("column " + std::to_string(i + 1) + " is " + (have.empty() ? "missing" : "\"" + have + "\"") +
                              " where the layout has " + (want.empty() ? "none" : "\"" + want + "\"") +
                              ": message 26, the file is not used");
                break;
            }
        }
    }
    if (out.empty()) {
        const auto indexes = rows("SELECT name, \"unique\" FROM pragma_index_list(" + File::literal(l.name) + ")");
        const std::vector<std::string> names = zrv::store::index_names(l);
        for (std::size_t k = 0; k < names.size(); ++k) {
            const auto it = std::find_if(indexes.begin(), indexes.end(), [&](const auto& i) { return same_name(i.first, names[k]); });
            if (it == indexes.end()) out.push_back("no index " + names[k] + ": message 33, the program builds it");
            else if ((it->second != 0) != l.keys[k].unique)
                out.push_back("index " + names[k] + " is " + (it->second ? "" : "not ") +
                              "unique: message 33, the program builds it again");
        }
    }
    sqlite3_close_v2(db);
    return out;
}

int check() {
    auto layouts = known_layouts();
    if (layouts.empty()) return fail("this build knows no table layouts");
    int bad = 0;
    for (const TableLayout* l : layouts) {
        const std::vector<std::string> problems = file_problems(*l);
        std::cout << zrv::store::table_file_name(*l) << ": " << (problems.empty() ? "ok" : problems.front()) << "\n";
        for (std::size_t i = 1; i < problems.size(); ++i) std::cout << "    " << problems[i] << "\n";
        bad += !problems.empty();
    }
    return bad ? 1 : 0;
}

int set(int argc, char** argv) {
    if (argc < 4) return fail("usage: set <Table> <key value> Field=value ...");
    File f(argv[2]);
    if (!f.error().empty()) return fail(f.error());
    std::vector<std::pair<std::string, std::string>> fields;
    for (int i = 4; i < argc; ++i) {
        std::string a = argv[i];
        auto eq = a.find('=');
        if (eq == std::string::npos) return fail("not Field=value: " + a);
        fields.emplace_back(a.substr(0, eq), a.substr(eq + 1));
    }
    return write_fields(f, argv[2], argv[3], fields) ? 0 : fail(f.error());
}

// How the screens read a value of the record at `rowid`: as the file holds it (empty), or the
// value they show and why it differs from the file's (a text cut to its field, a value that
// cannot be read).
class AsTheScreensRead {
public:
    AsTheScreensRead(const std::string& table, std::int64_t rowid) : layout_(layout_for(table)) {
        if (!layout_) return;
        zrv::store::default_store_options().log_unreadable = false;  // the program's log is the program's
        access_.emplace(*layout_);
        read_ = access_->get_by_position(rowid);
    }
    // The value to print for a column, with its note; `stored` when the screens read it so.
    std::string shown(const std::string& column, const char* stored) const {
        const std::string held = stored ? stored : "";
        if (!read_) return held;
        const std::string name = layout_->prefix + ":" + column;
        const zrv::store::RecordBuffer& record = access_->record();
        const int field = layout_->field_index(name);
        for (const std::string& u : access_->unfit_values())
            if (u.rfind(name + ": ", 0) == 0)
                return trimmed(field >= 0 ? record.get_text(field) : "") + "  (cannot be read: " + u.substr(name.size() + 2) +
                       "; the file holds: " + held + ")";
        if (field < 0 || layout_->fields[static_cast<std::size_t>(field)].kind != zrv::store::FieldKind::Text) return held;
        const std::size_t size = static_cast<std::size_t>(layout_->fields[static_cast<std::size_t>(field)].size);
        const std::size_t length = zrv::utf8_characters(held);
        if (length <= size) return held;
        return trimmed(record.get_text(field)) + "  (cut to " + std::to_string(size) + " characters; the file holds " +
               std::to_string(length) + ": " + held + ")";
    }

private:
    static std::string trimmed(std::string s) {
        while (!s.empty() && s.back() == ' ') s.pop_back();
        return s;
    }
    const TableLayout* layout_;
    std::optional<zrv::store::TableAccess> access_;
    bool read_ = false;
};

int get(int argc, char** argv) {
    if (argc < 4) return fail("usage: get <Table> <key value> [Field ...]");
    File f(argv[2]);
    if (!f.error().empty()) return fail(f.error());
    std::string columns;
    for (int i = 4; i < argc; ++i) columns += (columns.empty() ? "" : ", ") + quote(column_name(argv[i]));
    std::string sql = "SELECT rowid, " + (columns.empty() ? std::string("*") : columns) + " FROM " + quote(f.table()) + " WHERE " +
                      quote(f.key_column()) + " = ?1 ORDER BY rowid LIMIT 1";
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(f.db(), sql.c_str(), -1, &s, nullptr) != SQLITE_OK) return fail(sqlite3_errmsg(f.db()));
    sqlite3_bind_text(s, 1, argv[3], -1, SQLITE_TRANSIENT);
    int rc = sqlite3_step(s);
    if (rc == SQLITE_ROW) {
        const AsTheScreensRead screens(argv[2], sqlite3_column_int64(s, 0));
        for (int c = 1; c < sqlite3_column_count(s); ++c) {
            const char* v = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
            std::cout << sqlite3_column_name(s, c) << "=" << screens.shown(sqlite3_column_name(s, c), v) << "\n";
        }
    }
    sqlite3_finalize(s);
    if (rc == SQLITE_DONE) return fail("no record with that key");
    return rc == SQLITE_ROW ? 0 : fail(sqlite3_errmsg(f.db()));
}

int invariant_writer(int argc, char** argv) {
    if (argc < 9)
        return fail("usage: invariant-writer <Table> <key value> <F1> <F2> <F3> <total> [--count N] [--hold-ms M] [--counter Field]");
    File f(argv[2]);
    if (!f.error().empty()) return fail(f.error());
    const std::string key = argv[3];
    const std::string f1 = argv[4], f2 = argv[5], f3 = argv[6];
    const long total = std::strtol(argv[7], nullptr, 10);
    long count = -1, hold_ms = 0;
    std::string counter;
    for (int i = 8; i + 1 < argc; i += 2) {
        std::string option = argv[i];
        if (option == "--count") count = std::strtol(argv[i + 1], nullptr, 10);
        else if (option == "--hold-ms") hold_ms = std::strtol(argv[i + 1], nullptr, 10);
        else if (option == "--counter") counter = argv[i + 1];
        else return fail("unknown option " + option);
    }
    std::mt19937 random(static_cast<unsigned>(getpid()));
    for (long n = 1; count < 0 || n <= count; ++n) {
        long a = static_cast<long>(random() % static_cast<unsigned long>(total + 1));
        long b = static_cast<long>(random() % static_cast<unsigned long>(total - a + 1));
        std::vector<std::pair<std::string, std::string>> fields{{f1, std::to_string(a)},
                                                                {f2, std::to_string(b)},
                                                                {f3, std::to_string(total - a - b)}};
        if (!counter.empty()) fields.emplace_back(counter, std::to_string(n));
        // Each field by its own statement, so a reader inside the transaction would see it torn.
        if (!f.exec("BEGIN IMMEDIATE")) return fail(f.error());
        bool ok = true;
        for (const auto& [field, value] : fields)
            ok = ok && f.run("UPDATE " + quote(f.table()) + " SET " + quote(column_name(field)) + " = ?2 WHERE " +
                                 quote(f.key_column()) + " = ?1",
                             {key, value});
        if (ok && hold_ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(hold_ms));
        if (!ok || !f.exec("COMMIT")) {
            sqlite3_exec(f.db(), "ROLLBACK", nullptr, nullptr, nullptr);
            return fail(f.error());
        }
        if (!counter.empty()) {
            std::printf("committed %ld\n", n);
            std::fflush(stdout);
        }
    }
    return 0;
}

// ---- driving a bout ---------------------------------------------------------------------------

bool side_of(const std::string& text, std::string& side) {
    if (text == "ao" || text == "Ao" || text == "AO") side = "Ao";
    else if (text == "aka" || text == "Aka" || text == "AKA") side = "Aka";
    else return false;
    return true;
}

bool switch_of(int argc, char** argv, int at, std::string& value) {
    const std::string v = at < argc ? argv[at] : "on";
    if (v == "on" || v == "1") value = "1";
    else if (v == "off" || v == "0") value = "0";
    else return false;
    return true;
}

// One statement on a record, in a transaction of its own; false when the record is missing.
bool change_record(File& f, const std::string& key, const std::string& assignments, const std::vector<std::string>& values) {
    if (!f.exec("BEGIN IMMEDIATE")) return false;
    std::vector<std::string> all{key};
    all.insert(all.end(), values.begin(), values.end());
    bool ok = f.run("UPDATE " + quote(f.table()) + " SET " + assignments + " WHERE " + quote(f.key_column()) + " = ?1", all);
    const bool found = ok && sqlite3_changes(f.db()) > 0;
    if (ok && found) ok = f.exec("COMMIT");
    if (!ok || !found) sqlite3_exec(f.db(), "ROLLBACK", nullptr, nullptr, nullptr);
    return ok && found;
}

int bout(int argc, char** argv) {
    const char* usage =
        "usage: bout <bout number> point ao|aka <n> | penalty ao|aka <C1|K1|H1C|H1|C2|K2|HC2|H2> [on|off] | "
        "senshu ao|aka [on|off] | start | stop | timeup | close";
    if (argc < 4) return fail(usage);
    File f("ScoreBoard");
    if (!f.error().empty()) return fail(f.error());
    const std::string key = argv[2], action = argv[3];
    std::string side, value, assignments;
    std::vector<std::string> values;
    if (action == "start" || action == "stop") {
        assignments = "\"StopStart\" = ?2";
        values = {action == "start" ? "0" : "1"};
    } else if (action == "timeup") {
        assignments = "\"SBStop\" = 1";
    } else if (action == "close") {
        assignments = "\"Cerrar\" = 1";
    } else if (action == "point" && argc == 6 && side_of(argv[4], side)) {
        char* end = nullptr;
        const long n = std::strtol(argv[5], &end, 10);
        if (!end || *end) return fail("not a whole number: " + std::string(argv[5]));
        const std::string column = quote("Punto" + side);
        assignments = column + " = " + column + " + ?2";
        values = {std::to_string(n)};
    } else if (action == "penalty" && argc >= 6 && side_of(argv[4], side) && switch_of(argc, argv, 6, value)) {
        static const char* lamps[] = {"C1", "K1", "H1C", "H1", "C2", "K2", "HC2", "H2"};
        std::string lamp = argv[5];
        for (char& c : lamp) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (std::find(std::begin(lamps), std::end(lamps), lamp) == std::end(lamps)) return fail("no penalty lamp " + lamp);
        assignments = quote(lamp + side) + " = ?2";
        values = {value};
    } else if (action == "senshu" && argc >= 5 && side_of(argv[4], side) && switch_of(argc, argv, 5, value)) {
        assignments = quote("Senshu" + side) + " = ?2";
        values = {value};
    } else {
        return fail(usage);
    }
    if (change_record(f, key, assignments, values)) return 0;
    return fail(f.error().empty() ? "no bout " + key : f.error());
}

std::int64_t monotonic_ns() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// Sets one field of one record to 1, 2, 3 ... every `every_ms` milliseconds, one transaction
// each, and prints "committed <n> <monotonic nanoseconds>" after each commit.
int write_counter(const std::string& table, const std::string& key, const std::string& field, int argc, char** argv, int options) {
    File f(table);
    if (!f.error().empty()) return fail(f.error());
    long count = -1, every_ms = 20;
    for (int i = options; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--count") count = std::strtol(argv[i + 1], nullptr, 10);
        else if (option == "--every-ms") every_ms = std::strtol(argv[i + 1], nullptr, 10);
        else return fail("unknown option " + option);
    }
    const std::string assignment = quote(column_name(field)) + " = ?2";
    auto next = std::chrono::steady_clock::now();
    for (long n = 1; count < 0 || n <= count; ++n) {
        if (!change_record(f, key, assignment, {std::to_string(n)}))
            return fail(f.error().empty() ? "no record " + key + " in " + table : f.error());
        std::printf("committed %ld %lld\n", n, static_cast<long long>(monotonic_ns()));
        std::fflush(stdout);
        // On time while it keeps up; behind (a busy machine), it does not catch up by committing
        // back to back, which would leave no moment for another program's write.
        const auto gap = std::chrono::milliseconds(std::max(1L, every_ms / 2));
        next = std::max(next + std::chrono::milliseconds(every_ms), std::chrono::steady_clock::now() + gap);
        std::this_thread::sleep_until(next);
    }
    return 0;
}

int bout_writer(int argc, char** argv) {
    if (argc < 3) return fail("usage: bout-writer <bout number> [--count N] [--every-ms M]");
    return write_counter("ScoreBoard", argv[2], "PuntoAka", argc, argv, 3);
}

int field_writer(int argc, char** argv) {
    if (argc < 5) return fail("usage: field-writer <Table> <key value> <Field> [--count N] [--every-ms M]");
    return write_counter(argv[2], argv[3], argv[4], argc, argv, 5);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return fail(
            "usage: zrv_scoring create | schema | check | set | get | invariant-writer | bout | bout-writer | field-writer ...");
    const std::string command = argv[1];
    if (command == "create") return create();
    if (command == "schema") return schema(argc, argv);
    if (command == "check") return check();
    if (command == "set") return set(argc, argv);
    if (command == "get") return get(argc, argv);
    if (command == "invariant-writer") return invariant_writer(argc, argv);
    if (command == "bout") return bout(argc, argv);
    if (command == "bout-writer") return bout_writer(argc, argv);
    if (command == "field-writer") return field_writer(argc, argv);
    return fail("unknown command " + command);
}

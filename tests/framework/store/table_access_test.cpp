#include <chrono>
#include <sstream>

#include "framework/store/record_view.h"
#include "framework/store/table_access.h"
#include "tests/framework/store/store_fixture.h"

namespace zrv::store::testing {
namespace {

using Access = StoreTest;

TEST_F(Access, CreatesTheFileAtFirstUseWithItsColumnsAndKeys) {
    BoutTable t;
    EXPECT_FALSE(std::filesystem::exists("bout.sqlite"));  // nothing before first use
    ASSERT_TRUE(t.open());
    Outside other;
    EXPECT_EQ(other.run("PRAGMA journal_mode"), "wal");
    EXPECT_EQ(other.run("SELECT group_concat(name, ',') FROM pragma_table_info('Bout')"),
              "ID,Event,Name,Score,When,Clock,Ratio,Flag,Queue,A,B,Code,Notes");
    EXPECT_EQ(other.run("SELECT group_concat(name || ':' || \"unique\", ',') FROM (SELECT * FROM pragma_index_list('Bout') ORDER BY "
                        "name)"),
              "BT:KeyEventName:0,KeyCode:1,KeyID:1,KeyName:0");
    EXPECT_EQ(other.run("SELECT group_concat(name || ':' || \"desc\" || ':' || coll, ',') FROM pragma_index_xinfo('BT:KeyEventName') "
                        "WHERE key"),
              "Event:0:BINARY,Name:1:NOCASE");
    EXPECT_TRUE(raised().empty());
}

TEST_F(Access, StoresValuesPlainlyForOtherPrograms) {
    BoutTable t;
    ASSERT_TRUE(t.prepare_new_record());
    RecordBuffer& r = t.record();
    r.set_text(NAME, "Peña");
    r.set_text(SCORE, "12.5");
    r.set_date(WHEN, date_serial(2024, 5, 17));
    r.set_time(CLOCK, standard_time(0, 1, 30, 0));
    r.set_real(RATIO, 0.25);
    r.set_integer(PAIR_A, -3);
    r.set_memo(0, "shikaku");
    ASSERT_TRUE(t.insert());
    Outside other;
    EXPECT_EQ(other.run("SELECT count(*) FROM Bout"), "1");
    EXPECT_EQ(other.run("SELECT ID || '|' || typeof(ID) || '|' || Name || '|' || Score || '|' || typeof(Score) || '|' || \"When\" || "
                        "'|' || Clock || '|' || "
                        "Ratio || '|' || A || '|' || Queue || '|' || Notes FROM Bout"),
              "1|integer|Peña|12.5|real|2024-05-17|9001|0.25|-3|1|shikaku");
}

TEST_F(Access, ReadsWhatAnotherProgramWrote) {
    BoutTable t;
    ASSERT_TRUE(t.open());
    Outside other;
    other.run("INSERT INTO Bout (ID, Event, Name, Score, \"When\", Clock, Code) VALUES (7, 3, 'ao', '99.99', '2000-02-29', 1, 'X')");
    t.record().set_integer(ID, 7);
    ASSERT_TRUE(t.get_by_key(KEY_ID));
    EXPECT_EQ(t.record().get_text(NAME), "ao        ");
    EXPECT_EQ(t.record().get_text(SCORE), "99.99");
    EXPECT_EQ(t.record().get_date(WHEN), date_serial(2000, 2, 29));
    EXPECT_EQ(t.record().get_time(CLOCK), 1);
    EXPECT_EQ(t.record().get_text(QUEUE), "    ");  // a column it left out: its default
    EXPECT_TRUE(t.unfit_values().empty());
}

// Another program writes one column of record 5 ("kept") as an SQL literal; the store reads
// the record again.
void read_as_written(BoutTable& t, Outside& other, const std::string& column, const std::string& value) {
    other.run("DELETE FROM Bout");
    ASSERT_EQ(other.run("INSERT INTO Bout (ID, Event, Name, Code) VALUES (5, 9, 'kept', 'K')"), "");
    ASSERT_EQ(other.run("UPDATE Bout SET \"" + column + "\" = " + value), "");
    t.record().clear();
    ASSERT_TRUE(t.get_by_position(std::stoll(other.run("SELECT rowid FROM Bout"))));
}

TEST_F(Access, AValueThatDoesNotFitIsNeverReadAsAnotherValueAndAFractionIsRoundedToItsPlaces) {
    struct Case {
        const char* column;
        const char* value;  // SQL literal written by another program
        int field;
        const char* read = nullptr;  // the text or decimal read; none: it does not fit
    } cases[] = {
        // A text longer than its field reads cut to the field's size, in characters.
        {"Name", "'Shotokan Kai'", NAME, "Shotokan K"},
        {"Name", "'空手'", NAME, "空手        "},
        {"Name", "'Ελληνικά空手道'", NAME, "Ελληνικά空手"},
        {"Name", "x'00ff'", NAME},
        {"Name", "CAST(x'4fc3' AS TEXT)", NAME},
        {"Name", "CAST(x'eda080' AS TEXT)", NAME},
        {"Score", "1000", SCORE},
        {"Score", "'12,5'", SCORE},
        {"Score", "-1000.5", SCORE},
        {"Event", "2147483648", EVENT},
        {"Event", "2.5", EVENT},
        {"Event", "'many'", EVENT},
        {"Flag", "256", FLAG},
        {"Flag", "-1", FLAG},
        {"When", "'2023-02-29'", WHEN},
        {"When", "'17/05/2024'", WHEN},
        {"When", "45000", WHEN},
        {"Clock", "8640001", CLOCK},
        {"Clock", "-5", CLOCK},
        {"Ratio", "'half'", RATIO},
        {"Notes", "'nnnnnnnnnnnnnnnnnnnnn'", -1},
        // Decimal fields round half away from zero; Decimal(7,0) holds whole numbers.
        {"ID", "2.5", ID, "3"},
        {"ID", "-2.5", ID, "-3"},
        {"ID", "'2.5'", ID, "3"},
        {"ID", "2.4999", ID, "2"},
        {"Score", "1.005", SCORE, "1.01"},
        {"Score", "-12.345", SCORE, "-12.35"},
    };
    BoutTable t;
    ASSERT_TRUE(t.open());
    Outside other;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.column) + " = " + c.value);
        ASSERT_NO_FATAL_FAILURE(read_as_written(t, other, c.column, c.value));
        if (c.read) {
            EXPECT_TRUE(t.unfit_values().empty());
            if (c.field == NAME) EXPECT_EQ(t.record().get_text(c.field), c.read);
            else EXPECT_EQ(t.record().get_decimal(c.field).to_string(), c.read);
            continue;
        }
        ASSERT_EQ(t.unfit_values().size(), 1u);
        if (c.field >= 0) {
            RecordBuffer cleared(bout_layout());
            EXPECT_EQ(t.record().get_text(c.field), cleared.get_text(c.field));
        } else {
            EXPECT_EQ(t.record().memo(0), "");
        }
        if (c.field != NAME) {
            EXPECT_EQ(t.record().get_text(NAME), "kept      ");
        }
        EXPECT_EQ(app_error_reporter().status().save_error, static_cast<int>(StoreError::ValueDoesNotFit));
    }
    // A key is looked up by the value stored: 2.5 reads as 3 but is not record 3.
    other.run("UPDATE Bout SET ID = 2.5");
    t.record().set_integer(ID, 3);
    EXPECT_FALSE(t.get_by_key(KEY_ID));
}

// A re-read converts only the columns whose values changed; what it gives must be what a first
// read of the record gives, column by column: every change shows, a value changed back to a
// former one shows, unfit values leave their fields cleared (and are reported), and what
// the buffer held before the read (an operator's typing) never outlives it.
TEST_F(Access, AReReadShowsExactlyWhatAFirstReadOfTheRecordShows) {
    BoutTable t;
    ASSERT_TRUE(t.open());
    Outside other;
    ASSERT_EQ(other.run("INSERT INTO Bout (ID, Event, Name, Score, \"When\", Clock, Ratio, Code, Notes) "
                        "VALUES (4, 1, 'aka', 3, '2024-05-17', 9001, 0.5, 'C', 'note')"),
              "");
    const char* changes[] = {
        "Name = 'ao'",
        "Name = 'aka'",  // back to a former value
        "Score = 12.5",
        "Score = '12.50'",
        "Score = 3",  // the same value stored another way, then back
        "Name = 'far too long a name'",
        "Name = 'aka'",
        "Name = '空手'",
        "Name = 'aka'",
        "Event = 2.0",
        "Event = 2",
        "Event = 'two'",
        "Event = 1",
        "Ratio = 0.25",
        "Ratio = 0.5",
        "Ratio = 'half'",
        "Ratio = 1",
        "\"When\" = '2024-02-30'",
        "\"When\" = '2024-05-17'",
        "Clock = 0",
        "Clock = 9001",
        "Notes = ''",
        "Notes = 'note'",
        "Notes = 'nnnnnnnnnnnnnnnnnnnnn'",
        "Notes = 'note'",
        "Name = 'ao', Score = 7, Notes = ''",
        "Name = x'616f'",
        "Name = 'ao'",
        "Notes = 'nnnnnnnnnnnnnnnnnnnnn', Event = 'two'",
        "Name = 'far too long a name'",
        "Event = 1",
        "Notes = ''",
        "Name = 'ao'",
    };
    for (const char* change : changes) {
        SCOPED_TRACE(change);
        ASSERT_EQ(other.run(std::string("UPDATE Bout SET ") + change), "");
        t.record().set_text(NAME, "typed");  // the buffer as an operator left it
        t.record().set_text(SCORE, "99");
        t.record().set_memo(0, "typed");
        t.record().set_integer(ID, 4);
        ASSERT_TRUE(t.get_by_key(KEY_ID));
        BoutTable first;  // reads the record for the first time
        first.record().set_integer(ID, 4);
        ASSERT_TRUE(first.get_by_key(KEY_ID));
        EXPECT_TRUE(t.record() == first.record());
        EXPECT_EQ(t.unfit_values(), first.unfit_values());
        for (int f = 0; f < FIELD_COUNT; ++f) EXPECT_EQ(t.record().get_text(f), first.record().get_text(f)) << "field " << f;
        EXPECT_EQ(t.record().memo(0), first.record().memo(0));
    }
}

// A unique key's record is read again where it was found while it still has that key; once
// another program moves the key to another record, deletes or adds it, the key finds what a first
// search finds. Text keys compare without regard to case.
TEST_F(Access, AReReadByAUniqueKeyFollowsTheKeyNotThePosition) {
    struct Step {
        const char* sql;  // another program's change
        int key;
        const char* searched;  // the key's value in the buffer
        const char* name;      // the name read; nullptr: not found
    } steps[] = {
        {"INSERT INTO Bout (ID, Name, Code) VALUES (4, 'one', 'ABC'), (6, 'six', 'DEF')", KEY_ID, "4", "one"},
        {"UPDATE Bout SET Name = 'two' WHERE ID = 4", KEY_ID, "4", "two"},
        {"UPDATE Bout SET ID = 5 WHERE ID = 4; INSERT INTO Bout (ID, Name, Code) VALUES (4, 'three', 'GHI')", KEY_ID, "4", "three"},
        {"DELETE FROM Bout WHERE ID = 4", KEY_ID, "4", nullptr},
        {"INSERT INTO Bout (ID, Name, Code) VALUES (4, 'four', 'JKL')", KEY_ID, "4", "four"},
        {"UPDATE Bout SET ID = 7 WHERE Name = 'four'; UPDATE Bout SET ID = 4 WHERE ID = 6", KEY_ID, "4", "six"},
        {"", KEY_CODE, "abc", "two"},
        {"UPDATE Bout SET Name = 'two again' WHERE Code = 'ABC'", KEY_CODE, "ABC", "two again"},
        {"UPDATE Bout SET Code = 'ZZZ' WHERE Code = 'ABC'; UPDATE Bout SET Code = 'abc' WHERE ID = 4", KEY_CODE, "ABC", "six"},
    };
    BoutTable t;
    ASSERT_TRUE(t.open());
    Outside other;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.sql);
        ASSERT_EQ(other.run(step.sql), "");
        const int field = step.key == KEY_ID ? ID : CODE;
        t.record().set_text(field, step.searched);
        t.record().set_text(NAME, "kept");
        EXPECT_EQ(t.get_by_key(step.key), step.name != nullptr);
        std::string name = t.record().get_text(NAME);
        name.erase(name.find_last_not_of(' ') + 1);
        EXPECT_EQ(name, step.name ? step.name : "kept");  // not found: the buffer as it was
        BoutTable first;
        first.record().set_text(field, step.searched);
        ASSERT_EQ(first.get_by_key(step.key), step.name != nullptr);
        if (step.name) {
            EXPECT_TRUE(t.record() == first.record());
            EXPECT_EQ(t.position(), first.position());
        }
    }
}

TEST_F(Access, RefusesToStoreBytesThatHoldNoValue) {
    BoutTable t;
    ASSERT_TRUE(t.prepare_new_record());
    t.record().cells(SCORE)[1] = 0xAB;  // BT:Score: a half-byte that is not a digit
    EXPECT_FALSE(t.insert());
    EXPECT_EQ(t.error(), StoreError::ValueDoesNotFit);
    EXPECT_EQ(raised(), std::vector<int>{4});
    Outside other;
    EXPECT_EQ(other.run("SELECT Score FROM Bout"), "0");  // the reserved record as numbered
}

TEST_F(Access, GetByKeyTakesTheFirstMatchInKeyOrderIgnoringCase) {
    BoutTable t;
    add(t, "aka", 2);
    add(t, "AKA", 1);
    add(t, "ao", 1);
    t.record().clear();
    t.record().set_text(NAME, "Aka");
    ASSERT_TRUE(t.get_by_key(KEY_NAME));
    EXPECT_EQ(t.record().get_integer(ID), 1);  // equal keys: first added first
    t.record().set_integer(EVENT, 1);
    t.record().set_text(NAME, "AO");
    ASSERT_TRUE(t.get_by_key(KEY_EVENT_NAME));
    EXPECT_EQ(t.record().get_integer(ID), 3);

    t.record().set_text(NAME, "nobody");
    EXPECT_FALSE(t.get_by_key(KEY_NAME));
    EXPECT_EQ(t.error(), StoreError::NotFound);
    EXPECT_EQ(t.record().get_text(NAME), "nobody    ");  // kept
    EXPECT_FALSE(t.fetch_or_clear(KEY_NAME));
    EXPECT_EQ(t.record().get_text(NAME), std::string(10, ' '));
    EXPECT_TRUE(raised().empty());
}

// A key's text found in another case in every script, as in A to Z; the file's schema stays one
// that any sqlite3 client can write (its keys compare as NOCASE does).
TEST_F(Access, GetByKeyFindsATextInAnotherCaseInEveryScript) {
    BoutTable t;
    for (const char* name : {"Иванов", "Łukasz", "ADRIÁN", "Σωκράτης", "Ögren", "ǅordan"}) add(t, name, 1);
    const struct {
        const char* searched;
        int key;
        int event;
        int found;  // the record's id, 0 none
    } cases[] = {
        {"иванов", KEY_NAME, 0, 1},       {"ИВАНОВ", KEY_NAME, 0, 1},       {"łUKASZ", KEY_NAME, 0, 2}, {"adrián", KEY_NAME, 0, 3},
        {"ΣΩΚΡΆΤΗΣ", KEY_NAME, 0, 4},     {"σωκράτησ", KEY_NAME, 0, 4},     {"ögren", KEY_NAME, 0, 5},  {"ǆORDAN", KEY_NAME, 0, 6},
        {"иванов", KEY_EVENT_NAME, 1, 1}, {"иванов", KEY_EVENT_NAME, 2, 0}, {"ивано", KEY_NAME, 0, 0},  {"lukasz", KEY_NAME, 0, 0},
        {"adrian", KEY_NAME, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.searched);
        t.record().clear();
        t.record().set_text(NAME, c.searched);
        t.record().set_integer(EVENT, c.event);
        EXPECT_EQ(t.get_by_key(c.key), c.found != 0);
        if (c.found) {
            EXPECT_EQ(t.record().get_integer(ID), c.found);
        } else {
            EXPECT_EQ(t.error(), StoreError::NotFound);
        }
    }
    // Another program writes through every index of the file, and what it wrote is found so too.
    Outside other;
    EXPECT_EQ(other.run("INSERT INTO Bout (ID, Event, Name) VALUES (7, 1, 'Ärzte');"), "");
    t.record().set_text(NAME, "äRZTE");
    ASSERT_TRUE(t.get_by_key(KEY_NAME));
    EXPECT_EQ(t.record().get_integer(ID), 7);
    EXPECT_TRUE(raised().empty());
}

TEST_F(Access, NumberingGivesTheHighestPlusOneAndAddsTheRecordAtOnce) {
    BoutTable t;
    ASSERT_TRUE(t.prepare_new_record());
    EXPECT_EQ(t.record().get_integer(ID), 1);
    EXPECT_EQ(t.record().get_text(QUEUE), "1   ");  // the defaults
    Outside other;
    EXPECT_EQ(other.run("SELECT count(*) FROM Bout"), "1");  // reserved
    ASSERT_TRUE(t.undo_autonumber());
    EXPECT_EQ(other.run("SELECT count(*) FROM Bout"), "0");

    other.run("INSERT INTO Bout (ID, Code) VALUES (41, 'a'), (7, 'b')");
    t.record().set_integer(EVENT, 77);
    const int keep[] = {EVENT};
    ASSERT_TRUE(t.prepare_new_record(keep));
    EXPECT_EQ(t.record().get_integer(ID), 42);
    EXPECT_EQ(t.record().get_integer(EVENT), 77);  // a range limit value survives the clear
    t.record().set_text(NAME, "new");
    ASSERT_TRUE(t.insert());
    EXPECT_EQ(other.run("SELECT count(*) FROM Bout"), "3");  // completed in place, not added twice
    EXPECT_EQ(other.run("SELECT Name || Event FROM Bout WHERE ID = 42"), "new77");
}

TEST_F(Access, NumberingThatKeepsFailingAsksWhetherToTryAgain) {
    BoutTable t;
    add(t, "last");
    Outside other;
    other.run("UPDATE Bout SET ID = 9999999");  // the next number does not fit Decimal(7,0)
    static int asked;
    asked = 0;
    app_error_reporter().set_message_box_handler([](const MessageDefinition&, const std::string&, const std::string&) {
        ++asked;
        return asked < 2 ? ButtonYes : ButtonNo;
    });
    EXPECT_FALSE(t.prepare_new_record());
    EXPECT_EQ(t.error(), StoreError::NumberingFailed);
    EXPECT_EQ(raised(), (std::vector<int>{38, 38}));
    other.run("UPDATE Bout SET ID = 7");
    EXPECT_TRUE(t.prepare_new_record());
    EXPECT_EQ(t.record().get_integer(ID), 8);
}

TEST_F(Access, ANewRecordInALockedFileGivesTheAccessMessageAtOnce) {
    BoutTable t;
    ASSERT_TRUE(t.open());
    Outside other;
    other.run("BEGIN IMMEDIATE");  // another program holds the write lock
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(t.prepare_new_record());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));  // one wait, no rounds
    EXPECT_EQ(t.error(), StoreError::Busy);
    EXPECT_EQ(raised(), std::vector<int>{2});
    EXPECT_EQ(app_error_reporter().history().back().text,
              "Access to Bouts was denied: another program holds the file locked (database is locked).");
    other.run("ROLLBACK");
    EXPECT_TRUE(t.prepare_new_record());
}

// An update writes the fields the buffer changed since the record was read, and only those; it
// is refused only when another program changed one of them meanwhile.
TEST_F(Access, UpdateWritesTheChangedFieldsAndIsRefusedOnlyWhenAnotherProgramChangedOneOfThem) {
    struct Case {
        const char* what;
        void (*change)(RecordBuffer&);  // this program's change
        const char* outside;            // another program's, between the read and the update
        bool stored;
        const char* row;  // Name, Score, A, B, Notes afterwards
    } cases[] = {
        {"another field", [](RecordBuffer& r) { r.set_text(NAME, "changed"); }, "Score = 8", true, "changed|8|1|2|n"},
        {"the same field", [](RecordBuffer& r) { r.set_text(NAME, "changed"); }, "Name = 'theirs'", false, "theirs|3|1|2|n"},
        {"the same value", [](RecordBuffer& r) { r.set_text(NAME, "changed"); }, "Name = 'changed'", true, "changed|3|1|2|n"},
        {"a field of a group, another of it", [](RecordBuffer& r) { r.set_integer(PAIR_A, 5); }, "B = 7", true, "mine|3|5|7|n"},
        {"a group", [](RecordBuffer& r) { r.clear_field(PAIR); }, "B = 7", false, "mine|3|1|7|n"},
        {"a memo", [](RecordBuffer& r) { r.set_memo(0, "mine"); }, "Name = 'theirs'", true, "theirs|3|1|2|mine"},
        {"a memo, the same", [](RecordBuffer& r) { r.set_memo(0, "mine"); }, "Notes = 'theirs'", false, "mine|3|1|2|theirs"},
        {"nothing", nullptr, "Score = 8", true, "mine|8|1|2|n"},  // nothing written, nothing read
    };
    BoutTable t;
    add(t, "mine");
    Outside other;
    const char* row = "SELECT Name || '|' || Score || '|' || A || '|' || B || '|' || Notes FROM Bout";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app_error_reporter().clear_history();
        other.run("UPDATE Bout SET Name = 'mine', Score = 3, A = 1, B = 2, Notes = 'n'");
        t.record().set_integer(ID, 1);
        ASSERT_TRUE(t.get_by_key(KEY_ID));
        if (c.change) c.change(t.record());
        other.run(std::string("UPDATE Bout SET ") + c.outside);
        EXPECT_EQ(t.update(), c.stored);
        EXPECT_EQ(other.run(row), c.row);
        EXPECT_EQ(raised(), c.stored ? std::vector<int>{} : std::vector<int>{7});
        if (!c.change) continue;
        // Either way the buffer holds the record as the file does now.
        BoutTable first;
        first.record().set_integer(ID, 1);
        ASSERT_TRUE(first.get_by_key(KEY_ID));
        EXPECT_TRUE(t.record() == first.record());
        if (c.stored) continue;
        EXPECT_EQ(t.error(), StoreError::ChangedElsewhere);
        c.change(t.record());
        ASSERT_TRUE(t.update());  // now against what it read again
    }
    other.run("DELETE FROM Bout");
    t.record().set_text(NAME, "gone");
    EXPECT_FALSE(t.update());
    EXPECT_EQ(t.error(), StoreError::DeletedElsewhere);
    EXPECT_EQ(raised().back(), 8);
}

// Values this program cannot read (cleared in the buffer) and texts it reads cut stay in the file
// as they were, byte for byte, whatever the update writes beside them; a field the operator
// changed is written.
TEST_F(Access, AnUpdateLeavesWhatItCouldNotReadAsItWas) {
    BoutTable t;
    add(t, "mine");
    Outside other;
    other.run(
        "UPDATE Bout SET Name = 'Szőke-Łukasiewicz', Event = 2147483648, Score = 'twelve', \"When\" = '17/05/2024', "
        "Code = CAST(x'ff' AS TEXT), Notes = '" +
        std::string(30, 'n') + "'");
    std::string dump = "SELECT ''";
    for (const char* c : {"ID", "Event", "Name", "Score", "When", "Clock", "Ratio", "Flag", "Queue", "A", "B", "Code", "Notes"})
        dump += std::string(" || quote(\"") + c + "\") || '|'";
    dump += " FROM Bout";
    const std::string before = other.run(dump);
    t.record().set_integer(ID, 1);
    ASSERT_TRUE(t.get_by_key(KEY_ID));
    EXPECT_EQ(t.unfit_values().size(), 5u);
    t.record().set_integer(FLAG, 3);
    ASSERT_TRUE(t.update()) << t.error_text();
    std::string expected = before;
    expected.replace(expected.find("|0|'1'|"), 7, "|3|'1'|");  // Flag, then Queue
    EXPECT_EQ(other.run(dump), expected);
    EXPECT_EQ(t.unfit_values().size(), 5u);  // as the file holds them still
    EXPECT_EQ(t.record().get_text(NAME), "Szőke-Łuka");
    // The operator's own change of the cut field is written, the rest stays.
    ASSERT_TRUE(t.record().set_text(NAME, "Łukasz"));
    ASSERT_TRUE(t.update()) << t.error_text();
    expected.replace(expected.find("'Szőke-Łukasiewicz'"), std::string("'Szőke-Łukasiewicz'").size(), "'Łukasz'");
    EXPECT_EQ(other.run(dump), expected);
}

// An unreadable value is told once in the error log per file, record and field, however often
// the record is read again (by key, in a list's view); a text read cut is not unreadable.
TEST_F(Access, AnUnreadableValueIsLoggedOncePerFileRecordAndField) {
    BoutTable t;
    ASSERT_TRUE(t.open());
    Outside other;
    other.run("INSERT INTO Bout (ID, Event, Name, Code) VALUES (1, 2147483648, 'a', 'A'), (2, 'many', 'Ελληνικά空手道 Łukasz', 'B')");
    auto read_all = [&] {
        for (int id : {1, 2}) {
            t.record().set_integer(ID, id);
            ASSERT_TRUE(t.get_by_key(KEY_ID));
            EXPECT_FALSE(t.unfit_values().empty());
        }
        RecordView view(t, KEY_ID);
        EXPECT_EQ(view.first_page(10).size(), 2u);
    };
    for (int round = 0; round < 3; ++round) ASSERT_NO_FATAL_FAILURE(read_all());
    other.run("UPDATE Bout SET Score = 'twelve' WHERE ID = 1");
    ASSERT_NO_FATAL_FAILURE(read_all());
    std::vector<std::string> lines;
    std::istringstream log(folder_.read(kErrorLogFile));
    for (std::string line; std::getline(log, line);) lines.push_back(line.substr(line.find("Bouts (bout.sqlite)")));
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Bouts (bout.sqlite), record 1 (BT:ID 1): BT:Event: out of range; the value shows empty and is not written "
                         "back",
                         "Bouts (bout.sqlite), record 2 (BT:ID 2): BT:Event: not a whole number; the value shows empty and is not "
                         "written back",
                         "Bouts (bout.sqlite), record 1 (BT:ID 1): BT:Score: not a number; the value shows empty and is not written "
                         "back",
                     }));
}

// No message of a write is shown while its transaction is open: another program writes the
// same file at once, without waiting, while the operator reads it.
TEST_F(Access, AnotherProgramWritesAtOnceWhileAWritesMessageIsShown) {
    struct Case {
        const char* what;
        int message;
        bool (*write)(BoutTable&, Outside&);
    } cases[] = {
        {"changed elsewhere", 7,
         [](BoutTable& t, Outside& o) {
             t.record().set_text(NAME, "mine");
             o.run("UPDATE Bout SET Name = 'theirs'");
             return t.update();
         }},
        {"deleted elsewhere", 8,
         [](BoutTable& t, Outside& o) {
             t.record().set_text(NAME, "mine");
             o.run("DELETE FROM Bout");
             return t.update();
         }},
        {"a key taken by a change", 15,
         [](BoutTable& t, Outside& o) {
             o.run("INSERT INTO Bout (ID, Code) VALUES (50, 'TAKEN')");
             t.record().set_text(CODE, "TAKEN");
             return t.update();
         }},
        {"a key taken by an insert", 15,
         [](BoutTable& t, Outside& o) {
             o.run("INSERT INTO Bout (ID, Code) VALUES (50, 'TAKEN')");
             if (!t.prepare_new_record()) return true;
             t.record().set_text(CODE, "TAKEN");
             return t.insert();
         }},
        {"a value that cannot be stored", 4,
         [](BoutTable& t, Outside&) {
             if (!t.prepare_new_record()) return true;
             t.record().cells(SCORE)[1] = 0xAB;
             return t.insert();
         }},
        {"numbering that keeps failing", 38,
         [](BoutTable& t, Outside& o) {
             o.run("UPDATE Bout SET ID = 9999999");
             return t.prepare_new_record();
         }},
    };
    static std::string outside_result;
    app_error_reporter().set_message_box_handler([](const MessageDefinition& m, const std::string&, const std::string&) {
        Outside writer;
        sqlite3_busy_timeout(writer.db(), 0);  // waits for no lock
        outside_result = writer.run("UPDATE Bout SET Ratio = Ratio + 1; SELECT 'written'");
        return m.number == 38 ? ButtonNo : ButtonOk;
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove("bout.sqlite");
        thread_store().close_all();
        BoutTable t;
        add(t, "first");
        app_error_reporter().clear_history();
        outside_result.clear();
        Outside other;
        EXPECT_FALSE(c.write(t, other));
        ASSERT_FALSE(raised().empty());
        EXPECT_EQ(raised().back(), c.message);
        EXPECT_EQ(outside_result, "written");
    }
}

TEST_F(Access, UpdateWithoutATransactionInTimeIsCancelled) {
    BoutTable t;
    add(t, "mine");
    Outside other;
    other.run("BEGIN IMMEDIATE");
    t.record().set_text(NAME, "late");
    EXPECT_FALSE(t.update());
    EXPECT_EQ(t.error(), StoreError::Busy);
    EXPECT_EQ(raised(), std::vector<int>{27});
    other.run("ROLLBACK");
    EXPECT_EQ(other.run("SELECT Name FROM Bout"), "mine");
}

TEST_F(Access, AFailingCheckStopsTheWriteWhateverTheAnswer) {
    for (Button answer : {ButtonOk, ButtonYes, ButtonIgnore}) {
        static Button given;
        given = answer;
        app_error_reporter().clear_history();
        app_error_reporter().set_message_box_handler([](const MessageDefinition&, const std::string&, const std::string&) {
            return given;
        });
        BoutTable t;
        add(t, "first");
        Outside other;
        t.record().set_text(QUEUE, "1[]2");  // not a value of the list, though its text is in it
        t.record().set_integer(FLAG, 6);     // fails too, and comes first in the record
        EXPECT_FALSE(t.update());
        EXPECT_FALSE(t.insert());
        EXPECT_EQ(t.error(), StoreError::CheckFailed);
        EXPECT_EQ(raised(), (std::vector<int>{20, 20}));  // only the first failure, once per write
        EXPECT_EQ(t.record().get_text(QUEUE), "1[]2");    // the buffer keeps what was entered
        t.record().set_integer(FLAG, 5);
        EXPECT_FALSE(t.update());
        EXPECT_EQ(raised().back(), 19);
        EXPECT_EQ(other.run("SELECT Queue || count(*) FROM Bout"), "11");
        other.run("DELETE FROM Bout");
    }
}

TEST_F(Access, AKeyTakenTwiceIsRefusedNamingTheKey) {
    BoutTable t;
    add(t, "one");
    std::string code = t.record().get_text(CODE);
    code.erase(code.find_last_not_of(' ') + 1);
    ASSERT_TRUE(t.prepare_new_record());
    t.record().set_text(CODE, code);
    EXPECT_FALSE(t.insert());
    EXPECT_EQ(t.error(), StoreError::DuplicateKey);
    EXPECT_EQ(raised(), std::vector<int>{15});
    EXPECT_EQ(app_error_reporter().history().back().text,
              "Adding this record to Bouts creates a duplicate entry for the key: "
              "KeyCode");
    Outside other;
    EXPECT_EQ(other.run("SELECT count(*) FROM Bout WHERE Code = '" + code + "'"), "1");
}

}  // namespace
}  // namespace zrv::store::testing

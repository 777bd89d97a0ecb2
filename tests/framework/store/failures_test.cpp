// Every way opening or writing a table file can fail ends in its numbered message, never in a
// crash, and a file that is not ours is never changed.
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <optional>
#include <sstream>

#include "framework/store/table_access.h"
#include "tests/framework/store/store_fixture.h"
#include "tests/support/scoring_tool.h"

namespace zrv::store::testing {
namespace {

using Failures = StoreTest;

std::string file_bytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void make_file_with_one_record() {
    BoutTable t;
    ASSERT_TRUE(t.prepare_new_record());
    t.record().set_text(NAME, "kept");
    ASSERT_TRUE(t.insert());
}

TEST_F(Failures, AFileThatIsNotOursGivesInvalidFileAndStaysAsItWas) {
    struct Case {
        const char* what;
        void (*make)();
    } cases[] = {
        {"garbage", [] { std::ofstream("bout.sqlite", std::ios::binary) << std::string(8192, 'x'); }},
        {"another database", [] { Outside("bout.sqlite").run("CREATE TABLE results (x); INSERT INTO results VALUES (1)"); }},
        {"another layout",
         [] {
             TableAccess other(other_bout_layout());
             ASSERT_TRUE(other.open());
         }},
        {"a column changed",
         [] {
             make_file_with_one_record();
             Outside("bout.sqlite").run("ALTER TABLE Bout RENAME COLUMN Name TO Nombre");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove("bout.sqlite");
        c.make();
        thread_store().close_all();
        Outside("bout.sqlite").run("PRAGMA wal_checkpoint(TRUNCATE)");
        const std::string before = file_bytes("bout.sqlite");
        app_error_reporter().clear_history();
        BoutTable t;
        EXPECT_FALSE(t.open());
        EXPECT_EQ(t.error(), StoreError::InvalidFile);
        t.record().set_integer(ID, 1);
        EXPECT_FALSE(t.get_by_key(KEY_ID));
        EXPECT_FALSE(t.prepare_new_record());
        EXPECT_EQ(raised(), (std::vector<int>{26, 26, 26}));  // once per attempt to use it
        EXPECT_EQ(app_error_reporter().history().front().text,
                  "The file Bouts does not have the record layout of this program. It has not been changed.");
        EXPECT_EQ(file_bytes("bout.sqlite"), before);
    }
}

TEST_F(Failures, DamagedKeysAreReportedAndRebuilt) {
    struct Case {
        const char* what;
        const char* damage;
    } cases[] = {
        {"a key missing", "DROP INDEX \"KeyName\""},
        {"a key no longer unique", "DROP INDEX \"KeyCode\"; CREATE INDEX \"KeyCode\" ON Bout (Code)"},
        {"a key in another order",
         "DROP INDEX \"BT:KeyEventName\"; CREATE INDEX \"BT:KeyEventName\" ON Bout (Event, Name COLLATE NOCASE)"},
        {"a key's entries out of step",
         "PRAGMA writable_schema = ON; UPDATE sqlite_master SET sql = replace(sql, '\"Name\" COLLATE NOCASE', '\"Code\"') "
         "WHERE name = 'KeyName'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove("bout.sqlite");
        make_file_with_one_record();
        thread_store().close_all();
        ASSERT_EQ(Outside("bout.sqlite").run(c.damage), "");
        app_error_reporter().clear_history();
        BoutTable t;
        ASSERT_TRUE(t.open()) << t.error_text();
        EXPECT_EQ(raised(), std::vector<int>{33});
        t.record().set_text(NAME, "KEPT");
        EXPECT_TRUE(t.get_by_key(KEY_NAME));
        EXPECT_EQ(Outside("bout.sqlite").run("PRAGMA integrity_check"), "ok");
        EXPECT_EQ(Outside("bout.sqlite").run("SELECT \"unique\" FROM pragma_index_list('Bout') WHERE name = 'KeyCode'"), "1");
    }
}

TEST_F(Failures, KeyPagesDamagedOnDiskAreFoundWhenReadAndRebuilt) {
    make_file_with_one_record();
    thread_store().close_all();
    Outside("bout.sqlite").run("PRAGMA wal_checkpoint(TRUNCATE)");
    const int page_size = std::stoi(Outside("bout.sqlite").run("PRAGMA page_size"));
    const int root = std::stoi(Outside("bout.sqlite").run("SELECT rootpage FROM sqlite_master WHERE name = 'KeyName'"));
    {
        std::fstream f("bout.sqlite", std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(static_cast<std::streamoff>(root - 1) * page_size);
        f << std::string(static_cast<std::size_t>(page_size), '\x5A');
    }
    BoutTable t;
    ASSERT_TRUE(t.open());
    t.record().set_text(NAME, "kept");
    EXPECT_TRUE(t.get_by_key(KEY_NAME)) << t.error_text();
    EXPECT_EQ(raised(), std::vector<int>{33});
    EXPECT_EQ(Outside("bout.sqlite").run("SELECT Name FROM Bout"), "kept");
    EXPECT_EQ(Outside("bout.sqlite").run("PRAGMA integrity_check"), "ok");
}

TEST_F(Failures, KeysThatCannotBeBuiltAreReported) {
    make_file_with_one_record();
    thread_store().close_all();
    // Another program broke the unique key and stored the same code twice.
    Outside("bout.sqlite").run("DROP INDEX \"KeyCode\"; INSERT INTO Bout (ID, Code) SELECT 9, Code FROM Bout");
    BoutTable t;
    EXPECT_FALSE(t.open());
    EXPECT_EQ(t.error(), StoreError::KeysDamaged);
    EXPECT_EQ(raised(), (std::vector<int>{33, 32}));
    EXPECT_EQ(Outside("bout.sqlite").run("SELECT count(*) FROM Bout"), "2");                       // nothing lost
    EXPECT_EQ(Outside("bout.sqlite").run("SELECT count(*) FROM pragma_index_list('Bout')"), "3");  // the others kept
}

TEST_F(Failures, AFileLockedByAnotherProgramGivesAccessDeniedUntilItIsFree) {
    make_file_with_one_record();
    thread_store().close_all();
    {
        Outside locker("bout.sqlite");
        locker.run("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; UPDATE Bout SET Event = 1");
        BoutTable t;
        EXPECT_FALSE(t.open());
        EXPECT_EQ(raised(), std::vector<int>{2});
        t.record().set_integer(ID, 1);
        EXPECT_FALSE(t.get_by_key(KEY_ID));
        locker.run("ROLLBACK");
    }
    app_error_reporter().clear_history();
    BoutTable t;
    t.record().set_integer(ID, 1);
    EXPECT_TRUE(t.get_by_key(KEY_ID));
    EXPECT_TRUE(raised().empty());
}

TEST_F(Failures, AFileWeMayNotWriteOpensForReadingOnly) {
    make_file_with_one_record();
    thread_store().close_all();
    Outside keeper("bout.sqlite");  // keeps the journal files in place, as a running writer does
    keeper.run("SELECT count(*) FROM Bout");
    ::chmod(folder_.path().c_str(), 0755);
    for (const char* f : {"bout.sqlite", "bout.sqlite-wal", "bout.sqlite-shm"}) ::chmod(f, 0444);

    // In a child process without the rights to write (root writes anything otherwise).
    pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(10);
        app_error_reporter().clear_history();
        BoutTable t;
        if (!t.open() || !t.read_only()) _exit(11);
        if (raised() != std::vector<int>{2} ||
            app_error_reporter().history()[0].text != "Access to Bouts was denied: the file is opened for reading only.")
            _exit(12);
        t.record().set_integer(ID, 1);
        if (!t.get_by_key(KEY_ID) || t.record().get_text(NAME) != "kept      ") _exit(13);
        t.record().set_text(NAME, "changed");
        if (t.update() || raised() != std::vector<int>{2, 2}) _exit(14);
        TableLayout elsewhere = bout_layout();
        elsewhere.stored_name = "missing";
        TableAccess missing(elsewhere);
        if (missing.open() || missing.error() != StoreError::CreateFailed || raised().back() != 12) _exit(15);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(keeper.run("SELECT Name FROM Bout"), "kept");
}

// A file of the table made beside the one in use (as a restored copy is), with one record.
void make_aside(const TableLayout& layout, const std::string& name) {
    TableLayout aside = layout;
    aside.stored_name = "aside";
    std::filesystem::remove("aside.sqlite");
    {
        TableAccess t(aside);
        ASSERT_TRUE(t.prepare_new_record());
        t.record().set_text(NAME, name);
        t.record().set_text(QUEUE, "1");
        ASSERT_TRUE(t.insert());
    }
    ASSERT_FALSE(std::filesystem::exists("aside.sqlite-wal"));
}

std::string name_of_record_1(BoutTable& t) {
    t.record().set_integer(ID, 1);
    if (!t.get_by_key(KEY_ID)) return "<none>";
    std::string name = t.record().get_text(NAME);
    return name.erase(name.find_last_not_of(' ') + 1);
}

// Another program puts another file in the place of the one the screens have open: the next read
// opens it; a file of another layout is reported once, and a good one after it shows again.
TEST_F(Failures, AFileReplacedUnderTheProgramIsOpenedAnewAtTheNextRead) {
    struct Step {
        const char* what;
        const TableLayout& layout;
        const char* name;  // of record 1 in the new file
        const char* read;  // what a read finds then
    } steps[] = {
        {"a copy moved over it", bout_layout(), "restored", "restored"},
        {"deleted and made again", bout_layout(), "again", "again"},
        {"a file of another layout moved over it", other_bout_layout(), "other", "<none>"},
        {"a good copy moved over that", bout_layout(), "good", "good"},
    };
    BoutTable t;
    add(t, "first");
    ASSERT_EQ(name_of_record_1(t), "first");
    ErrorReporter::Background tick;  // the reads of a screen's timer
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        app_error_reporter().clear_history();
        ASSERT_NO_FATAL_FAILURE(make_aside(s.layout, s.name));
        if (std::string(s.what) == "deleted and made again") std::filesystem::remove("bout.sqlite");
        std::filesystem::rename("aside.sqlite", "bout.sqlite");
        EXPECT_EQ(name_of_record_1(t), s.read);
        EXPECT_EQ(name_of_record_1(t), s.read);
        EXPECT_EQ(raised(), &s.layout == &bout_layout() ? std::vector<int>{} : std::vector<int>{26});
    }
    // A change after the file was replaced goes into the new file.
    t.record().set_text(NAME, "changed");
    ASSERT_TRUE(t.update()) << t.error_text();
    EXPECT_EQ(Outside("bout.sqlite").run("SELECT Name FROM Bout"), "changed");
    EXPECT_EQ(Outside("bout.sqlite").run("PRAGMA integrity_check"), "ok");
}

// A reader that may not write the file (it belongs to another user; the folder is open to all)
// makes no journal file in the folder, which that user could not write then, and still sees
// what that user writes.
TEST_F(Failures, AReaderThatMayNotWriteTheFileMakesNoFileInTheFolder) {
    make_file_with_one_record();
    thread_store().close_all();
    ASSERT_FALSE(std::filesystem::exists("bout.sqlite-wal"));
    ::chmod(folder_.path().c_str(), 0777);
    ::chmod("bout.sqlite", 0644);
    int to_child[2], to_parent[2];
    ASSERT_EQ(pipe(to_child), 0);
    ASSERT_EQ(pipe(to_parent), 0);
    pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(10);
        char go = 0;
        BoutTable t;
        if (!t.open() || !t.read_only()) _exit(11);
        if (name_of_record_1(t) != "kept") _exit(12);
        if (std::filesystem::exists("bout.sqlite-wal") || std::filesystem::exists("bout.sqlite-shm")) _exit(13);
        if (write(to_parent[1], "r", 1) != 1 || read(to_child[0], &go, 1) != 1) _exit(14);
        if (name_of_record_1(t) != "changed") _exit(15);  // the other user's change
        if (write(to_parent[1], "r", 1) != 1 || read(to_child[0], &go, 1) != 1) _exit(14);
        if (name_of_record_1(t) != "again") _exit(16);  // ... also while that user has the file open
        _exit(0);
    }
    char ready = 0;
    ASSERT_EQ(read(to_parent[0], &ready, 1), 1);
    EXPECT_EQ(zrv::testing::run_sqlite3("bout.sqlite", "UPDATE Bout SET Name = 'changed';"), 0);
    ASSERT_EQ(write(to_child[1], "g", 1), 1);
    ASSERT_EQ(read(to_parent[0], &ready, 1), 1);
    std::optional<Outside> keeper("bout.sqlite");  // keeps its journal files while it has the file open
    keeper->run("UPDATE Bout SET Name = 'again'");
    ASSERT_EQ(write(to_child[1], "g", 1), 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    keeper.reset();
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
        struct stat st {};
        ASSERT_EQ(::stat(entry.path().c_str(), &st), 0);
        EXPECT_NE(st.st_uid, 65534u) << entry.path().filename() << " made by the reader";
    }
    ::chmod(folder_.path().c_str(), 0700);
}

// A disk with no room left: a change, a new record and an open each say so, nothing is lost, and
// the file works again once there is room.
TEST_F(Failures, AFullDiskSaysSoAndLosesNothing) {
    const std::filesystem::path disk = folder_.path() / "disk";
    std::filesystem::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=256k") != 0) GTEST_SKIP() << "no small file system can be mounted here";
    std::filesystem::current_path(disk);
    auto fill = [] {
        std::ofstream filler("filler", std::ios::binary | std::ios::app);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), block.size()) && filler.flush()) {
        }
    };
    auto message = [] { return app_error_reporter().history().back(); };
    {
        BoutTable t;
        add(t, "kept");
        fill();
        app_error_reporter().clear_history();
        t.record().set_text(NAME, "changed");
        EXPECT_FALSE(t.update());
        EXPECT_EQ(t.error(), StoreError::DiskFull);
        EXPECT_EQ(message().number, 31);
        EXPECT_NE(message().text.find("the disk is full"), std::string::npos) << message().text;
        EXPECT_FALSE(t.prepare_new_record());
        EXPECT_EQ(raised(), (std::vector<int>{31, 4}));  // at once, never "no new number could be given"
        EXPECT_NE(message().text.find("the disk is full"), std::string::npos) << message().text;
        std::filesystem::remove("filler");
    }
    // Opened with the disk full again (its last user gone, the file has no journal files).
    ASSERT_FALSE(std::filesystem::exists("bout.sqlite-shm"));
    fill();
    app_error_reporter().clear_history();
    BoutTable t;
    EXPECT_FALSE(t.open());
    EXPECT_EQ(raised(), std::vector<int>{2});
    EXPECT_EQ(message().text.find("reading only"), std::string::npos) << message().text;
    EXPECT_NE(message().text.find("the disk is full"), std::string::npos) << message().text;
    std::filesystem::remove("filler");
    EXPECT_EQ(name_of_record_1(t), "kept");
    t.record().set_text(NAME, "changed");
    EXPECT_TRUE(t.update()) << t.error_text();
    EXPECT_EQ(Outside("bout.sqlite").run("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(Outside("bout.sqlite").run("SELECT count(*) || Name FROM Bout"), "1changed");
    thread_store().close_all();
    std::filesystem::current_path(folder_.path());
    ::umount2(disk.c_str(), MNT_DETACH);
}

}  // namespace
}  // namespace zrv::store::testing

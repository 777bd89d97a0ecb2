// Threads and another process on the same table file: every thread has its own buffers, and a
// reader never sees a record half written, not even when the writer is killed mid-transaction.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <memory>
#include <optional>
#include <functional>
#include <random>
#include <set>
#include <thread>

#include "framework/store/table_access.h"
#include "tests/framework/store/outside.h"
#include "tests/framework/store/store_fixture.h"
#include "tests/support/scoring_tool.h"

namespace zrv::store::testing {
namespace {

using Concurrency = StoreTest;

using Writer = zrv::testing::ScoringWriter;

// Threads re-reading record 1 every 10 ms, counting reads that break Event + A + B = 100.
class Readers {
public:
    explicit Readers(int threads) {
        for (int i = 0; i < threads; ++i)
            threads_.emplace_back([this] {
                BoutTable t;
                std::set<std::int64_t> seen;
                while (!stop_) {
                    t.record().set_integer(ID, 1);
                    if (t.get_by_key(KEY_ID)) {
                        ++reads_;
                        const RecordBuffer& r = t.record();
                        if (r.get_integer(EVENT) + r.get_integer(PAIR_A) + r.get_integer(PAIR_B) != 100) ++broken_;
                        if (seen.insert(r.get_integer(EVENT)).second) ++distinct_seen_;
                    } else {
                        ++failed_;
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                }
                distinct_ += static_cast<int>(seen.size());
            });
    }
    // Waits (a generous cap: it ends as soon as they have) until they have read `reads` times
    // and seen `values` values between them.
    bool wait_until(int reads, int values) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (reads_ < reads || distinct_seen_ < values)
            if (std::chrono::steady_clock::now() > end) return false;
            else std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return true;
    }
    void stop() {
        stop_ = true;
        for (auto& t : threads_) t.join();
        threads_.clear();
    }
    ~Readers() {
        if (!threads_.empty()) stop();
    }
    std::atomic<int> reads_{0}, broken_{0}, failed_{0}, distinct_{0}, distinct_seen_{0};

private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};

void make_record() {
    BoutTable t;
    ASSERT_TRUE(t.prepare_new_record());
    t.record().set_integer(EVENT, 100);
    ASSERT_TRUE(t.insert());
    thread_store().close_all();
}

TEST_F(Concurrency, ThreadsKeepTheirOwnBuffersUntilTheRecordIsWrittenAndReadAgain) {
    make_record();
    BoutTable mine;
    mine.record().set_integer(ID, 1);
    ASSERT_TRUE(mine.get_by_key(KEY_ID));
    mine.record().set_text(NAME, "edited");
    std::string seen_before, seen_after_write, seen_after_reread;
    std::atomic<int> step{0};
    std::thread other([&] {
        BoutTable theirs;
        theirs.record().set_integer(ID, 1);
        theirs.get_by_key(KEY_ID);
        seen_before = theirs.record().get_text(NAME);
        step = 1;
        while (step != 2) std::this_thread::yield();
        seen_after_write = theirs.record().get_text(NAME);
        theirs.get_by_key(KEY_ID);
        seen_after_reread = theirs.record().get_text(NAME);
    });
    while (step != 1) std::this_thread::yield();
    ASSERT_TRUE(mine.update());
    step = 2;
    other.join();
    EXPECT_EQ(seen_before, std::string(10, ' '));
    EXPECT_EQ(seen_after_write, std::string(10, ' '));
    EXPECT_EQ(seen_after_reread, "edited    ");
}

TEST_F(Concurrency, ThreadEndClosesTheThreadsFilesAndTheirUsersOpenAgain) {
    make_record();
    std::thread worker([] {
        BoutTable t;
        t.record().set_integer(ID, 1);
        EXPECT_TRUE(t.get_by_key(KEY_ID));
        EXPECT_EQ(thread_store().open_files(), 1u);
        const std::string order[] = {"Bout"};
        thread_store().close_all(order);
        EXPECT_FALSE(t.is_open());
        EXPECT_EQ(thread_store().open_files(), 0u);
        EXPECT_TRUE(t.get_by_key(KEY_ID));  // opens again at its next use
    });
    worker.join();
}

TEST_F(Concurrency, TheScoringStandInWritesAndReadsRecordsFromOutside) {
    make_record();
    EXPECT_EQ(Writer({"set", "bout", "3", "BT:Name=Peña", "event=4", "Score=85.5"}).wait(), 0);  // added
    EXPECT_EQ(Writer({"set", "bout", "1", "bt:a=7"}).wait(), 0);                                 // changed
    EXPECT_NE(Writer({"set", "bout", "1", "Nothing=1"}).wait(), 0);
    std::string printed;
    EXPECT_EQ(Writer({"get", "bout", "3", "Name", "BT:Score"}).wait(&printed), 0);
    EXPECT_EQ(printed, "Name=Peña\nScore=85.5\n");
    BoutTable t;
    t.record().set_integer(ID, 3);
    ASSERT_TRUE(t.get_by_key(KEY_ID));
    EXPECT_EQ(t.record().get_text(NAME), "Peña      ");
    EXPECT_EQ(t.record().get_integer(EVENT), 4);
    EXPECT_EQ(t.record().get_text(SCORE), "85.50");
    t.record().set_integer(ID, 1);
    ASSERT_TRUE(t.get_by_key(KEY_ID));
    EXPECT_EQ(t.record().get_integer(PAIR_A), 7);
    EXPECT_EQ(t.record().get_integer(EVENT), 100);
}

// A re-read that finds the file as the last one did is not done again: whoever commits a
// change, the next read shows it, however many reads were skipped before.
TEST_F(Concurrency, EveryCommitShowsAtTheNextReadAfterUnchangedReads) {
    make_record();
    const auto set_event = [](BoutTable& t, std::int64_t event) {
        t.record().set_integer(ID, 1);
        ASSERT_TRUE(t.get_by_key(KEY_ID));
        t.record().set_integer(EVENT, event);
        ASSERT_TRUE(t.update()) << t.error_text();
    };
    BoutTable same_thread;
    const struct {
        const char* who;
        std::function<void(std::int64_t event)> write;
    } writers[] = {
        {"another process",
         [](std::int64_t e) {
             EXPECT_EQ(Writer({"set", "bout", "1", "event=" + std::to_string(e)}).wait(), 0);
         }},
        {"another connection of this process",
         [](std::int64_t e) { EXPECT_EQ(Outside().run("UPDATE Bout SET Event = " + std::to_string(e)), ""); }},
        {"another thread",
         [&](std::int64_t e) {
             std::thread([&] {
                 BoutTable t;
                 set_event(t, e);
             }).join();
         }},
        {"another file manager of this thread (the same connection)", [&](std::int64_t e) { set_event(same_thread, e); }},
        {"another process after the log was checkpointed and starts over",
         [](std::int64_t e) {
             EXPECT_EQ(Outside().run("PRAGMA wal_checkpoint(TRUNCATE)"), "0");
             EXPECT_EQ(Writer({"set", "bout", "1", "event=" + std::to_string(e)}).wait(), 0);
         }},
    };
    BoutTable reader;
    std::int64_t event = 100;
    for (const auto& w : writers) {
        SCOPED_TRACE(w.who);
        for (int i = 0; i < 5; ++i) {  // unchanged: read once, then skipped
            reader.record().set_integer(ID, 1);
            ASSERT_TRUE(reader.get_by_key(KEY_ID));
            EXPECT_EQ(reader.record().get_integer(EVENT), event);
        }
        w.write(++event);
        ASSERT_TRUE(reader.get_by_key(KEY_ID));
        EXPECT_EQ(reader.record().get_integer(EVENT), event);
    }

    // A value the reader put into its own buffer is read over, unchanged file or not.
    reader.record().set_integer(EVENT, 7);
    ASSERT_TRUE(reader.get_by_key(KEY_ID));
    EXPECT_EQ(reader.record().get_integer(EVENT), event);

    // A record not found, looked for again and again, shows once another process adds it.
    reader.record().set_integer(ID, 2);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(reader.get_by_key(KEY_ID));
        EXPECT_EQ(reader.error(), StoreError::NotFound);
    }
    EXPECT_EQ(Writer({"set", "bout", "2", "event=55"}).wait(), 0);
    ASSERT_TRUE(reader.get_by_key(KEY_ID)) << reader.error_text();
    EXPECT_EQ(reader.record().get_integer(EVENT), 55);
    // Looking for another key of an unchanged file is a read of its own.
    reader.record().set_integer(ID, 3);
    EXPECT_FALSE(reader.get_by_key(KEY_ID));
    reader.record().set_integer(ID, 1);
    ASSERT_TRUE(reader.get_by_key(KEY_ID));
    EXPECT_EQ(reader.record().get_integer(EVENT), event);
}

TEST_F(Concurrency, ReadersNeverSeeAnotherProcessHalfWayThroughARecord) {
    make_record();
    Readers readers(4);
    Writer writer({"invariant-writer", "bout", "1", "BT:Event", "BT:A", "BT:B", "100", "--counter", "BT:Ratio"});
    EXPECT_GE(writer.read_commits(500), 500);
    EXPECT_TRUE(readers.wait_until(readers.reads_ + 41, 9));  // it keeps writing while they read
    writer.stop(SIGTERM);
    readers.stop();
    EXPECT_GT(readers.reads_, 40);
    EXPECT_EQ(readers.broken_, 0);
    EXPECT_EQ(readers.failed_, 0);
    EXPECT_GT(readers.distinct_, 8);  // they did see it change
}

TEST_F(Concurrency, AWriterKilledMidTransactionLosesNothingItCommitted) {
    make_record();
    Readers readers(3);
    long last = 0;
    {
        // It holds every transaction open for 5 ms, so the kill lands inside one.
        Writer writer({"invariant-writer", "bout", "1", "BT:Event", "BT:A", "BT:B", "100", "--counter", "BT:Ratio", "--hold-ms", "5"});
        writer.read_commits(40);
        last = writer.stop(SIGKILL);
    }
    EXPECT_TRUE(readers.wait_until(readers.reads_ + 12, 0));  // the readers go on
    readers.stop();
    EXPECT_EQ(readers.broken_, 0);
    EXPECT_EQ(readers.failed_, 0);

    BoutTable t;
    t.record().set_integer(ID, 1);
    ASSERT_TRUE(t.get_by_key(KEY_ID));
    const RecordBuffer& r = t.record();
    EXPECT_GE(last, 40);
    EXPECT_GE(r.get_integer(RATIO), last);      // every reported commit is there
    EXPECT_LE(r.get_integer(RATIO), last + 1);  // and at most the one it had no time to report
    EXPECT_EQ(r.get_integer(EVENT) + r.get_integer(PAIR_A) + r.get_integer(PAIR_B), 100);
    t.record().set_text(NAME, "after");
    EXPECT_TRUE(t.update());  // the dead writer's lock is gone
}

// An sqlite3 client, a process of its own, running a script of SQL from a file.
class Sqlite3Script {
public:
    Sqlite3Script(const std::string& script_file) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, script_file.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        char name[] = "sqlite3", file[] = "bout.sqlite";
        char* argv[] = {name, file, nullptr};
        EXPECT_EQ(posix_spawnp(&pid_, "sqlite3", &actions, nullptr, argv, environ), 0);
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Sqlite3Script() {
        if (pid_ > 0) kill(pid_, SIGKILL), waitpid(pid_, nullptr, 0);
    }
    bool running() {
        int status = 0;
        if (pid_ > 0 && waitpid(pid_, &status, WNOHANG) == pid_) pid_ = -1;
        return pid_ > 0;
    }

private:
    pid_t pid_ = -1;
};

// What tells the reader a file changed: the wal-index header, or (when the file keeps a
// rollback journal, as one that could not be put into WAL mode does) SQLite's data version.
struct StampPath {
    const char* name;
    bool fallback;
};

class StampsUnderCheckpoints : public StoreTest, public ::testing::WithParamInterface<StampPath> {};

// Three processes commit (one row at a time and two in one transaction), checkpoint the log
// (PASSIVE, RESTART, TRUNCATE) and so make it start over, at random, while a reader re-reads
// the record as a screen's tick does, each read skipped when the stamp did not move. Every
// read shows at least what was committed before it began: no commit is ever missed.
TEST_P(StampsUnderCheckpoints, AReaderSkippingUnchangedReadsNeverMissesACommit) {
    make_record();
    std::optional<Outside> holder;
    if (GetParam().fallback) {
        ASSERT_EQ(Outside().run("PRAGMA journal_mode=DELETE"), "delete");
        holder.emplace();  // reads while the reader opens the file, which then cannot put it into WAL mode
        ASSERT_EQ(holder->run("BEGIN; SELECT count(*) FROM Bout"), "1");
    }
    BoutTable reader;
    reader.record().set_integer(ID, 1);
    ASSERT_TRUE(reader.get_by_key(KEY_ID)) << reader.error_text();
    holder.reset();
    EXPECT_EQ(reader.stamp().generation == -1, GetParam().fallback) << "the stamp's path";

    std::mt19937 random(2026);
    std::vector<std::unique_ptr<Sqlite3Script>> writers;
    std::int64_t expected = 100;  // what the record holds when they are done
    for (int w = 0; w < 3; ++w) {
        // Each commit takes the write lock first, so that none gives up on a busy file.
        std::string sql = ".timeout 20000\nPRAGMA synchronous=OFF;\n";
        for (int step = 0; step < 250; ++step) {
            // The rollback-journal file goes into WAL mode half way, under the reader.
            if (GetParam().fallback && w == 0 && step == 125) sql += "PRAGMA journal_mode=WAL;\n";
            switch (random() % 10) {
                case 0:
                    sql += "PRAGMA wal_checkpoint(PASSIVE);\n";
                    break;
                case 1:
                    sql += "PRAGMA wal_checkpoint(RESTART);\n";
                    break;
                case 2:
                    sql += "PRAGMA wal_checkpoint(TRUNCATE);\n";
                    break;
                case 3:
                    sql += "BEGIN IMMEDIATE; UPDATE Bout SET Event = Event + 1; UPDATE Bout SET Event = Event + 1; COMMIT;\n";
                    expected += 2;
                    break;
                default:
                    sql += "BEGIN IMMEDIATE; UPDATE Bout SET Event = Event + 1 WHERE ID = 1; COMMIT;\n";
                    ++expected;
            }
        }
        const std::string file = "writer" + std::to_string(w) + ".sql";
        std::ofstream(file) << sql;
        writers.push_back(std::make_unique<Sqlite3Script>(file));
    }
    Outside committed;  // a connection of its own: what is committed when a read begins
    const auto committed_event = [&]() -> std::optional<std::int64_t> {
        const std::string v = committed.run("SELECT Event FROM Bout WHERE ID = 1");
        if (v.empty() || v.starts_with("error")) return std::nullopt;  // busy: a rollback journal's writer
        return std::stoll(v);
    };
    std::set<std::int64_t> generations;
    int reads = 0, skipped = 0, busy = 0;
    FileStamp last = reader.stamp();
    const auto read_once = [&]() -> std::optional<std::int64_t> {
        const std::optional<std::int64_t> before = committed_event();
        const FileStamp stamp = reader.stamp();
        reader.record().set_integer(ID, 1);
        if (!before || !reader.get_by_key(KEY_ID)) {
            EXPECT_TRUE(!before || reader.error() == StoreError::Busy) << reader.error_text();
            ++busy;
            return std::nullopt;
        }
        ++reads;
        const bool unchanged = stamp == last;
        skipped += unchanged;
        last = stamp;
        generations.insert(stamp.generation);
        const std::int64_t seen = reader.record().get_integer(EVENT);
        EXPECT_GE(seen, *before) << "a commit missed at read " << reads << (unchanged ? " (skipped)" : "");
        return seen;
    };
    const auto any_running = [&] { return std::any_of(writers.begin(), writers.end(), [](auto& w) { return w->running(); }); };
    while (any_running() && !HasFailure()) read_once();
    ASSERT_FALSE(HasFailure());

    // Once they have all ended: the last commit shows, and reads of the unchanged file are skipped.
    const std::int64_t total = committed_event().value_or(-1);
    EXPECT_EQ(total, expected);
    EXPECT_EQ(read_once(), total);
    const int skipped_before = skipped;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(read_once(), total);
    EXPECT_EQ(skipped - skipped_before, 5);
    // The log made to start over, then a commit: the next read shows it.
    ASSERT_EQ(Outside().run("PRAGMA wal_checkpoint(TRUNCATE)"), "0");
    ASSERT_EQ(Outside().run("UPDATE Bout SET Event = Event + 1"), "");
    EXPECT_EQ(read_once(), total + 1);
    if (!GetParam().fallback) {
        EXPECT_GT(generations.size(), 2u) << "the log started over";
    }
    std::printf("%d reads, %d of them skipped, %d busy, %zu generations of the log\n", reads, skipped, busy, generations.size());
}

INSTANTIATE_TEST_SUITE_P(Concurrency, StampsUnderCheckpoints,
                         ::testing::Values(StampPath{"WalIndexHeader", false}, StampPath{"DataVersionFallback", true}),
                         [](const ::testing::TestParamInfo<StampPath>& info) { return std::string(info.param.name); });

// In a file that keeps a rollback journal SQLite's data version moves only with the commits of
// other connections: the stamp counts this connection's own writes too, so that a record that
// another table object of the same thread (which shares the connection) wrote is read again
// and not taken for the one read before.
TEST_F(Concurrency, InARollbackJournalFileTheThreadsOwnWriteIsReadAgain) {
    make_record();
    ASSERT_EQ(Outside().run("PRAGMA journal_mode=DELETE"), "delete");
    std::optional<Outside> holder(std::in_place);  // reads while the file opens: it stays in rollback mode
    ASSERT_EQ(holder->run("BEGIN; SELECT count(*) FROM Bout"), "1");
    BoutTable reader, writer;
    reader.record().set_integer(ID, 1);
    ASSERT_TRUE(reader.get_by_key(KEY_ID)) << reader.error_text();
    holder.reset();
    ASSERT_EQ(reader.stamp().generation, -1) << "the stamp's path";
    const FileStamp before = reader.stamp();
    writer.record().set_integer(ID, 1);
    ASSERT_TRUE(writer.get_by_key(KEY_ID)) << writer.error_text();
    writer.record().set_integer(EVENT, 101);
    ASSERT_TRUE(writer.update()) << writer.error_text();
    EXPECT_NE(reader.stamp(), before);
    reader.record().set_integer(ID, 1);
    ASSERT_TRUE(reader.get_by_key(KEY_ID)) << reader.error_text();
    EXPECT_EQ(reader.record().get_integer(EVENT), 101);
}

}  // namespace
}  // namespace zrv::store::testing

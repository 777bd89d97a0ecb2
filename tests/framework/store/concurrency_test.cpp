// Threads and another process on the same table file: every thread has its own buffers, and a
// reader never sees a record half written, not even when the writer is killed mid-transaction.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <set>
#include <thread>

#include "framework/store/table_access.h"
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
                        seen.insert(r.get_integer(EVENT));
                    } else {
                        ++failed_;
                    }
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
                }
                distinct_ += static_cast<int>(seen.size());
            });
    }
    void stop() {
        stop_ = true;
        for (auto& t : threads_) t.join();
        threads_.clear();
    }
    ~Readers() {
        if (!threads_.empty()) stop();
    }
    std::atomic<int> reads_{0}, broken_{0}, failed_{0}, distinct_{0};

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
    EXPECT_EQ(Writer({"set", "bout", "1", "bt:a=7"}).wait(), 0);                              // changed
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
        {"another process", [](std::int64_t e) { EXPECT_EQ(Writer({"set", "bout", "1", "event=" + std::to_string(e)}).wait(), 0); }},
        {"another connection of this process",
         [](std::int64_t e) { EXPECT_EQ(Outside().run("UPDATE Bout SET Event = " + std::to_string(e)), ""); }},
        {"another thread", [&](std::int64_t e) { std::thread([&] { BoutTable t; set_event(t, e); }).join(); }},
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
    EXPECT_GE(writer.read_commits(500), 500);  // it keeps writing while they read
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
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
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the readers go on
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

}  // namespace
}  // namespace zrv::store::testing

// The per-thread dictionary: its life cycle, separate threads, relations and new records in
// real table files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <thread>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/error_reporter.h"
#include "framework/store/record_buffer.h"
#include "framework/store/store_context.h"
#include "tests/support/temp_folder.h"

namespace zrv::data {
namespace {

bool folder_is_empty(const std::filesystem::path& p) { return std::filesystem::is_empty(p); }

TEST(DataDictionary, InitAndKillAreBalancedAndTouchNoFile) {
    testing::TempFolder folder;
    ASSERT_FALSE(dictionary_built());
    KillDataDictionary();  // without a dictionary: nothing happens
    for (TableId id : dictionary_order()) EXPECT_EQ(file_manager(id), nullptr);

    InitDataDictionary();
    ASSERT_TRUE(dictionary_built());
    DictionaryTable* sb = file_manager(TableId::ScoreBoard);
    ASSERT_NE(sb, nullptr);
    for (TableId id : dictionary_order()) {
        ASSERT_NE(file_manager(id), nullptr);
        ASSERT_NE(relation_manager(id), nullptr);
        EXPECT_EQ(file_manager(id)->id(), id);
        EXPECT_EQ(&relation_manager(id)->file(), file_manager(id));
        EXPECT_EQ(file_manager(id)->file_label(), table_label(id));
        EXPECT_FALSE(file_manager(id)->is_open());
    }
    InitDataDictionary();  // nested: the same managers
    EXPECT_EQ(file_manager(TableId::ScoreBoard), sb);
    KillDataDictionary();
    EXPECT_TRUE(dictionary_built());
    KillDataDictionary();
    EXPECT_FALSE(dictionary_built());
    for (TableId id : dictionary_order()) {
        EXPECT_EQ(file_manager(id), nullptr);
        EXPECT_EQ(relation_manager(id), nullptr);
    }
    EXPECT_TRUE(folder_is_empty(folder.path()));
}

TEST(DataDictionary, TablesByNameAndOrders) {
    EXPECT_EQ(table_by_name("scoreboard"), TableId::ScoreBoard);
    EXPECT_EQ(table_by_name("SCOREBOARD"), TableId::ScoreBoard);
    EXPECT_EQ(table_by_name("kataevent"), TableId::KataEvent);
    EXPECT_EQ(table_by_prefix("ke212"), TableId::KumiteEquipo5);
    EXPECT_FALSE(table_by_name("NoTable"));
    EXPECT_EQ(layout("KJ6"), &layout(TableId::KataJuezCard6));
    EXPECT_EQ(stored_name(TableId::ScoreBoard), "scoreboard");
    EXPECT_EQ(table_label(TableId::ScoreBoard), "ScoreBoard");

    // Both orders hold each table once; the thread end closes the cards first and the event
    // tables last.
    for (auto order : {dictionary_order(), thread_end_close_order()}) {
        ASSERT_EQ(order.size(), 23u);
        std::vector<bool> seen(23);
        for (TableId id : order) seen.at(static_cast<std::size_t>(id)) = true;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 23);
    }
    EXPECT_EQ(thread_end_close_order().front(), TableId::KataJuezCard7);
    EXPECT_EQ(thread_end_close_order()[7], TableId::ScoreBoard);
    EXPECT_EQ(thread_end_close_order().back(), TableId::KataEvent);
}

TEST(DataDictionary, RelationsPerTableAndOpeningTogether) {
    testing::TempFolder folder;
    InitDataDictionary();
    struct Count {
        TableId table;
        int keyed;
        int plain;
    };
    const Count counts[] = {
        {TableId::KataEvent, 1, 17},
        {TableId::KumiteIndividual, 2, 8},
        {TableId::KumiteEquipo5, 2, 9},
        {TableId::Competidor, 4, 5},
        {TableId::Dojo, 5, 0},
        {TableId::TournamentInfo, 6, 0},
        {TableId::Categoria, 6, 0},
        {TableId::Divisiones, 6, 0},
        {TableId::ResultadosKataJueces5, 1, 1},
        {TableId::Modalidades, 5, 0},
        {TableId::Katas, 1, 0},
        {TableId::Colores, 4, 0},
        {TableId::Equipos, 2, 6},
        {TableId::TatamiMats, 4, 0},
        {TableId::ResultadosManual, 0, 8},
        {TableId::ScoreBoard, 0, 2},
        {TableId::KataJuezCard1, 1, 0},
        {TableId::KataJuezCard2, 1, 0},
        {TableId::KataJuezCard3, 1, 0},
        {TableId::KataJuezCard4, 1, 0},
        {TableId::KataJuezCard5, 1, 0},
        {TableId::KataJuezCard6, 1, 0},
        {TableId::KataJuezCard7, 1, 0},
    };
    for (const Count& c : counts) {
        SCOPED_TRACE("row " + std::to_string(&c - &*std::begin(counts)));
        DictionaryRelations& r = *relation_manager(c.table);
        EXPECT_FALSE(r.relations_declared());  // declared when first needed
        int keyed = 0, plain = 0;
        for (const auto& rel : r.relations()) {
            (rel.keyed() ? keyed : plain)++;
            ASSERT_NE(rel.related, nullptr);
            if (rel.keyed()) {
                ASSERT_EQ(rel.links.size(), 1u);
                EXPECT_GE(rel.links[0].field, 0);
                EXPECT_GE(rel.links[0].related_field, 0);
            }
        }
        EXPECT_EQ(keyed, c.keyed) << table_name(c.table);
        EXPECT_EQ(plain, c.plain) << table_name(c.table);
    }
    // A card's keyed relation reaches the thread's KataEvent manager through its first key.
    const auto& card6 = relation_manager(TableId::KataJuezCard6)->relations().front();
    EXPECT_EQ(card6.related, relation_manager(TableId::KataEvent));
    EXPECT_EQ(card6.related_key, 0);
    EXPECT_EQ(card6.links[0].field, layout(TableId::KataJuezCard6).field_index("KJ6:IDCardJ6"));

    // Opening a card makes every table it reaches ready for use (through its related tables and
    // theirs); the files still wait for their first real use.
    for (TableId id : dictionary_order()) EXPECT_FALSE(file_manager(id)->in_use());
    DictionaryRelations& card1 = *relation_manager(TableId::KataJuezCard1);
    card1.open();
    EXPECT_TRUE(card1.is_open());
    for (TableId id : dictionary_order()) EXPECT_TRUE(file_manager(id)->in_use()) << table_name(id);
    EXPECT_EQ(store::thread_store().open_files(), 0u);
    card1.close();
    EXPECT_FALSE(card1.is_open());
    KillDataDictionary();
    EXPECT_TRUE(folder_is_empty(folder.path()));
}

TEST(DataDictionary, NewRecordsInRealFilesAreDefaultedAndNumbered) {
    testing::TempFolder folder;
    InitDataDictionary();
    struct Case {
        TableId table;
        const char* number_field;
        const char* field;
        const char* value;
    };
    const Case cases[] = {
        {TableId::KataEvent, "KE:NumeroDeCompeticion", "KE:Queue", "2"},
        {TableId::KumiteIndividual, "KE24:IDNumeroDeEventoKIndividual", "KE24:Queue", "2"},
        {TableId::KumiteEquipo5, "KE212:IDNumeroDeEventoEquipo", "KE212:Tag3", "3.00"},
        {TableId::ScoreBoard, "SB:IDCombate", "SB:Timer", "60"},
        {TableId::ResultadosManual, "RM:IDResultadosM", "RM:Cerrar", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number_field);
        DictionaryTable& t = *file_manager(c.table);
        for (std::int64_t number = 1; number <= 2; ++number) {
            ASSERT_TRUE(t.prepare_new_record()) << table_name(c.table) << ": " << t.error_text();
            EXPECT_EQ(t.record().get_integer(c.number_field), number) << table_name(c.table);
            std::string text = t.record().get_text(c.field);
            EXPECT_EQ(text.substr(0, text.find_last_not_of(' ') + 1), c.value);
            EXPECT_EQ(t.validate_record(), 0);
            ASSERT_TRUE(t.insert()) << t.error_text();
        }
        EXPECT_TRUE(t.in_use());
        EXPECT_EQ(t.highest_value(0), 2);
    }
    EXPECT_TRUE(std::filesystem::exists(folder / store::table_file_name(layout(TableId::ScoreBoard))));
    EXPECT_FALSE(std::filesystem::exists(folder / store::table_file_name(layout(TableId::Dojo))));
    KillDataDictionary();
    EXPECT_EQ(store::thread_store().open_files(), 0u);
}

TEST(DataDictionary, AFailingCheckStopsTheWriteWhateverTheAnswer) {
    testing::TempFolder folder;
    InitDataDictionary();
    app_error_reporter().set_message_box_handler([](const MessageDefinition&, const std::string&, const std::string&) {
        return ButtonIgnore;
    });
    app_error_reporter().clear_history();
    DictionaryTable& sb = *file_manager(TableId::ScoreBoard);
    ASSERT_TRUE(sb.prepare_new_record());
    // two failing fields: only the first in the record is reported
    sb.record().set_text("SB:Queue", "5");
    sb.record().set_text("SB:Timer", "75");
    EXPECT_FALSE(sb.insert());
    auto history = app_error_reporter().history();
    ASSERT_EQ(history.size(), 1u);
    EXPECT_NE(history[0].text.find("Queue"), std::string::npos);
    EXPECT_EQ(sb.record().get_text("SB:Queue").substr(0, 1), "5");  // the buffer keeps the value
    sb.record().set_text("SB:Queue", "1");
    sb.record().set_text("SB:Timer", "240");
    EXPECT_TRUE(sb.insert()) << sb.error_text();
    app_error_reporter().set_message_box_handler(nullptr);
    KillDataDictionary();
}

TEST(DataDictionary, EveryThreadHasItsOwnDictionary) {
    testing::TempFolder folder;
    InitDataDictionary();
    ASSERT_TRUE(field_by_name("SB:IDCombate")->set_integer(1));
    DictionaryTable* mine = file_manager(TableId::ScoreBoard);
    std::thread other([&] {
        EXPECT_FALSE(dictionary_built());
        EXPECT_EQ(file_manager(TableId::ScoreBoard), nullptr);
        InitDataDictionary();
        EXPECT_NE(file_manager(TableId::ScoreBoard), mine);
        EXPECT_EQ(field_by_name("SB:IDCombate")->integer(), 0);
        field_by_name("SB:IDCombate")->set_integer(2);
        EXPECT_EQ(relation_manager(TableId::ScoreBoard)->relations().size(), 2u);
        KillDataDictionary();
    });
    other.join();
    EXPECT_EQ(field_by_name("SB:IDCombate")->integer(), 1);
    EXPECT_EQ(file_manager(TableId::ScoreBoard), mine);
    KillDataDictionary();
}

}  // namespace
}  // namespace zrv::data

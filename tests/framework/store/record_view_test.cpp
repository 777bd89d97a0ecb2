#include "framework/store/record_view.h"

#include "tests/framework/store/store_fixture.h"

namespace zrv::store::testing {
namespace {

using View = StoreTest;

std::string names(const std::vector<RecordView::Row>& rows) {
    std::string out;
    for (const auto& r : rows) {
        std::string n = r.record.get_text(NAME);
        n.erase(n.find_last_not_of(' ') + 1);
        out += (out.empty() ? "" : ",") + n + std::to_string(r.record.get_integer(EVENT));
    }
    return out;
}

class ViewTest : public View {
protected:
    void SetUp() override {
        View::SetUp();
        // event, name: the order of the compound key is event up, name down, then as added
        for (auto [name, event] : {std::pair{"b", 1}, {"A", 2}, {"c", 1}, {"a", 2}, {"B", 1}, {"d", 3}, {"b", 1}})
            add(table, name, event);
    }
    BoutTable table;
};

TEST_F(ViewTest, ReadsInKeyOrderWithDescendingPartsAndStableTies) {
    RecordView view(table, KEY_EVENT_NAME);
    EXPECT_EQ(names(view.first_page(10)), "c1,b1,B1,b1,A2,a2,d3");
    RecordView by_name(table, KEY_NAME);
    EXPECT_EQ(names(by_name.first_page(10)), "A2,a2,b1,B1,b1,c1,d3");
    RecordView by_number(table, KEY_ID);
    EXPECT_EQ(names(by_number.first_page(3)), "b1,d3,B1");  // numbers 7, 6, 5
}

TEST_F(ViewTest, PagesBothWaysAndRefillsAroundARecord) {
    RecordView view(table, KEY_EVENT_NAME);
    EXPECT_EQ(names(view.first_page(3)), "c1,b1,B1");
    EXPECT_EQ(names(view.next_page(3)), "b1,A2,a2");
    EXPECT_EQ(names(view.next_page(3)), "d3");
    EXPECT_EQ(names(view.next_page(3)), "");
    EXPECT_EQ(names(view.previous_page(3)), "b1,A2,a2");
    EXPECT_EQ(names(view.previous_page(3)), "c1,b1,B1");
    EXPECT_EQ(names(view.previous_page(3)), "");
    EXPECT_EQ(names(view.last_page(2)), "a2,d3");
    EXPECT_EQ(names(view.previous_page(4)), "b1,B1,b1,A2");

    auto all = view.first_page(10);
    std::int64_t third = all[2].position;  // B1
    EXPECT_EQ(names(view.page_from(third, 2)), "B1,b1");
    EXPECT_EQ(names(view.page_around(third, 4, 1)), "b1,B1,b1,A2");
    EXPECT_EQ(names(view.page_around(all[0].position, 3, 2)), "c1,b1,B1");
    ASSERT_TRUE(table.get_by_position(third));
    EXPECT_EQ(table.record().get_text(NAME), "B         ");
}

TEST_F(ViewTest, KeepsToItsRangeAndFilter) {
    table.record().set_integer(EVENT, 1);
    RecordView view(table, KEY_EVENT_NAME);
    view.set_range(1);
    EXPECT_EQ(names(view.first_page(10)), "c1,b1,B1,b1");
    EXPECT_EQ(names(view.last_page(2)), "B1,b1");
    view.set_filter([](const RecordBuffer& r) { return r.get_text(NAME)[0] == 'b'; });
    EXPECT_EQ(names(view.first_page(1)), "b1");
    EXPECT_EQ(names(view.next_page(1)), "b1");
    EXPECT_EQ(names(view.next_page(1)), "");
    EXPECT_EQ(view.count(), 2);
    RecordView unfiltered(table, KEY_NAME);
    EXPECT_EQ(unfiltered.count(), 7);
}

// The rows before a record, counted by the file, are its index in the order a read gives:
// across descending parts and equal keys, and within a range.
TEST_F(ViewTest, CountsTheRowsBeforeARecordAsTheOrderStands) {
    RecordView view(table, KEY_EVENT_NAME);
    const auto all = view.first_page(10);  // c1,b1,B1,b1,A2,a2,d3
    for (std::size_t i = 0; i < all.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(view.count_before(all[i].position), static_cast<std::int64_t>(i));
    }
    EXPECT_EQ(view.count(), 7);
    table.record().set_integer(EVENT, 2);
    RecordView two(table, KEY_EVENT_NAME);
    two.set_range(1);
    EXPECT_EQ(two.count(), 2);
    EXPECT_EQ(two.count_before(all[5].position), 1);  // a2 after A2
    EXPECT_EQ(two.count_before(999), std::nullopt);   // no such record
}

TEST_F(ViewTest, AFilterSkippingManyRowsStillFillsThePage) {
    for (int i = 0; i < 150; ++i) add(table, "z", 9);
    RecordView view(table, KEY_NAME);
    view.set_filter([](const RecordBuffer& r) { return r.get_integer(EVENT) != 9; });
    EXPECT_EQ(names(view.last_page(2)), "c1,d3");
    EXPECT_EQ(view.count(), 7);
}

}  // namespace
}  // namespace zrv::store::testing

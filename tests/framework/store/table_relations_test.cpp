#include "framework/store/table_relations.h"

#include "framework/store/table_access.h"
#include "tests/framework/store/store_fixture.h"

namespace zrv::store::testing {
namespace {

using Relations = StoreTest;

const TableLayout& mat_layout() {
    static const TableLayout layout = [] {
        TableLayout l = bout_layout();
        l.name = l.label = "Mat";
        l.stored_name = "mat";
        return l;
    }();
    return layout;
}

// Bout's event links to the mat whose code is that number (a Long field to a Text one).
class BoutRelations : public TableRelations {
public:
    void declare_relations() override {
        ++declared;
        add_relation(*mats, KEY_CODE, {{EVENT, CODE}});
    }
    TableRelations* mats = nullptr;
    int declared = 0;
};

class MatRelations : public TableRelations {
public:
    void declare_relations() override { add_plain(*bouts); }
    TableRelations* bouts = nullptr;
};

TEST_F(Relations, DeclareOnceOpenTogetherAndLookUpTheRelatedRecord) {
    BoutTable bout;
    TableAccess mat(mat_layout());
    BoutRelations bouts;
    MatRelations mats;
    bouts.mats = &mats;
    mats.bouts = &bouts;
    bouts.initialize(bout);
    mats.initialize(mat);
    EXPECT_FALSE(bouts.relations_declared());  // not at build time

    bouts.open();  // opens the related table too, each once despite the cycle
    EXPECT_TRUE(bouts.relations_declared());
    EXPECT_TRUE(mats.relations_declared());
    bouts.relations();
    EXPECT_EQ(bouts.declared, 1);
    EXPECT_FALSE(std::filesystem::exists("mat.sqlite"));  // files still open lazily

    ASSERT_TRUE(mat.prepare_new_record());
    mat.record().set_text(CODE, "12");
    mat.record().set_text(NAME, "Tatami 12");
    ASSERT_TRUE(mat.insert());

    ASSERT_TRUE(bout.prepare_new_record());
    bout.record().set_integer(EVENT, 12);
    ASSERT_TRUE(bouts.insert());
    EXPECT_TRUE(bouts.fetch_related(bouts.relations()[0]));
    EXPECT_EQ(mat.record().get_text(NAME), "Tatami 12 ");
    bout.record().set_integer(EVENT, 13);
    EXPECT_FALSE(bouts.fetch_related(bouts.relations()[0]));
    EXPECT_EQ(mat.record().get_text(NAME), std::string(10, ' '));  // cleared: no such mat
    ASSERT_TRUE(bouts.update());

    bouts.close();
    EXPECT_FALSE(bout.is_open());
    EXPECT_FALSE(mat.is_open());
    bouts.shutdown();
    mats.shutdown();
    EXPECT_FALSE(bouts.has_file());
    EXPECT_TRUE(raised().empty());
}

}  // namespace
}  // namespace zrv::store::testing

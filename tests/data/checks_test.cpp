// Field checks, new-record defaults and access by field name on the thread's record buffers.
#include <gtest/gtest.h>

#include <string>

#include "data/checks.h"
#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/error_reporter.h"
#include "framework/store/record_buffer.h"

namespace zrv::data {
namespace {

TEST(ListCheck, MembershipIsExactPerValue) {
    struct Case {
        const char* list;
        const char* value;
        bool in;
    };
    const Case cases[] = {
        {"]1[]2[]3[]4[", "1", true},    {"]1[]2[]3[]4[", "4   ", true},  // trailing blanks do not count
        {"]1[]2[]3[]4[", "", false},    {"]1[]2[]3[]4[", "    ", false}, {"]1[]2[]3[]4[", " 2", false},  // a leading blank does
        {"]1[]2[]3[]4[", "02", false},  {"]1[]2[]3[]4[", "1[]2", false},  // its text occurs in the list, but it is no value of it
        {"]1[]2[]3[]4[", "]1[", false}, {"]1[]2[]3[]4[", "5", false},    {"]M[]F[]ND[", "ND", true},
        {"]M[]F[]ND[", "N", false},     {"]M[]F[]ND[", "m", false},  // case counts
        {"]60[]90[]120[", "120", true}, {"]60[]90[]120[", "12", false},  {"]60[]90[]120[", "20", false},
    };
    for (const Case& c : cases) EXPECT_EQ(in_list(c.list, c.value), c.in) << c.list << " / '" << c.value << "'";
}

TEST(RangeCheck, BothBoundsIncluded) {
    EXPECT_FALSE(in_range(store::Decimal::from_integer(0), 1, 5));
    EXPECT_TRUE(in_range(store::Decimal::from_integer(1), 1, 5));
    EXPECT_TRUE(in_range(store::Decimal::from_integer(5), 1, 5));
    EXPECT_FALSE(in_range(store::Decimal::from_integer(6), 1, 5));
    EXPECT_FALSE(in_range(store::Decimal(501, 2), 1, 5));  // 5.01
}

class WithDictionary : public ::testing::Test {
protected:
    void SetUp() override {
        InitDataDictionary();
        app_error_reporter().clear_history();
    }
    void TearDown() override {
        app_error_reporter().set_message_box_handler(nullptr);
        KillDataDictionary();
    }
    static DictionaryTable& table(TableId id) { return *file_manager(id); }
};

TEST_F(WithDictionary, FieldChecksOfTheTables) {
    struct Case {
        const char* field;
        const char* value;
        bool accepted;
    };
    const Case cases[] = {
        {"SB:Queue", "1   ", true},
        {"SB:Queue", "", false},
        {"SB:Queue", "0", false},
        {"SB:Queue", "5", false},
        {"SB:Queue", " 1", false},
        {"SB:Queue", "1[]2", false},
        {"SB:Timer", "75", false},
        {"SB:Timer", "240", true},
        {"SB:TerceroRepeca2", "3", false},
        {"SB:Ronda2No", "3", true},
        {"SB:Combate2No", "0", false},
        {"SB:FinalNo", "9", true},
        {"KE:Queue", "02", false},
        {"KE24:Queue", "4", true},
        {"KE212:Queue", "", false},
        {"KJ6:Queue", "2", true},
        {"KJ1:Queue", "x", false},
        {"CM:Sexo", "ND", true},
        {"CM:Sexo", "M", true},
        {"CM:Sexo", "F", true},
        {"CM:Sexo", "m", false},
        {"CM:Sexo", "N", false},
        {"CM:Sexo", "", false},
        {"Equ:TotalIntegrantes", "1", true},
        {"Equ:TotalIntegrantes", "5", true},
        {"Equ:TotalIntegrantes", "0", false},
        {"Equ:TotalIntegrantes", "6", false},
        {"SB:FullNameAo", "anything", true},  // no check
        {"RM:Cerrar", "7", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        std::optional<FieldRef> f = field_by_name(c.field);
        ASSERT_TRUE(f) << c.field;
        ASSERT_TRUE(f->set_text(c.value)) << c.field;
        EXPECT_EQ(f->file().validate_field(f->field(), false) == 0, c.accepted) << c.field << " '" << c.value << "'";
    }
    EXPECT_TRUE(app_error_reporter().history().empty());  // reporting off: nothing shown
}

TEST_F(WithDictionary, AFailureIsReportedWithItsLabelAndDisplayList) {
    struct Case {
        const char* field;
        const char* value;
        int message;
        const char* title;
        const char* text;
    };
    const Case cases[] = {
        {"SB:Combate2No", "0", 19, "Value Error",
         "The value of CombateNo must be in the list : 'Combate1','Combate2','Combate3','Combate4','Combate5',"
         "'Combate6','Combate7','Combate8','Select Competidor'."},
        {"SB:TerceroRepeca2", "3", 19, "Value Error",
         "The value of Tercero Repeca 2 must be in the list : 'Repeca A:2','Repeca B: 2','Select Competidor'."},
        {"CM:Sexo", "m", 19, "Value Error", "The value of CM:Sexo must be in the list : 'Male','Female','No Define'."},
        {"Equ:TotalIntegrantes", "6", 20, "Range Error", "The value of Equ:TotalIntegrantes must be in range 1 .. 5."},
    };
    // Whatever the operator answers, the check still fails.
    app_error_reporter().set_message_box_handler([](const MessageDefinition&, const std::string&, const std::string&) {
        return ButtonIgnore;
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        app_error_reporter().clear_history();
        std::optional<FieldRef> f = field_by_name(c.field);
        ASSERT_TRUE(f && f->set_text(c.value));
        EXPECT_NE(f->file().validate_field(f->field(), true), 0) << c.field;
        auto history = app_error_reporter().history();
        ASSERT_EQ(history.size(), 1u) << c.field;
        EXPECT_EQ(history[0].number, c.message);
        EXPECT_EQ(history[0].title, c.title);
        EXPECT_EQ(history[0].text, c.text);
    }
}

// Clearing and priming a record gives each table exactly its declared defaults, in their order,
// and a new record passes every check of its table (but Equipos, which has no defaults and which
// this program never adds to: its cleared member count is out of range).
TEST_F(WithDictionary, NewRecordDefaults) {
    struct Case {
        const char* field;
        const char* text;
    };
    const Case cases[] = {
        {"SB:Cerrar", "0"},
        {"SB:Timer1StartTime", "90"},
        {"SB:Queue", "2"},
        {"SB:StopStart", "1"},
        {"SB:WinnerByOr", "1"},
        {"SB:CombateNo", "9"},
        {"SB:TerceroRepecaFinal3", "9"},
        {"SB:ManualTimer", "1"},
        {"SB:RestaPuntosAo", "-1"},
        {"SB:RestaPuntosAka", "-1"},
        {"SB:Timer", "60"},
        {"SB:TimerMatch", "90"},
        {"SB:WinnerKumiteBy", "8"},
        {"SB:ShikakuAkaCK", "0.00"},
        {"KE:Queue", "2"},
        {"KE:OnDeck18", "0"},
        {"KE24:Queue", "2"},
        {"KE24:ManualEntry", "0"},
        {"KE212:Tag1", "1"},
        {"KE212:Tag4", "4.00"},
        {"KE212:Queue", "2"},
        {"RM:Cerrar", "0"},
        {"CM:PictureFileName", ".\\"},
        {"CM:StoreType", "1"},
        {"CM:DefaultPicturePath", ".\\Fotos ZRV"},
        {"CM:CurrentPath", ".\\Fotos ZRV"},
        {"CM:PictureFile", ".\\Fotos ZRV"},
        {"CM:Sexo", "ND"},
        {"KJ1:Queue", "2"},
        {"KJ7:Queue", "2"},
        {"SB:FullNameAo", ""},
        {"EQU:NOMBREDEEQUIPO", ""},
    };
    for (TableId id : dictionary_order()) {
        DictionaryTable& t = table(id);
        t.record().clear();
        t.prime_new_record();
        if (id == TableId::Equipos) {
            EXPECT_NE(t.validate_field(t.layout().field_index("Equ:TotalIntegrantes"), false), 0);
            continue;
        }
        for (std::size_t f = 0; f < t.layout().fields.size(); ++f) {
            if (t.layout().fields[f].kind == store::FieldKind::Group) continue;
            EXPECT_EQ(t.validate_field(static_cast<int>(f), false), 0) << t.layout().name << " " << t.layout().fields[f].name;
        }
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        std::optional<FieldRef> f = field_by_name(c.field);
        ASSERT_TRUE(f) << c.field;
        std::string text = f->text();
        while (!text.empty() && text.back() == ' ') text.pop_back();
        EXPECT_EQ(text, c.text) << c.field;
    }
}

TEST_F(WithDictionary, AnyFieldOfAnyBufferByNameWithoutRegardToCase) {
    struct Case {
        const char* written;
        const char* read;
        const char* value;
        const char* reads;
    };
    const Case cases[] = {
        {"SB:IDCOMBATE", "sb:IdCombate", "42", "42"},
        {"KE:NumeroDeCompeticion", "KE:NUMERODECOMPETICION", "7", "7"},
        {"equ:totalintegrantes", "EQU:TotalIntegrantes", "3", "3"},
        {"KJ6:divicion", "KJ6:DIVICION", "Open", "Open"},
        {"KE212:tag3", "KE212:Tag3", "3", "3.00"},     // Decimal(7,2) here
        {"cm:memo1", "CM:MEMO1", "a note", "a note"},  // memos too
        {"SB:ShikakuAkaMO", "SB:SHIKAKUAKAMO", "x", "x"},
        {"DIV:IDCATEGORYA", "div:idcategorya", "2.5", "2.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        std::optional<FieldRef> w = field_by_name(c.written);
        std::optional<FieldRef> r = field_by_name(c.read);
        ASSERT_TRUE(w && r) << c.written;
        EXPECT_EQ(&w->file(), &r->file());
        EXPECT_EQ(w->field(), r->field());
        ASSERT_TRUE(w->set_text(c.value)) << c.written;
        std::string text = r->text();
        while (!text.empty() && text.back() == ' ') text.pop_back();
        EXPECT_EQ(text, c.reads) << c.read;
    }
    // The buffer written is the table's own.
    EXPECT_EQ(table(TableId::ScoreBoard).record().get_integer("SB:IDCombate"), 42);
    EXPECT_FALSE(field_by_name("SB:NoSuchField"));
    EXPECT_FALSE(field_by_name("IDCombate"));
    EXPECT_FALSE(field_by_name("XX:IDCombate"));
}

TEST(FieldAddress, KnownWithoutADictionaryButNotReachable) {
    ASSERT_FALSE(dictionary_built());
    auto a = find_field_address("sb:idcombate");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->table, TableId::ScoreBoard);
    EXPECT_EQ(a->field, 0);
    EXPECT_FALSE(field_by_name("SB:IDCombate"));
}

}  // namespace
}  // namespace zrv::data

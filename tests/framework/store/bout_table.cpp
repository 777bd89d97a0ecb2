#include "tests/framework/store/bout_table.h"

#include "framework/core/error_reporter.h"

namespace zrv::store::testing {
namespace {

TableLayout make_layout(int name_size) {
    TableLayout l;
    l.name = "Bout";
    l.prefix = "BT";
    l.stored_name = "bout";
    l.label = "Bouts";
    auto add = [&](std::string name, FieldKind kind, int size, int digits = 0, int places = 0, int depth = 0, int group = -1) {
        int offset = l.record_size;
        l.fields.push_back({std::move(name), kind, size, digits, places, offset, depth, group});
        l.record_size += size;
    };
    add("BT:ID", FieldKind::Decimal, 4, 7, 0);
    add("BT:Event", FieldKind::Long, 4);
    add("BT:Name", FieldKind::Text, name_size);
    add("BT:Score", FieldKind::Decimal, 3, 5, 2);
    add("BT:When", FieldKind::Date, 4);
    add("BT:Clock", FieldKind::Time, 4);
    add("BT:Ratio", FieldKind::Real, 8);
    add("BT:Flag", FieldKind::Byte, 1);
    add("BT:Queue", FieldKind::Text, 4);
    add("BT:PAIR", FieldKind::Group, 0);
    add("BT:A", FieldKind::Long, 4, 0, 0, 1, PAIR);
    add("BT:B", FieldKind::Long, 4, 0, 0, 1, PAIR);
    add("BT:Code", FieldKind::Text, 6);
    l.memos.push_back({"BT:Notes", 20});
    l.keys.push_back({"BT:KeyID", "KeyID", {{ID, true}}, true, true, true, true});
    l.keys.push_back({"BT:KeyName", "KeyName", {{NAME, false}}, false, false, false, false});
    l.keys.push_back({"BT:KeyEventName", "BT:KeyEventName", {{EVENT, false}, {NAME, true}}, false, false, false, false});
    l.keys.push_back({"BT:KeyCode", "KeyCode", {{CODE, false}}, true, false, false, false});
    place_cells(l);
    return l;
}

std::atomic<int> next_code{1};

}  // namespace

const TableLayout& bout_layout() {
    static const TableLayout layout = make_layout(10);
    return layout;
}

const TableLayout& other_bout_layout() {
    static const TableLayout layout = make_layout(12);
    return layout;
}

void BoutTable::prime_new_record() {
    record().set_text(QUEUE, "1");
    record().set_text(CODE, "C" + std::to_string(next_code++));
}

int BoutTable::validate_field(int field, bool report) {
    ++checks_run;
    if (field == FLAG) {
        if (record().get_integer(FLAG) <= 5) return 0;
        if (!report) return 1;
        app_error_reporter().set_message_field("Flag");
        return app_error_reporter().raise_with_text(20, "0 .. 5");
    }
    if (field != QUEUE) return 0;
    std::string value = record().get_text(QUEUE);
    while (!value.empty() && value.back() == ' ') value.pop_back();
    for (const char* allowed : {"1", "2", "3", "4"})
        if (value == allowed) return 0;
    if (!report) return 1;
    app_error_reporter().set_message_field("Queue");
    return app_error_reporter().raise_with_text(19, "1, 2, 3, 4");
}

}  // namespace zrv::store::testing

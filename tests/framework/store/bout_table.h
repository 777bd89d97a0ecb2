#pragma once
// A small table for the store's tests: every field kind, a group, a memo, keys of every sort
// (descending auto-numbered primary, case-insensitive duplicates, a compound key with a
// descending part, a unique key) and a table manager with a list check and defaults.
#include <atomic>
#include <string>

#include "framework/store/table_access.h"
#include "framework/store/table_layout.h"

namespace zrv::store::testing {

enum BoutField { ID, EVENT, NAME, SCORE, WHEN, CLOCK, RATIO, FLAG, QUEUE, PAIR, PAIR_A, PAIR_B, CODE, FIELD_COUNT };
enum BoutKey { KEY_ID, KEY_NAME, KEY_EVENT_NAME, KEY_CODE };

const TableLayout& bout_layout();
// The same table with one field of another size: a file of another layout.
const TableLayout& other_bout_layout();

class BoutTable : public TableAccess {
public:
    BoutTable() : TableAccess(bout_layout()) {}
    // New records get queue "1" and a code of their own.
    void prime_new_record() override;
    // BT:Queue must be one of "1" to "4" (message 19 when reported).
    int validate_field(int field, bool report) override;
    int checks_run = 0;
};

}  // namespace zrv::store::testing

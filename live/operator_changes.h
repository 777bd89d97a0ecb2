#pragma once
// OperatorChanges: what the operator changed in a form's record, kept while the form reads the
// record again. A field the operator changed keeps the operator's value across re-reads; every
// other field follows the table. For each kept field it remembers the value the table held when
// the operator first changed it (the base), so that storing meets another program's change of
// that field with the store's last-read check instead of overwriting it.
#include <optional>
#include <vector>

#include "framework/store/record_buffer.h"

namespace zrv::live {

class OperatorChanges {
public:
    // The form opens on this record, as read: nothing is the operator's yet.
    void start(const store::RecordBuffer& as_read);
    // The buffer as the form itself leaves it (after its set-up, after each tick): what the
    // operator changes later is measured from here.
    void settle(const store::RecordBuffer& buffer) { settled_ = buffer; }
    // Every field of the buffer that differs from where the form left it is the operator's. A
    // field held (below) is based on the value the operator began typing over; true when that
    // changed the base.
    bool take(const store::RecordBuffer& buffer);
    // The operator began typing into the entry of a field that is not the operator's yet; the
    // entry showed the field as the last re-read found it (seen_last_read), or as the read
    // before that (a re-read's redisplay not yet drawn). Until the entry is left the field
    // follows the table; its text, once taken, is based on the value the operator saw, so
    // that another program's change meanwhile is met by the store's check.
    void hold(int field, bool seen_last_read);
    // The entry was left: what it brought was taken, the hold ends.
    void release(int field);
    // The record was read again into buffer: the kept fields get the operator's values back.
    // With refused (the store refused them: another program changed one of them since the
    // operator changed it, and the operator was told), each kept field keeps the operator's
    // value and is based from now on on the value just read, so that storing again writes it.
    void follow(store::RecordBuffer& buffer, bool refused = false);
    // Puts the operator's values into a record (the record as read, for a close from outside).
    void apply(store::RecordBuffer& record) const;
    // The record as read, with each kept field as it was read before the operator changed it.
    const store::RecordBuffer& base() const { return *base_; }
    bool empty() const;
    bool started() const { return base_.has_value(); }

private:
    std::optional<store::RecordBuffer> base_, settled_, mine_;
    std::optional<store::RecordBuffer> previous_;  // base_ before the last re-read
    std::optional<store::RecordBuffer> held_;      // the held fields' values as the operator saw them
    std::vector<bool> fields_, memos_;             // kept, by field and memo index
    std::vector<bool> holding_;                    // held, by field index
};

}  // namespace zrv::live

#include "live/operator_changes.h"

#include <algorithm>

namespace zrv::live {

namespace {

// A field's cells; a group's fields are compared one by one.
bool same(const store::RecordBuffer& a, const store::RecordBuffer& b, int field) { return a.same_field(field, b); }

void copy(const store::RecordBuffer& from, store::RecordBuffer& to, int field) { to.copy_exact(field, from); }

}  // namespace

void OperatorChanges::start(const store::RecordBuffer& as_read) {
    base_ = settled_ = mine_ = as_read;
    fields_.assign(as_read.layout().fields.size(), false);
    memos_.assign(as_read.layout().memos.size(), false);
}

bool OperatorChanges::empty() const {
    return std::none_of(fields_.begin(), fields_.end(), [](bool b) { return b; }) &&
           std::none_of(memos_.begin(), memos_.end(), [](bool b) { return b; });
}

void OperatorChanges::take(const store::RecordBuffer& buffer) {
    if (!started()) return;
    const auto& fields = buffer.layout().fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].kind == store::FieldKind::Group || same(buffer, *settled_, static_cast<int>(i))) continue;
        fields_[i] = true;
        copy(buffer, *mine_, static_cast<int>(i));
    }
    for (std::size_t m = 0; m < memos_.size(); ++m) {
        const int memo = static_cast<int>(m);
        if (buffer.memo(memo) == settled_->memo(memo)) continue;
        memos_[m] = true;
        mine_->set_memo(memo, buffer.memo(memo));
    }
    settled_ = buffer;
}

void OperatorChanges::follow(store::RecordBuffer& buffer, bool refused) {
    if (!started()) return;
    store::RecordBuffer read = buffer;
    const auto& fields = buffer.layout().fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!fields_[i]) continue;
        if (!refused) copy(*base_, read, static_cast<int>(i));
        copy(*mine_, buffer, static_cast<int>(i));
    }
    for (std::size_t m = 0; m < memos_.size(); ++m) {
        if (!memos_[m]) continue;
        const int memo = static_cast<int>(m);
        if (!refused) read.set_memo(memo, base_->memo(memo));
        buffer.set_memo(memo, mine_->memo(memo));
    }
    base_ = std::move(read);
    settled_ = buffer;
}

void OperatorChanges::apply(store::RecordBuffer& record) const {
    if (!started()) return;
    const auto& fields = record.layout().fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields_[i]) copy(*mine_, record, static_cast<int>(i));
    for (std::size_t m = 0; m < memos_.size(); ++m)
        if (memos_[m]) record.set_memo(static_cast<int>(m), mine_->memo(static_cast<int>(m)));
}

}  // namespace zrv::live

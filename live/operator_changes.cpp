#include "live/operator_changes.h"

#include <algorithm>

namespace zrv::live {

namespace {

// A field's cells; a group's fields are compared one by one.
bool same(const store::RecordBuffer& a, const store::RecordBuffer& b, int field) { return a.same_field(field, b); }

void copy(const store::RecordBuffer& from, store::RecordBuffer& to, int field) { to.copy_exact(field, from); }

}  // namespace

void OperatorChanges::start(const store::RecordBuffer& as_read) {
    base_ = settled_ = mine_ = previous_ = held_ = as_read;
    fields_.assign(as_read.layout().fields.size(), false);
    holding_.assign(as_read.layout().fields.size(), false);
    memos_.assign(as_read.layout().memos.size(), false);
}

bool OperatorChanges::empty() const {
    return std::none_of(fields_.begin(), fields_.end(), [](bool b) { return b; }) &&
           std::none_of(memos_.begin(), memos_.end(), [](bool b) { return b; });
}

bool OperatorChanges::take(const store::RecordBuffer& buffer) {
    if (!started()) return false;
    bool rebased = false;
    const auto& fields = buffer.layout().fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].kind == store::FieldKind::Group || same(buffer, *settled_, static_cast<int>(i))) continue;
        if (!fields_[i] && holding_[i] && !same(*held_, *base_, static_cast<int>(i))) {
            copy(*held_, *base_, static_cast<int>(i));
            rebased = true;
        }
        holding_[i] = false;
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
    return rebased;
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
    previous_ = std::move(base_);
    base_ = std::move(read);
    settled_ = buffer;
}

void OperatorChanges::hold(int field, bool seen_last_read) {
    if (!started() || field < 0 || static_cast<std::size_t>(field) >= fields_.size() || fields_[field]) return;
    holding_[field] = true;
    copy(seen_last_read ? *base_ : *previous_, *held_, field);
}

void OperatorChanges::release(int field) {
    if (field >= 0 && static_cast<std::size_t>(field) < holding_.size()) holding_[field] = false;
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

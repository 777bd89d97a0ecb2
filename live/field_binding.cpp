#include "live/field_binding.h"

#include <algorithm>

#include "data/dictionary_table.h"
#include "framework/store/record_buffer.h"
#include "live/expression.h"

namespace zrv::live {

std::string show_field(const store::RecordBuffer& record, int field, const Picture& picture) {
    const store::FieldLayout& f = record.layout().fields.at(static_cast<std::size_t>(field));
    switch (f.kind) {
        case store::FieldKind::Text:
        case store::FieldKind::Group:
            return picture.format_text(record.get_text(field));
        case store::FieldKind::Date:
            if (picture.kind() == Picture::Kind::None) return record.get_text(field);
            if (picture.kind() == Picture::Kind::Date) return picture.format_date(record.get_date(field));
            return picture.format_number(store::Decimal::from_integer(record.get_date(field)));
        case store::FieldKind::Time:
            return picture.kind() == Picture::Kind::None ? record.get_text(field)
                                                         : picture.format_number(store::Decimal::from_integer(record.get_time(field)));
        default:
            return picture.kind() == Picture::Kind::None ? record.get_text(field) : picture.format_number(record.get_decimal(field));
    }
}

bool read_field(store::RecordBuffer& record, int field, const Picture& picture, std::string_view text) {
    const store::FieldLayout& f = record.layout().fields.at(static_cast<std::size_t>(field));
    if (picture.kind() == Picture::Kind::None) return record.set_text(field, text);
    switch (f.kind) {
        case store::FieldKind::Text:
        case store::FieldKind::Group:
            return record.set_text(field, text);
        case store::FieldKind::Date: {
            if (picture.kind() != Picture::Kind::Date) break;
            std::optional<std::int32_t> serial = picture.read_date(text);
            return serial && record.set_date(field, *serial);
        }
        default:
            break;
    }
    std::optional<store::Decimal> v = picture.read_number(text);
    return v && record.set_decimal(field, *v);
}

const std::string& FieldBinding::shown() const {
    const store::RecordBuffer& record = field_.file().record();
    if (shown_image_.empty() || !record.image_is(field_.field(), shown_image_)) {
        shown_ = show_field(record, field_.field(), picture_);
        shown_image_.clear();
        record.append_image(field_.field(), shown_image_);
    }
    return shown_;
}

std::string FieldBinding::text() const { return field_.is_memo() ? field_.text() : shown(); }

void FieldBinding::read_text(std::string& out) const {
    if (field_.is_memo()) out = field_.text();
    else out.assign(shown());
}

void FieldBinding::set_text(std::string_view text) {
    if (field_.is_memo()) {
        field_.set_text(text);
        return;
    }
    read_field(field_.file().record(), field_.field(), picture_, text);
}

namespace {

// The decimals a number entry keeps: its field's, or fewer where its picture shows fewer.
int kept_places(const store::FieldLayout& f, const Picture& picture) {
    if (f.kind != store::FieldKind::Decimal) return 0;
    return picture.kind() == Picture::Kind::Number ? std::min(f.places, picture.places()) : f.places;
}

// The values a number field holds, as the picture lets them be typed: "-999.99 .. 999.99".
std::string number_range(const store::FieldLayout& f, const Picture& picture) {
    const bool minus = picture.kind() == Picture::Kind::None || picture.allows_minus();
    std::string high;
    switch (f.kind) {
        case store::FieldKind::Decimal: {
            const int places = kept_places(f, picture);
            std::int64_t units = 1;
            for (int d = 0; d < f.digits - f.places + places; ++d) units *= 10;
            high = store::Decimal(units - 1, places).to_string();
            break;
        }
        case store::FieldKind::Byte:
            return "0 .. 255";
        case store::FieldKind::Long:
            return minus ? "-2147483648 .. 2147483647" : "0 .. 2147483647";
        default:
            return {};
    }
    return (minus ? "-" + high : std::string("0")) + " .. " + high;
}

// A number text with a digit other than 0 past the decimals kept ("1.234" for two): reading it
// would round it.
bool more_decimals_than(std::string_view text, int places) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) return false;
    const std::string_view past = text.substr(std::min(text.size(), point + 1 + static_cast<std::size_t>(places)));
    return std::any_of(past.begin(), past.end(), [](char c) { return c >= '1' && c <= '9'; });
}

}  // namespace

std::optional<UnfitText> FieldBinding::unfit(std::string_view text) const {
    if (field_.is_memo()) return std::nullopt;
    const store::FieldLayout& f = *field_.layout();
    std::string range;
    if (f.kind == store::FieldKind::Date && picture_.kind() == Picture::Kind::Date) {
        range = picture_.format_date(store::date_serial(1801, 1, 1)) + " .. " + picture_.format_date(store::date_serial(9999, 12, 31));
    } else {
        range = number_range(f, picture_);
        if (range.empty()) return std::nullopt;
        if (more_decimals_than(text, kept_places(f, picture_))) return UnfitText{f.name, range};
    }
    store::RecordBuffer trial = field_.file().record();  // the same reading as set_text, on a copy
    if (read_field(trial, field_.field(), picture_, text)) return std::nullopt;
    return UnfitText{f.name, range};
}

std::optional<data::FieldRef> field_of_use(std::string_view use) {
    if (use.empty() || use.front() != '?') return std::nullopt;
    use.remove_prefix(1);
    if (auto f = data::field_by_name(use)) return f;
    const std::size_t colon = use.rfind(':');
    if (colon == std::string_view::npos || use.find(':') == colon) return std::nullopt;
    return data::field_by_name(use.substr(0, colon));
}

int bind_record_controls(Window& window) {
    int bound = 0;
    for (const ControlState& c : window.controls()) {
        if (c.kind != ControlKind::Entry && c.kind != ControlKind::String && c.kind != ControlKind::Check &&
            c.kind != ControlKind::DropList)
            continue;
        std::optional<data::FieldRef> field = field_of_use(c.use);
        if (!field) continue;
        Picture picture;
        if (!c.picture.empty()) {
            std::optional<Picture> p = Picture::parse(c.picture);
            if (!p) throw ExpressionError("bad picture " + c.picture + " of " + c.use);
            picture = *p;
        }
        window.bind(c.number, std::make_shared<FieldBinding>(*field, picture));
        // An entry takes no more characters than its text field holds: what it shows is stored.
        const store::FieldLayout* f = field->layout();
        const int most = c.kind != ControlKind::Entry ? 0
                         : field->is_memo()           ? field->file().layout().memos.at(static_cast<std::size_t>(field->memo())).size
                         : f && f->kind == store::FieldKind::Text ? f->size
                                                                  : 0;
        if (most) window.modify(c.number, [most](ControlState& state) { state.max_chars = most; });
        ++bound;
    }
    return bound;
}

}  // namespace zrv::live

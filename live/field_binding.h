#pragma once
// A control bound to a field of one of the thread's record buffers, shown through its picture.
// A layout row names the field in its use ("?RM:PrimerLugarNombre", optionally followed by
// ":<n>" for a second control of the same field) and its picture; bind_record_controls binds
// every such row of a window.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/dictionary.h"
#include "framework/core/control.h"
#include "framework/core/window.h"
#include "live/picture.h"

namespace zrv::store {
class RecordBuffer;
}

namespace zrv::live {

// A field of a record as the picture shows it, and the operator's text put back into it
// (false, field unchanged, when the text cannot be read).
std::string show_field(const store::RecordBuffer& record, int field, const Picture& picture);
bool read_field(store::RecordBuffer& record, int field, const Picture& picture, std::string_view text);

class FieldBinding final : public Binding {
public:
    FieldBinding(data::FieldRef field, Picture picture) : field_(field), picture_(picture) {}
    std::string text() const override;
    void set_text(std::string_view text) override;
    // A number field's text that cannot be read, whose value does not fit the field or that has
    // more decimals than the entry keeps; a date entry's text that is no date.
    std::optional<UnfitText> unfit(std::string_view text) const override;
    void read_text(std::string& out) const override;
    const data::FieldRef& field() const { return field_; }

private:
    data::FieldRef field_;
    Picture picture_;
    // The text last shown and the field's bytes it was made from: the same bytes show the same.
    mutable std::string shown_image_;  // the field as shown_ shows it (RecordBuffer::append_image)
    mutable std::string shown_;
    const std::string& shown() const;
};

// A text variable of the screen (a search query), cut to its size.
class TextBinding final : public Binding {
public:
    TextBinding(std::string* variable, std::size_t size) : variable_(variable), size_(size) {}
    std::string text() const override { return *variable_; }
    void set_text(std::string_view text) override { *variable_ = std::string(text.substr(0, size_)); }

private:
    std::string* variable_;
    std::size_t size_;
};

// The field a control's use names, if any.
std::optional<data::FieldRef> field_of_use(std::string_view use);

// Binds every control of the window whose use names a field of the thread's buffers (entries,
// strings, check boxes and drop lists). Returns how many were bound.
int bind_record_controls(Window& window);

}  // namespace zrv::live

#pragma once
// The calling thread's bind scope: the names screen expressions can reach besides the fields
// of the thread's record buffers. A procedure pushes a frame of names when it sets up and pops
// it when it ends (BindFrame does both), so a nested procedure's names hide its caller's while
// it runs and every thread sees only its own. "FuzzyMatch" is always bound to the text
// matcher's score.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "live/value.h"

namespace zrv::live {

using BoundFunction = std::function<Value(const std::vector<Value>& arguments)>;

// A bound name: a variable (read through a getter) or a function.
struct Bound {
    std::function<Value()> read;  // variables
    BoundFunction call;           // functions
};

class BindFrame {
public:
    BindFrame();   // pushes an empty frame on the calling thread
    ~BindFrame();  // pops it (frames end in the reverse order they began)
    BindFrame(const BindFrame&) = delete;
    BindFrame& operator=(const BindFrame&) = delete;

    // Binds a text variable by address; the variable must outlive the frame.
    void bind_text(std::string_view name, const std::string* variable);
    void bind_integer(std::string_view name, const std::int64_t* variable);
    void bind_function(std::string_view name, BoundFunction function);

private:
    friend const Bound* find_bound(std::string_view name);
    struct Entry {
        std::string name;  // upper case
        Bound bound;
    };
    std::vector<Entry> entries_;
};

// The innermost binding of a name on the calling thread (without regard to case); nullptr
// when the name is not bound.
const Bound* find_bound(std::string_view name);

}  // namespace zrv::live

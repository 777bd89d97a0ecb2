#pragma once
// Screen expressions, as the lists store them for their sort orders, e.g.
//   200-FuzzyMatch(FuzzyQuery9,RM:IDResultadosM&' '&RM:CodigoDeEvento)
// Operands: numbers, texts in single quotes ('' inside for a quote), field names of any of the
// thread's record buffers ("RM:Categorias"), names of the thread's bind scope, calls of bound
// functions, parentheses. Operators: unary '-', binary '+' and '-' (numbers), '&' (joins texts;
// lower precedence than '+' and '-'). A number joined as text is its decimal text; a date field
// is its serial day number; a text field loses its trailing blanks. A name that is neither a
// field nor bound is an error, never 0.
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "data/declaration.h"
#include "live/value.h"

namespace zrv::store {
class RecordBuffer;
}

namespace zrv::live {

class ExpressionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Expression {
public:
    // Throws ExpressionError for a syntax error or an unknown name (bound names are looked up
    // on the calling thread now and again on every evaluation).
    explicit Expression(std::string_view text);
    ~Expression();
    Expression(Expression&&) noexcept;
    Expression& operator=(Expression&&) noexcept;

    const std::string& text() const { return text_; }

    // Fields of `table` come from `row` when given, all others from the thread's buffers.
    Value evaluate(const store::RecordBuffer* row = nullptr, data::TableId table = {}) const;

    struct Node;

private:
    std::string text_;
    std::unique_ptr<Node> root_;
};

// The value of one field of a record as expressions see it.
Value field_value(const store::RecordBuffer& record, int field);

}  // namespace zrv::live

#include "live/expression.h"

#include <cctype>
#include <vector>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/store/record_buffer.h"
#include "live/bind_scope.h"

namespace zrv::live {

struct Expression::Node {
    enum class Op { Number, Text, Field, Name, Call, Negate, Add, Subtract, Join } op;
    Value constant;
    std::string name;
    data::FieldAddress field{};
    std::vector<std::unique_ptr<Node>> args;
};

namespace {

using Node = Expression::Node;
using Op = Node::Op;

std::unique_ptr<Node> make(Op op) {
    auto n = std::make_unique<Node>();
    n->op = op;
    return n;
}

class Parser {
public:
    explicit Parser(std::string_view s) : s_(s) {}

    std::unique_ptr<Node> parse() {
        auto n = join();
        skip();
        if (i_ != s_.size()) fail("unexpected '" + std::string(1, s_[i_]) + "'");
        return n;
    }

private:
    [[noreturn]] void fail(const std::string& what) {
        throw ExpressionError(what + " at " + std::to_string(i_ + 1) + " in \"" + std::string(s_) + "\"");
    }
    void skip() {
        while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
    }
    bool eat(char c) {
        skip();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    std::unique_ptr<Node> join() {
        auto left = additive();
        while (eat('&')) {
            auto n = make(Op::Join);
            n->args.push_back(std::move(left));
            n->args.push_back(additive());
            left = std::move(n);
        }
        return left;
    }
    std::unique_ptr<Node> additive() {
        auto left = unary();
        for (;;) {
            Op op;
            if (eat('+')) op = Op::Add;
            else if (eat('-')) op = Op::Subtract;
            else return left;
            auto n = make(op);
            n->args.push_back(std::move(left));
            n->args.push_back(unary());
            left = std::move(n);
        }
    }
    std::unique_ptr<Node> unary() {
        if (eat('-')) {
            auto n = make(Op::Negate);
            n->args.push_back(unary());
            return n;
        }
        return primary();
    }
    static bool name_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == ':'; }
    std::unique_ptr<Node> primary() {
        skip();
        if (i_ >= s_.size()) fail("operand missing");
        const char c = s_[i_];
        if (c == '(') {
            ++i_;
            auto n = join();
            if (!eat(')')) fail("')' missing");
            return n;
        }
        if (c == '\'') {
            std::string text;
            for (++i_;; ++i_) {
                if (i_ >= s_.size()) fail("text not closed");
                if (s_[i_] == '\'') {
                    if (i_ + 1 < s_.size() && s_[i_ + 1] == '\'') {
                        text += '\'';
                        ++i_;
                        continue;
                    }
                    ++i_;
                    break;
                }
                text += s_[i_];
            }
            auto n = make(Op::Text);
            n->constant = Value(text);
            return n;
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            std::size_t start = i_;
            while (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.')) ++i_;
            const std::string_view token = s_.substr(start, i_ - start);
            const std::size_t point = token.find('.');
            const int places = point == std::string_view::npos ? 0 : static_cast<int>(token.size() - point - 1);
            auto d = places <= store::Decimal::max_places ? store::Decimal::parse(token, places) : std::nullopt;
            if (!d) fail("bad number");
            auto n = make(Op::Number);
            n->constant = Value(*d);
            return n;
        }
        if (!std::isalpha(static_cast<unsigned char>(c)) && c != '_') fail("unexpected '" + std::string(1, c) + "'");
        std::size_t start = i_;
        while (i_ < s_.size() && name_char(s_[i_])) ++i_;
        const std::string name(s_.substr(start, i_ - start));
        if (eat('(')) {
            const Bound* b = find_bound(name);
            if (!b || !b->call) fail("unknown function " + name);
            auto n = make(Op::Call);
            n->name = name;
            if (!eat(')')) {
                do n->args.push_back(join());
                while (eat(','));
                if (!eat(')')) fail("')' missing");
            }
            return n;
        }
        if (const Bound* b = find_bound(name); b && b->read) {
            auto n = make(Op::Name);
            n->name = name;
            return n;
        }
        if (auto address = data::find_field_address(name)) {
            auto n = make(Op::Field);
            n->name = name;
            n->field = *address;
            return n;
        }
        fail("unknown name " + name);
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

store::Decimal add(const store::Decimal& a, const store::Decimal& b, bool subtract) {
    const int places = std::max(a.places(), b.places());
    const store::Decimal x = a.rescaled(places).value_or(a), y = b.rescaled(places).value_or(b);
    std::int64_t out = 0;
    if (subtract ? __builtin_sub_overflow(x.units(), y.units(), &out) : __builtin_add_overflow(x.units(), y.units(), &out))
        throw ExpressionError("number out of range");
    return store::Decimal(out, places);
}

struct Evaluator {
    const store::RecordBuffer* row;
    data::TableId table;

    Value operator()(const Node& n) const {
        switch (n.op) {
            case Op::Number:
            case Op::Text:
                return n.constant;
            case Op::Field: {
                if (n.field.memo >= 0) {
                    const store::RecordBuffer& r = record_of(n.field.table, n.name);
                    return Value(r.memo(n.field.memo));
                }
                return field_value(record_of(n.field.table, n.name), n.field.field);
            }
            case Op::Name: {
                const Bound* b = find_bound(n.name);
                if (!b || !b->read) throw ExpressionError("unknown name " + n.name);
                return b->read();
            }
            case Op::Call: {
                const Bound* b = find_bound(n.name);
                if (!b || !b->call) throw ExpressionError("unknown function " + n.name);
                std::vector<Value> args;
                args.reserve(n.args.size());
                for (const auto& a : n.args) args.push_back((*this)(*a));
                return b->call(args);
            }
            case Op::Negate:
                return Value(add(store::Decimal(), (*this)(*n.args[0]).number(), true));
            case Op::Add:
            case Op::Subtract:
                return Value(add((*this)(*n.args[0]).number(), (*this)(*n.args[1]).number(), n.op == Op::Subtract));
            case Op::Join:
                return Value((*this)(*n.args[0]).text() + (*this)(*n.args[1]).text());
        }
        return {};
    }

    const store::RecordBuffer& record_of(data::TableId id, const std::string& name) const {
        if (row && id == table) return *row;
        data::DictionaryTable* file = data::file_manager(id);
        if (!file) throw ExpressionError("no record buffer for " + name + " on this thread");
        return file->record();
    }
};

}  // namespace

Value field_value(const store::RecordBuffer& record, int field) {
    const store::FieldLayout& f = record.layout().fields.at(static_cast<std::size_t>(field));
    switch (f.kind) {
        case store::FieldKind::Text:
        case store::FieldKind::Group: {
            std::string t = record.get_text(field);
            while (!t.empty() && t.back() == ' ') t.pop_back();
            return Value(std::move(t));
        }
        case store::FieldKind::Date:
            return Value::integer(record.get_date(field));
        case store::FieldKind::Time:
            return Value::integer(record.get_time(field));
        default:
            return Value(record.get_decimal(field));
    }
}

Expression::Expression(std::string_view text) : text_(text), root_(Parser(text).parse()) {}
Expression::~Expression() = default;
Expression::Expression(Expression&&) noexcept = default;
Expression& Expression::operator=(Expression&&) noexcept = default;

Value Expression::evaluate(const store::RecordBuffer* row, data::TableId table) const { return Evaluator{row, table}(*root_); }

}  // namespace zrv::live
